// The per-material stresses from the transformed section's normal stress.
#include "core/stress/MaterialStress.h"

#include <algorithm>
#include <cmath>

namespace kuvanto {

std::optional<BendingProperties> MaterialStresses::transformed(const SectionProperties& combined) {
    BendingProperties section;
    section.area = combined[Property::TransformedArea];
    section.centroid = {combined[Property::StiffnessCentroidX],
                        combined[Property::StiffnessCentroidY]};
    section.momentX = combined[Property::TransformedMomentX];
    section.momentY = combined[Property::TransformedMomentY];
    section.product = combined[Property::TransformedProduct];
    for (const double value : {section.area, section.centroid.x, section.centroid.y,
                               section.momentX, section.momentY, section.product})
        if (!std::isfinite(value)) return std::nullopt;
    if (!(section.area > 0)) return std::nullopt;
    return section;
}

std::vector<MaterialStress> MaterialStresses::of(const SectionOutline& outline,
                                                 const SectionMaterials& materials,
                                                 const SectionProperties& combined,
                                                 const LoadCase& loads) {
    std::vector<MaterialStress> result;
    const Material* reference = materials.reference();
    const std::optional<BendingProperties> section = transformed(combined);
    if (materials.noneAssigned() || !reference || !section || !(reference->elasticModulus > 0))
        return result;
    const std::optional<NormalStress> field = NormalStress::of(*section, loads);
    if (!field) return result;

    // The materials of the added figures, first come first.
    std::vector<const Material*> order;
    for (std::size_t f = 0; f < outline.added.size(); ++f) {
        const Material* m = materials.materialOf(TableKind::Added, static_cast<int>(f) + 1);
        if (m && std::find(order.begin(), order.end(), m) == order.end()) order.push_back(m);
    }
    for (const Material* material : order) {
        SectionOutline own;
        for (std::size_t f = 0; f < outline.added.size(); ++f)
            if (materials.materialOf(TableKind::Added, static_cast<int>(f) + 1) == material)
                own.added.push_back(outline.added[f]);
        for (std::size_t f = 0; f < outline.subtracted.size(); ++f)
            if (materials.materialOf(TableKind::Subtracted, static_cast<int>(f) + 1) == material)
                own.subtracted.push_back(outline.subtracted[f]);
        MaterialStress stress;
        stress.name = material->name;
        stress.ratio = material->elasticModulus / reference->elasticModulus;
        stress.yieldStrength = material->yieldStrength;
        // The field is linear: its extremes over the region lie at the ends of its outline's
        // segments.
        bool any = false;
        StressExtremes normal;
        for (const BoundarySegment& segment : materialBoundary(own))
            for (const Point p : {segment.from, segment.to}) {
                const double value = stress.ratio * field->at(p);
                if (!any || value > normal.max) normal.max = value, normal.maxAt = p;
                if (!any || value < normal.min) normal.min = value, normal.minAt = p;
                any = true;
            }
        if (any && std::isfinite(normal.max) && std::isfinite(normal.min)) {
            stress.normal = normal;
            if (!loads.hasShearActions()) {
                // Without shear σ_vM = |σ_zz|: largest at the larger magnitude, and zero where
                // the region reaches the neutral axis.
                StressExtremes vonMises;
                const bool maxLarger = std::abs(normal.max) >= std::abs(normal.min);
                vonMises.max = maxLarger ? std::abs(normal.max) : std::abs(normal.min);
                vonMises.maxAt = maxLarger ? normal.maxAt : normal.minAt;
                const bool crosses = normal.max >= 0 && normal.min <= 0;
                vonMises.min = crosses ? 0 : std::min(std::abs(normal.max), std::abs(normal.min));
                vonMises.minAt =
                    std::abs(normal.max) <= std::abs(normal.min) ? normal.maxAt : normal.minAt;
                if (crosses) {
                    // A point of the region's outline on the neutral axis.
                    for (const BoundarySegment& segment : materialBoundary(own)) {
                        const double a = field->at(segment.from), b = field->at(segment.to);
                        if ((a <= 0 && b >= 0) || (a >= 0 && b <= 0)) {
                            const double t = a == b ? 0 : a / (a - b);
                            vonMises.minAt = {segment.from.x + t * (segment.to.x - segment.from.x),
                                              segment.from.y + t * (segment.to.y - segment.from.y)};
                            break;
                        }
                    }
                }
                stress.vonMises = vonMises;
                if (material->yieldStrength > 0)
                    stress.utilisation = vonMises.max / material->yieldStrength;
            }
        }
        result.push_back(std::move(stress));
    }
    return result;
}

}  // namespace kuvanto
