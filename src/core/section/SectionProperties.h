// The section property formulas of one figure: area, centroid, perimeter, second moments about
// the centroidal and the coordinate axes, section moduli, polar moments and radii of gyration,
// computed from the vertices and returned all at once.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>

#include "core/base/Point.h"
#include "core/section/ResultRows.h"
#include "core/section/RoundingBounds.h"

namespace kuvanto {

// The key of each property ("A", "x_bar", "len", ... "iy'"), the selector of sectionProperty and
// the name of its value in the calculator's JSON.
constexpr std::string_view propertySymbol(Property property) {
    return propertyEntry(property).key;
}

// The centroid and the perimeter are positions and lengths: a subtracted figure shows them
// unsigned. Every other property changes sign with the figure.
constexpr bool isSignedProperty(Property property) {
    switch (property) {
        case Property::CentroidX:
        case Property::CentroidY:
        case Property::Perimeter:
        case Property::PrincipalAngle:
        case Property::PlasticAxisX:
        case Property::PlasticAxisY:
        case Property::ShapeFactorX:
        case Property::ShapeFactorY:
            return false;
        default:
            return true;
    }
}

// The properties of the combined section only (the plastic block): a figure column shows "-".
constexpr bool isCombinedOnlyProperty(Property property) {
    return propertyEntry(property).columns == RowColumns::CombinedOnly;
}

// All values of one figure (or of the combined section).
class SectionProperties {
public:
    double& operator[](Property property) { return values_[static_cast<std::size_t>(property)]; }
    double operator[](Property property) const {
        return values_[static_cast<std::size_t>(property)];
    }

    // How far rounding can have moved the values that are 0 for a symmetric section.
    const RoundingBounds& bounds() const { return bounds_; }
    void setBounds(const RoundingBounds& bounds) { bounds_ = bounds; }

private:
    std::array<double, kPropertyCount> values_{};
    RoundingBounds bounds_;
};

// Computes every property of the figure. The vertices are taken as a closed polygon: when the
// last differs from the first, the closing edge back to the first is included. Returns nothing
// when the figure cannot be computed: fewer than one edge, zero area, a zero extreme fibre
// distance, a negative ratio under a root, or any value that is not finite.
std::optional<SectionProperties> allProperties(std::span<const Point> vertices);

struct CalcError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One property of a figure by its symbol (exact, case-sensitive). Throws CalcError when the
// figure cannot be computed or the symbol is unknown or of the combined section only.
double sectionProperty(std::string_view symbol, std::span<const Point> vertices);

// The square root of moment / area, the radius of gyration; false when the ratio is negative
// (a moment and an area of opposite sign, only for self-intersecting outlines) or not a number.
bool radiusOfGyration(double moment, double area, double& radius);

class PrincipalAxes;

// The largest distances of the vertices taken as extreme fibres from the axes through the
// centroid, on each side, and from the principal axes; all zero or positive.
struct FibreDistances {
    double top = 0;
    double bottom = 0;
    double right = 0;
    double left = 0;
    double fromMajor = 0;
    double fromMinor = 0;
};

// The values that follow from the basic ones, the principal axes of the section (of its Ix, Iy
// and Ixy) and its fibre distances: the moduli per extreme fibre and the principal moments,
// moduli and radii. A figure and the combined section both take them from here, so that a value
// derived from the others is written once. One that cannot be computed is NaN.
void completeDerivedProperties(SectionProperties& p, const PrincipalAxes& axes,
                               const FibreDistances& fibres);

}  // namespace kuvanto
