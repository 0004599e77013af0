// The finite-element solution of the Saint-Venant torsion and the shear functions of a section on
// its mesh: 6-node triangles, quadrature exact for every product integrated, one sparse LDLᵀ
// factorisation shared by the warping function ω and the shear functions Ψ and Φ.
#pragma once

#include <functional>
#include <optional>

#include "core/torsion/SectionMesh.h"
#include "core/torsion/TorsionResult.h"

namespace kuvanto {

class TorsionSolver {
public:
    // Solves on the mesh with Poisson's ratio nu. Nothing when the system cannot be factorised
    // (a degenerate mesh), when memory runs out, or when `cancelled` answers true.
    static std::optional<TorsionValues> solve(const SectionMesh& mesh, double nu,
                                              const std::function<bool()>& cancelled = {});

    // Degrees of freedom the solution of the mesh takes (corner and midside nodes), to judge its
    // memory before solving.
    static std::size_t nodeCount(const SectionMesh& mesh);
};

}  // namespace kuvanto
