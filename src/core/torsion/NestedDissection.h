// A fill-reducing ordering of the unknowns of a plane mesh that can be cancelled. The nodes are
// split where a straight cut across the section meets the fewest of them (across x or y, near the
// median); the nodes of one side that touch the other form the separator, numbered after both
// sides, and each side is split again (geometric nested dissection) until the pieces are small.
// Each piece is then ordered by Eigen's approximate minimum degree routine on its own, which
// suits the thin walls and the compact parts alike. A minimum degree ordering of the whole mesh
// would give about the same fill but takes seconds on a fine mesh in one uninterruptible call;
// here a cancel is asked about between the pieces.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "core/base/Point.h"

namespace kuvanto {

class NestedDissection {
public:
    // Vertices with more neighbours than this (the one unknown of a whole hole's outline) are
    // numbered last of all: in a separator each would join the pieces it touches.
    static constexpr int kDenseDegree = 64;
    // Pieces of at most this many vertices are ordered by minimum degree in one call: about ten
    // milliseconds of work. The mesh of a shipped part and its subdivision take one piece.
    static constexpr int kPieceSize = 32768;

    // The order of the vertices of the graph (the neighbours of vertex v are
    // neighbours[start[v]] .. neighbours[start[v + 1] - 1], symmetric; v itself may be among them)
    // at the points `at`: order[k] is the vertex numbered k. Empty when cancelled.
    static std::vector<int> order(std::span<const int> start, std::span<const int> neighbours,
                                  std::span<const Point> at,
                                  const std::function<bool()>& cancelled = {});
};

}  // namespace kuvanto
