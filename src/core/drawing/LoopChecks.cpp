// The self-intersection grid and the nesting sweep. The sweep keeps the edges that cross the
// sweep line ordered by height; the first edge above a loop's leftmost point belongs to the
// loop that immediately surrounds it or to a neighbour of it, and the edge's direction (loops
// taken counter-clockwise, so the inside lies left of every edge) tells which.
#include "core/drawing/LoopChecks.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>

namespace kuvanto {

namespace {

double orient(Point a, Point b, Point c) {
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

bool onSegment(Point a, Point b, Point p) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

// Whether segments ab and cd share a point; `where` gets one such point.
bool segmentsMeet(Point a, Point b, Point c, Point d, Point& where) {
    const double o1 = orient(a, b, c);
    const double o2 = orient(a, b, d);
    const double o3 = orient(c, d, a);
    const double o4 = orient(c, d, b);
    if (((o1 > 0 && o2 < 0) || (o1 < 0 && o2 > 0)) && ((o3 > 0 && o4 < 0) || (o3 < 0 && o4 > 0))) {
        const double t = o3 / (o3 - o4);
        where = {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
        return true;
    }
    if (o1 == 0 && onSegment(a, b, c)) return where = c, true;
    if (o2 == 0 && onSegment(a, b, d)) return where = d, true;
    if (o3 == 0 && onSegment(c, d, a)) return where = a, true;
    if (o4 == 0 && onSegment(c, d, b)) return where = b, true;
    return false;
}

}  // namespace

double LoopChecks::doubleArea(const std::vector<Point>& loop) {
    double sum = 0;
    const std::size_t n = loop.size();
    if (n == 0) return 0;
    const Point o = loop[0];
    for (std::size_t i = 0; i < n; ++i) {
        const Point& a = loop[i];
        const Point& b = loop[(i + 1) % n];
        sum += (a.x - o.x) * (b.y - o.y) - (b.x - o.x) * (a.y - o.y);
    }
    return sum;
}

std::vector<LoopProblem> LoopChecks::selfIntersections(const std::vector<Point>& loop,
                                                       std::size_t work) {
    const std::size_t n = loop.size();
    if (n < 3) return {};
    auto edgeStart = [&](std::size_t i) { return loop[i]; };
    auto edgeEnd = [&](std::size_t i) { return loop[(i + 1) % n]; };

    // An edge that runs straight back along the one before it.
    for (std::size_t i = 0; i < n; ++i) {
        const Point a = loop[(i + n - 1) % n];
        const Point b = loop[i];
        const Point c = loop[(i + 1) % n];
        if (orient(a, b, c) == 0 && (b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y) < 0)
            return {{LoopProblem::Kind::SelfIntersection, b}};
    }

    double minX = loop[0].x, maxX = minX, minY = loop[0].y, maxY = minY;
    double length = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Point& p = loop[i];
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
        length += std::abs(edgeEnd(i).x - p.x) + std::abs(edgeEnd(i).y - p.y);
    }
    // Cells about twice the mean edge long: a few edges per cell along the outline. Only the
    // cells an edge passes through get it, column by column.
    const double extent = std::max(maxX - minX, maxY - minY);
    double cell = std::max(2 * length / static_cast<double>(n), extent / 1e6);
    if (!(cell > 0)) cell = 1;
    const std::int64_t columns = static_cast<std::int64_t>((maxX - minX) / cell) + 1;
    auto cellX = [&](double x) {
        return std::clamp<std::int64_t>(static_cast<std::int64_t>((x - minX) / cell), 0,
                                        columns - 1);
    };
    auto cellY = [&](double y) {
        return std::max<std::int64_t>(0, static_cast<std::int64_t>((y - minY) / cell));
    };

    // (cell, edge) pairs sorted by cell: the edges sharing a cell are compared.
    std::vector<std::pair<std::int64_t, std::uint32_t>> entries;
    entries.reserve(3 * n);
    for (std::size_t i = 0; i < n; ++i) {
        Point a = edgeStart(i), b = edgeEnd(i);
        if (b.x < a.x) std::swap(a, b);
        const std::int64_t x0 = cellX(a.x), x1 = cellX(b.x);
        for (std::int64_t x = x0; x <= x1; ++x) {
            // The part of the edge within this column.
            const double left = std::max(a.x, minX + static_cast<double>(x) * cell);
            const double right = std::min(b.x, minX + static_cast<double>(x + 1) * cell);
            auto yAt = [&](double px) {
                return b.x == a.x ? a.y : a.y + (px - a.x) * (b.y - a.y) / (b.x - a.x);
            };
            const double ya = x0 == x1 ? a.y : yAt(left), yb = x0 == x1 ? b.y : yAt(right);
            const std::int64_t y0 = cellY(std::min(ya, yb)), y1 = cellY(std::max(ya, yb));
            if (static_cast<std::size_t>(y1 - y0 + 1) > work - std::min(work, entries.size()))
                return {{LoopProblem::Kind::TooComplex, edgeStart(i)}};
            for (std::int64_t y = y0; y <= y1; ++y)
                entries.emplace_back(y * columns + x, static_cast<std::uint32_t>(i));
        }
    }
    std::sort(entries.begin(), entries.end());

    std::size_t pairs = 0;
    for (std::size_t from = 0; from < entries.size();) {
        std::size_t to = from;
        while (to < entries.size() && entries[to].first == entries[from].first) ++to;
        for (std::size_t p = from; p < to; ++p)
            for (std::size_t q = p + 1; q < to; ++q) {
                const std::size_t i = entries[p].second, j = entries[q].second;
                if (j == i + 1 || (i == 0 && j == n - 1)) continue;  // neighbours share a point
                if (++pairs > work) return {{LoopProblem::Kind::TooComplex, edgeStart(i)}};
                Point where;
                if (segmentsMeet(edgeStart(i), edgeEnd(i), edgeStart(j), edgeEnd(j), where))
                    return {{LoopProblem::Kind::SelfIntersection, where}};
            }
        from = to;
    }
    return {};
}

void LoopChecks::appendLoopEdges(const std::vector<Point>& loop, int unit,
                                 std::vector<SweepEdge>& edges) {
    const bool ccw = doubleArea(loop) > 0;
    for (std::size_t i = 0, n = loop.size(); i < n; ++i) {
        const Point a = loop[i], b = loop[(i + 1) % n];
        if (a.x == b.x) continue;
        // Counter-clockwise, an edge running towards -X has the inside below it.
        const bool towardsMinusX = (b.x < a.x) == ccw;
        edges.push_back({a.x < b.x ? a : b, a.x < b.x ? b : a, unit, towardsMinusX ? 1 : 0});
    }
}

std::vector<int> LoopChecks::depths(const std::vector<std::vector<Point>>& loops) {
    std::vector<SweepEdge> edges;
    std::vector<Point> leftmost(loops.size());
    for (int l = 0; l < static_cast<int>(loops.size()); ++l) {
        const std::vector<Point>& loop = loops[static_cast<std::size_t>(l)];
        if (loop.empty()) continue;
        Point lowest = loop[0];
        for (const Point& a : loop)
            if (a.x < lowest.x || (a.x == lowest.x && a.y < lowest.y)) lowest = a;
        leftmost[static_cast<std::size_t>(l)] = lowest;
        appendLoopEdges(loop, l, edges);
    }
    return unitDepths(edges, leftmost);
}

std::vector<int> LoopChecks::unitDepths(const std::vector<SweepEdge>& given,
                                        const std::vector<Point>& leftmost) {
    // Edges oriented left to right; vertical ones have no height to compare and are left out.
    std::vector<SweepEdge> edges;
    edges.reserve(given.size());
    for (const SweepEdge& e : given)
        if (e.a.x < e.b.x)
            edges.push_back(e);
        else if (e.b.x < e.a.x)
            edges.push_back({e.b, e.a, e.unit, e.belowDepth});
    struct Query {
        Point at;
        int unit;
    };
    std::vector<Query> queries;
    queries.reserve(leftmost.size());
    for (int u = 0; u < static_cast<int>(leftmost.size()); ++u)
        queries.push_back({leftmost[static_cast<std::size_t>(u)], u});

    double sweepX = 0;
    auto heightAt = [&](const SweepEdge& e) {
        if (sweepX <= e.a.x) return e.a.y;
        if (sweepX >= e.b.x) return e.b.y;
        return e.a.y + (sweepX - e.a.x) * (e.b.y - e.a.y) / (e.b.x - e.a.x);
    };
    struct Order {
        using is_transparent = void;
        const std::vector<SweepEdge>* edges;
        const decltype(heightAt)* height;
        bool operator()(int a, int b) const {
            const SweepEdge& ea = (*edges)[static_cast<std::size_t>(a)];
            const SweepEdge& eb = (*edges)[static_cast<std::size_t>(b)];
            const double ya = (*height)(ea), yb = (*height)(eb);
            if (ya != yb) return ya < yb;
            const double sa = (ea.b.y - ea.a.y) / (ea.b.x - ea.a.x);
            const double sb = (eb.b.y - eb.a.y) / (eb.b.x - eb.a.x);
            if (sa != sb) return sa < sb;
            return a < b;
        }
        bool operator()(int a, double y) const {
            return (*height)((*edges)[static_cast<std::size_t>(a)]) < y;
        }
        bool operator()(double y, int a) const {
            return y < (*height)((*edges)[static_cast<std::size_t>(a)]);
        }
    };
    std::set<int, Order> active(Order{&edges, &heightAt});
    std::vector<std::set<int, Order>::iterator> where(edges.size(), active.end());

    // Per x: edges ending there leave, edges starting there enter, then the units whose
    // leftmost point is there are placed, the highest first.
    std::vector<std::pair<double, int>> events;  // (x, code): -1-e leave, e enter
    events.reserve(2 * edges.size());
    for (int e = 0; e < static_cast<int>(edges.size()); ++e) {
        events.emplace_back(edges[static_cast<std::size_t>(e)].b.x, -1 - e);
        events.emplace_back(edges[static_cast<std::size_t>(e)].a.x, e);
    }
    std::sort(events.begin(), events.end());
    std::sort(queries.begin(), queries.end(), [](const Query& a, const Query& b) {
        return a.at.x != b.at.x ? a.at.x < b.at.x : a.at.y > b.at.y;
    });

    std::vector<int> depth(leftmost.size(), 0);
    std::vector<char> known(leftmost.size(), 0);
    std::size_t ev = 0, q = 0;
    while (ev < events.size() || q < queries.size()) {
        const double x =
            ev < events.size() && (q >= queries.size() || events[ev].first <= queries[q].at.x)
                ? events[ev].first
                : queries[q].at.x;
        sweepX = x;
        for (; ev < events.size() && events[ev].first == x; ++ev) {
            const int code = events[ev].second;
            if (code < 0) {
                const auto e = static_cast<std::size_t>(-1 - code);
                if (where[e] != active.end()) active.erase(where[e]), where[e] = active.end();
            } else {
                where[static_cast<std::size_t>(code)] = active.insert(code).first;
            }
        }
        for (; q < queries.size() && queries[q].at.x == x; ++q) {
            const Query& query = queries[q];
            auto above = active.upper_bound(query.at.y);
            for (; above != active.end(); ++above) {
                const SweepEdge& e = edges[static_cast<std::size_t>(*above)];
                if (e.unit == query.unit || e.unit < 0 ||
                    static_cast<std::size_t>(e.unit) >= known.size() ||
                    !known[static_cast<std::size_t>(e.unit)])
                    continue;
                depth[static_cast<std::size_t>(query.unit)] =
                    depth[static_cast<std::size_t>(e.unit)] + e.belowDepth;
                break;
            }
            known[static_cast<std::size_t>(query.unit)] = 1;
        }
    }
    return depth;
}

namespace {

double pointSegmentDistance(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = dx * dx + dy * dy;
    double t = length > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool segmentsWithin(Point a, Point b, Point c, Point d, double tolerance) {
    Point where;
    if (segmentsMeet(a, b, c, d, where)) return true;
    return pointSegmentDistance(a, c, d) <= tolerance ||
           pointSegmentDistance(b, c, d) <= tolerance ||
           pointSegmentDistance(c, a, b) <= tolerance || pointSegmentDistance(d, a, b) <= tolerance;
}

}  // namespace

std::vector<std::pair<int, int>> LoopChecks::contacts(const std::vector<std::vector<Point>>& loops,
                                                      double tolerance, std::size_t work,
                                                      bool* complete) {
    if (complete) *complete = true;
    if (loops.size() < 2) return {};
    struct Edge {
        Point a, b;  // a.x <= b.x
        int loop;
    };
    std::vector<Edge> edges;
    double minX = HUGE_VAL, maxX = -HUGE_VAL, minY = HUGE_VAL, maxY = -HUGE_VAL, length = 0;
    for (int l = 0; l < static_cast<int>(loops.size()); ++l) {
        const std::vector<Point>& loop = loops[static_cast<std::size_t>(l)];
        for (std::size_t i = 0, n = loop.size(); i < n; ++i) {
            Point a = loop[i], b = loop[(i + 1) % n];
            if (b.x < a.x) std::swap(a, b);
            edges.push_back({a, b, l});
            minX = std::min(minX, a.x), maxX = std::max(maxX, b.x);
            minY = std::min({minY, a.y, b.y}), maxY = std::max({maxY, a.y, b.y});
            length += std::abs(b.x - a.x) + std::abs(b.y - a.y);
        }
    }
    if (loops.size() < 2 || edges.empty()) return {};
    tolerance = std::max(tolerance, 0.0);
    minX -= tolerance, minY -= tolerance, maxX += tolerance, maxY += tolerance;
    // Cells about twice the mean edge long and never smaller than the tolerance, so that edges
    // within the tolerance of each other always share a cell of their widened paths.
    const double extent = std::max(maxX - minX, maxY - minY);
    double cell =
        std::max({2 * length / static_cast<double>(edges.size()), extent / 1e6, 4 * tolerance});
    if (!(cell > 0)) cell = 1;
    const std::int64_t columns = static_cast<std::int64_t>((maxX - minX) / cell) + 1;
    auto cellX = [&](double x) {
        return std::clamp<std::int64_t>(static_cast<std::int64_t>((x - minX) / cell), 0,
                                        columns - 1);
    };
    auto cellY = [&](double y) {
        return std::max<std::int64_t>(0, static_cast<std::int64_t>((y - minY) / cell));
    };
    auto giveUp = [&] {
        if (complete) *complete = false;
        return std::vector<std::pair<int, int>>{};
    };

    std::vector<std::pair<std::int64_t, std::uint32_t>> entries;
    entries.reserve(3 * edges.size());
    for (std::size_t i = 0; i < edges.size(); ++i) {
        const Point a = edges[i].a, b = edges[i].b;
        const std::int64_t x0 = cellX(a.x - tolerance), x1 = cellX(b.x + tolerance);
        for (std::int64_t x = x0; x <= x1; ++x) {
            // The part of the edge within this column, widened by the tolerance.
            const double left = std::max(a.x, minX + static_cast<double>(x) * cell - tolerance);
            const double right =
                std::min(b.x, minX + static_cast<double>(x + 1) * cell + tolerance);
            auto yAt = [&](double px) {
                return b.x == a.x ? a.y : a.y + (px - a.x) * (b.y - a.y) / (b.x - a.x);
            };
            const double ya = b.x == a.x ? a.y : yAt(std::clamp(left, a.x, b.x));
            const double yb = b.x == a.x ? b.y : yAt(std::clamp(right, a.x, b.x));
            const std::int64_t y0 = cellY(std::min(ya, yb) - tolerance);
            const std::int64_t y1 = cellY(std::max(ya, yb) + tolerance);
            if (static_cast<std::size_t>(y1 - y0 + 1) > work - std::min(work, entries.size()))
                return giveUp();
            for (std::int64_t y = y0; y <= y1; ++y)
                entries.emplace_back(y * columns + x, static_cast<std::uint32_t>(i));
        }
    }
    std::sort(entries.begin(), entries.end());

    std::vector<std::uint64_t> found;
    std::size_t pairs = 0, meetings = 0;
    for (std::size_t from = 0; from < entries.size();) {
        std::size_t to = from;
        while (to < entries.size() && entries[to].first == entries[from].first) ++to;
        for (std::size_t p = from; p < to; ++p)
            for (std::size_t q = p + 1; q < to; ++q) {
                const Edge& e = edges[entries[p].second];
                const Edge& f = edges[entries[q].second];
                if (e.loop == f.loop) continue;
                if (++pairs > work) return giveUp();
                const auto first = static_cast<std::uint64_t>(std::min(e.loop, f.loop));
                const auto second = static_cast<std::uint64_t>(std::max(e.loop, f.loop));
                const std::uint64_t key = first << 32 | second;
                if (!found.empty() && found.back() == key) continue;
                if (segmentsWithin(e.a, e.b, f.a, f.b, tolerance)) {
                    // Every meeting may be a crossing the exact arrangement has to construct.
                    if (++meetings > work / 16) return giveUp();
                    found.push_back(key);
                }
            }
        from = to;
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    std::vector<std::pair<int, int>> result;
    result.reserve(found.size());
    for (const std::uint64_t key : found)
        result.emplace_back(static_cast<int>(key >> 32), static_cast<int>(key & 0xFFFFFFFFu));
    return result;
}

}  // namespace kuvanto
