// Seam segments found without comparing every pair: unless it is walked straight back, a
// segment can only pair with another when both its ends occur at least twice among the points,
// so a bit filter over the points' grid cells picks those few candidates in linear passes, and
// only the candidates are sorted and matched.
#include "core/section/SeamEdges.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

namespace kuvanto {

namespace {

// The cell of a point in a fine grid (cells about half the outline's mean step), numbered row by
// row with short rows and wrapped to a table of about sixteen cells a point: equal points share
// a cell, and an outline walked vertex by vertex moves through nearby numbers, so the bit filters
// below are read and written with few cache misses. Far-apart points that wrap onto one number
// only make extra candidates.
class PointCells {
public:
    PointCells(std::span<const Point> points, std::size_t count) {
        double walked = 0;
        std::size_t steps = 0;
        bool any = false;
        for (std::size_t k = 0; k < count; ++k) {
            const Point& p = points[k];
            if (!p.isVertex()) continue;
            if (!any) {
                xmin_ = p.x;
                ymin_ = p.y;
                any = true;
            }
            xmin_ = std::min(xmin_, p.x);
            ymin_ = std::min(ymin_, p.y);
            if (k + 1 < count && points[k + 1].isVertex()) {
                walked += std::fabs(points[k + 1].x - p.x) + std::fabs(points[k + 1].y - p.y);
                ++steps;
            }
        }
        const double cell = steps > 0 ? walked / static_cast<double>(steps) / 2 : 0;
        scale_ = cell > 0 && std::isfinite(1 / cell) ? 1 / cell : 0;
        while (bits_ < 31 && (std::size_t{1} << bits_) < 16 * std::max<std::size_t>(count, 4))
            ++bits_;
        mask_ = (std::uint64_t{1} << bits_) - 1;
    }
    std::size_t cellCount() const { return std::size_t{1} << bits_; }
    std::uint64_t cell(const Point& p) const {
        constexpr std::uint64_t kRow = 4099;  // cells a row, odd so that rows interleave
        return (quantise(p.x - xmin_) + quantise(p.y - ymin_) * kRow) & mask_;
    }

private:
    std::uint64_t quantise(double offset) const {
        const double q = offset * scale_;
        return q > 0 && q < 9e18 ? static_cast<std::uint64_t>(static_cast<std::int64_t>(q)) : 0;
    }

    double xmin_ = 0, ymin_ = 0, scale_ = 0;
    int bits_ = 6;
    std::uint64_t mask_ = 63;
};

class BitFilter {
public:
    explicit BitFilter(std::size_t bits) : words_((std::max<std::size_t>(bits, 64) + 63) / 64, 0) {}
    // Sets the bit; true when it was set already.
    bool testAndSet(std::uint64_t bit) {
        std::uint64_t& word = words_[bit >> 6];
        const std::uint64_t flag = std::uint64_t{1} << (bit & 63);
        const bool was = (word & flag) != 0;
        word |= flag;
        return was;
    }
    bool test(std::uint64_t bit) const { return (words_[bit >> 6] >> (bit & 63) & 1) != 0; }

private:
    std::vector<std::uint64_t> words_;
};

bool lessPoint(const Point& a, const Point& b) {
    return a.x < b.x || (a.x == b.x && a.y < b.y);
}

struct Candidate {
    Point low, high;  // the ends in a fixed order, so both directions share the key
    bool forward;     // the segment runs from low to high
    std::size_t index;
};

}  // namespace

SeamEdges::SeamEdges(std::span<const Point> points, bool closeLoop) {
    const std::size_t n = points.size();
    if (n < 3) return;
    const bool closing = closeLoop && !(points[n - 1] == points[0]);
    const std::size_t segments = closing ? n : n - 1;
    auto from = [&](std::size_t k) -> const Point& { return points[k]; };
    auto to = [&](std::size_t k) -> const Point& { return points[k + 1 < n ? k + 1 : 0]; };

    // Points seen twice or more. The repeated closing point of a closed list counts once.
    const std::size_t distinct = closing || !closeLoop ? n : n - 1;
    const PointCells cells(points, distinct);
    BitFilter seen(cells.cellCount()), repeated(cells.cellCount());
    for (std::size_t k = 0; k < distinct; ++k) {
        if (!points[k].isVertex()) continue;
        const std::uint64_t c = cells.cell(points[k]);
        if (seen.testAndSet(c)) repeated.testAndSet(c);
    }

    std::vector<Candidate> candidates;
    for (std::size_t k = 0; k < segments; ++k) {
        const Point& a = from(k);
        const Point& b = to(k);
        if (!a.isVertex() || !b.isVertex() || a == b) continue;
        // Walked back at once (a spike), the far end occurs only once; otherwise both ends
        // occur again where the walk comes back.
        const bool spike =
            (k + 1 < segments && to(k + 1) == a) || (k > 0 && from(k - 1) == b) ||
            (closing && ((k + 1 == segments && to(0) == a) || (k == 0 && from(segments - 1) == b)));
        if (!spike && (!repeated.test(cells.cell(a)) || !repeated.test(cells.cell(b)))) continue;
        const bool forward = lessPoint(a, b);
        candidates.push_back({forward ? a : b, forward ? b : a, forward, k});
    }
    if (candidates.size() < 2) return;

    const auto key = [](const Candidate& c) {
        return std::make_tuple(c.low.x, c.low.y, c.high.x, c.high.y);
    };
    std::sort(candidates.begin(), candidates.end(), [&](const Candidate& a, const Candidate& b) {
        return key(a) < key(b) || (key(a) == key(b) && a.index < b.index);
    });
    // Within each run of the same segment, pair walks one way with walks the other way.
    for (std::size_t i = 0; i < candidates.size();) {
        std::size_t j = i;
        std::vector<std::size_t> forward, backward;
        while (j < candidates.size() && key(candidates[j]) == key(candidates[i])) {
            (candidates[j].forward ? forward : backward).push_back(candidates[j].index);
            ++j;
        }
        const std::size_t pairs = std::min(forward.size(), backward.size());
        for (std::size_t p = 0; p < pairs; ++p) {
            indices_.push_back(forward[p]);
            indices_.push_back(backward[p]);
        }
        i = j;
    }
    std::sort(indices_.begin(), indices_.end());
}

}  // namespace kuvanto
