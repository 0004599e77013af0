// The arrangement is built with exact constructions, each edge carrying the set of loops drawn
// along it; the faces are then walked outwards from the unbounded one, and crossing an edge
// toggles the loops drawn along it, which gives every face the set of loops containing it. Areas
// are summed in doubles from the exact vertices, which is plenty to tell a sliver from a part.
#include "core/drawing/OutlineArrangement.h"

#include <CGAL/Arr_consolidated_curve_data_traits_2.h>
#include <CGAL/Arr_extended_dcel.h>
#include <CGAL/Arr_segment_traits_2.h>
#include <CGAL/Arrangement_2.h>
#include <CGAL/Exact_predicates_exact_constructions_kernel.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>
#include <unordered_map>

namespace kuvanto {

namespace {

using Kernel = CGAL::Exact_predicates_exact_constructions_kernel;
using SegmentTraits = CGAL::Arr_segment_traits_2<Kernel>;
using Traits = CGAL::Arr_consolidated_curve_data_traits_2<SegmentTraits, int>;
using Dcel = CGAL::Arr_face_extended_dcel<Traits, int>;
using Arrangement = CGAL::Arrangement_2<Traits, Dcel>;
using LoopSet = std::vector<int>;  // sorted loop indices

Point toPoint(const Kernel::Point_2& p) {
    return {CGAL::to_double(p.x()), CGAL::to_double(p.y())};
}

// The arrangement of the loops' edges and, per face (its data), the loops containing it.
struct Arranged {
    Arrangement arrangement;
    std::vector<LoopSet> faceLoops;
};

void arrangeLoops(const std::vector<const std::vector<Point>*>& loops, Arranged& out) {
    std::vector<Traits::Curve_2> curves;
    for (int l = 0; l < static_cast<int>(loops.size()); ++l) {
        const std::vector<Point>& loop = *loops[static_cast<std::size_t>(l)];
        for (std::size_t i = 0, n = loop.size(); i < n; ++i) {
            const Point a = loop[i], b = loop[(i + 1) % n];
            if (a == b) continue;
            curves.emplace_back(Kernel::Segment_2({a.x, a.y}, {b.x, b.y}), l);
        }
    }
    Arrangement& arrangement = out.arrangement;
    CGAL::insert(arrangement, curves.begin(), curves.end());
    for (auto f = arrangement.faces_begin(); f != arrangement.faces_end(); ++f) f->set_data(-1);

    out.faceLoops.assign(1, {});
    std::deque<Arrangement::Face_handle> queue;
    const Arrangement::Face_handle outside = arrangement.unbounded_face();
    outside->set_data(0);
    queue.push_back(outside);
    auto visit = [&](Arrangement::Face_handle face, Arrangement::Ccb_halfedge_circulator first) {
        auto h = first;
        do {
            const Arrangement::Face_handle next = h->twin()->face();
            if (next->data() >= 0) continue;
            LoopSet loopsThere = out.faceLoops[static_cast<std::size_t>(face->data())];
            const auto& drawn = h->curve().data();
            for (auto l = drawn.begin(); l != drawn.end(); ++l) {
                const auto at = std::lower_bound(loopsThere.begin(), loopsThere.end(), *l);
                if (at != loopsThere.end() && *at == *l)
                    loopsThere.erase(at);
                else
                    loopsThere.insert(at, *l);
            }
            next->set_data(static_cast<int>(out.faceLoops.size()));
            out.faceLoops.push_back(std::move(loopsThere));
            queue.push_back(next);
        } while (++h != first);
    };
    while (!queue.empty()) {
        const Arrangement::Face_handle face = queue.front();
        queue.pop_front();
        if (!face->is_unbounded()) visit(face, face->outer_ccb());
        for (auto inner = face->inner_ccbs_begin(); inner != face->inner_ccbs_end(); ++inner)
            visit(face, *inner);
    }
}

double ccbArea(Arrangement::Ccb_halfedge_const_circulator first) {
    const Point origin = toPoint(first->source()->point());
    double sum = 0;
    auto h = first;
    do {
        const Point a = toPoint(h->source()->point()), b = toPoint(h->target()->point());
        sum += (a.x - origin.x) * (b.y - origin.y) - (b.x - origin.x) * (a.y - origin.y);
    } while (++h != first);
    return std::abs(sum) / 2;
}

double faceArea(Arrangement::Face_const_handle face) {
    if (face->is_unbounded()) return 0;
    double area = ccbArea(face->outer_ccb());
    for (auto inner = face->inner_ccbs_begin(); inner != face->inner_ccbs_end(); ++inner)
        area -= ccbArea(*inner);
    return std::max(area, 0.0);
}

double perimeter(const std::vector<Point>& loop) {
    double sum = 0;
    for (std::size_t i = 0, n = loop.size(); i < n; ++i)
        sum += std::hypot(loop[(i + 1) % n].x - loop[i].x, loop[(i + 1) % n].y - loop[i].y);
    return sum;
}

}  // namespace

GroupArrangement OutlineArrangement::arrange(const std::vector<const std::vector<Point>*>& loops,
                                             double tolerance) {
    const std::size_t count = loops.size();
    GroupArrangement result;
    result.insideCount.assign(count, 0);
    if (count == 0) return result;
    Arranged arranged;
    arrangeLoops(loops, arranged);
    const Arrangement& arrangement = arranged.arrangement;

    // The area of every loop and of every pair's common part, face by face.
    std::vector<double> area(count, 0);
    std::unordered_map<std::uint64_t, double> shared;
    for (auto f = arrangement.faces_begin(); f != arrangement.faces_end(); ++f) {
        if (f->is_unbounded() || f->data() < 0) continue;
        const LoopSet& inside = arranged.faceLoops[static_cast<std::size_t>(f->data())];
        if (inside.empty()) continue;
        const double a = faceArea(f);
        for (std::size_t i = 0; i < inside.size(); ++i) {
            area[static_cast<std::size_t>(inside[i])] += a;
            for (std::size_t j = i + 1; j < inside.size(); ++j)
                shared[static_cast<std::uint64_t>(inside[i]) * count +
                       static_cast<std::uint64_t>(inside[j])] += a;
        }
    }

    std::vector<double> length(count);
    for (std::size_t l = 0; l < count; ++l) length[l] = perimeter(*loops[l]);
    std::vector<std::pair<int, int>> crossingPairs;
    for (const auto& [key, common] : shared) {
        const auto i = static_cast<std::size_t>(key / count);
        const auto j = static_cast<std::size_t>(key % count);
        // An overlap or a gap as thick as the tolerance all along the shorter outline.
        const double thin = tolerance * std::min(length[i], length[j]);
        const bool iWithin = area[i] - common <= thin;
        const bool jWithin = area[j] - common <= thin;
        if (iWithin && jWithin)
            result.same.emplace_back(static_cast<int>(i), static_cast<int>(j));
        else if (common <= thin)
            continue;  // touching from outside
        else if (jWithin)
            ++result.insideCount[j];
        else if (iWithin)
            ++result.insideCount[i];
        else
            crossingPairs.emplace_back(static_cast<int>(i), static_cast<int>(j));
    }
    std::sort(result.same.begin(), result.same.end());
    std::sort(crossingPairs.begin(), crossingPairs.end());

    // A place where each crossing pair's outlines meet: a vertex with edges of both.
    for (const auto& [i, j] : crossingPairs) result.crossings.push_back({i, j, {}});
    if (!crossingPairs.empty()) {
        std::vector<char> placed(crossingPairs.size(), 0);
        std::size_t left = crossingPairs.size();
        LoopSet atVertex;
        for (auto v = arrangement.vertices_begin(); v != arrangement.vertices_end() && left > 0;
             ++v) {
            if (v->is_isolated()) continue;
            atVertex.clear();
            auto h = v->incident_halfedges();
            const auto first = h;
            do {
                const auto& drawn = h->curve().data();
                atVertex.insert(atVertex.end(), drawn.begin(), drawn.end());
            } while (++h != first);
            std::sort(atVertex.begin(), atVertex.end());
            for (std::size_t k = 0; k < crossingPairs.size(); ++k) {
                if (placed[k] ||
                    !std::binary_search(atVertex.begin(), atVertex.end(), crossingPairs[k].first) ||
                    !std::binary_search(atVertex.begin(), atVertex.end(), crossingPairs[k].second))
                    continue;
                placed[k] = 1;
                --left;
                result.crossings[k].where = toPoint(v->point());
            }
        }
    }

    // The edges for the sweep, each with the loops containing the face below it.
    bool first = true;
    for (auto v = arrangement.vertices_begin(); v != arrangement.vertices_end(); ++v) {
        const Point p = toPoint(v->point());
        if (first || p.x < result.leftmost.x ||
            (p.x == result.leftmost.x && p.y < result.leftmost.y))
            result.leftmost = p;
        first = false;
    }
    result.edges.reserve(arrangement.number_of_edges());
    for (auto e = arrangement.edges_begin(); e != arrangement.edges_end(); ++e) {
        const bool rightwards = e->direction() == CGAL::ARR_LEFT_TO_RIGHT;
        const auto below = rightwards ? e->twin()->face() : e->face();
        const int index = below->data();
        const int depth =
            index < 0
                ? 0
                : static_cast<int>(arranged.faceLoops[static_cast<std::size_t>(index)].size());
        result.edges.push_back(
            {toPoint(e->source()->point()), toPoint(e->target()->point()), 0, depth});
    }
    return result;
}

std::vector<std::vector<Point>> OutlineArrangement::unionOutlines(
    const std::vector<const std::vector<Point>*>& loops) {
    Arranged arranged;
    arrangeLoops(loops, arranged);
    Arrangement& arrangement = arranged.arrangement;
    auto inUnion = [&](Arrangement::Face_handle face) {
        return face->data() >= 0 &&
               !arranged.faceLoops[static_cast<std::size_t>(face->data())].empty();
    };
    auto boundary = [&](Arrangement::Halfedge_handle h) {
        return inUnion(h->face()) && !inUnion(h->twin()->face());
    };
    // Walk each boundary with the union on its left: after a boundary halfedge comes the first
    // boundary halfedge turning about its end through the union's faces.
    std::vector<std::vector<Point>> outlines;
    std::unordered_map<const void*, char> walked;
    for (auto h = arrangement.halfedges_begin(); h != arrangement.halfedges_end(); ++h) {
        if (!boundary(h) || walked.count(&*h)) continue;
        std::vector<Point> outline;
        Arrangement::Halfedge_handle current = h;
        std::size_t steps = 0;
        while (!walked.count(&*current) && steps++ <= arrangement.number_of_halfedges()) {
            walked[&*current] = 1;
            outline.push_back(toPoint(current->source()->point()));
            Arrangement::Halfedge_handle next = current->next();
            std::size_t turns = 0;
            while (!boundary(next) && turns++ <= arrangement.number_of_halfedges())
                next = next->twin()->next();
            current = next;
        }
        if (outline.size() >= 3) outlines.push_back(std::move(outline));
    }
    return outlines;
}

}  // namespace kuvanto
