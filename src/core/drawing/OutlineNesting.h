// How the closed loops of a section lie among each other, decided from their exact arrangement
// where they touch: loops that come nowhere near each other are nested by the sweep of
// LoopChecks alone, and each group of loops whose outlines touch (within the drawing's joining
// tolerance) is arranged exactly and placed in the sweep as one unit. A hole touching its
// outline stays a hole, plates drawn against each other with coordinate noise stay side by
// side, an outline drawn twice is kept once, and outlines that really cross are left out with a
// place where they cross, or, when asked, joined into the outline of their union.
#pragma once

#include <vector>

#include "core/base/Point.h"

namespace kuvanto {

struct LoopClash {
    enum class Kind {
        Crossing,   // `loop` crosses `other`: both are left out
        Repeated,   // `loop` is the same outline as `other` and is left out
        Joined,     // `loop` crossed `other` and both became one outline
        Unchecked,  // too many outlines meet to arrange them: nested as drawn, unchecked
    };
    Kind kind = Kind::Crossing;
    int loop = 0;   // index into the loops given
    int other = 0;  // index into the loops given
    Point where;
};

struct NestedOutlines {
    std::vector<std::vector<Point>> loops;  // the loops kept (joined ones as their union)
    std::vector<int> depth;                 // per loop kept: the loops it lies inside
    std::vector<int> origin;                // per loop kept: the loop given it comes from
    std::vector<LoopClash> clashes;
};

class OutlineNesting {
public:
    // `loops` each simple and without closing point; `tolerance` in their units.
    static NestedOutlines nest(std::vector<std::vector<Point>> loops, double tolerance, bool join);
};

}  // namespace kuvanto
