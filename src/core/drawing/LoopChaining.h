// Joining the open pieces of a drawing layer (lines, arcs, open polylines, already turned into
// points) into closed loops by their end points. Ends closer than the tolerance are one joint;
// the joints are found through a hash grid of cells the size of the tolerance, so the work is
// linear in the number of pieces. A joint where one piece ends alone, or where more than two
// meet, leaves its pieces out: they are reported with the joint's place, never joined by guess.
#pragma once

#include <vector>

#include "core/base/Point.h"

namespace kuvanto {

struct LoopProblem {
    enum class Kind {
        OpenEnd,           // a piece ends where no other piece continues it
        Branch,            // three or more pieces meet in one point
        SelfIntersection,  // the loop crosses or touches itself
        Degenerate,        // fewer than three distinct points or no area
        TooComplex,        // too many edges in one place to be checked
    };
    Kind kind = Kind::OpenEnd;
    Point where;
};

struct ChainedLoops {
    // Each loop without its closing point (the last point differs from the first).
    std::vector<std::vector<Point>> loops;
    std::vector<LoopProblem> problems;
};

class LoopChaining {
public:
    // Chains `pieces` (each at least two points, in order) into loops; pieces whose first and
    // last point meet are loops by themselves. Loops are appended to `result`.
    static void chain(const std::vector<std::vector<Point>>& pieces, double tolerance,
                      ChainedLoops& result);

    // Drops repeated consecutive points and a closing point equal to the first; false (with a
    // Degenerate problem appended) when fewer than three points or no area remain.
    static bool tidyLoop(std::vector<Point>& loop, double tolerance,
                         std::vector<LoopProblem>& problems);
};

}  // namespace kuvanto
