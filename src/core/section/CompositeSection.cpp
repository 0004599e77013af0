// The transformed section of figures of several materials. The sums follow the combined column's
// own (Calculation.cpp) term by term with every figure's area and moments scaled by its modular
// ratio, so that a section of one material gives its geometric values exactly, times E.

#include "core/section/CompositeSection.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/base/TranslationMarker.h"
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
    const double xBar = ax / a;
    const double yBar = ay / a;
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
    const PrincipalAxes axes(ix, iy, ixy);
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
        if (alongY) c[Property::ForcePlasticAxisX] = xBar + alongY->offset;
        if (alongX) c[Property::ForcePlasticAxisY] = yBar + alongX->offset;
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
