// The combined section's principal axes (from its Ix, Iy and Ixy), its per-fibre moduli over the
// added table's vertex rows, and its plastic neutral axes and moduli parallel to X, Y, u and v.
#include "core/section/CombinedAxes.h"

#include <algorithm>
#include <cmath>

#include "core/section/PrincipalAxes.h"

namespace kuvanto {

bool completeCombinedSection(SectionProperties& p, const CoordTable& added,
                             const PlasticModuli& plastic) {
    const double xBar = p[Property::CentroidX], yBar = p[Property::CentroidY];
    const RoundingBounds& bounds = p.bounds();
    const PrincipalAxes axes(p[Property::MomentX], p[Property::MomentY], p[Property::ProductMoment],
                             bounds.moments);
    double top = 0, bottom = 0, right = 0, left = 0, fromMajor = 0, fromMinor = 0;
    for (const Point& v : added.points()) {
        if (std::isnan(v.x) || std::isnan(v.y)) continue;  // not a vertex row
        const double dx = v.x - xBar, dy = v.y - yBar;
        top = std::max(top, dy);
        bottom = std::max(bottom, -dy);
        right = std::max(right, dx);
        left = std::max(left, -dx);
        fromMajor = std::max(fromMajor, axes.fromMajorAxis(dx, dy));
        fromMinor = std::max(fromMinor, axes.fromMinorAxis(dx, dy));
    }
    completeDerivedProperties(p, axes, {top, bottom, right, left, fromMajor, fromMinor});

    // Neutral axis parallel to X: the line across the Y direction, and so on.
    const auto alongX = plastic.across(0, 1);
    const auto alongY = plastic.across(1, 0);
    const auto alongU = plastic.across(-axes.sine(), axes.cosine());
    const auto alongV = plastic.across(axes.cosine(), axes.sine());
    const double none = std::nan("");
    // A symmetric section's plastic axis through the origin comes out as rounding: kept as 0.
    p[Property::PlasticAxisX] =
        alongY ? beyondRoundOff(xBar + alongY->offset,
                                bounds.plasticAxis(xBar, bounds.centroidX, alongY->offset,
                                                   std::max(right, left)))
               : none;
    p[Property::PlasticAxisY] =
        alongX ? beyondRoundOff(yBar + alongX->offset,
                                bounds.plasticAxis(yBar, bounds.centroidY, alongX->offset,
                                                   std::max(top, bottom)))
               : none;
    p[Property::PlasticModulusX] = alongX ? alongX->modulus : none;
    p[Property::PlasticModulusY] = alongY ? alongY->modulus : none;
    p[Property::ShapeFactorX] = p[Property::PlasticModulusX] / p[Property::ModulusX];
    p[Property::ShapeFactorY] = p[Property::PlasticModulusY] / p[Property::ModulusY];
    p[Property::PlasticModulusU] = alongU ? alongU->modulus : none;
    p[Property::PlasticModulusV] = alongV ? alongV->modulus : none;
    // What cannot be computed (a section whose outlines cross so that no line halves its area,
    // a negative principal moment under a root) is not a number and shows "-".
    for (std::size_t i = kBasicPropertyCount; i < kPropertyCount; ++i) {
        if (!std::isfinite(p[kAllProperties[i]])) p[kAllProperties[i]] = none;
    }
    return true;
}

}  // namespace kuvanto
