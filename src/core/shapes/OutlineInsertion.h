// Insertion of a library outline into a coordinate table: the vertices go in, in order, before a
// row, moved so that the chosen base point lands on the insertion coordinates.
#pragma once

#include <vector>

#include "core/shapes/ShapeOutlines.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

// Inserts one row per vertex before `row` (clamped to the data rows and the entry row) holding
// vertex + target - base, each coordinate rounded to five decimals (a half to the even neighbour).
// No separator row is written, so an outline inserted inside a figure becomes part of it.
// Returns the row after the inserted rows (the row that was at `row`).
int insertOutline(CoordTable& grid, int row, const std::vector<PlanePoint>& outline,
                  PlanePoint base, PlanePoint target);

}  // namespace kuvanto
