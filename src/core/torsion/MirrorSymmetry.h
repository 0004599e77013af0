// The mirror lines of a section, found from its figures exactly (to the rounding of their
// coordinates), and the placing of the shear centres on them: a section symmetric about a line
// has its shear centre on that line, which the finite elements find only to their discretisation
// error (a doubly symmetric box's centre some 1e-5 of its size away from the centroid).
#pragma once

#include <span>
#include <vector>

#include "core/torsion/SectionMesh.h"
#include "core/torsion/TorsionResult.h"

namespace kuvanto {

class MirrorSymmetry {
public:
    // A line through `through` along the unit vector (directionX, directionY).
    struct Line {
        Point through;
        double directionX = 1;
        double directionY = 0;
    };

    // The lines through the section's centroid about which the figures map onto figures of the
    // same table and material (added onto added, subtracted onto subtracted), vertex for vertex
    // within the rounding of the coordinates. Only the principal directions and the directions of x
    // and y are tried: a mirror line of a region is always a principal axis through its centroid.
    // Empty when no such line is found, or the section is too large to compare in bounded work.
    static std::vector<Line> mirrorLines(std::span<const SectionFigure> figures);

    // Moves the shear centre and the Trefftz centre onto every mirror line of the figures: onto
    // the centroid when there are two lines or more, else along the normal of the one line.
    static void placeCentres(std::span<const SectionFigure> figures, TorsionValues& values);
};

}  // namespace kuvanto
