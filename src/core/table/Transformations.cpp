// The transformations of selected vertices, the base-point list and the status-bar texts.
#include "core/table/Transformations.h"

#include <cmath>
#include <optional>

#include "core/base/NumberText.h"
#include "core/table/RowOperations.h"

namespace kuvanto {

namespace {

// Calls `visit(row, x, y)` with the transformed coordinates of every selected row whose two cells
// are numbers.
template <typename Function, typename Visit>
void visitTransformed(const CoordTable& grid, Function& f, Visit visit) {
    const IndexRange rows = selectedRows(grid);
    for (int r = std::max(rows.first, 1); r <= rows.last; ++r) {
        const auto x = parseNumeric(grid.text(r, 0));
        if (!x) continue;
        const auto y = parseNumeric(grid.text(r, 1));
        if (!y) continue;
        double nx = *x, ny = *y;
        f(nx, ny);
        visit(r, nx, ny);
    }
}

// Applies `f` to every selected row whose two cells are numbers; returns the count changed. When
// `f` gives a value that is not finite for any row, no row changes and kNotFinite is returned:
// a first pass only checks, so the table is never left half transformed.
template <typename Function>
int forSelectedVertices(CoordTable& grid, Function f) {
    bool finite = true;
    visitTransformed(grid, f, [&](int, double x, double y) {
        finite = finite && std::isfinite(x) && std::isfinite(y);
    });
    if (!finite) return kNotFinite;
    int changed = 0;
    visitTransformed(grid, f, [&](int r, double x, double y) {
        grid.setText(r, 0, numText(x));
        grid.setText(r, 1, numText(y));
        ++changed;
    });
    return changed;
}

std::string padTo10(std::string text) {
    text.resize(10, ' ');
    return text;
}

std::string cellShown(const std::string& cell) {
    const auto value = parseNumeric(cell);
    return value ? "  " + format000(*value) : cell;
}

}  // namespace

int moveSelected(CoordTable& grid, double dx, double dy) {
    return forSelectedVertices(grid, [&](double& x, double& y) {
        x += dx;
        y += dy;
    });
}

int rotateSelected(CoordTable& grid, double cx, double cy, double degrees) {
    const double phi = degreesToRadians(degrees);
    const double c = std::cos(phi), s = std::sin(phi);
    return forSelectedVertices(grid, [&](double& x, double& y) {
        const double dx = x - cx, dy = y - cy;
        x = cx + roundHalfEven(dx * c - dy * s, 3);
        y = cy + roundHalfEven(dx * s + dy * c, 3);
    });
}

int scaleSelected(CoordTable& grid, double x0, double y0, double factor) {
    return forSelectedVertices(grid, [&](double& x, double& y) {
        x = x0 + factor * (x - x0);
        y = y0 + factor * (y - y0);
    });
}

std::vector<int> basePointRows(const CoordTable& grid) {
    std::vector<int> rows;
    const IndexRange range = selectedRows(grid);
    rows.reserve(static_cast<std::size_t>(std::max(range.count(), 0)));
    for (int r = std::max(range.first, 1); r <= range.last; ++r)
        if (grid.isVertexRow(r)) rows.push_back(r);
    return rows;
}

std::string basePointItem(const CoordTable& grid, int row) {
    const std::string& yText = grid.text(row, 1);
    const auto y = parseNumeric(yText);
    return "X: " + padTo10(format000(lenientValue(grid.text(row, 0)))) +
           " - Y: " + padTo10(y ? format000(*y) : yText);
}

std::vector<std::string> basePointItems(const CoordTable& grid) {
    std::vector<std::string> items;
    for (int r : basePointRows(grid)) items.push_back(basePointItem(grid, r));
    return items;
}

BasePoint basePointOfRow(const CoordTable& grid, int row) {
    const auto shown = [](double value) { return lenientValue(format000(value)); };
    const std::string& yText = grid.text(row, 1);
    const auto y = parseNumeric(yText);
    return {shown(lenientValue(grid.text(row, 0))), y ? shown(*y) : lenientValue(yText)};
}

std::string canvasStatusText(double x, double y, double viewMult, double viewOfsX,
                             double viewOfsY) {
    return "X=  " + format000(x) + " , Y=  " + format000(y) +
           "       [ZoomFactor:" + format000(1 / viewMult) + " , Xm:" + format000(-viewOfsX) +
           " , Ym:" + format000(-viewOfsY) + "]";
}

std::string tableStatusText(const CoordTable& grid, std::string_view head) {
    return std::string(head) + cellShown(grid.text(grid.row(), 0)) +
           " , Y=" + cellShown(grid.text(grid.row(), 1));
}

double dragZoomMultiplier(double pressMult, double currentMult, double dy, double scaleHeight) {
    if (dy == 0 || scaleHeight == 0) return currentMult;
    const double k = 1 + std::sqrt(5 * dy * dy / (scaleHeight * scaleHeight));
    if (dy > 0) return maxValue(pressMult / k, 0.02);
    return minValue(pressMult * k, 20);
}

}  // namespace kuvanto
