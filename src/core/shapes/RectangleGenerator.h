// The rectangle generator: a closed axis-parallel rectangle from two opposite corners, written as
// a figure of its own (four corners, the first repeated, a separator row) at the current row of a
// coordinate table. The corner texts go into the table exactly as typed.
#pragma once

#include <string>

namespace kuvanto {

class CoordTable;

struct RectangleCorners {
    std::string startX, startY, endX, endY;
};

// Inserts the six rows before the current row r in one insertion, makes r + 6 (the row that was
// current) the current row and returns r, the row to scroll to the top of the view. Returns -1
// and changes nothing when the current row is the header row or a corner text reads as a number
// beyond the double range.
int insertRectangle(CoordTable& table, const RectangleCorners& corners);

}  // namespace kuvanto
