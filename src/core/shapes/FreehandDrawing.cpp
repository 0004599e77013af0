// Freehand drawing steps on the coordinate table.
#include "core/shapes/FreehandDrawing.h"

#include <cmath>
#include <cstdio>

#include "core/base/NumberText.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

namespace {

bool rowIsVertex(const CoordTable& table, int row) {
    return row >= 1 && isNumericText(table.text(row, 0)) && isNumericText(table.text(row, 1));
}

// One empty row at the current row, written with two texts; the current row moves below it.
void insertVertexRow(CoordTable& table, std::string x, std::string y) {
    const int row = table.row();
    table.insertRows(row, 1);
    table.setText(row, 0, std::move(x));
    table.setText(row, 1, std::move(y));
    table.setRow(row + 1);
}

}  // namespace

std::string singleText(float value) {
    if (value == 0) return "0";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(value));
    std::string text(buffer);
    const auto e = text.find('E');
    std::string mantissa = text.substr(0, e),
                exponent = e == std::string::npos ? "" : text.substr(e);
    if (mantissa.find('.') != std::string::npos) {
        mantissa.erase(mantissa.find_last_not_of('0') + 1);
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    return mantissa + exponent;
}

Point snapToGrid(Point position, std::optional<double> step) {
    if (!step || !(*step > 0)) return position;
    const auto snap = [&](double v) {
        return static_cast<double>(static_cast<float>(roundHalfEven(v / *step, 0) * *step));
    };
    return {snap(position.x), snap(position.y)};
}

Point constrainOrthogonal(const CoordTable& table, Point press, Point position) {
    const int above = table.row() - 1;
    if (above < 1 || !isNumericText(table.text(above, 0)) || !isNumericText(table.text(above, 1)))
        return position;
    const double dx = std::fabs(press.x - position.x), dy = std::fabs(press.y - position.y);
    if (dy > dx) position.x = lenientValue(table.text(above, 0));
    if (dy < dx) position.y = lenientValue(table.text(above, 1));
    return position;
}

std::optional<Point> addClickedVertex(CoordTable& table, Point position, std::optional<double> step,
                                      bool shiftOnly, Point press) {
    if (table.row() < 1) return press;
    Point p = snapToGrid(position, step);
    // The constraint reads the row above the current one, which the insertion below keeps.
    if (shiftOnly) p = constrainOrthogonal(table, press, p);
    const float x = static_cast<float>(p.x), y = static_cast<float>(p.y);
    // A point beyond single precision would be written "INF": no vertex, nothing inserted.
    if (!std::isfinite(x) || !std::isfinite(y)) return std::nullopt;
    table.insertRows(table.row(), 1);
    const int row = table.row();
    table.setText(row, 0, singleText(x));
    table.setText(row, 1, singleText(y));
    table.setRow(row + 1);
    return Point{x, y};
}

RubberBand rubberBand(Point press, Point cursor, std::optional<double> step, bool shiftOnly) {
    const Point p = snapToGrid(cursor, step);
    RubberBand band;
    band.from = press;
    band.to = p;
    if (!shiftOnly) return band;
    const double dx = std::fabs(press.x - p.x), dy = std::fabs(press.y - p.y);
    if (dy > dx) {
        band.to = {press.x, p.y};
        band.axis = BandAxis::vertical;
        band.caption = "⊿Y=";
        band.cursorAlongAxis = p.y;
        band.lengthText = fixed3Text(dy);
    } else if (dy < dx) {
        band.to = {p.x, press.y};
        band.axis = BandAxis::horizontal;
        band.caption = "⊿X=";
        band.cursorAlongAxis = p.x;
        band.lengthText = fixed3Text(dx);
    } else {
        band.drawn = false;
    }
    return band;
}

std::optional<Point> addTypedLength(CoordTable& table, BandAxis axis, double length,
                                    double cursorAlongAxis, Point press) {
    const int above = table.row() - 1;
    if (axis == BandAxis::none || !rowIsVertex(table, above)) return std::nullopt;
    Point p{lenientValue(table.text(above, 0)), lenientValue(table.text(above, 1))};
    if (axis == BandAxis::horizontal)
        p.x += (cursorAlongAxis > press.x ? 1 : -1) * length;
    else
        p.y += (cursorAlongAxis > press.y ? 1 : -1) * length;
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return std::nullopt;
    insertVertexRow(table, numText(p.x), numText(p.y));
    return p;
}

std::optional<Point> addTypedCoordinate(CoordTable& table, Point press, double dx, double dy,
                                        bool relative) {
    if (table.row() < 1) return press;
    const Point p = relative ? Point{press.x + dx, press.y + dy} : Point{dx, dy};
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return std::nullopt;
    insertVertexRow(table, numText(p.x), numText(p.y));
    return p;
}

bool closeFigure(CoordTable& table) {
    const int row = table.row();
    if (row < 1) return false;
    // The figure ends above the current row, which may itself be the separator row that the
    // drawing pushed down.
    int first = 1;
    for (int k = row - 1; k >= 1; --k) {
        if (table.text(k, 0) == kSeparatorText) {
            first = k + 1;
            break;
        }
    }
    const std::string x = table.text(first, 0), y = table.text(first, 1);
    table.insertRows(row, 2);
    table.setText(row, 0, x);
    table.setText(row, 1, y);
    table.setText(row + 1, 0, std::string(kSeparatorText));
    const int last = table.rows() - 1;
    if (!table.text(last, 0).empty() || !table.text(last, 1).empty())
        table.setRows(table.rows() + 1);
    table.setRow(row + 2);
    return true;
}

}  // namespace kuvanto
