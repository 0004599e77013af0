// The normal stress from the resultants. With X = x − x̄ and Y = y − ȳ the stress is
// σ = N/A + a·X + b·Y; the moments it carries are Mx = ∫σ·Y dA (tension at +y for a positive
// Mx) and My = −∫σ·X dA (compression at +x for a positive My), which gives
//   a·Ixy + b·Ix = Mx,   a·Iy + b·Ixy = −My.
#include "core/stress/NormalStress.h"

#include <cmath>

namespace kuvanto {

BendingProperties BendingProperties::of(const SectionProperties& combined) {
    BendingProperties section;
    section.area = combined[Property::Area];
    section.centroid = {combined[Property::CentroidX], combined[Property::CentroidY]};
    section.momentX = combined[Property::MomentX];
    section.momentY = combined[Property::MomentY];
    section.product = combined[Property::ProductMoment];
    return section;
}

std::optional<NormalStress> NormalStress::of(const BendingProperties& section,
                                             const LoadCase& loads) {
    const double ix = section.momentX, iy = section.momentY, ixy = section.product;
    const double determinant = ix * iy - ixy * ixy;
    if (!(section.area > 0) || !std::isfinite(section.area) || !std::isfinite(determinant) ||
        !section.centroid.isVertex() || !std::isfinite(section.centroid.x) ||
        !std::isfinite(section.centroid.y))
        return std::nullopt;
    // Ix·Iy ≥ Ixy² for any real section; a determinant that rounding has left at a tiny fraction
    // of Ix·Iy means a section with next to no stiffness about some axis (a line of points).
    if (!(determinant > 1e-12 * std::abs(ix * iy))) return std::nullopt;

    const double mx = loads[LoadAction::MomentX];
    const double my = loads[LoadAction::MomentY];
    NormalStress stress;
    stress.centroid_ = section.centroid;
    stress.uniform_ = loads[LoadAction::AxialForce] / section.area;
    stress.slopeX_ = (-my * ix - mx * ixy) / determinant;
    stress.slopeY_ = (mx * iy + my * ixy) / determinant;
    if (!std::isfinite(stress.uniform_) || !std::isfinite(stress.slopeX_) ||
        !std::isfinite(stress.slopeY_))
        return std::nullopt;
    return stress;
}

std::optional<NeutralAxis> NormalStress::neutralAxis() const {
    const double gradient = std::hypot(slopeX_, slopeY_);
    if (!(gradient > 0) || !std::isfinite(gradient)) return std::nullopt;
    const double unitX = slopeX_ / gradient, unitY = slopeY_ / gradient;
    // The foot of the perpendicular from the centroid: σ there is uniform − gradient·distance.
    const double distance = uniform_ / gradient;
    NeutralAxis axis;
    axis.point = {centroid_.x - distance * unitX, centroid_.y - distance * unitY};
    axis.direction = {-unitY, unitX};
    if (!std::isfinite(axis.point.x) || !std::isfinite(axis.point.y)) return std::nullopt;
    return axis;
}

}  // namespace kuvanto
