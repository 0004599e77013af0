// The stresses of every load case over the section of two tables, as the window shows them: the
// section's properties and outline computed once, each case's stresses with the shear field of the
// torsion analysis when there is one, and the envelope of all cases. A model function the window
// runs on a worker thread and tests call directly.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "core/section/SectionMaterials.h"
#include "core/stress/MaterialStress.h"
#include "core/stress/SectionStress.h"
#include "core/stress/StressEnvelope.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

struct StressCases {
    bool sectionOk = false;  // the tables give a section (the calculation succeeds)
    SectionOutline outline;
    // The shear field used (null when none was given and none could be made).
    std::shared_ptr<const ShearStressField> shear;
    // Per case in the order given; empty when the section fails or the run was cancelled.
    std::vector<std::shared_ptr<const SectionStress>> stresses;
    // Per case, for a section whose figures carry materials: each material's stresses (the
    // cases' stresses are then those of the transformed section, in the reference material).
    std::vector<std::vector<MaterialStress>> materialStresses;
    StressEnvelope envelope;
    bool cancelled = false;

    // The stresses of `cases` over the tables' section. `torsion` is the torsion analysis of the
    // same tables (or null); its shear field is made here unless `shear` already holds it. A
    // section whose figures carry materials gets no shear (it needs each element's own shear
    // modulus). `cancelled` is asked between the steps.
    static StressCases compute(const CoordTable& added, const CoordTable& subtracted,
                               const SectionMaterials& materials,
                               const std::vector<LoadCase>& cases,
                               std::shared_ptr<const TorsionResult> torsion,
                               std::shared_ptr<const ShearStressField> shear,
                               const std::function<bool()>& cancelled = {});
};

}  // namespace kuvanto
