// The shear stresses of a section per unit of each shear action, at every node of the torsion
// analysis's mesh: τ_zx and τ_zy for Vx = 1, Vy = 1 (both through the shear centre) and T = 1
// (about it). A load case then only weighs them by its actions. The stresses come from the
// gradients of the shear functions Ψ, Φ and the warping function ω, which are linear within each
// 6-node element and jump from one element to the next; they are recovered smoothly at the nodes
// by fitting a polynomial to the gradients at the elements' interior sampling points over the
// patch of elements around each vertex (superconvergent patch recovery), each node taking the
// mean of the fits of every patch it belongs to. The exactly known parts of the stresses (the
// polynomial terms of the shear functions' boundary data and the rotation of the section) are
// added at the nodes afterwards, so only the finite-element parts are smoothed.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "core/base/Point.h"
#include "core/stress/LoadCase.h"
#include "core/torsion/TorsionResult.h"

namespace kuvanto {

class ShearStressField {
public:
    enum class Status {
        Ok,
        NoField,        // no nodal solution (the analysis did not run or failed)
        SeparateParts,  // several separate parts: the shear flow between them is undefined
        Failed,         // a value that is not finite (a degenerate mesh)
        // Figures of different materials: the shear needs the analysis with each element's own
        // shear modulus, and the stresses recovered within each material.
        Materials,
    };

    // τ_zx and τ_zy at a node for a unit Vx, Vy and T, in that order.
    struct UnitStresses {
        std::array<double, 2> shearX{};
        std::array<double, 2> shearY{};
        std::array<double, 2> torque{};
    };

    // The field of a torsion result (its nodal solution, J, the moments of the mesh and ν).
    static std::shared_ptr<const ShearStressField> of(const TorsionResult& result);
    // A field without values that says why there is none.
    static std::shared_ptr<const ShearStressField> unavailable(Status status);

    Status status() const { return status_; }
    bool ok() const { return status_ == Status::Ok; }

    // The nodes of the 6-node numbering: the mesh's points, then the midpoints of its edges.
    const std::vector<Point>& nodes() const { return nodes_; }
    // Each 6-node element as four straight triangles of its nodes (corner, midside, midside), to
    // draw the field with linear interpolation between the nodes.
    const std::vector<std::array<int, 3>>& triangles() const { return triangles_; }
    const std::vector<UnitStresses>& unitStresses() const { return unit_; }

    // τ_zx and τ_zy at a node under the case's Vx, Vy and T.
    std::array<double, 2> at(std::size_t node, const LoadCase& loads) const {
        const UnitStresses& u = unit_[node];
        const double vx = loads[LoadAction::ShearX], vy = loads[LoadAction::ShearY];
        const double t = loads[LoadAction::Torque];
        return {vx * u.shearX[0] + vy * u.shearY[0] + t * u.torque[0],
                vx * u.shearX[1] + vy * u.shearY[1] + t * u.torque[1]};
    }

    // The recovered gradients of the nodal values (one value per node of `field`), for tests of
    // the recovery itself: ∂/∂x and ∂/∂y per node.
    static std::vector<std::array<double, 2>> recoveredGradient(const TorsionField& field,
                                                                const std::vector<double>& values);

private:
    Status status_ = Status::NoField;
    std::vector<Point> nodes_;
    std::vector<std::array<int, 3>> triangles_;
    std::vector<UnitStresses> unit_;
};

}  // namespace kuvanto
