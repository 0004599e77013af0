// The rounding bounds of a figure's values from the sums of its two passes, of the product about
// the coordinate axes and of a plastic neutral axis, and the rule that keeps values within them
// as 0. RoundingBounds.h states the rule; the comments below carry it through each formula.
#include "core/section/RoundingBounds.h"

#include <cmath>
#include <limits>

#include "core/section/SectionProperties.h"

namespace kuvanto {

namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();

}  // namespace

double RoundingBounds::sumFactor(std::size_t terms) {
    return 8 + std::sqrt(static_cast<double>(terms));
}

RoundingBounds RoundingBounds::ofFigure(const FigureSums& sums, double centroidX,
                                        double centroidY) {
    const double k = sumFactor(sums.vertices);
    const double reach = sums.reach;
    const double rootTerms = std::sqrt(static_cast<double>(sums.vertices));
    // Forming a vertex's offsets from the first vertex and then from the centroid rounds it by
    // at most 1.5 eps reach: as if the outline had been drawn that much off, which sweeps that
    // distance times the outline's length. Each edge's cross product s1 t0 - s0 t1 rounds by up
    // to eps reach^2 however short the edge (its two products cancel); these errors differ from
    // edge to edge and add up like the sum's own, as sqrt(n).
    const double areaScale =
        k * sums.absoluteArea + 1.5 * sums.length * reach + 0.5 * rootTerms * reach * reach;
    const double absArea = std::fabs(sums.area);

    RoundingBounds b;
    b.vertices = sums.vertices;
    b.area = kEps * areaScale;
    // The centroid is the first moment over the area, about the first vertex, which lies within
    // reach of the centroid (so the offsets are within 2 reach): each sum's error, times the arm,
    // over the area. Adding the first vertex back rounds by eps of the coordinate itself.
    const double offsetBound = 3 * kEps * reach * areaScale / absArea;
    b.centroidX = kEps * std::fabs(centroidX) + offsetBound;
    b.centroidY = kEps * std::fabs(centroidY) + offsetBound;
    // Ixy's terms are at most 3 times those of Ix + Iy in size (|2 s0 t0 + s0 t1 + s1 t0 + 2 s1
    // t1| <= 1.5 (s0^2 + t0^2 + s1^2 + t1^2), while the terms of Ix + Iy are at least half that),
    // and 24 against 12 halves it: 1.5 k eps times the polar sum counted positive. The swept
    // boundary weighs with the arm squared; a cross product's rounding enters an edge's term
    // times at most 3 reach^2 / 12.
    b.moments =
        kEps * (1.5 * k * sums.absolutePolar +
                (1.5 * sums.length * reach + 0.25 * rootTerms * reach * reach) * reach * reach);
    return b;
}

void RoundingBounds::boundAxisProduct(const SectionProperties& v) {
    // Ixy' = Ixy + A x_bar y_bar.
    const double a = std::fabs(v[Property::Area]);
    const double x = std::fabs(v[Property::CentroidX]), y = std::fabs(v[Property::CentroidY]);
    axisProduct = moments + a * (x * centroidY + y * centroidX + centroidX * centroidY) +
                  area * x * y + 3 * kEps * a * x * y +
                  kEps * std::fabs(v[Property::AxisProductMoment]);
}

double RoundingBounds::plasticAxis(double centroid, double centroidBound, double offset,
                                   double extent) const {
    // The offset solves the halved area between two vertex levels; its error is that of the area
    // sums over the vertices, relative to the section's extent across the axis.
    return centroidBound + kEps * (std::fabs(centroid) + std::fabs(offset)) +
           sumFactor(vertices) * kEps * (std::fabs(offset) + extent);
}

void RoundingBounds::dropRoundOff(SectionProperties& v) const {
    v[Property::CentroidX] = beyondRoundOff(v[Property::CentroidX], centroidX);
    v[Property::CentroidY] = beyondRoundOff(v[Property::CentroidY], centroidY);
    v[Property::ProductMoment] = beyondRoundOff(v[Property::ProductMoment], moments);
    v[Property::AxisProductMoment] = beyondRoundOff(v[Property::AxisProductMoment], axisProduct);
}

}  // namespace kuvanto
