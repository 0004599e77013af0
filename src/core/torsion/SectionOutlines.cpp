// Cleaning the figures' outlines before meshing: welding by a hash grid of cells the size of the
// welding distance (a point is compared with the points already kept in its cell and the eight
// around it), then the seams by SeamEdges on the welded outline, where they are exact.
#include "core/torsion/SectionOutlines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/section/SeamEdges.h"

namespace kuvanto {

namespace {

double twiceSignedArea(const std::vector<Point>& outline) {
    double twice = 0;
    for (std::size_t i = 0, n = outline.size(); i < n; ++i) {
        const Point a = outline[i];
        const Point b = outline[(i + 1) % n];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice;
}

class Welder {
public:
    Welder(double left, double bottom, double distance, std::size_t points)
        : left_(left), bottom_(bottom), distance_(distance) {
        if (distance_ > 0) {
            cells_.reserve(points);
            kept_.reserve(points);
        }
    }

    // The kept point within the welding distance of p, or p itself, kept from now on. The
    // points of a cell are chained through one array in the order they were kept, so that a
    // million outline points cost no allocation of their own.
    Point weld(Point p) {
        if (!(distance_ > 0)) return p;
        const std::int64_t column = cellOf(p.x - left_), row = cellOf(p.y - bottom_);
        for (std::int64_t dc = -1; dc <= 1; ++dc)
            for (std::int64_t dr = -1; dr <= 1; ++dr) {
                const auto found = cells_.find(key(column + dc, row + dr));
                if (found == cells_.end()) continue;
                for (std::size_t i = found->second.first; i != kNone; i = kept_[i].next) {
                    const Point kept = kept_[i].point;
                    if (std::abs(kept.x - p.x) <= distance_ && std::abs(kept.y - p.y) <= distance_)
                        return kept;
                }
            }
        const std::size_t index = kept_.size();
        kept_.push_back({p, kNone});
        const auto [cell, added] = cells_.try_emplace(key(column, row), index, index);
        if (!added) {
            kept_[cell->second.second].next = index;
            cell->second.second = index;
        }
        return p;
    }

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    struct Kept {
        Point point;
        std::size_t next;  // the next point kept in the same cell, or kNone
    };

    std::int64_t cellOf(double offset) const {
        return static_cast<std::int64_t>(std::floor(offset / distance_));
    }
    static std::uint64_t key(std::int64_t column, std::int64_t row) {
        return static_cast<std::uint64_t>(column) * 0x9E3779B97F4A7C15ull ^
               static_cast<std::uint64_t>(row);
    }

    double left_, bottom_, distance_;
    std::vector<Kept> kept_;
    std::unordered_map<std::uint64_t, std::pair<std::size_t, std::size_t>> cells_;  // first, last
};

}  // namespace

std::vector<SectionOutline> SectionOutlines::clean(std::span<const SectionFigure> figures,
                                                   bool* finite) {
    if (finite) *finite = true;
    double left = 0, right = 0, bottom = 0, top = 0;
    bool any = false;
    std::size_t count = 0;
    for (const SectionFigure& figure : figures)
        for (const Point& p : figure.outline) {
            ++count;
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
            left = any ? std::min(left, p.x) : p.x;
            right = any ? std::max(right, p.x) : p.x;
            bottom = any ? std::min(bottom, p.y) : p.y;
            top = any ? std::max(top, p.y) : p.y;
            any = true;
        }
    const double size = std::max(right - left, top - bottom);
    Welder welder(left, bottom, std::isfinite(size) ? weldDistance(size) : 0.0, count);

    std::vector<SectionOutline> outlines;
    outlines.reserve(figures.size());
    for (const SectionFigure& figure : figures) {
        SectionOutline outline;
        outline.sign = figure.sign;
        bool usable = true;
        for (const Point& given : figure.outline) {
            if (!std::isfinite(given.x) || !std::isfinite(given.y)) {
                usable = false;
                break;
            }
            const Point p = welder.weld(given);
            if (outline.points.empty() || !(outline.points.back() == p))
                outline.points.push_back(p);
        }
        if (!usable) {
            if (finite) *finite = false;
            continue;
        }
        while (outline.points.size() > 1 && outline.points.back() == outline.points.front())
            outline.points.pop_back();
        outline.seam.assign(outline.points.size(), false);
        if (outline.points.size() >= 3) {
            const SeamEdges seams(outline.points, true);
            for (std::size_t k : seams.indices()) outline.seam[k] = true;
        }
        outline.signedArea = outline.points.size() >= 3 ? twiceSignedArea(outline.points) / 2 : 0;
        outlines.push_back(std::move(outline));
    }
    return outlines;
}

}  // namespace kuvanto
