// Checks of single loops and of the loops of a section among each other: whether a loop crosses
// or touches itself (edges bucketed into a grid of about one edge per cell, so a loop of a
// million chords is checked in linear time), and how deep each loop lies inside the others (a
// sweep across the plane, n log n in the number of edges), which tells outlines from holes.
#pragma once

#include <cstddef>
#include <vector>

#include "core/base/Point.h"
#include "core/drawing/LoopChaining.h"

namespace kuvanto {

class LoopChecks {
public:
    // Nothing when the loop (without closing point) is simple; otherwise a SelfIntersection
    // problem at a place where it crosses itself, or TooComplex when the check would have to
    // compare more than about `work` pairs of edges.
    static std::vector<LoopProblem> selfIntersections(const std::vector<Point>& loop,
                                                      std::size_t work);

    // For every loop the number of other loops it lies inside (loops must not cross each other).
    // A loop at odd depth is a hole.
    static std::vector<int> depths(const std::vector<std::vector<Point>>& loops);

    // Twice the signed area (positive counter-clockwise).
    static double doubleArea(const std::vector<Point>& loop);
};

}  // namespace kuvanto
