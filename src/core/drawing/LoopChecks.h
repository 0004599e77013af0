// Checks of single loops and of the loops of a section among each other: whether a loop crosses
// or touches itself (edges bucketed into a grid of about one edge per cell, so a loop of a
// million chords is checked in linear time), which loops come within a tolerance of each other
// (the same kind of grid over every loop's edges), and how deep each loop lies inside the others
// (a sweep across the plane, n log n in the number of edges), which tells outlines from holes.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "core/base/Point.h"
#include "core/drawing/LoopChaining.h"

namespace kuvanto {

// An edge of the nesting sweep. It belongs to a unit (a loop, or a group of touching loops
// placed as one); a point just below it lies inside `belowDepth` more loops than the unit itself
// (for a single loop 1 when its inside is below the edge, else 0).
struct SweepEdge {
    Point a, b;
    int unit = 0;
    int belowDepth = 0;
};

class LoopChecks {
public:
    // Nothing when the loop (without closing point) is simple; otherwise a SelfIntersection
    // problem at a place where it crosses itself, or TooComplex when the check would have to
    // compare more than about `work` pairs of edges.
    static std::vector<LoopProblem> selfIntersections(const std::vector<Point>& loop,
                                                      std::size_t work);

    // For every loop the number of other loops it lies inside (loops must not cross or touch
    // each other). A loop at odd depth is a hole.
    static std::vector<int> depths(const std::vector<std::vector<Point>>& loops);

    // The depth of every unit: the loops of other units it lies inside. `leftmost` holds each
    // unit's leftmost point (lowest of those); units must not cross or touch each other.
    static std::vector<int> unitDepths(const std::vector<SweepEdge>& edges,
                                       const std::vector<Point>& leftmost);
    // The edges of loop `loop` as its own unit.
    static void appendLoopEdges(const std::vector<Point>& loop, int unit,
                                std::vector<SweepEdge>& edges);

    // Pairs (i < j) of loops whose outlines come within `tolerance` of each other, sorted. When
    // the check would compare more than about `work` pairs of edges, or finds more than a
    // sixteenth of that meeting, it gives up and returns nothing with `complete` false.
    static std::vector<std::pair<int, int>> contacts(const std::vector<std::vector<Point>>& loops,
                                                     double tolerance, std::size_t work,
                                                     bool* complete);

    // Twice the signed area (positive counter-clockwise).
    static double doubleArea(const std::vector<Point>& loop);
};

}  // namespace kuvanto
