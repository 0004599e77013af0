// Cleaning the figures' outlines before meshing: welding by a hash grid of cells a few welding
// distances wide (a point is compared with the points already kept in its cell, and in the cells
// beside it only when it lies near an edge), then the seams by SeamEdges on the welded outline,
// where they are exact.
#include "core/torsion/SectionOutlines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/base/LargeBuffers.h"
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

// Welds each point to the earliest kept point within the welding distance (apart by at most
// the distance in x and in y), keeping it otherwise. Kept points are binned in square cells
// several welding distances wide, so that a point far from its cell's edges is compared with
// its own cell only and a cell's neighbours are consulted near an edge. The cells live in one
// open-addressed table sized once for the points, each the head of a chain of its kept points
// through one array: a million outline points cost no allocation of their own.
class Welder {
public:
    Welder(double left, double bottom, double distance, std::size_t points)
        : left_(left), bottom_(bottom), distance_(distance), cell_(kCellWidths * distance) {
        // Cell numbers must fit their 32-bit fields; they do for points spread over the extent
        // the distance was taken from (at most 1 / (kCellWidths * 1e-9) cells across).
        if (!(distance_ > 0) || !std::isfinite(cell_) || points >= kNone / 2) {
            distance_ = 0;
            return;
        }
        std::size_t capacity = 16;
        while (capacity < 2 * points) capacity *= 2;
        // Large arrays ask for huge pages before they are first written (see LargeBuffers.h).
        slots_.reserve(capacity);
        preferHugePages(slots_.data(), capacity * sizeof(Slot));
        slots_.assign(capacity, Slot{});
        mask_ = capacity - 1;
        kept_.reserve(points);
        preferHugePages(kept_.data(), points * sizeof(Point));
        next_.reserve(points);
        preferHugePages(next_.data(), points * sizeof(std::uint32_t));
    }

    Point weld(Point p) {
        if (!(distance_ > 0)) return p;
        // The cells a kept point within the distance can be in, from a square a quarter wider
        // so that rounding in the offsets (a millionth of the distance) never leaves one out.
        const double reach = 1.25 * distance_;
        const std::int32_t column0 = cellOf(p.x - left_ - reach);
        const std::int32_t column1 = cellOf(p.x - left_ + reach);
        const std::int32_t row0 = cellOf(p.y - bottom_ - reach);
        const std::int32_t row1 = cellOf(p.y - bottom_ + reach);
        const std::int32_t ownColumn = cellOf(p.x - left_), ownRow = cellOf(p.y - bottom_);
        std::size_t own = mask_ + 1;  // the own cell's slot, once looked at
        std::uint32_t found = kNone;
        for (std::int32_t column = column0; column <= column1; ++column)
            for (std::int32_t row = row0; row <= row1; ++row) {
                const std::size_t at = find(column, row);
                if (column == ownColumn && row == ownRow) own = at;
                for (std::uint32_t i = slots_[at].head; i != kNone; i = next_[i]) {
                    // A chain runs from the latest kept point back to the earliest.
                    if (i < found && std::abs(kept_[i].x - p.x) <= distance_ &&
                        std::abs(kept_[i].y - p.y) <= distance_)
                        found = i;
                }
            }
        if (found != kNone) return kept_[found];
        if (own > mask_) own = find(ownColumn, ownRow);  // the own cell is always among them
        const auto index = static_cast<std::uint32_t>(kept_.size());
        kept_.push_back(p);
        Slot& slot = slots_[own];
        if (slot.head == kNone) {
            slot.column = ownColumn;
            slot.row = ownRow;
        }
        next_.push_back(slot.head);
        slot.head = index;
        return p;
    }

private:
    static constexpr double kCellWidths = 16;
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;
    struct Slot {
        std::int32_t column = 0, row = 0;
        std::uint32_t head = kNone;  // the latest point kept in the cell; kNone: slot empty
    };

    std::int32_t cellOf(double offset) const {
        const double cell = std::floor(offset / cell_);
        return static_cast<std::int32_t>(std::clamp(cell, -1e9, 1e9));
    }
    // The slot of the cell, or the empty slot where it would go.
    std::size_t find(std::int32_t column, std::int32_t row) const {
        std::uint64_t h = static_cast<std::uint64_t>(static_cast<std::uint32_t>(column)) << 32 |
                          static_cast<std::uint32_t>(row);
        h ^= h >> 33;
        h *= 0xFF51AFD7ED558CCDull;
        h ^= h >> 33;
        for (std::size_t i = h & mask_;; i = (i + 1) & mask_) {
            const Slot& slot = slots_[i];
            if (slot.head == kNone || (slot.column == column && slot.row == row)) return i;
        }
    }

    double left_, bottom_, distance_, cell_;
    std::vector<Point> kept_;
    std::vector<std::uint32_t> next_;  // per kept point: the one kept before it in its cell
    std::vector<Slot> slots_;          // at most half full
    std::size_t mask_ = 0;
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
