// The material of every triangle of a section mesh as the torsion and shear solution weighs it:
// its shear modulus and Young's modulus against those of the reference material, and its
// Poisson's ratio. The warping function takes the shear modulus (div(G grad ω) = 0), the shear
// functions take the shear modulus with Poisson's ratio on the one side and Young's modulus on the
// other (the bending stresses they balance), and the centroid, second moments and warping
// integrals take Young's modulus. A section of one material weighs every triangle by its coverage
// and takes the analysis's Poisson's ratio throughout: its solution is the area's own.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "core/section/Material.h"
#include "core/torsion/SectionMesh.h"

namespace kuvanto {

struct ElementModuli {
    // Per triangle of the mesh, in its order.
    std::vector<double> shear;    // G / G_ref (the coverage for one material)
    std::vector<double> elastic;  // E / E_ref (the coverage for one material)
    std::vector<double> poisson;  // ν
    // E / (2 G): 1 + ν for a triangle of one material. The shear functions' bending load is the
    // shear weight times twice this.
    std::vector<double> loadFactor;
    double referencePoisson = 0;  // ν of the reference material (of the section for one)
    // The reference material's moduli (N/mm²); 0 for a section of one material, whose results
    // are those of the area alone.
    double referenceShearModulus = 0, referenceElasticModulus = 0;

    // The largest Poisson's ratio of the triangles.
    double largestPoisson() const;
    bool composite() const { return referenceElasticModulus > 0; }

    // One material of Poisson's ratio nu: every weight is the triangle's coverage.
    static ElementModuli uniform(const SectionMesh& mesh, double nu);
    // The triangles' materials (the mesh's materialCounts(), indices into `materials`) against
    // the reference. Nothing when a triangle holds no material, an index is not in the list,
    // or a modulus is not positive.
    static std::optional<ElementModuli> of(const SectionMesh& mesh,
                                           std::span<const Material> materials,
                                           const Material& reference);
};

}  // namespace kuvanto
