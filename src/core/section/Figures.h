// Cutting the rows of the coordinate tables into figures: each run of vertex rows since the last
// separator row (or the top) is one closed polygon. Figure numbers run over the added figures
// first and continue over the subtracted ones.
#pragma once

#include <functional>
#include <span>

#include "core/base/Point.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

struct Figure {
    TableKind kind = TableKind::Added;
    int number = 0;
    // The vertices in table order. They point into the table's numbers when the figure's rows
    // follow each other, so a figure of a million rows is not copied; valid until the sink
    // returns.
    std::span<const Point> vertices;
};

// Builds the figures of one table, numbering from counter + 1 and advancing counter. A figure is
// complete at a separator row or at the end of the table; rows that are neither vertex nor
// separator are passed over. Each completed figure is handed to `sink` at once. Returns false
// when a vertex row's Y cell is not a number (the calculation fails); figures handed over before
// that stay handed over. The sink returns false to stop the build (a failure it met), which also
// makes this return false.
bool buildFigures(const CoordTable& grid, TableKind kind, int& counter,
                  const std::function<bool(const Figure&)>& sink);

}  // namespace kuvanto
