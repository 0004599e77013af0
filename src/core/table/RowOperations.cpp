// Row insertion and deletion, separator insertion, emptying of the selected cells and the bulk
// insertion of vertex rows, each done with a single move of the rows below the range.
#include "core/table/RowOperations.h"

#include <algorithm>

namespace kuvanto {

IndexRange selectedRows(const CoordTable& grid) {
    return {std::min(grid.row(), grid.rowSel()), std::max(grid.row(), grid.rowSel())};
}

IndexRange selectedCols(const CoordTable& grid) {
    return {std::min(grid.col(), grid.colSel()), std::max(grid.col(), grid.colSel())};
}

RowChange insertGridRows(CoordTable& grid) {
    const IndexRange range = selectedRows(grid);
    RowChange change;
    if (range.first < 1) {
        change.refused = true;
        return change;
    }
    // Inserting rows does not move the selection corners: they keep their indices.
    const int row = grid.row(), col = grid.col(), rowSel = grid.rowSel(), colSel = grid.colSel();
    grid.insertRows(range.first, range.count());
    grid.setRow(row);
    grid.setCol(col);
    grid.setRowSel(rowSel);
    grid.setColSel(colSel);
    change.at = range.first;
    change.inserted = range.count();
    return change;
}

RowChange deleteGridRows(CoordTable& grid) {
    const IndexRange range = selectedRows(grid);
    RowChange change;
    if (range.first < 1) {
        change.refused = true;
        return change;
    }
    const int count = std::min(range.count(), grid.rows() - range.first);
    grid.removeRows(range.first, count);
    change.at = range.first;
    change.removed = count;
    if (grid.rows() < 2) {
        grid.setRows(2);
        change.appended = 1;
    }
    // The current row is the row that now stands where the first deleted row stood; the
    // selection runs from its current column to column 0.
    grid.setRow(range.first);
    grid.setColSel(0);
    return change;
}

RowChange insertSeparator(CoordTable& grid) {
    RowChange change = insertGridRows(grid);
    if (change.refused) return change;
    grid.setText(grid.row(), 0, std::string(kSeparatorText));
    grid.setRow(grid.row() + 1);
    if (grid.row() == grid.rows() - 1) {
        grid.setRows(grid.rows() + 1);
        change.appended = 1;
    }
    return change;
}

void deleteSelectedCells(CoordTable& grid) {
    const IndexRange rows = selectedRows(grid);
    const IndexRange cols = selectedCols(grid);
    for (int r = rows.first; r <= rows.last; ++r)
        for (int c = cols.first; c <= cols.last; ++c) grid.setText(r, c, std::string());
}

RowChange insertRowTexts(CoordTable& grid, int at, const RowTexts& rows) {
    RowChange change;
    if (at < 1 || at > grid.rows()) {
        change.refused = true;
        return change;
    }
    if (rows.empty()) return change;
    const int row = grid.row(), col = grid.col(), rowSel = grid.rowSel(), colSel = grid.colSel();
    grid.insertRows(at, static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = at + static_cast<int>(i);
        grid.setText(r, 0, rows[i].first);
        grid.setText(r, 1, rows[i].second);
    }
    grid.setRow(row);
    grid.setCol(col);
    grid.setRowSel(rowSel);
    grid.setColSel(colSel);
    change.at = at;
    change.inserted = static_cast<int>(rows.size());
    return change;
}

}  // namespace kuvanto
