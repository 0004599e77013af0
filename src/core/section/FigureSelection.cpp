// Nearest-vertex picking, whole-figure selection and the way back from a result column to its
// figure.
#include "core/section/FigureSelection.h"

#include <cmath>

#include "core/base/NumberText.h"

namespace kuvanto {

namespace {

void scanTable(const CoordTable& grid, TableKind kind, double x, double y, double& best,
               std::optional<VertexPick>& found) {
    for (int r = 1; r < grid.rows(); ++r) {
        const std::string& xText = grid.text(r, 0);
        const std::string& yText = grid.text(r, 1);
        if (xText.empty() || yText.empty() || !isNumericText(xText)) continue;
        const double vx = lenientValue(xText);
        const double vy = lenientValue(yText);
        const double d = std::hypot(vx - x, vy - y);
        if (d < best) {
            best = d;
            found = VertexPick{kind, r, vx, vy};
        }
    }
}

}  // namespace

std::optional<VertexPick> pickVertex(const CoordTable& add, const CoordTable& subtracted, double x,
                                     double y, double scaleWidth) {
    const double tolerance = scaleWidth / 50;
    double best = scaleWidth;
    std::optional<VertexPick> found;
    scanTable(add, TableKind::Added, x, y, best, found);
    scanTable(subtracted, TableKind::Subtracted, x, y, best, found);
    if (!found || !(best < tolerance)) return std::nullopt;
    return found;
}

std::optional<IndexRange> selectFigureRows(CoordTable& grid) {
    const int r0 = grid.row();
    const int lastRow = grid.rows() - 1;
    if (r0 >= lastRow) return std::nullopt;
    int first = 1;
    for (int i = r0 - 1; i >= 1; --i) {
        if (grid.isSeparatorRow(i)) {
            first = i;
            break;
        }
    }
    int last = r0;
    for (int i = r0 + 1; i <= lastRow; ++i) {
        if (grid.isSeparatorRow(i)) {
            last = i;
            break;
        }
        if (i == lastRow || grid.text(i, 0).empty()) {
            last = i - 1;
            break;
        }
    }
    grid.setRow(first);
    grid.setCol(0);
    grid.setRowSel(last);
    grid.setColSel(1);
    return IndexRange{first, last};
}

std::optional<ResultFigure> resultFigure(ResultTable& result) {
    result.setRow(0);
    const int col = result.col();
    const ColumnKind kind = result.columnKind(col);
    if (kind != ColumnKind::Added && kind != ColumnKind::Subtracted) return std::nullopt;
    int number = result.columnFigure(col);
    int addedColumns = 0;
    for (int c = 2; c < result.cols(); ++c) {
        result.setCol(c);
        if (result.columnKind(c) == ColumnKind::Added) ++addedColumns;
    }
    if (kind == ColumnKind::Subtracted) number -= addedColumns;
    return ResultFigure{kind == ColumnKind::Added ? TableKind::Added : TableKind::Subtracted,
                        number};
}

std::optional<int> figureProbeRow(const CoordTable& grid, int number) {
    if (number < 1) return std::nullopt;
    int figure = 1;
    for (int i = 0; i < grid.rows(); ++i) {
        if (i != 0 && grid.isSeparatorRow(i)) ++figure;
        if (figure == number) {
            const int probe = i + 2;
            if (!grid.isVertexRow(probe)) return std::nullopt;
            return probe;
        }
    }
    return std::nullopt;
}

}  // namespace kuvanto
