// The results of the finite-element torsion and shear analysis of a section: the quantities of
// one mesh's solution and, for the section, those shown with their estimated error and the
// nodal solution they come from.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "core/torsion/ElementModuli.h"
#include "core/torsion/SectionMesh.h"

namespace kuvanto {

// The nodal solution behind a result, for what is computed from it later (stresses under loads):
// the mesh, its 6-node numbering (corners are the mesh's points, the midside nodes of the
// triangle's edges 01, 12, 20 follow them) and, per node, the warping function ω and the shear
// functions Ψ and Φ, with x and y measured from the centroid. ω is normalised to mean zero on each
// separate part. For a section of several materials, x and y are measured from the centroid of
// stiffness and `moduli` gives each triangle's shear and Young's moduli against the reference
// material's (the shear stress in a triangle is its G / G_ref times that of the transformed
// section); for one material its weights are the triangles' coverage.
struct TorsionField {
    SectionMesh mesh;
    std::vector<std::array<int, 6>> elements;
    std::vector<double> warping, shearX, shearY;
    ElementModuli moduli;
};

// One mesh's solution. Coordinates are those of the tables; moments about the centroid.
struct TorsionValues {
    double area = 0;
    double centroidX = 0, centroidY = 0;
    double momentX = 0, momentY = 0, productMoment = 0;  // ∫y², ∫x², ∫xy about the centroid
    double torsionConstant = 0;                          // J
    // J of the stress-function (Prandtl) solution on the same mesh, a lower bound of the exact
    // J as the warping function's J is an upper one; not a number where it was not solved
    // (material counted twice by overlapping figures).
    double torsionConstantLower = 0;
    double warpingConstant = 0;                     // Iw about the shear centre
    double shearCentreX = 0, shearCentreY = 0;      // from the shear functions
    double trefftzCentreX = 0, trefftzCentreY = 0;  // from the warping function alone
    double shearAreaX = 0, shearAreaY = 0;
    double shearAreaMajor = 0, shearAreaMinor = 0;  // along the principal axes u (major), v
    int elements = 0;
    // Pieces of material joined along edges. The warping constant, the shear centres and the
    // shear areas belong to one connected section: with several pieces, each warps by a constant
    // of its own that nothing fixes, and those values are not shown (J is the pieces' sum).
    int parts = 0;
};

// For a section of several materials the values are those of the transformed section against
// the reference material: area, centroid (of stiffness) and second moments weighed by E / E_ref,
// J = GJ / G_ref and its bound, Iw = EIw / E_ref, the shear areas GAs / G_ref; the shear centres
// are the composite section's own.
struct TorsionResult {
    TorsionValues values;       // of the solution shown
    double poissonRatio = 0.3;  // ν used for the shear functions (the reference material's)
    // The reference material's moduli (N/mm²), by which the transformed values above give the
    // section's stiffnesses (GJ, EIw, GAs); 0 for a section of one material.
    double referenceShearModulus = 0, referenceElasticModulus = 0;
    double elementSize = 0;  // the size bound the mesh was made with
    // Relative change of J and Iw from the last mesh to the same mesh refined once, whose
    // solution is the one shown; not a number when the estimate was left out (a mesh too large
    // to refine).
    double errorJ = 0, errorIw = 0;
    // The same for the shear centre (its move against the polar radius of gyration) and the
    // shear areas (the larger relative change of the two along the principal axes).
    double errorCentre = 0, errorShearArea = 0;
    bool errorEstimated = true;
    int refinements = 0;       // rounds of refinement where the error was largest
    bool overlapping = false;  // material covered by two added figures counts twice
    // The solution of the values shown; empty when none was kept.
    std::shared_ptr<const TorsionField> field;
};

}  // namespace kuvanto
