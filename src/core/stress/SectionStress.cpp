// Sampling the normal stress along the material's outline and deriving the other components
// where the shear is known to be zero. With τ = 0 the stress state is σ_zz alone: σ_vM = |σ_zz|,
// and the principal stresses are σ_zz and two zeros, so σ_1 = max(σ_zz, 0), σ_3 = min(σ_zz, 0).
#include "core/stress/SectionStress.h"

#include <algorithm>
#include <cmath>

#include "core/base/TranslationMarker.h"

namespace kuvanto {

SectionStress SectionStress::compute(const std::vector<BoundarySegment>& boundary,
                                     const BendingProperties& section, const LoadCase& loads) {
    SectionStress stress;
    stress.loads_ = loads;
    if (boundary.empty()) return stress;
    stress.normal_ = NormalStress::of(section, loads);
    if (!stress.normal_) {
        stress.status_ = StressStatus::NoStiffness;
        return stress;
    }
    const NormalStress& field = *stress.normal_;

    // The outline's points in its order: each chain of segments (a segment starting where the
    // one before ended) gives its start, where σ changes sign along it and every segment's end,
    // and a chain that closes on its start gives that point once.
    std::vector<Point>& points = stress.points_;
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

    auto& values = stress.values_;
    auto& normal = values[static_cast<std::size_t>(StressComponent::NormalZ)];
    normal.reserve(points.size());
    for (const Point p : points) normal.push_back(field.at(p));
    stress.status_ = StressStatus::Ok;
    if (loads.hasShearActions()) return stress;

    for (const StressComponentEntry& entry : kStressComponents) {
        if (entry.component == StressComponent::NormalZ) continue;
        std::vector<double>& component = values[static_cast<std::size_t>(entry.component)];
        component.reserve(normal.size());
        for (const double sigma : normal)
            component.push_back(valueWithoutShear(entry.component, sigma));
    }
    return stress;
}

std::optional<StressExtremes> SectionStress::extremes(StressComponent component) const {
    const std::vector<double>& v = values(component);
    if (v.empty()) return std::nullopt;
    const auto [low, high] = std::minmax_element(v.begin(), v.end());
    StressExtremes extremes;
    extremes.max = *high;
    extremes.maxAt = points_[static_cast<std::size_t>(high - v.begin())];
    extremes.min = *low;
    extremes.minAt = points_[static_cast<std::size_t>(low - v.begin())];
    return extremes;
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
