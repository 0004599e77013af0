// Finding vertices and figures in the coordinate tables: the vertex nearest to a point of the
// canvas within a fiftieth of the visible width, the whole figure around the current row (with
// the separator rows that bound it), and the figure behind a column of the result table.
#pragma once

#include <optional>
#include <string>

#include "core/section/ResultTable.h"
#include "core/table/CoordTable.h"
#include "core/table/RowOperations.h"

namespace kuvanto {

struct VertexPick {
    TableKind table = TableKind::Added;
    int row = 0;
    double x = 0;  // the vertex as its cells read (leniently)
    double y = 0;
};

// The vertex nearest to (x, y) over both tables, the added table first; of equal distances the
// first wins. Rows count when both cells are non-empty and X is numeric. Nothing unless the
// distance is below scaleWidth / 50.
std::optional<VertexPick> pickVertex(const CoordTable& add, const CoordTable& subtracted, double x,
                                     double y, double scaleWidth);

// Selects the figure around the current row: from the separator above it (or row 1) to the
// separator below it (or the row above the first empty X cell or the last row), over both
// columns, with the current cell at the first row. Nothing when the current row is the last row.
std::optional<IndexRange> selectFigureRows(CoordTable& grid);

// The figure behind the current column of the result table: its table and its position within
// that table (1 for the first figure); nothing for the column "総合" or a column without a figure
// header. The current cell moves to row 0 of the last added-figure column, as the walk leaves it.
struct ResultFigure {
    TableKind table = TableKind::Added;
    int number = 0;
};
std::optional<ResultFigure> resultFigure(ResultTable& result);

// The second vertex of figure `number` in the table: the row two below the (number-1)-th
// separator (row 2 for the first figure). Nothing when that row is no vertex row.
std::optional<int> figureProbeRow(const CoordTable& grid, int number);

}  // namespace kuvanto
