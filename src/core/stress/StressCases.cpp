// The load cases of the window over one section.
#include "core/stress/StressCases.h"

#include "core/section/Calculation.h"

namespace kuvanto {

StressCases StressCases::compute(const CoordTable& added, const CoordTable& subtracted,
                                 const SectionMaterials& materials,
                                 const std::vector<LoadCase>& cases,
                                 std::shared_ptr<const TorsionResult> torsion,
                                 std::shared_ptr<const ShearStressField> shear,
                                 const std::function<bool()>& cancelled) {
    StressCases run;
    auto stop = [&] {
        run.cancelled = cancelled && cancelled();
        if (run.cancelled) run.stresses.clear();
        return run.cancelled;
    };
    ResultTable result;
    resetResultTable(result);
    std::vector<ColumnValues> values;
    run.sectionOk = runCalculation(added, subtracted, materials, result, &values);
    run.outline = SectionOutline::of(added, subtracted);
    if (!run.sectionOk || stop()) return run;
    const std::vector<BoundarySegment> boundary = materialBoundary(run.outline);
    const SectionProperties& combined = values.back().values;
    const BendingProperties section =
        materials.noneAssigned()
            ? BendingProperties::of(combined)
            : MaterialStresses::transformed(combined).value_or(BendingProperties::of(combined));

    if (!materials.noneAssigned())
        shear = ShearStressField::unavailable(ShearStressField::Status::Materials);
    else if (!shear && torsion)
        shear = ShearStressField::of(*torsion);
    run.shear = shear;
    if (stop()) return run;

    run.stresses.reserve(cases.size());
    for (const LoadCase& loads : cases) {
        run.stresses.push_back(std::make_shared<const SectionStress>(
            SectionStress::compute(boundary, section, loads, shear)));
        run.envelope.add(*run.stresses.back());
        if (!materials.noneAssigned())
            run.materialStresses.push_back(
                MaterialStresses::of(run.outline, materials, combined, loads));
        if (stop()) return run;
    }
    return run;
}

}  // namespace kuvanto
