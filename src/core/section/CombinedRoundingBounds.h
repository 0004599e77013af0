// The rounding bounds of a combined section, from those of its figures: shared by the section of
// one material and the transformed section of several, which sum the same terms, the latter
// weighted by the figures' modular ratios.
#pragma once

#include <cmath>
#include <limits>

#include "core/section/RoundingBounds.h"

namespace kuvanto {

// The rounding bounds of a combined section's sums over its figures' parts, each figure's own
// bounds carried through them to first order (the rule above). A part has the figure's signed
// area, centroid x and y, momentX, momentY and axisProduct, and its `bounds`; in a section of
// several materials each is weighted by the figure's modular ratio, its bounds likewise.
template <class Parts>
RoundingBounds combinedRoundingBounds(const Parts& parts, double a, double xBar, double yBar) {
    constexpr double eps = std::numeric_limits<double>::epsilon();
    const double count = static_cast<double>(parts.size());
    RoundingBounds b;
    double areas = 0, firstX = 0, firstY = 0, firstBoundX = 0, firstBoundY = 0;
    for (const auto& f : parts) {
        b.vertices += f.bounds.vertices;
        b.area += f.bounds.area;
        areas += std::abs(f.area);
        firstX += std::abs(f.x * f.area);
        firstY += std::abs(f.y * f.area);
        firstBoundX += std::abs(f.area) * f.bounds.centroidX + std::abs(f.x) * f.bounds.area;
        firstBoundY += std::abs(f.area) * f.bounds.centroidY + std::abs(f.y) * f.bounds.area;
    }
    b.area += count * eps * areas;
    // x_bar = sum(x A) / sum(A).
    b.centroidX =
        eps * std::abs(xBar) +
        (firstBoundX + (count + 1) * eps * firstX + std::abs(xBar) * b.area) / std::abs(a);
    b.centroidY =
        eps * std::abs(yBar) +
        (firstBoundY + (count + 1) * eps * firstY + std::abs(yBar) * b.area) / std::abs(a);
    // Each figure's moments moved to the combined centroid: I + A dx dy (and A dy^2, A dx^2),
    // with dx off by the bounds of both centroids and its own rounding.
    double moments = 0, axisProducts = 0;
    for (const auto& f : parts) {
        const double dx = std::abs(f.x - xBar), dy = std::abs(f.y - yBar);
        const double arm = dx + dy;
        const double armError =
            f.bounds.centroidX + f.bounds.centroidY + b.centroidX + b.centroidY +
            eps * (std::abs(f.x) + std::abs(f.y) + std::abs(xBar) + std::abs(yBar));
        b.moments += f.bounds.moments + 2 * std::abs(f.area) * armError * (arm + armError) +
                     (f.bounds.area + 4 * eps * std::abs(f.area)) * arm * arm;
        moments += std::abs(f.momentX) + std::abs(f.momentY) + std::abs(f.area) * arm * arm;
        b.axisProduct += f.bounds.axisProduct;
        axisProducts += std::abs(f.axisProduct);
    }
    b.moments += count * eps * moments;
    b.axisProduct += count * eps * axisProducts;
    return b;
}

}  // namespace kuvanto
