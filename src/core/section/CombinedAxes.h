// The principal axes, the moduli per extreme fibre and the plastic block of the combined
// section, added to its basic values.
#pragma once

#include "core/section/PlasticModuli.h"
#include "core/section/PrincipalAxes.h"
#include "core/section/SectionProperties.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

// The extreme fibres of the combined section, the added table's vertex rows, found in one pass
// over them: the largest distances from the centroid along X and Y (compared as maxValue
// compares, for Zx and Zy) and from the coordinate axes, and the distances the per-fibre moduli
// and the principal moduli use (from the principal axes `axes` through the centroid).
struct CombinedFibres {
    double cx = 0, cy = 0, cxAxis = 0, cyAxis = 0;
    FibreDistances distances;
};
CombinedFibres combinedFibres(const CoordTable& added, Point centroid, const PrincipalAxes& axes);

// Completes `section`, which holds the combined basic values and the product of inertia about
// the centroid: the principal axes `axes` (of its Ix, Iy and Ixy) and the per-fibre moduli over
// `fibres`; the plastic values come from `plastic`, which holds every figure about the combined
// centroid. A value that cannot be computed is left NaN, which the table shows as "-".
void completeCombinedSection(SectionProperties& section, const PrincipalAxes& axes,
                             const FibreDistances& fibres, const PlasticModuli& plastic);

}  // namespace kuvanto
