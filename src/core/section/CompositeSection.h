// The transformed section of figures of several materials: each figure counts with its modular
// ratio n = E / E_ref against a reference material. Gives the transformed area and second
// moments about the centroid of stiffness, the principal axes, the absolute stiffnesses EA, EIx
// and EIy, the mass per metre from each figure's density, the plastic neutral axes by the balance
// of the yield forces fy·A on either side with the plastic moments about them, and the section
// moduli and first-yield moments per material (the stress in a material is n·M·y/I).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/base/Point.h"
#include "core/section/Material.h"
#include "core/section/SectionProperties.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

// One figure of the section as the composite calculation takes it.
struct MaterialFigure {
    TableKind kind = TableKind::Added;
    SectionProperties values;  // its own values, signed as its result column shows them
    std::span<const Point> vertices;
    const Material* material = nullptr;
};

// The section moduli of one material: the moment over them gives the stress at the material's
// extreme fibres (its added figures' vertices). NaN where the material has no fibre on that side.
struct MaterialModuli {
    std::string name;
    double ratio = 0;  // n = E / E_ref
    double topModulusX = 0, bottomModulusX = 0, rightModulusY = 0, leftModulusY = 0;
};

struct CompositeSection {
    // Why no composite values could be computed (a text marked for translation), empty when
    // they could; then the values below are set.
    std::string problem;
    Material reference;
    // The material properties of the combined section (ReferenceModulus ... YieldMomentY);
    // one that cannot be computed is NaN.
    SectionProperties combined;
    std::vector<double> ratios;          // per figure, in the order given
    std::vector<MaterialModuli> moduli;  // per material of an added figure, first come first
};

// The composite values of the figures against the reference material. Every figure must carry
// a material; otherwise, or when the transformed area is not positive, `problem` says why.
CompositeSection compositeSection(std::span<const MaterialFigure> figures,
                                  const Material& reference);

}  // namespace kuvanto
