// Rounds of arranging: each round finds the touching groups and arranges them; repeated and
// crossing loops are taken out (or crossing ones replaced by their union) and the round is run
// again on what is left, until a round finds neither. The last round's groups and single loops
// then go through one nesting sweep.
#include "core/drawing/OutlineNesting.h"

#include <algorithm>
#include <numeric>

#include "core/drawing/LoopChecks.h"
#include "core/drawing/OutlineArrangement.h"

namespace kuvanto {

namespace {

struct Components {
    std::vector<int> parent;
    explicit Components(std::size_t n) : parent(n) { std::iota(parent.begin(), parent.end(), 0); }
    int find(int i) {
        while (parent[static_cast<std::size_t>(i)] != i)
            i = parent[static_cast<std::size_t>(i)] =
                parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(i)])];
        return i;
    }
    void join(int a, int b) { parent[static_cast<std::size_t>(find(a))] = find(b); }
};

// Rounds that may join crossing loops before the rest are simply left out.
constexpr int kJoinRounds = 4;

}  // namespace

NestedOutlines OutlineNesting::nest(std::vector<std::vector<Point>> loops, double tolerance,
                                    bool join) {
    NestedOutlines result;
    std::vector<int> origin(loops.size());
    std::iota(origin.begin(), origin.end(), 0);

    for (int round = 0;; ++round) {
        const std::size_t count = loops.size();
        std::size_t points = 0;
        for (const std::vector<Point>& loop : loops) points += loop.size();
        bool complete = true;
        const std::vector<std::pair<int, int>> contacts =
            LoopChecks::contacts(loops, tolerance, 64 * points + 1'000'000, &complete);
        // Too many edges meet to arrange them in reasonable time: the loops are nested by the
        // sweep alone, as drawn, and that is said.
        if (!complete) {
            result.clashes.push_back({LoopClash::Kind::Unchecked, 0, 0,
                                      loops.empty() ? Point{} : loops.front().front()});
            result.depth = LoopChecks::depths(loops);
            result.loops = std::move(loops);
            result.origin = std::move(origin);
            return result;
        }
        Components groups(count);
        for (const auto& [a, b] : contacts) groups.join(a, b);

        std::vector<std::vector<int>> members(count);
        for (std::size_t l = 0; l < count; ++l)
            members[static_cast<std::size_t>(groups.find(static_cast<int>(l)))].push_back(
                static_cast<int>(l));
        std::vector<int> groupOf(count, -1);
        std::vector<int> indexInGroup(count, 0);
        std::vector<GroupArrangement> arranged;
        std::vector<char> drop(count, 0);
        std::vector<std::pair<int, int>> crossings;  // loop indices of this round
        std::vector<Point> crossingPlaces;
        for (const std::vector<int>& group : members) {
            if (group.size() < 2) continue;
            std::vector<const std::vector<Point>*> pointers;
            for (std::size_t k = 0; k < group.size(); ++k) {
                const auto l = static_cast<std::size_t>(group[k]);
                pointers.push_back(&loops[l]);
                groupOf[l] = static_cast<int>(arranged.size());
                indexInGroup[l] = static_cast<int>(k);
            }
            arranged.push_back(OutlineArrangement::arrange(pointers, tolerance));
            const GroupArrangement& g = arranged.back();
            for (const auto& [kept, repeated] : g.same) {
                const auto r = static_cast<std::size_t>(group[static_cast<std::size_t>(repeated)]);
                const auto k = static_cast<std::size_t>(group[static_cast<std::size_t>(kept)]);
                if (drop[r] || drop[k]) continue;
                drop[r] = 1;
                result.clashes.push_back(
                    {LoopClash::Kind::Repeated, origin[r], origin[k], loops[r].front()});
            }
            for (const LoopCrossing& crossing : g.crossings) {
                crossings.emplace_back(group[static_cast<std::size_t>(crossing.first)],
                                       group[static_cast<std::size_t>(crossing.second)]);
                crossingPlaces.push_back(crossing.where);
            }
        }

        bool changed = std::find(drop.begin(), drop.end(), 1) != drop.end();
        std::vector<std::vector<Point>> added;
        std::vector<int> addedOrigin;
        if (!crossings.empty()) {
            changed = true;
            if (join && round < kJoinRounds) {
                Components clusters(count);
                for (const auto& [a, b] : crossings) clusters.join(a, b);
                std::vector<std::vector<int>> clusterMembers(count);
                for (const auto& [a, b] : crossings)
                    for (int l : {a, b}) {
                        auto& list = clusterMembers[static_cast<std::size_t>(clusters.find(l))];
                        if (std::find(list.begin(), list.end(), l) == list.end()) list.push_back(l);
                    }
                for (std::size_t c = 0; c < crossings.size(); ++c) {
                    const auto [a, b] = crossings[c];
                    result.clashes.push_back(
                        {LoopClash::Kind::Joined, origin[static_cast<std::size_t>(a)],
                         origin[static_cast<std::size_t>(b)], crossingPlaces[c]});
                }
                for (std::vector<int>& cluster : clusterMembers) {
                    if (cluster.empty()) continue;
                    std::sort(cluster.begin(), cluster.end());
                    std::vector<const std::vector<Point>*> pointers;
                    for (int l : cluster) {
                        pointers.push_back(&loops[static_cast<std::size_t>(l)]);
                        drop[static_cast<std::size_t>(l)] = 1;
                    }
                    for (std::vector<Point>& outline :
                         OutlineArrangement::unionOutlines(pointers)) {
                        added.push_back(std::move(outline));
                        addedOrigin.push_back(origin[static_cast<std::size_t>(cluster.front())]);
                    }
                }
            } else {
                for (std::size_t c = 0; c < crossings.size(); ++c) {
                    const auto [a, b] = crossings[c];
                    drop[static_cast<std::size_t>(a)] = drop[static_cast<std::size_t>(b)] = 1;
                    result.clashes.push_back(
                        {LoopClash::Kind::Crossing, origin[static_cast<std::size_t>(a)],
                         origin[static_cast<std::size_t>(b)], crossingPlaces[c]});
                }
            }
        }

        if (changed) {
            std::vector<std::vector<Point>> kept;
            std::vector<int> keptOrigin;
            for (std::size_t l = 0; l < count; ++l) {
                if (drop[l]) continue;
                kept.push_back(std::move(loops[l]));
                keptOrigin.push_back(origin[l]);
            }
            for (std::size_t a = 0; a < added.size(); ++a) {
                kept.push_back(std::move(added[a]));
                keptOrigin.push_back(addedOrigin[a]);
            }
            loops = std::move(kept);
            origin = std::move(keptOrigin);
            continue;
        }

        // One sweep over the single loops and the groups, each group as one unit.
        std::vector<SweepEdge> edges;
        std::vector<Point> leftmost;
        std::vector<int> unitOf(count, -1);
        std::vector<int> unitOfGroup(arranged.size(), -1);
        for (std::size_t l = 0; l < count; ++l) {
            const int g = groupOf[l];
            if (g >= 0) {
                int& unit = unitOfGroup[static_cast<std::size_t>(g)];
                if (unit < 0) {
                    unit = static_cast<int>(leftmost.size());
                    const GroupArrangement& group = arranged[static_cast<std::size_t>(g)];
                    leftmost.push_back(group.leftmost);
                    for (SweepEdge edge : group.edges) {
                        edge.unit = unit;
                        edges.push_back(edge);
                    }
                }
                unitOf[l] = unit;
                continue;
            }
            unitOf[l] = static_cast<int>(leftmost.size());
            Point lowest = loops[l].front();
            for (const Point& p : loops[l])
                if (p.x < lowest.x || (p.x == lowest.x && p.y < lowest.y)) lowest = p;
            leftmost.push_back(lowest);
            LoopChecks::appendLoopEdges(loops[l], unitOf[l], edges);
        }
        const std::vector<int> unitDepth = LoopChecks::unitDepths(edges, leftmost);
        result.depth.resize(count);
        for (std::size_t l = 0; l < count; ++l) {
            int depth = unitDepth[static_cast<std::size_t>(unitOf[l])];
            if (groupOf[l] >= 0)
                depth += arranged[static_cast<std::size_t>(groupOf[l])]
                             .insideCount[static_cast<std::size_t>(indexInGroup[l])];
            result.depth[l] = depth;
        }
        result.loops = std::move(loops);
        result.origin = std::move(origin);
        return result;
    }
}

}  // namespace kuvanto
