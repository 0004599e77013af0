// Helpers of the canvas tests: filling a coordinate table from a short row notation, counting a
// colour's pixels, and a painter that records what a redraw draws.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "canvas/SectionPainter.h"
#include "core/table/CoordTable.h"

namespace kuvanto::test {

// rows separated by ";": "x,y" a row of two cells, "|" a separator row, "-" an empty row. The
// empty entry row follows the rows.
inline void fill(CoordTable& grid, const QString& rows) {
    resetCoordTable(grid);
    const QStringList list = rows.isEmpty() ? QStringList() : rows.split(';');
    grid.setRows(static_cast<int>(list.size()) + 2);
    int row = 1;
    for (const QString& r : list) {
        if (r == "|") {
            grid.setText(row, 0, std::string(kSeparatorText));
        } else if (r != "-") {
            const QStringList cells = r.split(',');
            grid.setText(row, 0, cells.value(0).toStdString());
            grid.setText(row, 1, cells.value(1).toStdString());
        }
        ++row;
    }
}

// The pixels of an image in the colour (alpha ignored).
inline int countPixels(const QImage& image, QColor color) {
    int n = 0;
    const QRgb want = color.rgb();
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) n += (line[x] | 0xFF000000) == want;
    }
    return n;
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

// Records every call; polylines arrive as their segments unless keepPolylines is set.
class RecordingPainter : public SectionPainter {
public:
    explicit RecordingPainter(int pixels = 1000, bool keepPolylines = false)
        : pixels_(pixels), keepPolylines_(keepPolylines) {}

    int pixelSize() const override { return pixels_; }
    void clear(std::uint32_t color) override {
        const int keptPen = pen;
        *this = RecordingPainter(pixels_, keepPolylines_);
        pen = keptPen;
        clearedWith = color;
    }
    void setWindow(double l, double t, double r, double b) override {
        left = l, top = t, right = r, bottom = b;
    }
    void setPenWidth(int pixels) override { pen = pixels; }
    void segment(WorldPt a, WorldPt b, std::uint32_t color) override {
        segments.push_back({a, b, color, pen});
    }
    void circle(WorldPt c, double r, std::uint32_t color) override {
        circles.push_back({c, r, color, pen});
    }
    void dot(WorldPt at, std::uint32_t color) override { drawnDots.push_back({{at}, color, pen}); }
    void dots(std::span<const WorldPt> points, std::uint32_t color) override {
        drawnDots.push_back({{points.begin(), points.end()}, color, pen});
    }
    void polyline(std::span<const WorldPt> points, std::uint32_t color) override {
        if (!keepPolylines_) return SectionPainter::polyline(points, color);
        polylines.push_back({{points.begin(), points.end()}, color, pen});
    }

    std::vector<DrawnSegment> segmentsIn(std::uint32_t color) const {
        std::vector<DrawnSegment> out;
        for (const auto& s : segments)
            if (s.color == color) out.push_back(s);
        return out;
    }
    std::size_t dotCount() const {
        std::size_t n = 0;
        for (const auto& d : drawnDots) n += d.points.size();
        return n;
    }

    std::uint32_t clearedWith = 0xFFFFFFFF;
    double left = 0, top = 0, right = 0, bottom = 0;
    int pen = 0;
    std::vector<DrawnSegment> segments;
    std::vector<DrawnCircle> circles;
    std::vector<DrawnDots> drawnDots;
    std::vector<DrawnDots> polylines;

private:
    int pixels_;
    bool keepPolylines_;
};

}  // namespace kuvanto::test
