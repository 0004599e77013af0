// The parts of SectionMesh that need no triangulation library: the uniform subdivision used for
// the error estimate and the length scales that choose and check element sizes.
#include <cmath>
#include <cstdint>
#include <unordered_map>

#include "core/torsion/SectionMesh.h"

namespace kuvanto {

namespace {

double polygonArea(const std::vector<Point>& outline) {
    double twice = 0;
    for (std::size_t i = 0, n = outline.size(); i < n; ++i) {
        const Point a = outline[i];
        const Point b = outline[(i + 1) % n];
        twice += a.x * b.y - b.x * a.y;
    }
    return std::abs(twice) / 2;
}

double polygonPerimeter(const std::vector<Point>& outline) {
    double length = 0;
    for (std::size_t i = 0, n = outline.size(); i < n; ++i)
        length += std::hypot(outline[(i + 1) % n].x - outline[i].x,
                             outline[(i + 1) % n].y - outline[i].y);
    return length;
}

}  // namespace

SectionMesh SectionMesh::subdivided() const {
    SectionMesh fine;
    fine.points_ = points_;
    fine.overlapping_ = overlapping_;
    fine.triangles_.reserve(triangles_.size() * 4);
    std::unordered_map<std::uint64_t, int> midpoints;
    midpoints.reserve(triangles_.size() * 2);
    auto midpoint = [&](int a, int b) {
        const auto low = static_cast<std::uint64_t>(std::min(a, b));
        const auto high = static_cast<std::uint64_t>(std::max(a, b));
        const auto [it, added] =
            midpoints.try_emplace(low << 32 | high, static_cast<int>(fine.points_.size()));
        if (added)
            fine.points_.push_back(
                {(points_[a].x + points_[b].x) / 2, (points_[a].y + points_[b].y) / 2});
        return it->second;
    };
    for (const Triangle& t : triangles_) {
        const auto [a, b, c] = t.corners;
        const int ab = midpoint(a, b);
        const int bc = midpoint(b, c);
        const int ca = midpoint(c, a);
        fine.triangles_.push_back({{a, ab, ca}, t.coverage});
        fine.triangles_.push_back({{ab, b, bc}, t.coverage});
        fine.triangles_.push_back({{ca, bc, c}, t.coverage});
        fine.triangles_.push_back({{ab, bc, ca}, t.coverage});
    }
    return fine;
}

double SectionMesh::defaultElementSize(std::span<const SectionFigure> figures) {
    double area = 0;
    double perimeter = 0;
    for (const SectionFigure& figure : figures) {
        area += figure.sign * polygonArea(figure.outline);
        perimeter += polygonPerimeter(figure.outline);
    }
    if (!(area > 0) || !(perimeter > 0)) return 0;
    return 2 * area / perimeter;
}

double SectionMesh::estimatedTriangles(std::span<const SectionFigure> figures, double maxEdge) {
    double area = 0;
    double vertices = 0;
    for (const SectionFigure& figure : figures) {
        area += polygonArea(figure.outline);
        vertices += static_cast<double>(figure.outline.size());
    }
    // An equilateral triangle of side maxEdge has area 0.433 maxEdge²; refinement leaves most
    // triangles smaller than the bound. Every boundary vertex brings a few triangles of its own.
    return area / (0.2 * maxEdge * maxEdge) + 4 * vertices;
}

}  // namespace kuvanto
