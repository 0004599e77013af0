// The calculation run: cuts both coordinate tables into figures, writes one result column per
// figure (writeFigureColumn) and then the combined column "総合" computed from the figure columns as their
// texts read (runCalculation). Also the clipboard text of a selected block of the result table.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/CoordTable.h"
#include "core/ResultTable.h"

namespace kuvanto {

// Writes figure column n + 1 of the result table for one figure (kind kAddKind or kSubtractedKind).
// Returns false when the figure cannot be computed; the table is then left hidden.
bool writeFigureColumn(ResultTable& result, std::string_view kind, int number, std::vector<double>& xs,
           std::vector<double>& ys);

// The whole run. Returns true and leaves the table shown, with the current cell in row 22 of the
// combined column, on success; returns false and leaves the table hidden on any failure (no
// figure, zero area, a vertex row whose Y is not a number, a zero extreme fibre distance, a
// negative ratio under a root). No cell ever receives "inf" or "nan".
bool runCalculation(const CoordTable& add, const CoordTable& subtracted, ResultTable& result);

// The text of the selected block (current cell alone when nothing wider is selected): cells of a
// row joined by tabs, rows joined by a carriage return, nothing after the last row.
std::string copyResultText(const ResultTable& result);

}  // namespace kuvanto
