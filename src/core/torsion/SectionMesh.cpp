// Building a section mesh with CGAL: the constrained Delaunay triangulation of all figure edges,
// the coverage of each region between constraints by winding numbers, and Delaunay refinement of
// the covered regions only. The only file that includes CGAL, which compiles slowly.
#include "core/torsion/SectionMesh.h"

#include "core/torsion/SectionOutlines.h"
#include "core/torsion/WindingIndex.h"

#include <CGAL/Constrained_Delaunay_triangulation_2.h>
#include <CGAL/Delaunay_mesh_face_base_2.h>
#include <CGAL/Delaunay_mesh_size_criteria_2.h>
#include <CGAL/Delaunay_mesh_vertex_base_2.h>
#include <CGAL/Delaunay_mesher_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Triangulation_face_base_with_info_2.h>
#include <CGAL/Triangulation_vertex_base_with_info_2.h>

#include <algorithm>
#include <cmath>
#include <exception>
#include <map>
#include <memory>
#include <vector>

namespace kuvanto {

namespace {

using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;
using VertexBase =
    CGAL::Delaunay_mesh_vertex_base_2<Kernel,
                                      CGAL::Triangulation_vertex_base_with_info_2<int, Kernel>>;
using FaceBase = CGAL::Delaunay_mesh_face_base_2<
    Kernel, CGAL::Triangulation_face_base_with_info_2<
                int, Kernel, CGAL::Constrained_Delaunay_triangulation_face_base_2<Kernel>>>;
using DataStructure = CGAL::Triangulation_data_structure_2<VertexBase, FaceBase>;
// Figures may cross each other: their intersections become vertices.
using Triangulation =
    CGAL::Constrained_Delaunay_triangulation_2<Kernel, DataStructure, CGAL::Exact_predicates_tag>;
using Criteria = CGAL::Delaunay_mesh_size_criteria_2<Triangulation>;
using Mesher = CGAL::Delaunay_mesher_2<Triangulation, Criteria>;
using FaceHandle = Triangulation::Face_handle;

// The smallest angle the refinement aims at: sin²(20.7°) = 0.125, which Delaunay refinement
// reaches without endless splitting.
constexpr double kShapeBound = 0.125;

// Outline points inserted as constraints between two questions about a cancel.
constexpr std::size_t kInsertedTogether = 4096;

struct UsableFigure {
    std::shared_ptr<const WindingIndex> index;
    int weight;  // the figure's sign, turned so that its inside counts it whatever its orientation
    int material = -1;
};

// Whether p lies strictly inside the face (exact predicates: a point computed in floating point,
// such as the centroid of a thin triangle, can fall on or outside its edges).
bool strictlyInside(const FaceHandle& face, const Triangulation::Point& p) {
    for (int i = 0; i < 3; ++i)
        if (CGAL::orientation(face->vertex(i)->point(), face->vertex((i + 1) % 3)->point(), p) !=
            CGAL::LEFT_TURN)
            return false;
    return true;
}

// Numbers the regions between constraints (face info) and gives each region its coverage. Region 0
// is everything joined to the outside of the convex hull without crossing a figure edge: no figure
// covers it, whatever rounding says (an outline whose vertices zig-zag by less than their rounding
// leaves thin pockets there). Every other region takes the winding numbers of a point strictly
// inside one of its faces. Infinite faces get region -1. With `materials`, each region's counts
// per material are filed there, one entry per distinct set of counts, and `entries` receives the
// entry of each region.
std::vector<int> regionCoverage(Triangulation& triangulation,
                                const std::vector<UsableFigure>& figures,
                                std::vector<std::vector<int>>* materials = nullptr,
                                std::vector<int>* entries = nullptr) {
    for (auto face = triangulation.all_faces_begin(); face != triangulation.all_faces_end(); ++face)
        face->info() = -1;
    std::vector<FaceHandle> stack;
    std::vector<FaceHandle> members;
    auto flood = [&](FaceHandle seed, int region) {
        seed->info() = region;
        stack.assign(1, seed);
        members.clear();
        while (!stack.empty()) {
            const FaceHandle current = stack.back();
            stack.pop_back();
            members.push_back(current);
            for (int i = 0; i < 3; ++i) {
                const FaceHandle next = current->neighbor(i);
                if (current->is_constrained(i) || next->info() >= 0 ||
                    triangulation.is_infinite(next))
                    continue;
                next->info() = region;
                stack.push_back(next);
            }
        }
    };

    int materialCount = 0;
    for (const UsableFigure& figure : figures)
        materialCount = std::max(materialCount, figure.material + 1);
    std::map<std::vector<int>, int> filed;
    std::vector<int> counts(static_cast<std::size_t>(materialCount), 0);
    auto file = [&] {
        if (!materials || materialCount == 0) return;
        const auto [place, added] = filed.try_emplace(counts, static_cast<int>(materials->size()));
        if (added) materials->push_back(counts);
        entries->push_back(place->second);
    };
    if (materials) {
        materials->clear();
        entries->clear();
        file();  // region 0: nothing covers it
    }

    std::vector<int> coverage{0};
    auto hull = triangulation.incident_faces(triangulation.infinite_vertex());
    if (hull != nullptr) {
        const auto first = hull;
        do {
            const int i = hull->index(triangulation.infinite_vertex());
            const FaceHandle inside = hull->neighbor(i);
            if (!hull->is_constrained(i) && inside->info() < 0 &&
                !triangulation.is_infinite(inside))
                flood(inside, 0);
        } while (++hull != first);
    }

    for (auto face = triangulation.finite_faces_begin(); face != triangulation.finite_faces_end();
         ++face) {
        if (face->info() >= 0) continue;
        const int region = static_cast<int>(coverage.size());
        flood(face, region);
        // A point strictly inside one of the region's faces; failing that (every face of the
        // region too thin), the centroid of its largest face.
        Triangulation::Point probe(0, 0);
        double largest = -1;
        for (const FaceHandle& member : members) {
            const auto& a = member->vertex(0)->point();
            const auto& b = member->vertex(1)->point();
            const auto& c = member->vertex(2)->point();
            const auto centre = CGAL::centroid(a, b, c);
            if (strictlyInside(member, centre)) {
                probe = centre;
                break;
            }
            const double area = std::abs(CGAL::area(a, b, c));
            if (area > largest) {
                largest = area;
                probe = centre;
            }
        }
        int count = 0;
        std::fill(counts.begin(), counts.end(), 0);
        for (const UsableFigure& figure : figures) {
            const int covering =
                figure.weight * figure.index->windingNumber({probe.x(), probe.y()});
            count += covering;
            if (figure.material >= 0) counts[static_cast<std::size_t>(figure.material)] += covering;
        }
        coverage.push_back(count);
        file();
    }
    return coverage;
}

}  // namespace

SectionMesh::Status SectionMesh::build(std::span<const SectionFigure> figures, double maxEdge,
                                       const Limits& limits, SectionMesh& mesh) {
    mesh = SectionMesh();
    if (!(maxEdge > 0) || !std::isfinite(maxEdge)) return Status::Failed;
    try {
        Triangulation triangulation;
        std::vector<UsableFigure> usable;
        bool finite = true;
        const std::vector<SectionOutline> outlines = SectionOutlines::clean(figures, &finite);
        if (!finite) return Status::Failed;
        // With every figure finite, the outlines are the figures', in their order.
        std::vector<Triangulation::Point> points;
        for (std::size_t k = 0; k < outlines.size(); ++k) {
            const SectionOutline& outline = outlines[k];
            const double area = outline.signedArea;
            if (area == 0 || !std::isfinite(area)) continue;
            usable.push_back({std::make_shared<const WindingIndex>(outline.points),
                              (area > 0 ? 1 : -1) * outline.sign, figures[k].material});
            const std::size_t n = outline.points.size();
            const auto seam = std::find(outline.seam.begin(), outline.seam.end(), true);
            if (seam == outline.seam.end()) {
                // In chunks, so that a cancel is asked between them: a long outline takes a
                // good part of a second to insert.
                points.clear();
                for (const Point& p : outline.points) points.emplace_back(p.x, p.y);
                points.push_back(points.front());
                for (std::size_t from = 0; from + 1 < points.size(); from += kInsertedTogether) {
                    const std::size_t to = std::min(from + kInsertedTogether, points.size() - 1);
                    triangulation.insert_constraint(points.begin() + from, points.begin() + to + 1,
                                                    false);
                    if (limits.cancelled && limits.cancelled()) return Status::Cancelled;
                }
                continue;
            }
            // The outline without its seams: open chains, each starting after a seam.
            const std::size_t first = static_cast<std::size_t>(seam - outline.seam.begin());
            points.clear();
            for (std::size_t step = 1; step <= n; ++step) {
                const std::size_t k = (first + step) % n;
                const Point& p = outline.points[k];
                points.emplace_back(p.x, p.y);
                if (outline.seam[k]) {
                    if (points.size() >= 2)
                        triangulation.insert_constraint(points.begin(), points.end(), false);
                    points.clear();
                }
            }
        }
        if (usable.empty() || triangulation.dimension() < 2) return Status::Empty;

        // Mark the covered regions as the domain to refine; a region covered negatively (a
        // subtracted figure reaching outside the material) cannot be material.
        std::vector<int> coverage = regionCoverage(triangulation, usable);
        for (auto face = triangulation.all_faces_begin(); face != triangulation.all_faces_end();
             ++face) {
            const int region = face->info();
            const int count = region >= 0 ? coverage[region] : 0;
            // A region of negative coverage is left to the check of the finished mesh, which
            // tells it from a sliver that rounding made.
            face->set_in_domain(count > 0);
        }

        Mesher mesher(triangulation, Criteria(kShapeBound, maxEdge));
        mesher.init(true);
        // Asked after every step: the first steps, which split the encroached figure edges,
        // can take a millisecond each on a long outline.
        while (!mesher.is_refinement_done()) {
            mesher.step_by_step_refine_mesh();
            if (limits.maxVertices && triangulation.number_of_vertices() > limits.maxVertices)
                return Status::TooLarge;
            if (limits.cancelled && limits.cancelled()) return Status::Cancelled;
        }

        // Every finite face with its coverage, slivers included: removeSlivers() needs them to
        // join the material on both sides of a sliver.
        std::vector<int> entries;
        coverage = regionCoverage(triangulation, usable, &mesh.materialCounts_, &entries);
        int vertexCount = 0;
        for (auto vertex = triangulation.finite_vertices_begin();
             vertex != triangulation.finite_vertices_end(); ++vertex) {
            vertex->info() = vertexCount++;
            mesh.points_.push_back({vertex->point().x(), vertex->point().y()});
        }
        for (auto face = triangulation.finite_faces_begin();
             face != triangulation.finite_faces_end(); ++face)
            mesh.triangles_.push_back(
                {{face->vertex(0)->info(), face->vertex(1)->info(), face->vertex(2)->info()},
                 coverage[face->info()],
                 entries.empty() ? 0 : entries[static_cast<std::size_t>(face->info())]});
        triangulation.clear();
        const Status kept = mesh.keepMaterial();
        if (kept != Status::Ok) return kept;
        if (mesh.triangles_.empty()) return Status::Empty;
        return Status::Ok;
    } catch (const std::bad_alloc&) {
        mesh = SectionMesh();
        return Status::TooLarge;
    } catch (const std::exception&) {
        // CGAL reports a broken precondition (degenerate input it cannot handle) by throwing.
        mesh = SectionMesh();
        return Status::Failed;
    }
}

}  // namespace kuvanto
