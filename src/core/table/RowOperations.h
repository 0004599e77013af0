// Row operations on a coordinate table: inserting empty rows before the selected rows, deleting
// the selected rows, inserting a figure separator, emptying the selected cells, and the bulk
// insertion of ready-made vertex rows that the shape generators use. Every operation moves the
// rows below its range once (one insertion or erasure in the store), so inserting or deleting k
// rows costs the same whatever k is. Each returns what it did to the rows, so that a view can
// be told about exactly that change.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/table/CoordTable.h"

namespace kuvanto {

// An inclusive range of rows or columns.
struct IndexRange {
    int first = 0;
    int last = -1;
    int count() const { return last - first + 1; }
};

// The selected rows (smaller to larger of row and rowSel) and columns of a table.
IndexRange selectedRows(const CoordTable& grid);
IndexRange selectedCols(const CoordTable& grid);

// What an operation did to the rows of a table: rows inserted before `at` or removed from `at`,
// and rows appended at the end. A refused operation changed nothing.
struct RowChange {
    bool refused = false;
    int at = 0;
    int inserted = 0;
    int removed = 0;
    int appended = 0;
};

// Inserts one empty row before the first selected row for every selected row. row and rowSel keep
// their index values, so they designate rows of the new empty block. Refused when the range
// starts at the header row.
RowChange insertGridRows(CoordTable& grid);

// Deletes the selected rows; at least one empty row stays below the header. The selection end
// becomes (first deleted position, column 0). Refused when the range starts at the header row.
RowChange deleteGridRows(CoordTable& grid);

// Inserts a separator row at the current row (empty rows for the rest of a multi-row selection),
// moves the current row below it and keeps a row under it at the end of the table.
RowChange insertSeparator(CoordTable& grid);

// Empties every cell of the selected rows x selected columns; the row count stays.
void deleteSelectedCells(CoordTable& grid);

// Inserts the given rows (X text, Y text) before row `at` (1 <= at <= rows()) in one step; the
// selection is left as it was. This is how generators write n vertices at once.
using RowTexts = std::vector<std::pair<std::string, std::string>>;
RowChange insertRowTexts(CoordTable& grid, int at, const RowTexts& rows);

}  // namespace kuvanto
