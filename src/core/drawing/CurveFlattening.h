// Arcs, circles, ellipses and splines of a drawing turned into chords. The chords either follow
// the angle density of the shipped shape library's fillets (splines: within a hundred-thousandth
// of their control points' extent), or are as many as keep each chord within a chosen distance
// (the chord error) of the curve. Either way an edge's end points are kept
// exactly, so that edges meeting in a drawing still meet after flattening.
#pragma once

#include <cstddef>
#include <vector>

#include "core/drawing/CadDrawing.h"

namespace kuvanto {

struct ChordRule {
    // Largest distance of a chord from its arc, in the units of the points; 0 uses the angle
    // density below instead.
    double chordError = 0;
    int chordsPerQuarter = 64;  // chords per quarter turn when chordError is 0
};

class CurveFlattening {
public:
    // Chords needed for the arc, at least one; saturates at `limit`.
    static std::size_t chordCount(const EllipticArc& arc, const ChordRule& rule, std::size_t limit);

    // Appends the points of the edge after its start (the chord ends, finally edge.end exactly).
    // Each appended point takes one from `budget`; returns false (appending nothing more) when
    // the budget runs out.
    static bool appendEdge(const CadEdge& edge, const ChordRule& rule, std::vector<Point>& out,
                           std::size_t& budget);

    // The points of a whole shape: the first edge's start, then every edge's points. A closed
    // shape's last point repeats its first.
    static bool shapePoints(const CadShape& shape, const ChordRule& rule, std::vector<Point>& out,
                            std::size_t& budget);
};

}  // namespace kuvanto
