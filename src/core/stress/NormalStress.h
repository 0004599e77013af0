// The normal stress σ_zz of a section under an axial force and two bending moments, from the
// combined section's area, centroid and second moments about its centroid (Ix, Iy and the
// product Ixy). Bending about both axes at once is solved with the product of inertia, so an
// angle or a Z section whose principal axes are not x and y comes out right: its neutral axis is
// then not parallel to the moment vector. The field is linear in x and y.
#pragma once

#include <optional>

#include "core/base/Point.h"
#include "core/section/SectionProperties.h"
#include "core/stress/LoadCase.h"

namespace kuvanto {

// The section values the normal stress needs, about the centroid.
struct BendingProperties {
    double area = 0;
    Point centroid;
    double momentX = 0;  // Ix = ∫(y − ȳ)² dA
    double momentY = 0;  // Iy = ∫(x − x̄)² dA
    double product = 0;  // Ixy = ∫(x − x̄)(y − ȳ) dA

    // From the combined column of a calculation.
    static BendingProperties of(const SectionProperties& combined);
};

// The line where σ_zz = 0: through `point`, along the unit vector `direction`.
struct NeutralAxis {
    Point point;
    Point direction;
};

class NormalStress {
public:
    // The field for the loads (N and N·mm; stresses in the force unit over the coordinate unit
    // squared, MPa for mm). Nothing when the section cannot carry the formula: an area that is
    // not positive, or Ix·Iy − Ixy² not positive (a section with no bending stiffness about some
    // axis), or any value that is not finite.
    static std::optional<NormalStress> of(const BendingProperties& section, const LoadCase& loads);

    double at(Point p) const {
        return uniform_ + slopeX_ * (p.x - centroid_.x) + slopeY_ * (p.y - centroid_.y);
    }
    double uniform() const { return uniform_; }  // N / A, the value at the centroid
    double slopeX() const { return slopeX_; }    // ∂σ/∂x
    double slopeY() const { return slopeY_; }    // ∂σ/∂y

    // The neutral axis; nothing when there is no bending (the stress is the same everywhere).
    std::optional<NeutralAxis> neutralAxis() const;

private:
    Point centroid_;
    double uniform_ = 0;
    double slopeX_ = 0;
    double slopeY_ = 0;
};

}  // namespace kuvanto
