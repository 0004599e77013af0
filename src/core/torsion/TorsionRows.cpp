// The torsion and shear block of the result table: the value behind each of its rows, and the
// writing of its combined cells, with the stiffnesses of a section of several materials in the
// block of several materials.
#include "core/torsion/TorsionRows.h"

#include "core/torsion/TorsionAnalysis.h"

#include <cmath>
#include <string>

namespace kuvanto {

namespace {

// A shear centre coordinate or offset from the centroid; below a millionth of the section's
// size it is rounding noise (a doubly symmetric section's centre found some 1e-8 of its size
// away from the centroid) and shown as 0: the finite elements are not that exact, and
// "-4.3106E-7" would read as a real offset.
double nearZero(double value, const TorsionValues& v) {
    const double size = std::sqrt(std::abs(v.area));
    return std::abs(value) < 1e-6 * size ? 0.0 : value;
}

// The warping constant, or 0 below a millionth of Ip²/A, the warping scale of the section's
// size: the finite elements do not resolve less (the estimate of its error is measured against
// the same floor), and a round tube's exact 0 would otherwise show as mesh noise such as
// "1.5847E-5".
double resolvedWarping(const TorsionValues& v) {
    const double polar = v.momentX + v.momentY;
    const double floor = v.area > 0 ? 1e-6 * polar * polar / v.area : 0.0;
    return std::abs(v.warpingConstant) < floor ? 0.0 : v.warpingConstant;
}

}  // namespace

bool TorsionRows::definedForSeparateParts(Property property) {
    switch (property) {
        case Property::TorsionConstant:
        case Property::TorsionConstantLower:
        case Property::TorsionConstantUpper:
        case Property::TorsionConstantError:
        case Property::TorsionStiffness:
        case Property::PoissonRatio:
        case Property::ElementCount:
        case Property::TorsionNotice:
            return true;
        default:
            return false;
    }
}

double TorsionRows::value(Property property, const TorsionResult& result) {
    const TorsionValues& v = result.values;
    // Of separate pieces only J, their sum, has a meaning for the section.
    if (v.parts > 1 && !definedForSeparateParts(property)) return std::nan("");
    const double offsetX = nearZero(v.shearCentreX - v.centroidX, v);
    const double offsetY = nearZero(v.shearCentreY - v.centroidY, v);
    const double trefftzX = nearZero(v.trefftzCentreX - v.centroidX, v);
    const double trefftzY = nearZero(v.trefftzCentreY - v.centroidY, v);
    switch (property) {
        case Property::TorsionConstant:
            return v.torsionConstant;
        case Property::TorsionConstantLower:
            return v.torsionConstantLower;
        case Property::TorsionConstantUpper:
            return v.torsionConstant;
        case Property::WarpingConstant:
            return resolvedWarping(v);
        case Property::ShearCentreX:
            return nearZero(v.centroidX + offsetX, v);
        case Property::ShearCentreY:
            return nearZero(v.centroidY + offsetY, v);
        case Property::ShearCentreOffsetX:
            return offsetX;
        case Property::ShearCentreOffsetY:
            return offsetY;
        case Property::TrefftzCentreX:
            return nearZero(v.centroidX + trefftzX, v);
        case Property::TrefftzCentreY:
            return nearZero(v.centroidY + trefftzY, v);
        case Property::ShearAreaX:
            return v.shearAreaX;
        case Property::ShearAreaY:
            return v.shearAreaY;
        case Property::ShearAreaMajor:
            return v.shearAreaMajor;
        case Property::ShearAreaMinor:
            return v.shearAreaMinor;
        case Property::PoissonRatio:
            return result.poissonRatio;
        case Property::ElementCount:
            return v.elements;
        case Property::TorsionConstantError:
            return 100 * result.errorJ;
        case Property::WarpingConstantError:
            return 100 * result.errorIw;
        case Property::ShearCentreError:
            return 100 * result.errorCentre;
        case Property::ShearAreaError:
            return 100 * result.errorShearArea;
        default:
            break;
    }
    // The stiffnesses of several materials: the transformed values times the reference's moduli.
    const double shear = result.referenceShearModulus, elastic = result.referenceElasticModulus;
    if (!(shear > 0)) return std::nan("");
    switch (property) {
        case Property::TorsionStiffness:
            return shear * v.torsionConstant;
        case Property::CompositeShearCentreX:
            return value(Property::ShearCentreX, result);
        case Property::CompositeShearCentreY:
            return value(Property::ShearCentreY, result);
        case Property::WarpingStiffness:
            return elastic * resolvedWarping(v);
        case Property::ShearStiffnessX:
            return shear * v.shearAreaX;
        case Property::ShearStiffnessY:
            return shear * v.shearAreaY;
        default:
            break;
    }
    return std::nan("");
}

void TorsionRows::write(ResultTable& table, const TorsionResult& result) {
    const int col = table.cols() - 1;
    for (Property p : kAllProperties) {
        if (isTorsionProperty(p)) table.setText(p, col, formatProperty(p, value(p, result)));
    }
    // The stiffnesses only where the block of several materials is shown.
    const bool withMaterials = !table.text(Property::ReferenceModulus, col).empty();
    for (Property p : kAllProperties) {
        if (!isCompositeTorsionProperty(p)) continue;
        table.setText(p, col,
                      withMaterials && result.referenceShearModulus > 0
                          ? formatProperty(p, value(p, result))
                          : std::string(withMaterials ? "-" : ""));
    }
    std::string notices;
    for (const TorsionNotice& notice : TorsionAnalysis::notices(result)) {
        if (!notices.empty()) notices += ' ';
        notices += TorsionAnalysis::noticeText(notice);
    }
    if (!notices.empty()) table.setText(Property::TorsionNotice, col, notices);
}

void TorsionRows::writeMessage(ResultTable& table, std::string_view message) {
    const int col = table.cols() - 1;
    const bool withMaterials = !table.text(Property::ReferenceModulus, col).empty();
    for (Property p : kAllProperties) {
        if (isTorsionProperty(p))
            table.setText(p, col, p == Property::TorsionConstant ? std::string(message) : "-");
        if (isCompositeTorsionProperty(p)) table.setText(p, col, withMaterials ? "-" : "");
    }
}

void TorsionRows::clear(ResultTable& table) {
    const int col = table.cols() - 1;
    for (Property p : kAllProperties) {
        if (isTorsionProperty(p) || isCompositeTorsionProperty(p))
            table.setText(p, col, std::string());
    }
}

bool TorsionRows::written(const ResultTable& table) {
    return !table.text(Property::TorsionConstant, table.cols() - 1).empty();
}

}  // namespace kuvanto
