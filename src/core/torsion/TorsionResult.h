// The results of the finite-element torsion and shear analysis of a section: the quantities of
// one mesh's solution and, for the section, those of the chosen mesh with the estimated error
// from the solution on the same mesh refined once.
#pragma once

namespace kuvanto {

// One mesh's solution. Coordinates are those of the tables; moments about the centroid.
struct TorsionValues {
    double area = 0;
    double centroidX = 0, centroidY = 0;
    double momentX = 0, momentY = 0, productMoment = 0;  // ∫y², ∫x², ∫xy about the centroid
    double torsionConstant = 0;                          // J
    double warpingConstant = 0;                          // Iw about the shear centre
    double shearCentreX = 0, shearCentreY = 0;           // from the shear functions
    double trefftzCentreX = 0, trefftzCentreY = 0;       // from the warping function alone
    double shearAreaX = 0, shearAreaY = 0;
    double shearAreaMajor = 0, shearAreaMinor = 0;  // along the principal axes u (major), v
    int elements = 0;
    int parts = 0;  // separately connected pieces of the section
};

struct TorsionResult {
    TorsionValues values;       // on the chosen mesh
    double poissonRatio = 0.3;  // ν used for the shear functions
    double elementSize = 0;     // the size bound the mesh was made with
    // Relative change of J and Iw from the chosen mesh to the mesh refined once; not a number
    // when the estimate was left out (a mesh too large to refine).
    double errorJ = 0, errorIw = 0;
    bool errorEstimated = true;
    bool overlapping = false;  // material covered by two added figures counts twice
};

}  // namespace kuvanto
