// The stresses of one load case over a section: every component at the points where they are
// sampled, and each component's largest and smallest value with the point where it occurs.
//
// A case without Vx, Vy and T has exactly zero shear, and all components follow from σ_zz: it is
// linear, so its extremes lie at the ends of the material's outline segments; the points where it
// changes sign along the outline are sampled as well, so that the smallest von Mises stress (zero
// on the neutral axis) is found too. A case with shear actions is sampled at the nodes of the
// finite-element analysis's mesh (which hold every vertex of the outline), with the shear
// stresses recovered there from the shear and warping functions; without them (no analysis, or a
// section of separate parts) every component that depends on the shear is left uncomputed.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "core/base/Point.h"
#include "core/stress/LoadCase.h"
#include "core/stress/NormalStress.h"
#include "core/stress/SectionBoundary.h"
#include "core/stress/ShearStressField.h"
#include "core/stress/StressComponents.h"

namespace kuvanto {

// The largest and smallest value of one component and where they occur.
struct StressExtremes {
    double max = 0;
    Point maxAt;
    double min = 0;
    Point minAt;
};

enum class StressStatus {
    Ok,
    NoSection,    // no outline to sample, or coordinates that are not finite
    NoStiffness,  // an area or Ix·Iy − Ixy² that is not positive
};

class SectionStress {
public:
    // The stresses of `loads` over the section with the given outline and properties, and the
    // shear stresses of the finite-element analysis when there is one.
    static SectionStress compute(const std::vector<BoundarySegment>& boundary,
                                 const BendingProperties& section, const LoadCase& loads,
                                 std::shared_ptr<const ShearStressField> shear = {});

    StressStatus status() const { return status_; }
    const LoadCase& loads() const { return loads_; }

    // Whether the component has values: σ_zz always (when the status is Ok), the others when
    // the case has no shear actions or the shear stresses could be recovered.
    bool has(StressComponent component) const {
        return status_ == StressStatus::Ok &&
               (shearKnown_ || !stressComponentEntry(component).needsShear);
    }
    // The sampled points: the nodes of the shear field first when there is one (in its order),
    // then, for a case without shear actions, the outline's points in its order (a point where
    // two pieces of the outline meet out of order may appear twice). The values at the points
    // are not kept, only the extremes: they are made again on demand, since a case over a fine
    // mesh would otherwise hold tens of megabytes.
    std::size_t pointCount() const { return nodeCount() + outlinePoints_.size(); }
    Point point(std::size_t i) const {
        return i < nodeCount() ? sampledField_->nodes()[i] : outlinePoints_[i - nodeCount()];
    }
    std::vector<Point> points() const;
    // Every component at point i; NaN for one that was not computed.
    std::array<double, kStressComponentCount> componentsAt(std::size_t i) const;
    // The values of a component at the points, one per point; empty when it was not computed.
    std::vector<double> values(StressComponent component) const;
    std::optional<StressExtremes> extremes(StressComponent component) const {
        return extremes_[static_cast<std::size_t>(component)];
    }

    // The field whose nodes begin points(), when there is one; null when only the outline was
    // sampled.
    const std::shared_ptr<const ShearStressField>& sampledField() const { return sampledField_; }
    // Why the shear stresses of a case with shear actions were not computed (a Japanese source
    // text marked for translation with the context "SectionStress"); empty when they were or
    // when the case has none.
    std::string_view shearNotice() const { return shearNotice_; }

    // The components at a point from σ_zz, τ_zx and τ_zy there, in the order of the components.
    static std::array<double, kStressComponentCount> components(double sigma, double shearX,
                                                                double shearY);

    // The normal stress field itself (for drawing it anywhere in the section); nothing unless Ok.
    const std::optional<NormalStress>& normal() const { return normal_; }
    std::optional<NeutralAxis> neutralAxis() const {
        return normal_ ? normal_->neutralAxis() : std::nullopt;
    }

    // The component's value where the normal stress is `sigma` and the shear is zero.
    static double valueWithoutShear(StressComponent component, double sigma);

    // A one-line reason for a status other than Ok (a Japanese source text marked for
    // translation with the context "SectionStress").
    static std::string_view message(StressStatus status);
    // The reason the shear of a case with shear actions is left out, for the field's status
    // (empty for Ok; same context).
    static std::string_view shearMessage(ShearStressField::Status status);

private:
    StressStatus status_ = StressStatus::NoSection;
    LoadCase loads_;
    std::optional<NormalStress> normal_;
    std::shared_ptr<const ShearStressField> sampledField_;
    bool shearKnown_ = false;  // the shear is zero or recovered at the nodes
    std::string_view shearNotice_;
    std::vector<Point> outlinePoints_;
    std::array<std::optional<StressExtremes>, kStressComponentCount> extremes_{};

    std::size_t nodeCount() const { return sampledField_ ? sampledField_->nodes().size() : 0; }
};

}  // namespace kuvanto
