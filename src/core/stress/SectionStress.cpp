// Sampling the normal stress along the material's outline and deriving the other components
// where the shear is known to be zero, or at the mesh's nodes with the recovered shear. The
// stress state is σ_zz with τ_zx and τ_zy: σ_vM = sqrt(σ_zz² + 3τ²), and the principal stresses
// are σ_zz/2 ± sqrt((σ_zz/2)² + τ²) and zero; with τ = 0 these are σ_1 = max(σ_zz, 0) and
// σ_3 = min(σ_zz, 0).
#include "core/stress/SectionStress.h"

#include <algorithm>
#include <cmath>

#include "core/base/TranslationMarker.h"

namespace kuvanto {

namespace {

// The running extremes of every component.
struct ExtremesTaker {
    std::array<StressExtremes, kStressComponentCount> extremes;
    bool any = false;

    void take(const std::array<double, kStressComponentCount>& values, Point p) {
        for (std::size_t c = 0; c < kStressComponentCount; ++c) {
            StressExtremes& e = extremes[c];
            const double v = values[c];
            if (!any || v > e.max) e.max = v, e.maxAt = p;
            if (!any || v < e.min) e.min = v, e.minAt = p;
        }
        any = true;
    }
};

}  // namespace

SectionStress SectionStress::compute(const std::vector<BoundarySegment>& boundary,
                                     const BendingProperties& section, const LoadCase& loads,
                                     std::shared_ptr<const ShearStressField> shear) {
    SectionStress stress;
    stress.loads_ = loads;
    if (boundary.empty()) return stress;
    stress.normal_ = NormalStress::of(section, loads);
    if (!stress.normal_) {
        stress.status_ = StressStatus::NoStiffness;
        return stress;
    }
    const NormalStress& field = *stress.normal_;
    const bool shearActions = loads.hasShearActions();
    stress.status_ = StressStatus::Ok;
    ExtremesTaker taker;

    // At the mesh's nodes, when there is a field: every component from σ_zz and the recovered
    // shear (exactly zero without shear actions).
    if (shear && shear->ok()) {
        stress.sampledField_ = shear;
        stress.shearKnown_ = true;
        const std::vector<Point>& nodes = shear->nodes();
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            const auto [shearX, shearY] =
                shearActions ? shear->at(i, loads) : std::array<double, 2>{0, 0};
            taker.take(components(field.at(nodes[i]), shearX, shearY), nodes[i]);
        }
    }

    // The outline's points in its order: each chain of segments (a segment starting where the
    // one before ended) gives its start, where σ changes sign along it and every segment's end,
    // and a chain that closes on its start gives that point once. After the nodes, if any: they
    // add the points where σ_zz changes sign, so that the smallest σ_vM is found on the outline.
    // A case with shear actions over a field has its values at the nodes alone.
    if (!(shearActions && stress.shearKnown_)) {
        std::vector<Point>& points = stress.outlinePoints_;
        points.reserve(boundary.size() + boundary.size() / 8 + 2);
        Point chainStart;
        for (std::size_t i = 0; i < boundary.size(); ++i) {
            const BoundarySegment& segment = boundary[i];
            if (i == 0 || !(boundary[i - 1].to == segment.from)) {
                chainStart = segment.from;
                points.push_back(segment.from);
            }
            const double a = field.at(segment.from), b = field.at(segment.to);
            if ((a < 0 && b > 0) || (a > 0 && b < 0)) {
                const double t = a / (a - b);
                points.push_back({segment.from.x + t * (segment.to.x - segment.from.x),
                                  segment.from.y + t * (segment.to.y - segment.from.y)});
            }
            if (!(segment.to == chainStart)) points.push_back(segment.to);
        }
        if (!shearActions) stress.shearKnown_ = true;
        for (const Point p : points) taker.take(components(field.at(p), 0, 0), p);
    }
    if (!stress.shearKnown_)
        stress.shearNotice_ =
            shearMessage(shear ? shear->status() : ShearStressField::Status::NoField);
    if (taker.any)
        for (std::size_t c = 0; c < kStressComponentCount; ++c)
            if (stress.has(static_cast<StressComponent>(c)))
                stress.extremes_[c] = taker.extremes[c];
    return stress;
}

std::vector<Point> SectionStress::points() const {
    std::vector<Point> all;
    all.reserve(pointCount());
    for (std::size_t i = 0; i < pointCount(); ++i) all.push_back(point(i));
    return all;
}

std::array<double, kStressComponentCount> SectionStress::componentsAt(std::size_t i) const {
    std::array<double, kStressComponentCount> all;
    all.fill(NAN);
    if (status_ != StressStatus::Ok || i >= pointCount()) return all;
    const double sigma = normal_->at(point(i));
    if (!shearKnown_) {
        all[static_cast<std::size_t>(StressComponent::NormalZ)] = sigma;
        return all;
    }
    const bool atNode = i < nodeCount() && loads_.hasShearActions();
    const auto [shearX, shearY] =
        atNode ? sampledField_->at(i, loads_) : std::array<double, 2>{0, 0};
    return components(sigma, shearX, shearY);
}

std::vector<double> SectionStress::values(StressComponent component) const {
    std::vector<double> result;
    if (!has(component)) return result;
    result.reserve(pointCount());
    for (std::size_t i = 0; i < pointCount(); ++i)
        result.push_back(componentsAt(i)[static_cast<std::size_t>(component)]);
    return result;
}

std::array<double, kStressComponentCount> SectionStress::components(double sigma, double shearX,
                                                                    double shearY) {
    std::array<double, kStressComponentCount> all{};
    const double tauSquared = shearX * shearX + shearY * shearY;
    if (shearX == 0 && shearY == 0) {
        for (std::size_t c = 0; c < kStressComponentCount; ++c)
            all[c] = valueWithoutShear(static_cast<StressComponent>(c), sigma);
        return all;
    }
    // Squares first (one square root per point); hypot where they would overflow.
    double tau = std::sqrt(tauSquared);
    double radius = std::sqrt(sigma * sigma / 4 + tauSquared);
    if (!std::isfinite(radius) || !std::isfinite(tau)) {
        tau = std::hypot(shearX, shearY);
        radius = std::hypot(sigma / 2, tau);
    }
    all[static_cast<std::size_t>(StressComponent::NormalZ)] = sigma;
    all[static_cast<std::size_t>(StressComponent::ShearZX)] = shearX;
    all[static_cast<std::size_t>(StressComponent::ShearZY)] = shearY;
    all[static_cast<std::size_t>(StressComponent::Shear)] = tau;
    all[static_cast<std::size_t>(StressComponent::VonMises)] =
        std::sqrt(sigma * sigma + 3 * tau * tau);
    // σ/2 ± r, the one of the smaller magnitude written so that it does not cancel.
    const double larger = sigma >= 0 ? sigma / 2 + radius : sigma / 2 - radius;
    const double smaller = larger != 0 ? -tau * tau / larger : 0;
    all[static_cast<std::size_t>(StressComponent::Principal1)] = sigma >= 0 ? larger : smaller;
    all[static_cast<std::size_t>(StressComponent::Principal3)] = sigma >= 0 ? smaller : larger;
    return all;
}

double SectionStress::valueWithoutShear(StressComponent component, double sigma) {
    switch (component) {
        case StressComponent::NormalZ:
            return sigma;
        case StressComponent::ShearZX:
        case StressComponent::ShearZY:
        case StressComponent::Shear:
            return 0;
        case StressComponent::VonMises:
            return std::abs(sigma);
        case StressComponent::Principal1:
            return std::max(sigma, 0.0);
        case StressComponent::Principal3:
            return std::min(sigma, 0.0);
        case StressComponent::Count:
            break;
    }
    return 0;
}

std::string_view SectionStress::shearMessage(ShearStressField::Status status) {
    switch (status) {
        case ShearStressField::Status::Ok:
            return {};
        case ShearStressField::Status::NoField:
            return QT_TRANSLATE_NOOP("SectionStress",
                                     "せん断応力: ねじり・せん断の解析結果がないため、Vx, Vy, T "
                                     "によるせん断応力とそれに依る成分は \"-\" です。");
        case ShearStressField::Status::SeparateParts:
            return QT_TRANSLATE_NOOP(
                "SectionStress",
                "せん断応力: 断面が離れた複数の部分からなり、部分の間のせん断流"
                "が定まらないため、Vx, Vy, T によるせん断応力とそれに依る成分は "
                "\"-\" です。");
        case ShearStressField::Status::Materials:
            return QT_TRANSLATE_NOOP(
                "SectionStress",
                "せん断応力: 材料の異なる図形からなる断面のせん断応力はまだ計算され"
                "ないため、Vx, Vy, T によるせん断応力とそれに依る成分は \"-\" "
                "です。");
        case ShearStressField::Status::Failed:
            return QT_TRANSLATE_NOOP("SectionStress",
                                     "せん断応力: 要素分割から有限の値が得られないため、Vx, Vy, T "
                                     "によるせん断応力とそれに依る成分は \"-\" です。");
    }
    return {};
}

std::string_view SectionStress::message(StressStatus status) {
    switch (status) {
        case StressStatus::Ok:
            return {};
        case StressStatus::NoSection:
            return QT_TRANSLATE_NOOP("SectionStress", "応力: 断面の輪郭がないため計算できません。");
        case StressStatus::NoStiffness:
            return QT_TRANSLATE_NOOP(
                "SectionStress", "応力: 断面積または Ix·Iy − Ixy² が正でないため計算できません。");
    }
    return {};
}

}  // namespace kuvanto
