// The transformed section of figures of several materials. The sums follow the combined column's
// own (Calculation.cpp) term by term with every figure's area and moments scaled by its modular
// ratio, so that a section of one material gives its geometric values exactly, times E.

#include "core/section/CompositeSection.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/base/TranslationMarker.h"
#include "core/section/CombinedRoundingBounds.h"
#include "core/section/Mass.h"
#include "core/section/PlasticModuli.h"
#include "core/section/PrincipalAxes.h"

namespace kuvanto {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
// N·mm to kN·m.
constexpr double kMomentUnit = 1e-6;

// The smallest of the positive finite values, NaN when there is none.
double smallestPositive(std::initializer_list<double> values) {
    double least = kNone;
    for (const double v : values) {
        if (std::isfinite(v) && v > 0 && !(least <= v)) least = v;
    }
    return least;
}

// One figure's part in the rounding bounds of the sums, its values and their bounds weighted by
// the figure's modular ratio (one more rounding for each product).
struct WeightedShare {
    double area, x, y, momentX, momentY, axisProduct;
    RoundingBounds bounds;

    static WeightedShare of(const SectionProperties& p, double ratio) {
        constexpr double eps = std::numeric_limits<double>::epsilon();
        const double weight = std::abs(ratio) * (1 + 2 * eps);
        WeightedShare share{ratio * p[Property::Area],
                            p[Property::CentroidX],
                            p[Property::CentroidY],
                            ratio * p[Property::MomentX],
                            ratio * p[Property::MomentY],
                            ratio * p[Property::AxisProductMoment],
                            p.bounds()};
        share.bounds.area = weight * share.bounds.area + eps * std::abs(share.area);
        share.bounds.moments = weight * share.bounds.moments +
                               eps * (std::abs(share.momentX) + std::abs(share.momentY));
        share.bounds.axisProduct =
            weight * share.bounds.axisProduct + eps * std::abs(share.axisProduct);
        return share;
    }
};

// A plastic neutral axis at `offset` from the centroid coordinate `centroid` (along x for
// `coordinate` 0, y for 1) in a section of about `size` across, or 0 where rounding alone could
// have put it off 0. The section's
// extent across the axis, which the bound needs, is measured only when the axis lies that close
// to 0 at all: one pass over the vertices for a symmetric section, none for the others.
double plasticAxis(std::span<const MaterialFigure> figures, const RoundingBounds& bounds,
                   double size, double centroid, double offset, int coordinate) {
    const double axis = centroid + offset;
    if (!(std::abs(axis) <= 1e-6 * (size + std::abs(offset) + std::abs(centroid)))) return axis;
    double extent = 0;
    for (const MaterialFigure& f : figures) {
        for (const Point& p : f.vertices)
            extent = std::max(extent, std::abs((coordinate == 0 ? p.x : p.y) - centroid));
    }
    const double centroidBound = coordinate == 0 ? bounds.centroidX : bounds.centroidY;
    return beyondRoundOff(axis, bounds.plasticAxis(centroid, centroidBound, offset, extent));
}

}  // namespace

CompositeSection compositeSection(std::span<const MaterialFigure> figures,
                                  const Material& reference) {
    CompositeSection out;
    out.reference = reference;
    for (Property p : kAllProperties) out.combined[p] = kNone;
    if (figures.empty() || reference.elasticModulus <= 0) {
        out.problem = QT_TRANSLATE_NOOP("CompositeSection", "基準材料がありません。");
        return out;
    }
    for (const MaterialFigure& f : figures) {
        if (!f.material) {
            out.problem =
                QT_TRANSLATE_NOOP("CompositeSection", "材料が指定されていない図形があります。");
            return out;
        }
        out.ratios.push_back(f.material->elasticModulus / reference.elasticModulus);
    }

    double a = 0, ax = 0, ay = 0;
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const SectionProperties& p = figures[i].values;
        const double area = out.ratios[i] * p[Property::Area];
        a += area;
        ax += p[Property::CentroidX] * area;
        ay += p[Property::CentroidY] * area;
    }
    if (!(a > 0) || !std::isfinite(a)) {
        out.problem = QT_TRANSLATE_NOOP("CompositeSection", "換算断面積が正になりません。");
        return out;
    }
    // The figures' parts weighted by their ratios, for the rounding bounds of the sums below:
    // values within them are kept as 0 and name no principal angle, as for one material.
    std::vector<WeightedShare> shares;
    shares.reserve(figures.size());
    for (std::size_t i = 0; i < figures.size(); ++i)
        shares.push_back(WeightedShare::of(figures[i].values, out.ratios[i]));
    const RoundingBounds bounds = combinedRoundingBounds(shares, a, ax / a, ay / a);
    const double xBar = beyondRoundOff(ax / a, bounds.centroidX);
    const double yBar = beyondRoundOff(ay / a, bounds.centroidY);
    double ix = 0, iy = 0, ixy = 0, mass = 0;
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const SectionProperties& p = figures[i].values;
        const double n = out.ratios[i];
        const double area = n * p[Property::Area];
        const double x = p[Property::CentroidX], y = p[Property::CentroidY];
        ix += n * p[Property::MomentX] + area * (y - yBar) * (y - yBar);
        iy += n * p[Property::MomentY] + area * (x - xBar) * (x - xBar);
        ixy += n * p[Property::ProductMoment] + area * (x - xBar) * (y - yBar);
        mass += massPerMetre(figures[i].material->density, p[Property::Area]);
    }
    ixy = beyondRoundOff(ixy, bounds.moments);
    const PrincipalAxes axes(ix, iy, ixy, bounds.moments);
    const double e = reference.elasticModulus;

    SectionProperties& c = out.combined;
    c[Property::ReferenceModulus] = e;
    c[Property::TransformedArea] = a;
    c[Property::StiffnessCentroidX] = xBar;
    c[Property::StiffnessCentroidY] = yBar;
    c[Property::TransformedMomentX] = ix;
    c[Property::TransformedMomentY] = iy;
    c[Property::TransformedProduct] = ixy;
    c[Property::TransformedAngle] = axes.angleDegrees();
    c[Property::TransformedMajorMoment] = axes.majorMoment();
    c[Property::TransformedMinorMoment] = axes.minorMoment();
    c[Property::AxialStiffness] = e * a;
    c[Property::BendingStiffnessX] = e * ix;
    c[Property::BendingStiffnessY] = e * iy;
    c[Property::CompositeMass] = mass;

    // The plastic axes balance the yield forces: each outline weighs fy over a common scale
    // (the reference's fy, else the largest), so that one material gives the area's own axes.
    double scale = reference.yieldStrength;
    for (const MaterialFigure& f : figures) {
        if (!(scale > 0)) scale = std::max(scale, f.material->yieldStrength);
    }
    if (scale > 0) {
        const double size = std::sqrt(std::abs(a));
        PlasticModuli plastic({xBar, yBar});
        for (const MaterialFigure& f : figures) {
            const double sign = f.kind == TableKind::Added ? 1.0 : -1.0;
            const double weight = sign * (f.material->yieldStrength / scale);
            if (weight != 0) plastic.addOutline(f.vertices, weight);
        }
        const auto alongX = plastic.across(0, 1);
        const auto alongY = plastic.across(1, 0);
        const auto alongU = plastic.across(-axes.sine(), axes.cosine());
        const auto alongV = plastic.across(axes.cosine(), axes.sine());
        const double unit = scale * kMomentUnit;
        if (alongY)
            c[Property::ForcePlasticAxisX] =
                plasticAxis(figures, bounds, size, xBar, alongY->offset, 0);
        if (alongX)
            c[Property::ForcePlasticAxisY] =
                plasticAxis(figures, bounds, size, yBar, alongX->offset, 1);
        if (alongX) c[Property::PlasticMomentX] = alongX->modulus * unit;
        if (alongY) c[Property::PlasticMomentY] = alongY->modulus * unit;
        if (alongU) c[Property::PlasticMomentU] = alongU->modulus * unit;
        if (alongV) c[Property::PlasticMomentV] = alongV->modulus * unit;
    }

    // Per material: the extreme fibres of its added figures, the moduli that turn a moment into
    // the stress there, and the moment at which it first yields.
    std::vector<const Material*> used;
    for (const MaterialFigure& f : figures) {
        if (f.kind == TableKind::Added &&
            std::find(used.begin(), used.end(), f.material) == used.end())
            used.push_back(f.material);
    }
    double yieldX = kNone, yieldY = kNone;
    for (const Material* m : used) {
        double top = kNone, bottom = kNone, right = kNone, left = kNone;
        for (const MaterialFigure& f : figures) {
            if (f.material != m || f.kind != TableKind::Added) continue;
            for (const Point& v : f.vertices) {
                top = std::fmax(top, v.y - yBar);
                bottom = std::fmax(bottom, yBar - v.y);
                right = std::fmax(right, v.x - xBar);
                left = std::fmax(left, xBar - v.x);
            }
        }
        const double n = m->elasticModulus / e;
        const auto modulus = [n](double moment, double distance) {
            return distance > 0 ? moment / (n * distance) : kNone;
        };
        MaterialModuli moduli{
            m->name,          n, modulus(ix, top), modulus(ix, bottom), modulus(iy, right),
            modulus(iy, left)};
        if (m->yieldStrength > 0) {
            const double fy = m->yieldStrength * kMomentUnit;
            const double x = smallestPositive({moduli.topModulusX, moduli.bottomModulusX});
            const double y = smallestPositive({moduli.rightModulusY, moduli.leftModulusY});
            yieldX = smallestPositive({yieldX, fy * x});
            yieldY = smallestPositive({yieldY, fy * y});
        }
        out.moduli.push_back(moduli);
    }
    c[Property::YieldMomentX] = yieldX;
    c[Property::YieldMomentY] = yieldY;
    for (Property p : kAllProperties) {
        if (!std::isfinite(c[p])) c[p] = kNone;
    }
    return out;
}

}  // namespace kuvanto
