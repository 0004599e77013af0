// The calculator's torsion and shear block (--torsion): runs the finite-element analysis of the
// tables' section and gives its object for the JSON output (the text table takes the block from
// the result table's rows).
#pragma once

#include <QJsonObject>
#include <string>

#include "core/section/SectionMaterials.h"
#include "core/table/CoordTable.h"
#include "core/torsion/TorsionAnalysis.h"

namespace kuvanto {

class CalcTorsion {
public:
    // The analysis with Poisson's ratio nu and the element size (0: the default); when the
    // figures carry materials, with each figure's material against the section's reference
    // (Poisson's ratio then comes from the materials).
    static TorsionOutcome run(const CoordTable& added, const CoordTable& subtracted, double nu,
                              double elementSize,
                              const SectionMaterials& materials = SectionMaterials());

    // {"J", "J_lower", "J_upper", "Iw", "x_s", "y_s", "x_s_trefftz", "y_s_trefftz", "Asx",
    //  "Asy", "Asu", "Asv", "nu", "elements", "parts", "estimated_error": {"J", "Iw", "x_s",
    //  "As"}, "notices": [...]} at full precision; null for a value the section does not have
    // (several separate parts, an estimate left out).
    static QJsonObject jsonObject(const TorsionResult& result);

    // The notice in the interface language with its number in place.
    static QString noticeText(const TorsionNotice& notice);
};

}  // namespace kuvanto
