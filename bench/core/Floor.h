// The floor the calculation is measured against: the least work any program must do to get a
// polygon's area and moments from coordinate text, namely parse each number once with
// std::from_chars and integrate area, first and second moments in a single pass over the edges.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kuvanto::bench {

// Area and moments about the coordinate axes of a closed polygon (signed by orientation).
struct FloorSums {
    double area = 0;
    double sx = 0;   // ∫ y dA
    double sy = 0;   // ∫ x dA
    double ixx = 0;  // ∫ y² dA
    double iyy = 0;  // ∫ x² dA
    long vertices = 0;
};

// One pass over vertices given as (x text, y text) cell pairs, row-major; pairs that do not parse
// (the header, the entry row) are passed over. The polygon is closed back to its first vertex.
FloorSums floorFromCells(const std::vector<std::string>& cells);

// One pass over "X,Y" lines of file text; lines that do not hold two numbers are passed over.
FloorSums floorFromText(std::string_view text);

// The same from numbers.
FloorSums floorFromNumbers(const std::vector<double>& xs, const std::vector<double>& ys);

}  // namespace kuvanto::bench
