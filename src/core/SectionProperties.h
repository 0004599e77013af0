// The section property formulas of one figure: area, centroid, perimeter, second moments about
// the centroidal and the coordinate axes, section moduli, polar moments and radii of gyration,
// computed in two passes over the edges and returned all at once.
#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace kuvanto {

// The eighteen symbols in the order the result table shows them.
inline constexpr std::array<std::string_view, 18> kPropertySymbols = {
    "A", "x_bar", "y_bar", "len", "Ix", "Iy", "Zx", "Zy", "Ip",
    "ix", "iy", "Ix'", "Iy'", "Zx'", "Zy'", "Ip'", "ix'", "iy'"};

// All eighteen values of one figure, indexed like kPropertySymbols.
using SectionProperties = std::array<double, 18>;

// Computes every property of the figure. The lists are closed in place (a copy of the first
// vertex is appended when the last differs). Returns nothing when the figure cannot be computed:
// fewer than one edge, zero area, a zero extreme fibre distance, a negative ratio under a root,
// or any value that is not finite.
std::optional<SectionProperties> allProperties(std::vector<double>& xs, std::vector<double>& ys);

struct CalcError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One property by its symbol (exact, case-sensitive). Throws CalcError when the figure cannot be
// computed or the symbol is unknown.
double sectionProperty(std::string_view symbol, std::vector<double>& xs,
                         std::vector<double>& ys);

}  // namespace kuvanto
