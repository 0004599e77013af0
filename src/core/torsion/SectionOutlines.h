// The figures' outlines made ready for meshing. Points closer together than a billionth of the
// section's size are welded into one (an outline drawn out along a line and back usually comes
// back a rounding error beside where it went out), repeated points are dropped, and the seams
// are marked: a segment walked once each way encloses nothing and bounds no material, so the mesh
// takes no constraint from it. Left in, its two sides a rounding error apart would make the mesh
// refine without end towards them.
#pragma once

#include <span>
#include <vector>

#include "core/base/Point.h"
#include "core/torsion/SectionMesh.h"

namespace kuvanto {

struct SectionOutline {
    std::vector<Point> points;  // closed implicitly, no point repeated in a row
    std::vector<bool> seam;     // per segment, from points[k] to the next point
    int sign = 1;               // +1 added, -1 subtracted
    double signedArea = 0;      // of the outline as walked (seams add nothing)
};

class SectionOutlines {
public:
    // The cleaned outlines of the figures with a finite outline; figures with a point that is
    // not finite are passed over (none is returned for them: `finite` is then false).
    static std::vector<SectionOutline> clean(std::span<const SectionFigure> figures,
                                             bool* finite = nullptr);

    // The welding distance for points spread over `size` (their larger extent).
    static double weldDistance(double size) { return 1e-9 * size; }
};

}  // namespace kuvanto
