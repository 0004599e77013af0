// The exact arrangement of a group of loops whose outlines touch: every edge of every loop is put
// into one planar arrangement with exact constructions (CGAL), each face learns which loops it
// lies inside, and from the faces' areas each pair of loops is told apart as touching from
// outside, one inside the other, the same outline twice, or really crossing. A sliver of
// overlap or gap no thicker than the tolerance counts as touching, so plates drawn against each
// other with coordinate noise stay plates. Also the union of loops that cross, for joining them
// into one figure. CGAL is confined to the .cpp because it compiles slowly.
#pragma once

#include <utility>
#include <vector>

#include "core/base/Point.h"
#include "core/drawing/LoopChecks.h"

namespace kuvanto {

struct LoopCrossing {
    int first = 0, second = 0;  // indices into the group
    Point where;                // a point where their outlines cross
};

struct GroupArrangement {
    // Per loop of the group: how many other loops of the group it lies inside.
    std::vector<int> insideCount;
    // (kept, repeated): the same outline drawn twice; the second is left out.
    std::vector<std::pair<int, int>> same;
    std::vector<LoopCrossing> crossings;
    // The arrangement's edges for the nesting sweep, with the number of group loops containing
    // the face below each (their unit is left for the caller to set).
    std::vector<SweepEdge> edges;
    // The group's leftmost point (lowest of those).
    Point leftmost;
};

class OutlineArrangement {
public:
    // Relations among the loops (each simple, without closing point). `tolerance` is the
    // thickness below which an overlap or a gap is noise.
    static GroupArrangement arrange(const std::vector<const std::vector<Point>*>& loops,
                                    double tolerance);

    // The outlines of the union of the loops: outer boundaries and the holes they enclose,
    // each without closing point.
    static std::vector<std::vector<Point>> unionOutlines(
        const std::vector<const std::vector<Point>*>& loops);
};

}  // namespace kuvanto
