// The combined section's extreme fibres over the added table's vertex rows, its principal axes
// (from its Ix, Iy and Ixy) and per-fibre moduli, and its plastic neutral axes and moduli parallel
// to X, Y, u and v.
#include "core/section/CombinedAxes.h"

#include <algorithm>
#include <cmath>

#include "core/base/NumberText.h"

namespace kuvanto {

CombinedFibres combinedFibres(const CoordTable& added, Point centroid, const PrincipalAxes& axes) {
    CombinedFibres f;
    FibreDistances& d = f.distances;
    for (const Point& v : added.points()) {
        if (std::isnan(v.x) || std::isnan(v.y)) continue;  // not a vertex row
        const double dx = v.x - centroid.x, dy = v.y - centroid.y;
        f.cx = maxValue(f.cx, std::fabs(dx));
        f.cy = maxValue(f.cy, std::fabs(dy));
        f.cxAxis = maxValue(f.cxAxis, std::fabs(v.x));
        f.cyAxis = maxValue(f.cyAxis, std::fabs(v.y));
        d.top = std::max(d.top, dy);
        d.bottom = std::max(d.bottom, -dy);
        d.right = std::max(d.right, dx);
        d.left = std::max(d.left, -dx);
        d.fromMajor = std::max(d.fromMajor, axes.fromMajorAxis(dx, dy));
        d.fromMinor = std::max(d.fromMinor, axes.fromMinorAxis(dx, dy));
    }
    return f;
}

void completeCombinedSection(SectionProperties& p, const PrincipalAxes& axes,
                             const FibreDistances& fibres, const PlasticModuli& plastic) {
    const double xBar = p[Property::CentroidX], yBar = p[Property::CentroidY];
    completeDerivedProperties(p, axes, fibres);

    // Neutral axis parallel to X: the line across the Y direction, and so on. Principal axes
    // along X and Y (every section symmetric about an axis) have the same neutral axes, which are
    // not looked for twice: each search reads every vertex at least once.
    const auto alongX = plastic.across(0, 1);
    const auto alongY = plastic.across(1, 0);
    const auto across = [&](double normalX, double normalY) {
        normalX += 0.0;  // -0 as 0, so that a normal along an axis is recognised as that axis
        normalY += 0.0;
        if (normalX == 0 && normalY == 1) return alongX;
        if (normalX == 1 && normalY == 0) return alongY;
        return plastic.across(normalX, normalY);
    };
    const auto alongU = across(-axes.sine(), axes.cosine());
    const auto alongV = across(axes.cosine(), axes.sine());
    const double none = std::nan("");
    // A symmetric section's plastic axis through the origin comes out as rounding: kept as 0.
    const RoundingBounds& bounds = p.bounds();
    p[Property::PlasticAxisX] =
        alongY ? beyondRoundOff(xBar + alongY->offset,
                                bounds.plasticAxis(xBar, bounds.centroidX, alongY->offset,
                                                   std::max(fibres.right, fibres.left)))
               : none;
    p[Property::PlasticAxisY] =
        alongX ? beyondRoundOff(yBar + alongX->offset,
                                bounds.plasticAxis(yBar, bounds.centroidY, alongX->offset,
                                                   std::max(fibres.top, fibres.bottom)))
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
}

}  // namespace kuvanto
