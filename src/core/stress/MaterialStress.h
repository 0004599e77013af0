// The stresses of a section of several materials, per material. The section is taken as the
// transformed section against the reference material (its transformed area, centroid of
// stiffness and second moments), whose normal stress is that of the reference material; in a
// material of modular ratio n = E / E_ref the stress is n times the transformed section's at the
// same point. Each material's extremes are taken on the outline of its own region (its added
// figures less its subtracted ones), and its von Mises stress is set against its yield strength.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/section/SectionMaterials.h"
#include "core/section/SectionProperties.h"
#include "core/stress/SectionStress.h"

namespace kuvanto {

struct MaterialStress {
    std::string name;
    double ratio = 0;  // n = E / E_ref
    double yieldStrength = 0;
    std::optional<StressExtremes> normal;    // σ_zz
    std::optional<StressExtremes> vonMises;  // σ_vM; nothing while the shear is unknown
    std::optional<double> utilisation;       // largest σ_vM over fy; nothing without σ_vM
};

class MaterialStresses {
public:
    // The section values of the transformed section from the combined column of a calculation
    // with materials; nothing when they were not computed (a figure without a material, say).
    static std::optional<BendingProperties> transformed(const SectionProperties& combined);

    // Per material of an added figure (in the order they first appear): the stresses of `loads`.
    // The shear of a section of several materials is not computed yet: with shear actions σ_vM
    // and the utilisation are left out. Empty when no figure carries a material or the
    // transformed section has no stiffness.
    static std::vector<MaterialStress> of(const SectionOutline& outline,
                                          const SectionMaterials& materials,
                                          const SectionProperties& combined, const LoadCase& loads);
};

}  // namespace kuvanto
