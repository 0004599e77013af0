// Exact winding numbers of many points about one polygon of many edges: the edges are sorted into
// horizontal bands, so a point looks only at the edges of its band instead of all of them. The
// section mesh asks it for one point per region between figure edges, and a polygon of 10^5
// vertices can make thousands of such regions.
#pragma once

#include <vector>

#include "core/base/Point.h"

namespace kuvanto {

class WindingIndex {
public:
    explicit WindingIndex(const std::vector<Point>& outline);

    // The winding number of the closed outline about p (0 outside, ±1 inside a simple polygon).
    int windingNumber(Point p) const;

private:
    const std::vector<Point>* outline_;
    double bottom_ = 0;
    double bandHeight_ = 1;
    std::vector<std::vector<int>> bands_;  // edge i runs from vertex i to vertex i + 1
};

}  // namespace kuvanto
