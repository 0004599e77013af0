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

#include "core/Point.h"

namespace kuvanto {

// The properties in the order the result table shows them: the eighteen basic ones, then the
// principal axes, the moduli per extreme fibre and the plastic block of the combined section.
enum class Property {
    Area,
    CentroidX,
    CentroidY,
    Perimeter,
    MomentX,  // about the horizontal axis through the centroid
    MomentY,
    ModulusX,
    ModulusY,
    PolarMoment,
    RadiusX,  // radius of gyration
    RadiusY,
    AxisMomentX,  // about the X axis (y = 0)
    AxisMomentY,
    AxisModulusX,
    AxisModulusY,
    AxisPolarMoment,
    AxisRadiusX,
    AxisRadiusY,
    ProductMoment,      // integral of (x - x_bar)(y - y_bar) dA
    AxisProductMoment,  // integral of x y dA
    PrincipalAngle,     // degrees from the X axis to the major axis u, in (-90, 90]
    MajorMoment,        // Iu, about the major principal axis
    MinorMoment,        // Iv
    MajorModulus,
    MinorModulus,
    MajorRadius,
    MinorRadius,
    TopModulusX,  // Ix over the distance to the top fibre
    BottomModulusX,
    RightModulusY,
    LeftModulusY,
    PlasticAxisX,  // x of the plastic neutral axis parallel to Y (combined section only)
    PlasticAxisY,  // y of the plastic neutral axis parallel to X
    PlasticModulusX,
    PlasticModulusY,
    ShapeFactorX,  // plastic over elastic modulus
    ShapeFactorY,
    PlasticModulusU,  // about the principal axes
    PlasticModulusV,
};
inline constexpr std::size_t kPropertyCount = 39;
// The eighteen basic properties come first.
inline constexpr std::size_t kBasicPropertyCount = 18;

// Every property in order, for loops over all of them.
inline constexpr std::array<Property, kPropertyCount> kAllProperties = [] {
    std::array<Property, kPropertyCount> all{};
    for (std::size_t i = 0; i < kPropertyCount; ++i) all[i] = static_cast<Property>(i);
    return all;
}();

// The symbol of each property ("A", "x_bar", ... "iy'"), the selector of sectionProperty.
std::string_view propertySymbol(Property property);

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

// The plastic properties belong to the combined section only: a figure column shows "-".
constexpr bool isCombinedOnlyProperty(Property property) {
    return property >= Property::PlasticAxisX;
}

// All values of one figure (or of the combined section).
class SectionProperties {
public:
    double& operator[](Property property) { return values_[static_cast<std::size_t>(property)]; }
    double operator[](Property property) const {
        return values_[static_cast<std::size_t>(property)];
    }

private:
    std::array<double, kPropertyCount> values_{};
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

}  // namespace kuvanto
