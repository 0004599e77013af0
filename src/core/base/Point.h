// A point of the plane in the coordinates of the tables: the vertices of figures, the numbers of a
// coordinate table's rows and the points the canvas draws. A coordinate that a cell does not hold
// as a number is NaN.
#pragma once

#include <cmath>

namespace kuvanto {

struct Point {
    double x = 0;
    double y = 0;

    bool operator==(const Point&) const = default;
    // Both coordinates are numbers (a vertex row of a table).
    bool isVertex() const { return !std::isnan(x) && !std::isnan(y); }
};

}  // namespace kuvanto
