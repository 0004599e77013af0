// How far rounding in double precision can have moved the values that are exactly 0 for a
// symmetric section: the centroid's coordinates, the products of inertia, the difference of the
// principal moments and the plastic neutral axes. A value within its bound cannot be told from
// rounding, so it is kept as 0 (the table, the printed sheet and the calculator's JSON all show
// 0), and a principal angle is only named where the principal moments differ by more than theirs.
//
// The rule, derived from the formulas that compute the values (SectionProperties.cpp for a
// figure, Calculation.cpp for the combined section), with eps the machine epsilon:
// - Each sum of n terms is bounded by (8 + sqrt(n)) eps times the sum of its terms' magnitudes:
//   a term carries a handful of roundings (8 covers them), and rounding errors of a sum grow like
//   sqrt(n) eps rather than n eps (they have no preferred sign), which keeps the bound small for
//   outlines of a million vertices.
// - Forming the vertex offsets from the first vertex and from the centroid moves every vertex by
//   at most 1.5 eps times the largest vertex distance from the centroid, as if the outline had
//   been drawn that much off: the area changes by that distance times the outline's length, a
//   first moment by that area times the arm, a second moment by that area times the arm squared.
//   A cross product of an edge's ends rounds by eps times that distance squared however short the
//   edge; those errors add up like a sum's, as sqrt(n).
// - A coordinate of the centroid carries eps times its own size from adding the offset to the
//   first vertex, which is what keeps a small figure far from the origin honest: its digits are
//   bounded by the scale of the coordinates it was computed from, not by its own extent.
// - The combined section adds each figure's bounds, carried through its formulas to first order,
//   and one eps per term for the sums over the figures.
#pragma once

#include <cstddef>
#include <limits>

namespace kuvanto {

class SectionProperties;

// What one figure's formulas summed, from which its bounds follow.
struct FigureSums {
    std::size_t vertices = 0;
    double area = 0;           // the signed area
    double absoluteArea = 0;   // the triangles from the first vertex, each counted positive
    double absolutePolar = 0;  // Ix + Iy with each edge's term counted positive
    double length = 0;         // the outline's length
    double reach = 0;          // the largest distance of a vertex from the centroid
};

struct RoundingBounds {
    double area = 0;
    double centroidX = 0;
    double centroidY = 0;
    double moments = 0;        // Ix, Iy and Ixy about the centroid
    double axisProduct = 0;    // Ixy' about the coordinate axes
    std::size_t vertices = 0;  // the vertex count the sums ran over

    // The factor of eps for a sum of n terms: 8 + sqrt(n).
    static double sumFactor(std::size_t terms);

    // The bounds of one figure's area, centroid (at `centroidX`, `centroidY`) and moments.
    static RoundingBounds ofFigure(const FigureSums& sums, double centroidX, double centroidY);

    // Sets the bound of the product about the coordinate axes, Ixy + A x_bar y_bar, from the
    // bounds of its parts (the values are those of `values`).
    void boundAxisProduct(const SectionProperties& values);

    // The bound of a plastic neutral axis at `offset` from the centroid `centroid`, found as the
    // root of the halved area; the section reaches `extent` from the centroid across that axis.
    double plasticAxis(double centroid, double centroidBound, double offset, double extent) const;

    // Keeps as 0 the centroid coordinates, Ixy and Ixy' of `values` that lie within these bounds.
    void dropRoundOff(SectionProperties& values) const;
};

// The value, or 0 when it lies within `bound` of 0. A bound that overflowed (coordinates near the
// end of the double range) says nothing, and the value stays.
inline double beyondRoundOff(double value, double bound) {
    return bound < std::numeric_limits<double>::infinity() && value <= bound && value >= -bound
               ? 0.0
               : value;
}

}  // namespace kuvanto
