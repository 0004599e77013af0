// The calculation run: cuts both coordinate tables into figures, writes one result column per
// figure (writeFigureColumn) and then the combined column "総合" computed from the figures'
// full-precision values (runCalculation). The full-precision values behind every column can be
// handed back for tools that print numbers rather than texts. Also the clipboard text of a
// selected block of the result table.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/Point.h"
#include "core/section/CompositeSection.h"
#include "core/section/ResultTable.h"
#include "core/section/SectionMaterials.h"
#include "core/section/SectionProperties.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

// The values behind one result column at full precision, signed as the column shows them.
struct ColumnValues {
    std::string head;  // the column head: "加算1", "減算3", "総合"
    ColumnKind kind = ColumnKind::Combined;
    int number = 0;  // the figure number; 0 for the combined column
    SectionProperties values;
    // False for the combined column of more than one figure, whose perimeter shows "-".
    bool hasPerimeter = true;
};

// Writes figure column n + 1 of the result table for one figure of the given table. Returns the
// values as written (signed by the kind) at full precision, or nothing when the figure cannot be
// computed; the table is then left hidden.
std::optional<SectionProperties> writeFigureColumn(ResultTable& result, TableKind kind, int number,
                                                   std::span<const Point> vertices);

// The whole run. Returns true and leaves the table shown, with the current cell in the last row
// of the combined column, on success; returns false and leaves the table hidden on any failure
// (no figure, zero area, a vertex row whose Y is not a number, a zero extreme fibre distance, a
// negative ratio under a root). No cell ever receives "inf" or "nan". With `values`, it also
// receives one entry per written column. The combined column is computed from the figures'
// full-precision values and rounded once, when its texts are made.
bool runCalculation(const CoordTable& add, const CoordTable& subtracted, ResultTable& result,
                    std::vector<ColumnValues>* values = nullptr);

// The same for a section whose figures may carry materials. When some figure carries one, the
// block of several materials is filled as well: each figure's modular ratio and the composite
// values in the combined column, or "-" where they cannot be given, with the reason in
// `composite`'s problem (a figure without a material, for example). Without any assignment the
// run is the one above and `composite` is left as it is.
bool runCalculation(const CoordTable& add, const CoordTable& subtracted,
                    const SectionMaterials& materials, ResultTable& result,
                    std::vector<ColumnValues>* values = nullptr,
                    CompositeSection* composite = nullptr);

// The text of the selected block (current cell alone when nothing wider is selected): cells of a
// row joined by tabs, rows joined by a carriage return, nothing after the last row.
std::string copyResultText(const ResultTable& result);

}  // namespace kuvanto
