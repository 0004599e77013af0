// End points are merged with a union-find over the hash grid; then every joint must have
// exactly two piece ends, and a loop is walked piece by piece through its joints.
#include "core/drawing/LoopChaining.h"

#include <cmath>
#include <cstdint>
#include <numeric>
#include <unordered_map>

namespace kuvanto {

namespace {

struct UnionFind {
    std::vector<int> parent;
    explicit UnionFind(int n) : parent(static_cast<std::size_t>(n)) {
        std::iota(parent.begin(), parent.end(), 0);
    }
    int find(int i) {
        while (parent[i] != i) i = parent[i] = parent[parent[i]];
        return i;
    }
    void join(int a, int b) { parent[find(a)] = find(b); }
};

constexpr std::size_t kKeptPerCell = 8;

std::uint64_t cellKey(std::int64_t cx, std::int64_t cy) {
    return static_cast<std::uint64_t>(cx) * 0x9E3779B97F4A7C15ull ^ static_cast<std::uint64_t>(cy);
}

double signedArea(const std::vector<Point>& loop) {
    double sum = 0;
    for (std::size_t i = 0, n = loop.size(); i < n; ++i) {
        const Point& a = loop[i];
        const Point& b = loop[(i + 1) % n];
        sum += (a.x - loop[0].x) * (b.y - loop[0].y) - (b.x - loop[0].x) * (a.y - loop[0].y);
    }
    return sum / 2;
}

}  // namespace

bool LoopChaining::tidyLoop(std::vector<Point>& loop, double tolerance,
                            std::vector<LoopProblem>& problems) {
    std::vector<Point> kept;
    kept.reserve(loop.size());
    for (const Point& p : loop) {
        if (!kept.empty() && std::abs(p.x - kept.back().x) <= tolerance &&
            std::abs(p.y - kept.back().y) <= tolerance)
            continue;
        kept.push_back(p);
    }
    while (kept.size() > 1 && std::abs(kept.back().x - kept.front().x) <= tolerance &&
           std::abs(kept.back().y - kept.front().y) <= tolerance)
        kept.pop_back();
    if (kept.size() < 3 || signedArea(kept) == 0) {
        problems.push_back({LoopProblem::Kind::Degenerate, loop.empty() ? Point{} : loop.front()});
        return false;
    }
    loop = std::move(kept);
    return true;
}

void LoopChaining::chain(const std::vector<std::vector<Point>>& pieces, double tolerance,
                         ChainedLoops& result) {
    const int count = static_cast<int>(pieces.size());
    if (count == 0) return;
    if (!(tolerance > 0)) tolerance = 1e-300;
    auto end = [&](int e) -> const Point& {
        const std::vector<Point>& piece = pieces[static_cast<std::size_t>(e / 2)];
        return e % 2 == 0 ? piece.front() : piece.back();
    };

    // Ends within the tolerance of each other become one joint.
    UnionFind joints(2 * count);
    std::unordered_map<std::uint64_t, std::vector<int>> grid;
    grid.reserve(static_cast<std::size_t>(2 * count));
    auto cellOf = [&](double v) { return static_cast<std::int64_t>(std::floor(v / tolerance)); };
    for (int e = 0; e < 2 * count; ++e) {
        const Point& p = end(e);
        const std::int64_t cx = cellOf(p.x);
        const std::int64_t cy = cellOf(p.y);
        for (std::int64_t dx = -1; dx <= 1; ++dx)
            for (std::int64_t dy = -1; dy <= 1; ++dy) {
                const auto found = grid.find(cellKey(cx + dx, cy + dy));
                if (found == grid.end()) continue;
                for (int other : found->second) {
                    const Point& q = end(other);
                    if (std::abs(p.x - q.x) <= tolerance && std::abs(p.y - q.y) <= tolerance)
                        joints.join(e, other);
                }
            }
        // Ends in one cell are within the tolerance of each other and already joined above; a
        // cell keeps a few of them for its neighbours, so that many ends in one place cost no
        // more than a few comparisons each.
        std::vector<int>& cell = grid[cellKey(cx, cy)];
        if (cell.size() < kKeptPerCell) cell.push_back(e);
    }
    grid.clear();

    // Piece ends per joint; a good joint has exactly two.
    std::vector<int> degree(static_cast<std::size_t>(2 * count), 0);
    std::vector<int> first(static_cast<std::size_t>(2 * count), -1);
    std::vector<int> second(static_cast<std::size_t>(2 * count), -1);
    for (int e = 0; e < 2 * count; ++e) {
        const int j = joints.find(e);
        if (degree[j] == 0)
            first[j] = e;
        else if (degree[j] == 1)
            second[j] = e;
        ++degree[j];
    }

    // Pieces connected through joints form one component; it is a loop only when every joint
    // of it is good.
    UnionFind components(count);
    for (int e = 0; e < 2 * count; ++e) components.join(e / 2, joints.find(e) / 2);
    std::vector<char> bad(static_cast<std::size_t>(count), 0);
    for (int e = 0; e < 2 * count; ++e) {
        const int j = joints.find(e);
        if (j != e || degree[j] == 2) continue;
        bad[components.find(e / 2)] = 1;
        result.problems.push_back(
            {degree[j] < 2 ? LoopProblem::Kind::OpenEnd : LoopProblem::Kind::Branch, end(e)});
    }

    std::vector<char> used(static_cast<std::size_t>(count), 0);
    for (int start = 0; start < count; ++start) {
        if (used[start] || bad[components.find(start)]) continue;
        std::vector<Point> loop;
        int piece = start;
        bool forward = true;
        while (!used[piece]) {
            used[piece] = 1;
            const std::vector<Point>& points = pieces[static_cast<std::size_t>(piece)];
            if (forward)
                loop.insert(loop.end(), points.begin() + (loop.empty() ? 0 : 1), points.end());
            else
                loop.insert(loop.end(), points.rbegin() + (loop.empty() ? 0 : 1), points.rend());
            // The end we left by, and the other piece end at its joint.
            const int out = 2 * piece + (forward ? 1 : 0);
            const int j = joints.find(out);
            const int next = first[j] == out ? second[j] : first[j];
            piece = next / 2;
            forward = next % 2 == 0;
        }
        if (tidyLoop(loop, tolerance, result.problems)) result.loops.push_back(std::move(loop));
    }
}

}  // namespace kuvanto
