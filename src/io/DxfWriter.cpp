// The DXF text is written group by group; numbers in their shortest form that reads back to the
// same double, texts beyond ASCII as \U+XXXX escapes (the DXF form that needs no code page).
#include "io/DxfWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

#include <QCoreApplication>

#include "core/base/NumberText.h"
#include "core/section/Figures.h"
#include "io/DxfPrescan.h"
#include "io/ResultExport.h"
#include "io/SafeWrite.h"

namespace kuvanto {

namespace {

class Groups {
public:
    void add(int code, std::string_view value) {
        text_ += std::to_string(code);
        text_ += '\n';
        text_ += value;
        text_ += '\n';
    }
    void add(int code, double value) {
        char buffer[32];
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0);
        add(code, std::string_view(buffer, ec == std::errc() ? end - buffer : 0));
    }
    void add(int code, int value) { add(code, std::string_view(std::to_string(value))); }
    std::string& text() { return text_; }

private:
    std::string text_;
};

// UTF-8 text with every non-ASCII character as \U+XXXX.
std::string escaped(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        char32_t code = c & (length == 4 ? 0x07 : length == 3 ? 0x0F : 0x1F);
        for (int k = 1; k < length && i + k < utf8.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "\\U+%04X", static_cast<unsigned>(code));
        out += buffer;
        i += length;
    }
    return out;
}

struct Bounds {
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
    void grow(Point p) {
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    bool empty() const { return !(maxX >= minX); }
};

void polyline(Groups& out, std::span<const Point> vertices, const char* layer, Bounds& bounds) {
    std::vector<Point> points(vertices.begin(), vertices.end());
    if (points.size() > 1 && points.front() == points.back()) points.pop_back();
    if (points.empty()) return;
    out.add(0, "LWPOLYLINE");
    out.add(100, "AcDbEntity");
    out.add(8, layer);
    out.add(100, "AcDbPolyline");
    out.add(90, static_cast<int>(points.size()));
    out.add(70, 1);
    for (const Point& p : points) {
        out.add(10, p.x);
        out.add(20, p.y);
        bounds.grow(p);
    }
}

}  // namespace

std::string DxfWriter::text(const CoordTable& add, const CoordTable& subtracted,
                            const ResultTable* result) {
    Groups out;
    out.add(0, "SECTION");
    out.add(2, "HEADER");
    out.add(9, "$ACADVER");
    out.add(1, "AC1015");
    out.add(9, "$INSUNITS");
    out.add(70, 4);
    out.add(0, "ENDSEC");
    out.add(0, "SECTION");
    out.add(2, "TABLES");
    out.add(0, "TABLE");
    out.add(2, "LAYER");
    out.add(70, 3);
    const int colours[] = {7, 1, 3};
    int index = 0;
    for (const char* name : {kAddedLayer, kSubtractedLayer, kResultLayer}) {
        out.add(0, "LAYER");
        out.add(2, name);
        out.add(70, 0);
        out.add(62, colours[index++]);
        out.add(6, "CONTINUOUS");
    }
    out.add(0, "ENDTAB");
    out.add(0, "ENDSEC");
    out.add(0, "SECTION");
    out.add(2, "ENTITIES");
    Bounds bounds;
    int counter = 0;
    for (auto [grid, kind, layer] :
         {std::tuple{&add, TableKind::Added, kAddedLayer},
          std::tuple{&subtracted, TableKind::Subtracted, kSubtractedLayer}}) {
        // A copy: clang does not let a lambda capture a structured binding.
        const char* figureLayer = layer;
        buildFigures(*grid, kind, counter, [&](const Figure& figure) {
            polyline(out, figure.vertices, figureLayer, bounds);
            return true;
        });
    }
    if (result) {
        // One text line per result line, right of the drawing, a fortieth of its height tall.
        const double height =
            bounds.empty() ? 2.5
                           : std::max(bounds.maxY - bounds.minY, bounds.maxX - bounds.minX) / 40;
        const double x = bounds.empty() ? 0 : bounds.maxX + 4 * height;
        double y = bounds.empty() ? 0 : bounds.maxY;
        const std::string lines = exportResultText(*result);
        std::size_t start = 0;
        while (start < lines.size()) {
            std::size_t end = lines.find_first_of("\r\n", start);
            if (end == std::string::npos) end = lines.size();
            std::string line = lines.substr(start, end - start);
            std::replace(line.begin(), line.end(), '\t', ' ');
            y -= 1.5 * height;
            if (!line.empty()) {
                out.add(0, "TEXT");
                out.add(100, "AcDbEntity");
                out.add(8, kResultLayer);
                out.add(100, "AcDbText");
                out.add(10, x);
                out.add(20, y);
                out.add(30, 0.0);
                out.add(40, height);
                out.add(1, escaped(line));
            }
            start = end + (lines.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        }
    }
    out.add(0, "ENDSEC");
    out.add(0, "EOF");
    return std::move(out.text());
}

bool DxfWriter::write(const QString& path, const CoordTable& add, const CoordTable& subtracted,
                      const ResultTable* result, QString* error) {
    // A file the import would refuse is not written at all.
    std::optional<Point> beyond;
    int counter = 0;
    for (auto [grid, kind] :
         {std::pair{&add, TableKind::Added}, std::pair{&subtracted, TableKind::Subtracted}})
        buildFigures(*grid, kind, counter, [&](const Figure& figure) {
            for (const Point& p : figure.vertices)
                if (!(std::abs(p.x) <= DxfPrescan::kMaxCoordinate &&
                      std::abs(p.y) <= DxfPrescan::kMaxCoordinate)) {
                    beyond = p;
                    return false;
                }
            return true;
        });
    if (beyond) {
        if (error)
            *error =
                QCoreApplication::translate(
                    "DxfWriter",
                    "座標 (%1, %2) がDXFとして読み込める範囲 (±%3) を超えるため、書き出しません。")
                    .arg(QString::fromStdString(numText(beyond->x)),
                         QString::fromStdString(numText(beyond->y)),
                         QString::fromStdString(numText(DxfPrescan::kMaxCoordinate)));
        return false;
    }
    return writeFileSafely(path, text(add, subtracted, result), error);
}

}  // namespace kuvanto
