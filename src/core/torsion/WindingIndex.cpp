// The banded winding-number test. Each edge is entered into every band its height range meets;
// the band count is lowered until the entries stay within a few per edge, so that a polygon of
// long zig-zag edges cannot make the index quadratic in size.
#include "core/torsion/WindingIndex.h"

#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>

#include <algorithm>
#include <cmath>

namespace kuvanto {

namespace {

// The side of the line ab that p is on (positive: left), exactly: a point close to an edge must not
// be counted on the wrong side of it by rounding.
int side(Point a, Point b, Point p) {
    using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;
    return static_cast<int>(CGAL::orientation(Kernel::Point_2(a.x, a.y), Kernel::Point_2(b.x, b.y),
                                              Kernel::Point_2(p.x, p.y)));
}

}  // namespace

WindingIndex::WindingIndex(const std::vector<Point>& outline) : outline_(&outline) {
    const std::size_t n = outline.size();
    if (n == 0) return;
    double top = outline[0].y;
    bottom_ = top;
    for (const Point& p : outline) {
        bottom_ = std::min(bottom_, p.y);
        top = std::max(top, p.y);
    }
    const double height = top - bottom_;
    std::size_t bandCount = std::max<std::size_t>(1, n);
    auto bandOf = [&](double y, std::size_t count) {
        if (!(height > 0)) return std::size_t{0};
        const double band = std::floor((y - bottom_) / height * static_cast<double>(count));
        return static_cast<std::size_t>(std::clamp(band, 0.0, static_cast<double>(count - 1)));
    };
    while (bandCount > 1) {
        std::size_t entries = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const Point a = outline[i], b = outline[(i + 1) % n];
            entries +=
                bandOf(std::max(a.y, b.y), bandCount) - bandOf(std::min(a.y, b.y), bandCount) + 1;
        }
        if (entries <= 8 * n) break;
        bandCount /= 2;
    }
    bands_.resize(bandCount);
    bandHeight_ = height > 0 ? height / static_cast<double>(bandCount) : 1;
    for (std::size_t i = 0; i < n; ++i) {
        const Point a = outline[i], b = outline[(i + 1) % n];
        const std::size_t last = bandOf(std::max(a.y, b.y), bandCount);
        for (std::size_t band = bandOf(std::min(a.y, b.y), bandCount); band <= last; ++band)
            bands_[band].push_back(static_cast<int>(i));
    }
}

int WindingIndex::windingNumber(Point p) const {
    if (bands_.empty()) return 0;
    const double position = std::floor((p.y - bottom_) / bandHeight_);
    if (position < 0 || position >= static_cast<double>(bands_.size())) return 0;
    const std::vector<Point>& outline = *outline_;
    const std::size_t n = outline.size();
    int winding = 0;
    for (const int i : bands_[static_cast<std::size_t>(position)]) {
        const Point a = outline[i];
        const Point b = outline[(i + 1) % n];
        if (a.y <= p.y) {
            if (b.y > p.y && side(a, b, p) > 0) ++winding;
        } else if (b.y <= p.y && side(a, b, p) < 0) {
            --winding;
        }
    }
    return winding;
}

}  // namespace kuvanto
