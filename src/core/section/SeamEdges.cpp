// Seam segments found without comparing every pair: unless it is walked straight back, a
// segment can only pair with another when both its ends occur at least twice among the points,
// so a filter over the points' cells picks those few candidates in two linear passes, and only
// the candidates are sorted and matched.
#include "core/section/SeamEdges.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <tuple>

namespace kuvanto {

namespace {

// The cell of a point in a table of about eight cells a point: a hash of the point's coordinates,
// so that equal points share a cell (0 and -0 alike) and one point costs two multiplications
// and no pass of its own. Different points that share a cell only make extra candidates.
class PointCells {
public:
    explicit PointCells(std::size_t count) {
        while (bits_ < 40 && (std::size_t{1} << bits_) < 8 * std::max<std::size_t>(count, 8))
            ++bits_;
    }
    std::size_t cellCount() const { return std::size_t{1} << bits_; }
    std::uint64_t cell(const Point& p) const {
        const std::uint64_t hash =
            (bitsOf(p.x) ^ bitsOf(p.y) * 0xC2B2AE3D27D4EB4FULL) * 0x9E3779B97F4A7C15ULL;
        return hash >> (64 - bits_);
    }

private:
    static std::uint64_t bitsOf(double value) {
        const double normal = value + 0.0;  // -0 becomes 0
        std::uint64_t bits;
        std::memcpy(&bits, &normal, sizeof bits);
        return bits;
    }
    int bits_ = 6;
};

// Two bits a cell side by side, so that one memory access serves both: whether a point was seen
// in the cell, and whether a second one was.
class RepeatFilter {
public:
    explicit RepeatFilter(std::size_t cells)
        : words_((std::max<std::size_t>(cells, 32) + 31) / 32, 0) {}
    void add(std::uint64_t cell) {
        std::uint64_t& word = words_[cell >> 5];
        const std::uint64_t seen = std::uint64_t{1} << (2 * (cell & 31));
        word |= seen | (word & seen) << 1;
    }
    // Asks for the cell's word ahead of its use: the cells of consecutive points are far apart.
    void prefetch(std::uint64_t cell) const { __builtin_prefetch(&words_[cell >> 5]); }
    bool repeated(std::uint64_t cell) const {
        return (words_[cell >> 5] >> (2 * (cell & 31) + 1) & 1) != 0;
    }

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
    const PointCells cells(distinct);
    RepeatFilter filter(cells.cellCount());
    // The cells of the next points, computed once each and asked for ahead of their use.
    constexpr std::size_t kAhead = 16;
    std::uint64_t ahead[kAhead] = {};
    const auto look = [&](std::size_t k, std::size_t count) {
        if (k < count) {
            ahead[k % kAhead] = cells.cell(points[k]);
            filter.prefetch(ahead[k % kAhead]);
        }
    };
    for (std::size_t k = 0; k < kAhead; ++k) look(k, distinct);
    for (std::size_t k = 0; k < distinct; ++k) {
        const std::uint64_t cell = ahead[k % kAhead];
        look(k + kAhead, distinct);
        if (points[k].isVertex()) filter.add(cell);
    }

    std::vector<Candidate> candidates;
    // Whether the segment's start is repeated, carried over from the segment before; segment
    // k ends at point k + 1, the last one perhaps back at point 0.
    const std::uint64_t firstCell = cells.cell(points[0]);
    for (std::size_t k = 0; k < kAhead; ++k) look(k, n);
    bool startRepeated = points[0].isVertex() && filter.repeated(firstCell);
    for (std::size_t k = 0; k < segments; ++k) {
        const Point& a = from(k);
        const Point& b = to(k);
        look(k + kAhead, n);
        const bool aRepeated = startRepeated;
        startRepeated =
            b.isVertex() && filter.repeated(k + 1 < n ? ahead[(k + 1) % kAhead] : firstCell);
        if (!a.isVertex() || !b.isVertex() || a == b) continue;
        // Walked back at once (a spike), the far end occurs only once; otherwise both ends
        // occur again where the walk comes back.
        const auto spike = [&] {
            return (k + 1 < segments && to(k + 1) == a) || (k > 0 && from(k - 1) == b) ||
                   (closing &&
                    ((k + 1 == segments && to(0) == a) || (k == 0 && from(segments - 1) == b)));
        };
        if (!(aRepeated && startRepeated) && !spike()) continue;
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
