// One straight segment from the vertex in the row above the current row: the new vertex from a
// length and an angle, an X increment and an angle, or a Y increment and an angle. The increments
// are computed from numbers alone (lineIncrement); insertLineVertex applies them to a coordinate
// table the way the line dialog's OK does, so that repeated use draws a polyline vertex by vertex.
#pragma once

namespace kuvanto {

class CoordTable;

enum class LineMode {
    lengthAngle,      // the amount is the segment's length
    xIncrementAngle,  // the amount is the X increment; the angle decides up or down
    yIncrementAngle,  // the amount is the Y increment; the angle decides left or right
};

struct Increment {
    double dx = 0;
    double dy = 0;
};

// The increments for an amount and an angle in degrees (0° along +X, counter-clockwise). An angle
// of exactly 0 is the special case; every other angle goes through the general formulas, so 90°
// keeps the tiny cosine that the degree conversion leaves.
Increment lineIncrement(LineMode mode, double amount, double angleDegrees);

// Writes the new vertex, rounded to three decimals, into the current row r (overwriting it),
// starting from row r - 1 when its X cell is numeric and from the origin otherwise; adds an empty
// row when r is the last row and makes r + 1 the current row. Nothing happens (false) when the
// current row is the header row or the new vertex is not a finite number (an amount or angle out
// of range, an increment that overflows).
bool insertLineVertex(CoordTable& table, LineMode mode, double amount, double angleDegrees);

}  // namespace kuvanto
