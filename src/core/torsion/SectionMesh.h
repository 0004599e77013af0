// The triangle mesh of a section for the finite-element torsion analysis. Every edge of every
// figure is a constraint of a constrained Delaunay triangulation, which is then refined to a size
// bound and a minimum angle. Each triangle carries the signed number of figures covering it
// (added figures count +1, subtracted ones -1): a hole has 0 and is left out, a part covered by
// two added figures counts twice, as the area of the section does. Where the figures carry
// materials, each triangle also carries the same count for every material on its own: the
// material at a point is what the figures' algebra leaves there (a concrete core added inside a
// steel tube whose inside is subtracted as steel is concrete only).
#pragma once

#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/base/Point.h"

namespace kuvanto {

// One figure of the section: its outline (either orientation, closed implicitly) and +1 for an
// added figure, -1 for a subtracted one.
struct SectionFigure {
    std::vector<Point> outline;
    int sign = 1;
    // The figure's material, an index into the materials the analysis is given; -1 for none
    // (a section of one material, whose figures all have -1).
    int material = -1;
};

class SectionMesh {
public:
    struct Triangle {
        std::array<int, 3> corners{};  // counter-clockwise indices into points()
        int coverage = 1;              // figures covering it; at least 1 in a mesh
        int materials = 0;             // its entry of materialCounts() (figures with materials)
    };

    // Limits of a build: the mesh is refused rather than grown beyond maxVertices.
    struct Limits {
        std::size_t maxVertices = 0;  // 0: no limit
        // Asked now and then during refinement; true stops the build (cancelled).
        std::function<bool()> cancelled;
    };

    // NegativeMaterial: a subtracted figure takes away a material where its figures leave none
    // (a steel figure subtracted from concrete).
    enum class Status {
        Ok,
        Empty,
        NegativeCoverage,
        NegativeMaterial,
        TooLarge,
        Cancelled,
        Failed
    };

    // Meshes the figures with triangles of edges up to maxEdge (positive). Figures with fewer
    // than three distinct vertices or no area are passed over.
    static Status build(std::span<const SectionFigure> figures, double maxEdge,
                        const Limits& limits, SectionMesh& mesh);

    const std::vector<Point>& points() const { return points_; }
    const std::vector<Triangle>& triangles() const { return triangles_; }
    // Some part of the material is covered by more than one added figure.
    bool overlapping() const { return overlapping_; }
    // For figures with materials: per entry, the signed number of figures of each material
    // (by its index) covering a triangle whose `materials` names the entry. Empty when the
    // figures carry no material.
    const std::vector<std::vector<int>>& materialCounts() const { return materialCounts_; }

    // The same section with every triangle cut into four at its edge midpoints. The four
    // children of triangle f are 4f to 4f + 3: at corner 0, at corner 1, at corner 2, and the
    // middle one.
    SectionMesh subdivided() const;
    // The same section with the marked triangles halved across their longest edge, and as many
    // neighbours as keep the mesh conforming (longest-edge bisection: angles never fall below
    // half the smallest one of the mesh). Every edge of the mesh is straight, so the section is
    // unchanged.
    SectionMesh bisected(const std::vector<bool>& marked) const;

    // Numbers the distinct edges of the triangles: for each triangle, the numbers of its edges
    // from corner 0 to 1, 1 to 2 and 2 to 0. `edgeCount` receives how many edges there are.
    std::vector<std::array<int, 3>> edgeNumbers(int& edgeCount) const;

    // The net area of the figures (added less subtracted) and the length of all their edges,
    // from which the default element size is chosen.
    struct Extent {
        double area = 0;
        double perimeter = 0;
    };
    static Extent extent(std::span<const SectionFigure> figures);

    // Estimated triangle count of build() with maxEdge, from the area and the boundary
    // vertices, to refuse a hopeless request before meshing.
    static double estimatedTriangles(std::span<const SectionFigure> figures, double maxEdge);

private:
    // Turns the triangulation's faces (all of them, with their coverage) into the mesh: slivers
    // of no area are removed and their material neighbours split at the sliver's middle vertex,
    // uncovered triangles are dropped and the points renumbered. Slivers come from figures that
    // touch along an edge only up to rounding (a section rotated by the program): without this,
    // the two figures would meet at a crack. NegativeCoverage when material is covered
    // negatively.
    // NegativeMaterial when, with materials, a triangle of any coverage holds a negative count
    // of some material.
    Status keepMaterial();

    std::vector<Point> points_;
    std::vector<Triangle> triangles_;
    std::vector<std::vector<int>> materialCounts_;
    bool overlapping_ = false;
};

}  // namespace kuvanto
