// The parts of SectionMesh that need no triangulation library: the uniform subdivision used for
// the error estimate and the length scales that choose and check element sizes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <tuple>
#include <unordered_map>

#include "core/torsion/SectionMesh.h"
#include "core/torsion/SectionOutlines.h"

namespace kuvanto {

namespace {

// Twice the signed area of the triangle abc, and whether it is a sliver: its area is nothing
// against its longest edge squared.
double twiceArea(Point a, Point b, Point c) {
    return (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
}

double squaredLength(Point a, Point b) {
    return (b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y);
}

std::uint64_t edgeKey(int from, int to) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(from)) << 32 |
           static_cast<std::uint32_t>(to);
}

}  // namespace

SectionMesh::Status SectionMesh::keepMaterial() {
    constexpr double kSliver = 1e-9;
    // Faces by their directed edges (counter-clockwise), to find the neighbour across an edge.
    std::vector<Triangle> faces = std::move(triangles_);
    std::vector<bool> removed(faces.size(), false);
    std::unordered_map<std::uint64_t, std::size_t> byEdge;
    byEdge.reserve(faces.size() * 3);
    auto enter = [&](std::size_t f) {
        for (int i = 0; i < 3; ++i)
            byEdge[edgeKey(faces[f].corners[i], faces[f].corners[(i + 1) % 3])] = f;
    };
    for (std::size_t f = 0; f < faces.size(); ++f) enter(f);
    auto longestEdge = [&](const Triangle& t, double* squared) {
        int longest = 0;
        *squared = -1;
        for (int i = 0; i < 3; ++i) {
            const double length =
                squaredLength(points_[t.corners[i]], points_[t.corners[(i + 1) % 3]]);
            if (length > *squared) {
                *squared = length;
                longest = i;
            }
        }
        return longest;
    };
    auto isSliver = [&](const Triangle& t) {
        double squared = 0;
        longestEdge(t, &squared);
        return std::abs(twiceArea(points_[t.corners[0]], points_[t.corners[1]],
                                  points_[t.corners[2]])) <= kSliver * squared;
    };

    std::vector<std::size_t> slivers;
    for (std::size_t f = 0; f < faces.size(); ++f)
        if (isSliver(faces[f])) slivers.push_back(f);
    while (!slivers.empty()) {
        const std::size_t f = slivers.back();
        slivers.pop_back();
        if (removed[f]) continue;
        removed[f] = true;
        double squared = 0;
        const int i = longestEdge(faces[f], &squared);
        const int a = faces[f].corners[i];
        const int b = faces[f].corners[(i + 1) % 3];
        const int middle = faces[f].corners[(i + 2) % 3];
        const auto across = byEdge.find(edgeKey(b, a));
        if (across == byEdge.end() || removed[across->second]) continue;
        // The neighbour (b, a, c) becomes (b, middle, c) and (middle, a, c).
        const std::size_t g = across->second;
        const Triangle neighbour = faces[g];
        int at = 0;
        while (neighbour.corners[at] != b) ++at;
        const int c = neighbour.corners[(at + 2) % 3];
        faces[g] = {{b, middle, c}, neighbour.coverage, neighbour.materials};
        faces.push_back({{middle, a, c}, neighbour.coverage, neighbour.materials});
        removed.push_back(false);
        enter(g);
        enter(faces.size() - 1);
        if (isSliver(faces[g])) slivers.push_back(g);
        if (isSliver(faces.back())) slivers.push_back(faces.size() - 1);
    }

    // Keep the covered triangles and the points they use.
    std::vector<int> renumbered(points_.size(), -1);
    std::vector<Point> used;
    // A material counted negatively is a subtracted figure taking away what its material's
    // figures do not put there, even where other materials make the count come out right.
    std::vector<bool> negativeMaterial(materialCounts_.size(), false);
    for (std::size_t m = 0; m < materialCounts_.size(); ++m)
        negativeMaterial[m] = std::any_of(materialCounts_[m].begin(), materialCounts_[m].end(),
                                          [](int count) { return count < 0; });
    for (std::size_t f = 0; f < faces.size(); ++f) {
        if (removed[f]) continue;
        if (faces[f].coverage >= 0 && !materialCounts_.empty() &&
            negativeMaterial[static_cast<std::size_t>(faces[f].materials)])
            return Status::NegativeMaterial;
        if (faces[f].coverage == 0) continue;
        if (faces[f].coverage < 0) return Status::NegativeCoverage;
        Triangle t = faces[f];
        for (int& corner : t.corners) {
            if (renumbered[corner] < 0) {
                renumbered[corner] = static_cast<int>(used.size());
                used.push_back(points_[corner]);
            }
            corner = renumbered[corner];
        }
        if (t.coverage > 1) overlapping_ = true;
        triangles_.push_back(t);
    }
    points_ = std::move(used);
    return Status::Ok;
}

std::vector<std::array<int, 3>> SectionMesh::edgeNumbers(int& edgeCount) const {
    // Each edge is filed under its lower vertex. A vertex has a handful of edges, so a short scan
    // finds an edge met before: no hash map, whose memory traffic dominated on fine meshes.
    const std::size_t vertexCount = points_.size();
    std::vector<int> start(vertexCount + 1, 0);
    for (const Triangle& t : triangles_)
        for (int i = 0; i < 3; ++i) ++start[std::min(t.corners[i], t.corners[(i + 1) % 3]) + 1];
    for (std::size_t v = 0; v < vertexCount; ++v) start[v + 1] += start[v];
    std::vector<int> filled(start.begin(), start.end() - 1);
    std::vector<std::pair<int, int>> filed(start.back());  // (upper vertex, edge number)
    std::vector<std::array<int, 3>> numbers(triangles_.size());
    edgeCount = 0;
    for (std::size_t f = 0; f < triangles_.size(); ++f) {
        const auto& corners = triangles_[f].corners;
        for (int i = 0; i < 3; ++i) {
            const int low = std::min(corners[i], corners[(i + 1) % 3]);
            const int high = std::max(corners[i], corners[(i + 1) % 3]);
            const auto first = filed.begin() + start[low];
            const auto last = filed.begin() + filled[low];
            auto found =
                std::find_if(first, last, [high](const auto& e) { return e.first == high; });
            if (found == last) {
                *found = {high, edgeCount++};
                ++filled[low];
            }
            numbers[f][i] = found->second;
        }
    }
    return numbers;
}

SectionMesh SectionMesh::subdivided() const {
    SectionMesh fine;
    int edgeCount = 0;
    const std::vector<std::array<int, 3>> edges = edgeNumbers(edgeCount);
    const int vertexCount = static_cast<int>(points_.size());
    fine.points_ = points_;
    fine.points_.resize(points_.size() + static_cast<std::size_t>(edgeCount));
    fine.overlapping_ = overlapping_;
    fine.materialCounts_ = materialCounts_;
    fine.triangles_.reserve(triangles_.size() * 4);
    for (std::size_t f = 0; f < triangles_.size(); ++f) {
        const Triangle& t = triangles_[f];
        std::array<int, 3> middle{};
        for (int i = 0; i < 3; ++i) {
            const Point a = points_[t.corners[i]];
            const Point b = points_[t.corners[(i + 1) % 3]];
            middle[i] = vertexCount + edges[f][i];
            fine.points_[middle[i]] = {(a.x + b.x) / 2, (a.y + b.y) / 2};
        }
        const auto [a, b, c] = t.corners;
        const auto [ab, bc, ca] = middle;
        fine.triangles_.push_back({{a, ab, ca}, t.coverage, t.materials});
        fine.triangles_.push_back({{ab, b, bc}, t.coverage, t.materials});
        fine.triangles_.push_back({{ca, bc, c}, t.coverage, t.materials});
        fine.triangles_.push_back({{ab, bc, ca}, t.coverage, t.materials});
    }
    return fine;
}

SectionMesh SectionMesh::bisected(const std::vector<bool>& marked) const {
    SectionMesh fine = *this;
    std::vector<Point>& points = fine.points_;
    std::vector<Triangle>& triangles = fine.triangles_;
    std::unordered_map<std::uint64_t, std::size_t> byEdge;
    byEdge.reserve(triangles.size() * 4);
    auto enter = [&](std::size_t t) {
        for (int i = 0; i < 3; ++i)
            byEdge[edgeKey(triangles[t].corners[i], triangles[t].corners[(i + 1) % 3])] = t;
    };
    for (std::size_t t = 0; t < triangles.size(); ++t) enter(t);
    // The longest edge, ties broken by the vertex numbers, so that two triangles agree on which
    // of their edges is longer.
    auto longest = [&](std::size_t t) {
        const auto& c = triangles[t].corners;
        int best = 0;
        auto rank = [&](int i) {
            const int a = c[i], b = c[(i + 1) % 3];
            return std::make_tuple(squaredLength(points[a], points[b]), std::min(a, b),
                                   std::max(a, b));
        };
        for (int i = 1; i < 3; ++i)
            if (rank(i) > rank(best)) best = i;
        return best;
    };
    std::vector<bool> halved(triangles.size(), false);
    std::vector<std::size_t> path;
    for (std::size_t start = 0; start < marked.size() && start < halved.size(); ++start) {
        if (!marked[start] || halved[start]) continue;
        path.assign(1, start);
        while (!path.empty()) {
            const std::size_t t = path.back();
            const int i = longest(t);
            const int a = triangles[t].corners[i], b = triangles[t].corners[(i + 1) % 3];
            const auto across = byEdge.find(edgeKey(b, a));
            if (across != byEdge.end()) {
                const std::size_t n = across->second;
                const int j = longest(n);
                if (triangles[n].corners[j] != b) {
                    path.push_back(n);  // halve the neighbour first, towards its longest edge
                    continue;
                }
            }
            // Halve t, and its neighbour across the same edge, at the edge's middle.
            const int middle = static_cast<int>(points.size());
            points.push_back({(points[a].x + points[b].x) / 2, (points[a].y + points[b].y) / 2});
            auto halve = [&](std::size_t u, int from, int to) {
                const Triangle old = triangles[u];
                int at = 0;
                while (old.corners[at] != from) ++at;
                const int opposite = old.corners[(at + 2) % 3];
                byEdge.erase(edgeKey(from, to));
                triangles[u] = {{from, middle, opposite}, old.coverage, old.materials};
                triangles.push_back({{middle, to, opposite}, old.coverage, old.materials});
                halved[u] = true;
                halved.push_back(true);
                enter(u);
                enter(triangles.size() - 1);
            };
            if (across != byEdge.end()) {
                const std::size_t n = across->second;
                halve(t, a, b);
                halve(n, b, a);
            } else {
                halve(t, a, b);
            }
            path.pop_back();
        }
    }
    return fine;
}

SectionMesh::Extent SectionMesh::extent(std::span<const SectionFigure> figures) {
    // Seams bound no material: they count neither in the perimeter nor in the mesh.
    Extent extent;
    for (const SectionOutline& outline : SectionOutlines::clean(figures)) {
        extent.area += outline.sign * std::abs(outline.signedArea);
        const std::size_t n = outline.points.size();
        for (std::size_t i = 0; i < n; ++i)
            if (!outline.seam[i])
                extent.perimeter += std::hypot(outline.points[(i + 1) % n].x - outline.points[i].x,
                                               outline.points[(i + 1) % n].y - outline.points[i].y);
    }
    return extent;
}

double SectionMesh::estimatedTriangles(std::span<const SectionFigure> figures, double maxEdge) {
    // The material is the added figures less the subtracted ones: a thin-walled box of large
    // outline meshes only its walls.
    const Extent section = extent(figures);
    double vertices = 0;
    for (const SectionFigure& figure : figures)
        vertices += static_cast<double>(figure.outline.size());
    // An equilateral triangle of side maxEdge has area 0.433 maxEdge²; refinement leaves most
    // triangles smaller than the bound. Every boundary vertex brings a few triangles of its own.
    return std::max(section.area, 0.0) / (0.2 * maxEdge * maxEdge) + 4 * vertices;
}

}  // namespace kuvanto
