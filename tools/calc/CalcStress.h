// The calculator's stresses under loads (--loads, --loads-file, --stress-csv): every load case
// computed over the section, the largest and smallest value of each component with its point,
// the envelope of several cases, as a JSON object, a text block and a CSV of the sampled points.
// The shear stresses come from the torsion block's shear and warping functions; where they are
// undefined, components that depend on them are null for a case with Vx, Vy or T, and a notice
// says why.
#pragma once

#include <QJsonObject>
#include <memory>
#include <string>
#include <vector>

#include "core/section/SectionProperties.h"
#include "core/stress/MaterialStress.h"
#include "core/stress/SectionStress.h"
#include "core/stress/StressEnvelope.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

struct StressRun {
    std::vector<SectionStress> cases;
    // Per case for figures that carry materials: each material's stresses (the cases' own are
    // then the transformed section's, in the reference material).
    std::vector<std::vector<MaterialStress>> materials;
    StressEnvelope envelope;
    bool fromFile = false;  // --loads-file: the JSON lists cases and the envelope

    // Whether every case could be computed.
    bool ok() const;
};

class CalcStress {
public:
    // Every case over the section of the tables, whose combined properties are `combined`.
    // `shear` is the torsion block's shear field, or null when the block did not solve. With
    // materials assigned, the cases are those of the transformed section of `combined`.
    static StressRun run(const CoordTable& added, const CoordTable& subtracted,
                         const SectionProperties& combined, const SectionMaterials& materials,
                         const std::vector<LoadCase>& cases, bool fromFile,
                         std::shared_ptr<const ShearStressField> shear);

    // With --loads: {"unit", "loads", one member per component, "neutral_axis"}; with
    // --loads-file: {"unit", "cases": [{"name", "loads", components..., "neutral_axis"}],
    // "envelope": {component: {"max", "max_at", "max_case", "min", "min_at", "min_case"}}}.
    // A component is {"max", "max_at": [x, y], "min", "min_at": [x, y]} or null. With materials
    // each case also has "materials": [{"name", "n", "fy", "sigma_zz", "sigma_vm", "ratio"}]
    // (σ_vM and its ratio to fy null while the shear is unknown).
    static QJsonObject jsonObject(const StressRun& run);

    // The text block after the result table: per case a heading and one line per component
    // "KEY<TAB>MAX<TAB>X<TAB>Y<TAB>MIN<TAB>X<TAB>Y" ("-" for one not computed), and the
    // envelope for several cases.
    static std::string text(const StressRun& run);

    // The CSV of every sampled point of every case:
    //   case,x,y,sigma_zz,tau_zx,tau_zy,tau,sigma_vm,sigma_1,sigma_3
    // with an empty field for a component not computed.
    static std::string csv(const StressRun& run);

    // The notices on standard error (one a line, each reason once) when components were left
    // out; empty when none was.
    static std::string notice(const StressRun& run);
};

}  // namespace kuvanto
