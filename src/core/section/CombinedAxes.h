// The principal axes, the moduli per extreme fibre and the plastic block of the combined
// section, added to its basic values.
#pragma once

#include "core/section/PlasticModuli.h"
#include "core/section/SectionProperties.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

// Completes `section`, which holds the combined basic values and the product of inertia about
// the centroid: the principal axes and the per-fibre moduli use the added table's vertex rows
// as the extreme fibres (as Zx and Zy do); the plastic values come from `plastic`, which holds
// every figure about the combined centroid. A value that cannot be computed is left NaN, which
// the table shows as "-".
bool completeCombinedSection(SectionProperties& section, const CoordTable& added,
                             const PlasticModuli& plastic);

}  // namespace kuvanto
