// Seam segments found without comparing every pair: unless it is walked straight back, a
// segment can only pair with another when both its ends occur at least twice among the points,
// and it occurs twice itself. A filter over the points picks the segments with repeated ends in
// two linear passes, the same filter over those few segments the ones that may occur twice, and
// only these are sorted and matched.
#include "core/section/SeamEdges.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <tuple>

namespace kuvanto {

namespace {

// Cells of a table of about four cells a point, found by hashing: equal points (0 and -0 alike)
// and equal segments, whichever way walked, share a cell, and one point costs a few
// multiplications and no pass of its own. Different points or segments that share a cell only
// make extra candidates.
class Cells {
public:
    explicit Cells(std::size_t count) {
        while (bits_ < 40 && (std::size_t{1} << bits_) < 4 * std::max<std::size_t>(count, 16))
            ++bits_;
    }
    std::size_t count() const { return std::size_t{1} << bits_; }
    // The coordinates' bits are mixed, the sign bits of the two at different places: a hash
    // linear in them would give a point and its mirror images, whose bits differ in the signs
    // alone, related hashes, and a symmetric outline would be all candidates.
    static std::uint64_t pointHash(const Point& p) { return combine(bitsOf(p.x), bitsOf(p.y)); }
    static std::uint64_t segmentHash(const Point& a, const Point& b) {
        const std::uint64_t ha = pointHash(a), hb = pointHash(b);
        return combine(std::min(ha, hb), std::max(ha, hb));
    }
    std::uint64_t cell(std::uint64_t hash) const { return hash >> (64 - bits_); }

private:
    // Two words mixed into one, every input bit changing about half the output bits.
    static std::uint64_t combine(std::uint64_t first, std::uint64_t second) {
        std::uint64_t v = first * 0x9E3779B97F4A7C15ULL ^ std::rotl(second, 31);
        v ^= v >> 33;
        v *= 0xFF51AFD7ED558CCDULL;
        v ^= v >> 33;
        v *= 0xC4CEB9FE1A85EC53ULL;
        v ^= v >> 33;
        return v;
    }
    static std::uint64_t bitsOf(double value) {
        const double normal = value + 0.0;  // -0 becomes 0
        std::uint64_t bits;
        std::memcpy(&bits, &normal, sizeof bits);
        return bits;
    }
    int bits_ = 6;
};

// Two bits a cell side by side, so that one memory access serves both: whether something was
// seen in the cell, and whether a second one was.
class RepeatFilter {
public:
    explicit RepeatFilter(std::size_t cells)
        : words_((std::max<std::size_t>(cells, 32) + 31) / 32, 0) {}
    void clear() { std::fill(words_.begin(), words_.end(), 0); }
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
    const Cells cells(distinct);
    RepeatFilter filter(cells.count());
    // The cells of the next points, computed once each and asked for ahead of their use.
    constexpr std::size_t kAhead = 16;
    std::uint64_t ahead[kAhead] = {};
    const auto look = [&](std::size_t k, std::size_t count) {
        if (k < count) {
            ahead[k % kAhead] = cells.cell(Cells::pointHash(points[k]));
            filter.prefetch(ahead[k % kAhead]);
        }
    };
    for (std::size_t k = 0; k < kAhead; ++k) look(k, distinct);
    for (std::size_t k = 0; k < distinct; ++k) {
        const std::uint64_t cell = ahead[k % kAhead];
        look(k + kAhead, distinct);
        if (points[k].isVertex()) filter.add(cell);
    }

    // The segments that may be seams, marked in a bit a segment: walked straight back, or both
    // ends repeated. Whether the segment's start is repeated is carried over from the segment
    // before; segment k ends at point k + 1, the last one perhaps back at point 0.
    std::vector<std::uint64_t> marked((segments + 63) / 64, 0);
    std::size_t markedCount = 0;
    const std::uint64_t firstCell = cells.cell(Cells::pointHash(points[0]));
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
        marked[k / 64] |= std::uint64_t{1} << (k % 64);
        ++markedCount;
    }
    if (markedCount < 2) return;
    const auto forEachMarked = [&](const auto& visit) {
        for (std::size_t w = 0; w < marked.size(); ++w)
            for (std::uint64_t bits = marked[w]; bits != 0; bits &= bits - 1)
                visit(w * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
    };

    // Of those, the segments that occur twice or more, whichever way walked: the same table,
    // now filled with the few marked segments only.
    filter.clear();
    forEachMarked(
        [&](std::size_t k) { filter.add(cells.cell(Cells::segmentHash(from(k), to(k)))); });
    std::vector<Candidate> candidates;
    forEachMarked([&](std::size_t k) {
        const Point& a = from(k);
        const Point& b = to(k);
        if (!filter.repeated(cells.cell(Cells::segmentHash(a, b)))) return;
        const bool forward = lessPoint(a, b);
        candidates.push_back({forward ? a : b, forward ? b : a, forward, k});
    });
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
