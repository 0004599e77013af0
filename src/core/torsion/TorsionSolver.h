// The finite-element solution of the Saint-Venant torsion and the shear functions of a section on
// its mesh: 6-node triangles, quadrature exact for every product integrated, one sparse LDLᵀ
// factorisation shared by the warping function ω and the shear functions Ψ and Φ.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "core/torsion/ElementModuli.h"
#include "core/torsion/SectionMesh.h"
#include "core/torsion/TorsionResult.h"

namespace kuvanto {

class TorsionSolver {
public:
    // Solves on the mesh with Poisson's ratio nu. Nothing when the system cannot be factorised
    // (a degenerate mesh), when memory runs out, or when `cancelled` answers true.
    // With `field`, the nodal solution is kept there.
    static std::optional<TorsionValues> solve(const SectionMesh& mesh, double nu,
                                              const std::function<bool()>& cancelled = {},
                                              TorsionField* field = nullptr);
    // The same with the triangles' materials (values of the transformed section against the
    // reference material; moduli from ElementModuli::uniform give the one above).
    static std::optional<TorsionValues> solve(const SectionMesh& mesh, const ElementModuli& moduli,
                                              const std::function<bool()>& cancelled = {},
                                              TorsionField* field = nullptr);

    // J of the stress-function (Prandtl) solution on the mesh: ∇²φ = −2, φ = 0 on the outline of
    // each part and one constant on each hole's outline, fixed by the hole's circulation
    // condition. It is a lower bound of the exact J, as the warping function's J is an upper one.
    // Nothing for material counted twice (overlapping figures), a degenerate mesh, or when
    // cancelled. With the triangles' materials, the stiffness is each one's compliance
    // G_ref / G (∇·(∇φ / G) = −2, φ continuous across materials): the minimum of the
    // complementary energy bounds GJ / G_ref from below as it does J for one material.
    static std::optional<double> lowerBound(const SectionMesh& mesh,
                                            const std::function<bool()>& cancelled = {},
                                            const ElementModuli* moduli = nullptr);

    // Where the coarse solution is in error: per triangle of the coarse mesh, the energy of the
    // difference between its solution and the one on its subdivision (`fine`, the coarse mesh's
    // subdivided()), of ω against J and of Ψ and Φ against their own energies. The ω parts sum
    // to the change of J from the one solution to the other.
    static std::vector<double> refinementIndicator(const TorsionField& coarse,
                                                   const TorsionField& fine);

    // Degrees of freedom the solution of the mesh takes (corner and midside nodes), to judge its
    // memory before solving.
    static std::size_t nodeCount(const SectionMesh& mesh);
};

}  // namespace kuvanto
