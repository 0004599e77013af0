// Helpers of the canvas tests: filling a coordinate table from a short row notation, and a
// painter that records what a redraw draws.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "CoodGrid.h"
#include "DgrmPainter.h"

namespace kuvanto::test {

// Rows separated by ";": "x,y" a row of two cells, "|" a separator row, "-" an empty row. The
// empty entry row follows the rows.
inline void Fill(CoodGrid& grid, const QString& rows) {
    Init_Cood_Grid(grid);
    const QStringList list = rows.isEmpty() ? QStringList() : rows.split(';');
    grid.Set_Rows(static_cast<int>(list.size()) + 2);
    int row = 1;
    for (const QString& r : list) {
        if (r == "|") {
            grid.Set_Text(row, 0, std::string(kSeparatorText));
        } else if (r != "-") {
            const QStringList cells = r.split(',');
            grid.Set_Text(row, 0, cells.value(0).toStdString());
            grid.Set_Text(row, 1, cells.value(1).toStdString());
        }
        ++row;
    }
}

struct DrawnSegment {
    WorldPt from, to;
    std::uint32_t color;
    int pen;
};
struct DrawnCircle {
    WorldPt centre;
    double radius;
    std::uint32_t color;
    int pen;
};
struct DrawnDots {
    std::vector<WorldPt> points;
    std::uint32_t color;
    int pen;
};

// Records every call; polylines arrive as their segments unless keep_polylines is set.
class RecordingPainter : public DgrmPainter {
public:
    explicit RecordingPainter(int pixels = 1000, bool keep_polylines = false)
        : pixels_(pixels), keep_polylines_(keep_polylines) {}

    int Pixel_Size() const override { return pixels_; }
    void Clear(std::uint32_t color) override {
        const int kept_pen = pen;
        *this = RecordingPainter(pixels_, keep_polylines_);
        pen = kept_pen;
        cleared_with = color;
    }
    void Set_Window(double l, double t, double r, double b) override {
        left = l, top = t, right = r, bottom = b;
    }
    void Set_Pen_Width(int pixels) override { pen = pixels; }
    void Segment(WorldPt a, WorldPt b, std::uint32_t color) override {
        segments.push_back({a, b, color, pen});
    }
    void Circle(WorldPt c, double r, std::uint32_t color) override {
        circles.push_back({c, r, color, pen});
    }
    void Dot(WorldPt at, std::uint32_t color) override { dots.push_back({{at}, color, pen}); }
    void Dots(std::span<const WorldPt> points, std::uint32_t color) override {
        dots.push_back({{points.begin(), points.end()}, color, pen});
    }
    void Polyline(std::span<const WorldPt> points, std::uint32_t color) override {
        if (!keep_polylines_) return DgrmPainter::Polyline(points, color);
        polylines.push_back({{points.begin(), points.end()}, color, pen});
    }

    std::vector<DrawnSegment> Segments_In(std::uint32_t color) const {
        std::vector<DrawnSegment> out;
        for (const auto& s : segments)
            if (s.color == color) out.push_back(s);
        return out;
    }
    std::size_t Dot_Count() const {
        std::size_t n = 0;
        for (const auto& d : dots) n += d.points.size();
        return n;
    }

    std::uint32_t cleared_with = 0xFFFFFFFF;
    double left = 0, top = 0, right = 0, bottom = 0;
    int pen = 0;
    std::vector<DrawnSegment> segments;
    std::vector<DrawnCircle> circles;
    std::vector<DrawnDots> dots;
    std::vector<DrawnDots> polylines;

private:
    int pixels_;
    bool keep_polylines_;
};

}  // namespace kuvanto::test
