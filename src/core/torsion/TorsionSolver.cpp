// The torsion and shear solution on 6-node triangles. The warping function ω (∇²ω = 0,
// ∂ω/∂n = y·n_x − x·n_y) and the shear functions Ψ and Φ of the elasticity solution of a beam in
// shear (with Poisson's ratio ν) share one stiffness matrix, factorised once. Every figure edge
// is straight, so the six-point rule of degree four integrates all products exactly (the highest
// is ω², of degree four). Each separately connected part of the section gets one fixed node,
// which removes the free constant of its Neumann problem, and its warping is normalised to mean
// zero on its own.
//
// A section of several materials weighs every integral by its triangles' moduli against the
// reference material's (ElementModuli): the centroid, the second moments and the warping
// integrals by Young's modulus, the warping function's stiffness and load by the shear modulus
// (div(G (grad ω − (y, −x))) = 0; the shear flow across a material interface is continuous in
// the weak form without more), and the shear functions by the shear modulus with each material's
// Poisson's ratio against the bending stresses E·(x, y) they balance. The values are those of the
// transformed section: J = GJ / G_ref, Iw = EIw / E_ref, the shear areas GAs / G_ref.
#include "core/torsion/TorsionSolver.h"

#include <Eigen/Sparse>
#include <Eigen/SparseCholesky>
#include <array>
#include <cmath>
#include <new>
#include <numeric>
#include <vector>

#include "core/torsion/StiffnessPattern.h"

namespace kuvanto {

namespace {

// Six-point rule of degree four on a triangle: area coordinates and weights (summing to 1).
struct QuadraturePoint {
    std::array<double, 3> area;
    double weight;
};
constexpr double kA = 0.445948490915965, kB = 1 - 2 * kA, kWeightA = 0.223381589678011;
constexpr double kC = 0.091576213509771, kD = 1 - 2 * kC, kWeightC = 0.109951743655322;
constexpr std::array<QuadraturePoint, 6> kRule{{
    {{kB, kA, kA}, kWeightA},
    {{kA, kB, kA}, kWeightA},
    {{kA, kA, kB}, kWeightA},
    {{kD, kC, kC}, kWeightC},
    {{kC, kD, kC}, kWeightC},
    {{kC, kC, kD}, kWeightC},
}};

// Shape functions and their gradients at one point of an element.
struct ShapeValues {
    std::array<double, 6> value;
    std::array<double, 6> dx, dy;
};

struct ElementGeometry {
    std::array<double, 3> x, y;                  // corners about the centroid
    std::array<double, 3> gradientX, gradientY;  // of the area coordinates
    double area = 0;
};

ElementGeometry geometry(const SectionMesh& mesh, const SectionMesh::Triangle& triangle,
                         double centroidX, double centroidY) {
    ElementGeometry g;
    for (int i = 0; i < 3; ++i) {
        g.x[i] = mesh.points()[triangle.corners[i]].x - centroidX;
        g.y[i] = mesh.points()[triangle.corners[i]].y - centroidY;
    }
    const double twice =
        (g.x[1] - g.x[0]) * (g.y[2] - g.y[0]) - (g.x[2] - g.x[0]) * (g.y[1] - g.y[0]);
    g.area = twice / 2;
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3, k = (i + 2) % 3;
        g.gradientX[i] = (g.y[j] - g.y[k]) / twice;
        g.gradientY[i] = (g.x[k] - g.x[j]) / twice;
    }
    return g;
}

ShapeValues shape(const ElementGeometry& g, const std::array<double, 3>& l) {
    ShapeValues s;
    for (int i = 0; i < 3; ++i) {
        s.value[i] = l[i] * (2 * l[i] - 1);
        s.dx[i] = (4 * l[i] - 1) * g.gradientX[i];
        s.dy[i] = (4 * l[i] - 1) * g.gradientY[i];
        const int j = (i + 1) % 3;
        s.value[3 + i] = 4 * l[i] * l[j];
        s.dx[3 + i] = 4 * (l[j] * g.gradientX[i] + l[i] * g.gradientX[j]);
        s.dy[3 + i] = 4 * (l[j] * g.gradientY[i] + l[i] * g.gradientY[j]);
    }
    return s;
}

double at(const std::array<double, 3>& corner, const std::array<double, 3>& l) {
    return corner[0] * l[0] + corner[1] * l[1] + corner[2] * l[2];
}

// Eigen's sparse LDLᵀ of a matrix already in fill-reducing order and laid out as the
// factorisation reads it (upper triangle, column-major). compute() would copy the matrix twice on
// its way in, even with the natural ordering. The numeric factorisation is done here, column by
// column as Eigen does it (the up-looking LDLᵀ along the elimination tree), so that it can stop
// when cancelled: on a fine mesh it takes seconds in one piece. Eigen's own solve() then uses the
// factors.
class PreorderedLDLT : public Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Upper,
                                                    Eigen::NaturalOrdering<int>> {
public:
    // False when cancelled or when a pivot is zero.
    bool factorizePreordered(const Eigen::SparseMatrix<double>& upper,
                             const std::function<bool()>& cancelled) {
        analyzePattern_preordered(upper, true);
        const int size = static_cast<int>(upper.rows());
        const int* start = m_matrix.outerIndexPtr();
        int* rows = m_matrix.innerIndexPtr();
        double* factors = m_matrix.valuePtr();
        std::vector<double> y(static_cast<std::size_t>(size), 0.0);
        std::vector<int> pattern(static_cast<std::size_t>(size)),
            tags(static_cast<std::size_t>(size));
        m_diag.resize(size);
        // About a hundredth of a second of work between two questions.
        constexpr long kWorkBetweenQuestions = 10'000'000;
        long work = 0;
        bool ok = true;
        for (int k = 0; k < size && ok; ++k) {
            // The pattern of row k of L: the paths up the elimination tree from the entries of
            // column k of the upper triangle, and the entries scattered into y.
            y[k] = 0;
            int top = size;
            tags[k] = k;
            m_nonZerosPerCol[k] = 0;
            for (Eigen::SparseMatrix<double>::InnerIterator it(upper, k); it; ++it) {
                int i = static_cast<int>(it.index());
                if (i > k) continue;
                y[i] += it.value();
                int length = 0;
                for (; tags[i] != k; i = m_parent[i]) {
                    pattern[length++] = i;
                    tags[i] = k;
                }
                while (length > 0) pattern[--top] = pattern[--length];
            }
            double d = y[k];
            y[k] = 0;
            for (; top < size; ++top) {
                const int i = pattern[top];
                const double yi = y[i];
                y[i] = 0;
                const double lki = yi / m_diag[i];
                const int end = start[i] + m_nonZerosPerCol[i];
                int p = start[i];
                for (; p < end; ++p) y[rows[p]] -= factors[p] * yi;
                work += end - start[i];
                d -= lki * yi;
                rows[p] = k;
                factors[p] = lki;
                ++m_nonZerosPerCol[i];
            }
            m_diag[k] = d;
            if (d == 0) ok = false;
            if (work > kWorkBetweenQuestions) {
                work = 0;
                if (cancelled && cancelled()) ok = false;
            }
        }
        m_info = ok ? Eigen::Success : Eigen::NumericalIssue;
        m_factorizationIsOk = true;
        return ok;
    }
};

struct UnionFind {
    std::vector<int> parent;
    explicit UnionFind(std::size_t n) : parent(n) { std::iota(parent.begin(), parent.end(), 0); }
    int find(int a) {
        while (parent[a] != a) a = parent[a] = parent[parent[a]];
        return a;
    }
    void join(int a, int b) { parent[find(a)] = find(b); }
};

// The 6-node numbering of the mesh: corners keep their numbers, midside nodes follow. `edges`
// receives the triangles' edge numbers.
std::vector<ElementNodes> numberNodes(const SectionMesh& mesh, int& nodeCount,
                                      std::vector<std::array<int, 3>>& edges) {
    int edgeCount = 0;
    edges = mesh.edgeNumbers(edgeCount);
    const int vertexCount = static_cast<int>(mesh.points().size());
    std::vector<ElementNodes> elements(mesh.triangles().size());
    for (std::size_t e = 0; e < elements.size(); ++e)
        for (int i = 0; i < 3; ++i) {
            elements[e][i] = mesh.triangles()[e].corners[i];
            elements[e][3 + i] = vertexCount + edges[e][i];
        }
    nodeCount = vertexCount + edgeCount;
    return elements;
}

// Where the nodes of the 6-node numbering lie: the corners, and the middles of the edges.
std::vector<Point> nodePlaces(const SectionMesh& mesh, const std::vector<ElementNodes>& elements,
                              int nodeCount) {
    std::vector<Point> places(static_cast<std::size_t>(nodeCount));
    std::copy(mesh.points().begin(), mesh.points().end(), places.begin());
    for (const ElementNodes& element : elements)
        for (int i = 0; i < 3; ++i) {
            const Point a = mesh.points()[element[i]], b = mesh.points()[element[(i + 1) % 3]];
            places[element[3 + i]] = {(a.x + b.x) / 2, (a.y + b.y) / 2};
        }
    return places;
}

// The pieces of material joined along edges. Figures that touch at a single point carry no
// shear flow from one to the other: they count as separate pieces, although the mesh shares
// their vertex.
int edgeConnectedParts(const std::vector<std::array<int, 3>>& edges, int edgeCount) {
    UnionFind pieces(edges.size());
    std::vector<int> firstTriangle(static_cast<std::size_t>(edgeCount), -1);
    for (std::size_t t = 0; t < edges.size(); ++t)
        for (const int edge : edges[t]) {
            int& first = firstTriangle[static_cast<std::size_t>(edge)];
            if (first < 0)
                first = static_cast<int>(t);
            else
                pieces.join(static_cast<int>(t), first);
        }
    int count = 0;
    for (std::size_t t = 0; t < edges.size(); ++t)
        if (pieces.find(static_cast<int>(t)) == static_cast<int>(t)) ++count;
    return count;
}

}  // namespace

std::size_t TorsionSolver::nodeCount(const SectionMesh& mesh) {
    // Edges of a triangulated region: about the vertices plus the triangles.
    return 2 * mesh.points().size() + mesh.triangles().size();
}

std::optional<TorsionValues> TorsionSolver::solve(const SectionMesh& mesh, double nu,
                                                  const std::function<bool()>& cancelled,
                                                  TorsionField* field) {
    return solve(mesh, ElementModuli::uniform(mesh, nu), cancelled, field);
}

std::optional<TorsionValues> TorsionSolver::solve(const SectionMesh& mesh,
                                                  const ElementModuli& moduli,
                                                  const std::function<bool()>& cancelled,
                                                  TorsionField* field) {
    using Matrix = Eigen::SparseMatrix<double>;
    try {
        TorsionValues v;
        const auto& triangles = mesh.triangles();
        v.elements = static_cast<int>(triangles.size());
        if (triangles.empty() || moduli.shear.size() != triangles.size()) return std::nullopt;
        const std::vector<double>& shearWeight = moduli.shear;
        const std::vector<double>& elasticWeight = moduli.elastic;
        const std::vector<double>& poisson = moduli.poisson;
        const double nu = moduli.referencePoisson;
        // The centre integral takes each triangle's ν over the largest (1 for one material).
        const double poissonScale = moduli.largestPoisson();
        auto poissonShare = [&](std::size_t e) {
            return poissonScale > 0 ? poisson[e] / poissonScale : 0.0;
        };

        // Area and centroid (of stiffness): triangle centroids are exact.
        double area = 0, firstX = 0, firstY = 0;
        for (std::size_t e = 0; e < triangles.size(); ++e) {
            const ElementGeometry g = geometry(mesh, triangles[e], 0, 0);
            const double weight = elasticWeight[e] * g.area;
            area += weight;
            firstX += weight * (g.x[0] + g.x[1] + g.x[2]) / 3;
            firstY += weight * (g.y[0] + g.y[1] + g.y[2]) / 3;
        }
        if (!(area > 0)) return std::nullopt;
        const double cx = firstX / area, cy = firstY / area;
        v.area = area;
        v.centroidX = cx;
        v.centroidY = cy;

        // The second moments weighed by Young's modulus, and the polar one by the shear modulus
        // (the same for one material).
        double ixx = 0, iyy = 0, ixy = 0, shearXX = 0, shearYY = 0;
        for (std::size_t e = 0; e < triangles.size(); ++e) {
            const ElementGeometry g = geometry(mesh, triangles[e], cx, cy);
            for (const auto& q : kRule) {
                const double w = q.weight * g.area * elasticWeight[e];
                const double ws = q.weight * g.area * shearWeight[e];
                const double x = at(g.x, q.area), y = at(g.y, q.area);
                ixx += w * y * y;
                iyy += w * x * x;
                ixy += w * x * y;
                shearXX += ws * y * y;
                shearYY += ws * x * x;
            }
        }
        v.momentX = ixx;
        v.momentY = iyy;
        v.productMoment = ixy;

        int nodes = 0;
        std::vector<std::array<int, 3>> edges;
        const std::vector<ElementNodes> elements = numberNodes(mesh, nodes, edges);
        v.parts = edgeConnectedParts(edges, nodes - static_cast<int>(mesh.points().size()));

        // One fixed node per part joined by vertices: it removes the free constant of the part's
        // Neumann problem.
        UnionFind parts(mesh.points().size());
        for (const auto& t : triangles) {
            parts.join(t.corners[0], t.corners[1]);
            parts.join(t.corners[1], t.corners[2]);
        }
        std::vector<int> partIndex(mesh.points().size(), -1);
        std::vector<bool> fixed(nodes, false);
        int partCount = 0;
        for (const auto& t : triangles) {
            const int root = parts.find(t.corners[0]);
            if (partIndex[root] < 0) {
                partIndex[root] = partCount++;
                fixed[t.corners[0]] = true;  // the part's fixed node
            }
        }
        if (cancelled && cancelled()) return std::nullopt;
        const StiffnessPattern pattern(elements, nodePlaces(mesh, elements, nodes), fixed,
                                       cancelled);
        if (pattern.cancelled() || (cancelled && cancelled())) return std::nullopt;
        const int unknowns = pattern.unknowns();
        std::vector<int> elementPart(triangles.size());
        for (std::size_t e = 0; e < triangles.size(); ++e)
            elementPart[e] = partIndex[parts.find(triangles[e].corners[0])];

        // Stiffness (upper triangle, in the pattern's numbering) and the three load vectors.
        Matrix stiffness = pattern.emptyMatrix();
        double* const values = stiffness.valuePtr();
        Eigen::MatrixXd loads = Eigen::MatrixXd::Zero(nodes, 3);  // ω, Ψ, Φ
        double centreIntegralX = 0, centreIntegralY = 0;
        for (std::size_t e = 0; e < triangles.size(); ++e) {
            if (e % 65536 == 65535 && cancelled && cancelled()) return std::nullopt;
            const ElementGeometry g = geometry(mesh, triangles[e], cx, cy);
            const double shear = shearWeight[e];
            const double elementNu = poisson[e], loadFactor = moduli.loadFactor[e];
            const double share = poissonShare(e);
            std::array<std::array<double, 6>, 6> k{};
            for (const auto& q : kRule) {
                const ShapeValues s = shape(g, q.area);
                const double w = q.weight * g.area * shear;
                const double x = at(g.x, q.area), y = at(g.y, q.area);
                const double r = x * x - y * y, qq = 2 * x * y;
                const double d1 = ixx * r - ixy * qq, d2 = ixy * r + ixx * qq;
                const double h1 = -ixy * r + iyy * qq, h2 = -iyy * r - ixy * qq;
                for (int i = 0; i < 6; ++i) {
                    for (int j = 0; j <= i; ++j)
                        k[i][j] += w * (s.dx[i] * s.dx[j] + s.dy[i] * s.dy[j]);
                    const int node = elements[e][i];
                    loads(node, 0) += w * (y * s.dx[i] - x * s.dy[i]);
                    loads(node, 1) += w * (elementNu / 2 * (s.dx[i] * d1 + s.dy[i] * d2) +
                                           2 * loadFactor * s.value[i] * (ixx * x - ixy * y));
                    loads(node, 2) += w * (elementNu / 2 * (s.dx[i] * h1 + s.dy[i] * h2) +
                                           2 * loadFactor * s.value[i] * (iyy * y - ixy * x));
                }
                centreIntegralX += w * share * (iyy * x + ixy * y) * (x * x + y * y);
                centreIntegralY += w * share * (ixx * y + ixy * x) * (x * x + y * y);
            }
            for (int i = 0; i < 6; ++i)
                for (int j = 0; j <= i; ++j) {
                    const int entry = pattern.entry(e, i, j);
                    if (entry >= 0) values[entry] += k[i][j];
                }
        }
        if (cancelled && cancelled()) return std::nullopt;

        PreorderedLDLT factor;
        if (!factor.factorizePreordered(stiffness, cancelled)) return std::nullopt;
        if (cancelled && cancelled()) return std::nullopt;

        Eigen::MatrixXd freeLoads(unknowns, 3);
        for (int node = 0; node < nodes; ++node)
            if (pattern.unknownOf(node) >= 0)
                freeLoads.row(pattern.unknownOf(node)) = loads.row(node);
        const Eigen::MatrixXd freeSolution = factor.solve(freeLoads);
        if (factor.info() != Eigen::Success || !freeSolution.allFinite()) return std::nullopt;
        Eigen::MatrixXd solution = Eigen::MatrixXd::Zero(nodes, 3);
        for (int node = 0; node < nodes; ++node)
            if (pattern.unknownOf(node) >= 0)
                solution.row(node) = freeSolution.row(pattern.unknownOf(node));
        const auto omega = solution.col(0), psi = solution.col(1), phi = solution.col(2);

        // J = Ix + Iy − ∫(x ∂ω/∂y − y ∂ω/∂x) dA, the integral being −ωᵀ·(load of ω).
        v.torsionConstant = shearXX + shearYY - loads.col(0).dot(omega);

        // Shear centre from the shear functions (elasticity).
        const double determinant = ixx * iyy - ixy * ixy;
        const double shearDelta = 2 * (1 + nu) * determinant;
        const double centreX =
            (poissonScale / 2 * centreIntegralX - loads.col(2).dot(omega)) / shearDelta;
        const double centreY =
            (poissonScale / 2 * centreIntegralY + loads.col(1).dot(omega)) / shearDelta;
        v.shearCentreX = cx + centreX;
        v.shearCentreY = cy + centreY;

        // Warping normalised per part, its moments (Trefftz centre), and the shear energies.
        // The mean warping of each part: of the six shape functions only the midside ones have an
        // integral, a third of the element's area each.
        std::vector<double> partArea(partCount), partOmega(partCount);
        for (std::size_t e = 0; e < triangles.size(); ++e) {
            const ElementGeometry g = geometry(mesh, triangles[e], cx, cy);
            const double w = g.area * elasticWeight[e];
            partArea[elementPart[e]] += w;
            partOmega[elementPart[e]] +=
                w / 3 * (omega[elements[e][3]] + omega[elements[e][4]] + omega[elements[e][5]]);
        }
        double omegaX = 0, omegaY = 0, kappaX = 0, kappaY = 0, kappaXY = 0;
        std::vector<double> sectorial(partCount), sectorialSquare(partCount);
        for (std::size_t e = 0; e < triangles.size(); ++e) {
            const ElementGeometry g = geometry(mesh, triangles[e], cx, cy);
            const double mean = partOmega[elementPart[e]] / partArea[elementPart[e]];
            const double elementNu = poisson[e];
            for (const auto& q : kRule) {
                const ShapeValues s = shape(g, q.area);
                const double w = q.weight * g.area * elasticWeight[e];
                const double ws = q.weight * g.area * shearWeight[e];
                const double x = at(g.x, q.area), y = at(g.y, q.area);
                double value = -mean, psiX = 0, psiY = 0, phiX = 0, phiY = 0;
                for (int i = 0; i < 6; ++i) {
                    const int node = elements[e][i];
                    value += s.value[i] * omega[node];
                    psiX += s.dx[i] * psi[node];
                    psiY += s.dy[i] * psi[node];
                    phiX += s.dx[i] * phi[node];
                    phiY += s.dy[i] * phi[node];
                }
                omegaX += w * value * x;
                omegaY += w * value * y;
                const double about = value - centreY * x + centreX * y;  // about the shear centre
                sectorial[elementPart[e]] += w * about;
                sectorialSquare[elementPart[e]] += w * about * about;
                const double r = x * x - y * y, qq = 2 * x * y;
                const double d1 = elementNu / 2 * (ixx * r - ixy * qq),
                             d2 = elementNu / 2 * (ixy * r + ixx * qq);
                const double h1 = elementNu / 2 * (-ixy * r + iyy * qq),
                             h2 = elementNu / 2 * (-iyy * r - ixy * qq);
                kappaX += ws * ((psiX - d1) * (psiX - d1) + (psiY - d2) * (psiY - d2));
                kappaY += ws * ((phiX - h1) * (phiX - h1) + (phiY - h2) * (phiY - h2));
                kappaXY += ws * ((psiX - d1) * (phiX - h1) + (psiY - d2) * (phiY - h2));
            }
        }
        v.trefftzCentreX = cx + (ixy * omegaX - iyy * omegaY) / determinant;
        v.trefftzCentreY = cy + (ixx * omegaX - ixy * omegaY) / determinant;
        double warping = 0;
        for (int p = 0; p < partCount; ++p)
            warping += sectorialSquare[p] - sectorial[p] * sectorial[p] / partArea[p];
        v.warpingConstant = std::max(0.0, warping);

        // Shear areas A/α with α = κ·A/Δs², along x and y and along the principal axes.
        const double scale = area / (shearDelta * shearDelta);
        const double alphaX = kappaX * scale, alphaY = kappaY * scale, alphaXY = kappaXY * scale;
        v.shearAreaX = area / alphaX;
        v.shearAreaY = area / alphaY;
        const double angle = 0.5 * std::atan2(-2 * ixy, ixx - iyy);  // of the major axis u
        const double c = std::cos(angle), s = std::sin(angle);
        v.shearAreaMajor = area / (c * c * alphaX + 2 * c * s * alphaXY + s * s * alphaY);
        v.shearAreaMinor = area / (s * s * alphaX - 2 * c * s * alphaXY + c * c * alphaY);

        if (field) {
            field->mesh = mesh;
            field->elements = elements;
            field->warping.assign(omega.begin(), omega.end());
            for (std::size_t e = 0; e < triangles.size(); ++e) {
                const double mean = partOmega[elementPart[e]] / partArea[elementPart[e]];
                for (const int node : elements[e])
                    field->warping[static_cast<std::size_t>(node)] = omega[node] - mean;
            }
            field->shearX.assign(psi.begin(), psi.end());
            field->shearY.assign(phi.begin(), phi.end());
            field->moduli = moduli;
        }
        return v;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::optional<double> TorsionSolver::lowerBound(const SectionMesh& mesh,
                                                const std::function<bool()>& cancelled,
                                                const ElementModuli* moduli) {
    try {
        const auto& triangles = mesh.triangles();
        if (triangles.empty()) return std::nullopt;
        if (moduli && moduli->shear.size() != triangles.size()) return std::nullopt;
        for (const auto& t : triangles)
            if (t.coverage != 1) return std::nullopt;
        int nodes = 0;
        std::vector<std::array<int, 3>> edges;
        std::vector<ElementNodes> elements = numberNodes(mesh, nodes, edges);
        const std::vector<Point> places = nodePlaces(mesh, elements, nodes);
        const int vertexCount = static_cast<int>(mesh.points().size());

        // The outline edges (of one triangle only), joined into outlines at their vertices.
        std::vector<int> uses(static_cast<std::size_t>(nodes - vertexCount), 0);
        for (const auto& triangleEdges : edges)
            for (const int edge : triangleEdges) ++uses[static_cast<std::size_t>(edge)];
        UnionFind outlines(mesh.points().size());
        std::vector<bool> onOutline(mesh.points().size(), false);
        for (std::size_t t = 0; t < triangles.size(); ++t)
            for (int i = 0; i < 3; ++i)
                if (uses[static_cast<std::size_t>(edges[t][i])] == 1) {
                    const int a = triangles[t].corners[i], b = triangles[t].corners[(i + 1) % 3];
                    outlines.join(a, b);
                    onOutline[a] = onOutline[b] = true;
                }
        // The area each outline encloses, walked with the material on its left: positive for the
        // outside of a part, negative around a hole.
        const Point origin = mesh.points().front();
        std::vector<double> enclosed(mesh.points().size(), 0.0);
        for (std::size_t t = 0; t < triangles.size(); ++t)
            for (int i = 0; i < 3; ++i)
                if (uses[static_cast<std::size_t>(edges[t][i])] == 1) {
                    const Point a = mesh.points()[triangles[t].corners[i]];
                    const Point b = mesh.points()[triangles[t].corners[(i + 1) % 3]];
                    enclosed[outlines.find(triangles[t].corners[i])] +=
                        ((a.x - origin.x) * (b.y - origin.y) -
                         (b.x - origin.x) * (a.y - origin.y)) /
                        2;
                }

        // φ = 0 on the outside of every part; all nodes of a hole's outline share the unknown of
        // the outline's first vertex, loaded by twice the hole's area.
        std::vector<int> nodeOf(static_cast<std::size_t>(nodes));
        std::iota(nodeOf.begin(), nodeOf.end(), 0);
        std::vector<bool> fixed(static_cast<std::size_t>(nodes), false);
        std::vector<double> holeLoad(static_cast<std::size_t>(nodes), 0.0);
        auto place = [&](int node, int vertex) {
            const int root = outlines.find(vertex);
            if (enclosed[root] > 0) {
                fixed[node] = true;
            } else {
                nodeOf[node] = root;
                holeLoad[root] = -2 * enclosed[root];
            }
        };
        for (std::size_t t = 0; t < triangles.size(); ++t)
            for (int i = 0; i < 3; ++i) {
                const int a = triangles[t].corners[i];
                if (onOutline[a]) place(a, a);
                if (uses[static_cast<std::size_t>(edges[t][i])] == 1) place(elements[t][3 + i], a);
            }
        std::vector<bool> used(static_cast<std::size_t>(nodes), false);
        for (ElementNodes& element : elements)
            for (int& node : element) {
                node = nodeOf[node];
                used[node] = true;
            }
        for (int node = 0; node < nodes; ++node)
            if (!used[node] || fixed[node]) fixed[node] = true;
        if (cancelled && cancelled()) return std::nullopt;
        const StiffnessPattern pattern(elements, places, fixed, cancelled);
        if (pattern.cancelled() || pattern.unknowns() == 0) return std::nullopt;

        Eigen::SparseMatrix<double> stiffness = pattern.emptyMatrix();
        double* const values = stiffness.valuePtr();
        Eigen::VectorXd load = Eigen::VectorXd::Zero(pattern.unknowns());
        for (int node = 0; node < nodes; ++node)
            if (holeLoad[node] != 0 && pattern.unknownOf(node) >= 0)
                load[pattern.unknownOf(node)] += holeLoad[node];
        for (std::size_t e = 0; e < triangles.size(); ++e) {
            if (e % 65536 == 65535 && cancelled && cancelled()) return std::nullopt;
            const ElementGeometry g = geometry(mesh, triangles[e], origin.x, origin.y);
            // The stress function's stiffness is the compliance 1 / G.
            const double compliance = moduli ? 1 / moduli->shear[e] : 1.0;
            std::array<std::array<double, 6>, 6> k{};
            for (const auto& q : kRule) {
                const ShapeValues s = shape(g, q.area);
                const double w = q.weight * g.area * compliance;
                for (int i = 0; i < 6; ++i)
                    for (int j = 0; j <= i; ++j)
                        k[i][j] += w * (s.dx[i] * s.dx[j] + s.dy[i] * s.dy[j]);
            }
            for (int i = 0; i < 6; ++i) {
                const int row = pattern.unknownOf(elements[e][i]);
                if (row < 0) continue;
                // ∫2·N dA: nothing for the corner functions, a third of the area for the others.
                if (i >= 3) load[row] += 2 * g.area / 3;
                for (int j = 0; j <= i; ++j) {
                    const int column = pattern.unknownOf(elements[e][j]);
                    if (column < 0) continue;
                    // Two nodes of one hole share an unknown: their coupling enters its diagonal
                    // from both sides.
                    values[pattern.entry(e, i, j)] += (row == column && i != j ? 2 : 1) * k[i][j];
                }
            }
        }
        if (cancelled && cancelled()) return std::nullopt;
        PreorderedLDLT factor;
        if (!factor.factorizePreordered(stiffness, cancelled)) return std::nullopt;
        const Eigen::VectorXd stress = factor.solve(load);
        if (factor.info() != Eigen::Success || !stress.allFinite()) return std::nullopt;
        // J = 2∫φ dA + 2 Σ φ_k A_k: the load against the solution.
        return load.dot(stress);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::vector<double> TorsionSolver::refinementIndicator(const TorsionField& coarse,
                                                       const TorsionField& fine) {
    const auto& parents = coarse.mesh.triangles();
    std::vector<std::array<double, 3>> energy(parents.size());  // of ω, Ψ, Φ differences
    std::array<double, 3> total{};                              // of the fine ω, Ψ, Φ
    double polar = 0;
    // The children's corners in the area coordinates of their parent (see subdivided()).
    constexpr std::array<double, 3> kA{1, 0, 0}, kB{0, 1, 0}, kC{0, 0, 1};
    constexpr std::array<double, 3> kAB{0.5, 0.5, 0}, kBC{0, 0.5, 0.5}, kCA{0.5, 0, 0.5};
    constexpr std::array<std::array<std::array<double, 3>, 3>, 4> kChildren{{
        {kA, kAB, kCA},
        {kAB, kB, kBC},
        {kCA, kBC, kC},
        {kAB, kBC, kCA},
    }};
    const std::array<const std::vector<double>*, 3> coarseValues{&coarse.warping, &coarse.shearX,
                                                                 &coarse.shearY};
    const std::array<const std::vector<double>*, 3> fineValues{&fine.warping, &fine.shearX,
                                                               &fine.shearY};
    for (std::size_t f = 0; f < parents.size(); ++f) {
        const ElementGeometry parent = geometry(coarse.mesh, parents[f], 0, 0);
        for (int child = 0; child < 4; ++child) {
            const std::size_t c = 4 * f + static_cast<std::size_t>(child);
            const ElementGeometry g = geometry(fine.mesh, fine.mesh.triangles()[c], 0, 0);
            // Weighed by the shear modulus, as J is (the coverage for one material).
            const double coverage = coarse.moduli.shear.size() == parents.size()
                                        ? coarse.moduli.shear[f]
                                        : parents[f].coverage;
            for (const auto& q : kRule) {
                std::array<double, 3> inParent{};
                for (int k = 0; k < 3; ++k)
                    for (int corner = 0; corner < 3; ++corner)
                        inParent[k] += q.area[corner] * kChildren[child][corner][k];
                const ShapeValues sc = shape(parent, inParent), sf = shape(g, q.area);
                const double w = q.weight * g.area * coverage;
                const double x = at(g.x, q.area), y = at(g.y, q.area);
                polar += w * (x * x + y * y);
                for (int field = 0; field < 3; ++field) {
                    double dx = 0, dy = 0, fx = 0, fy = 0;
                    for (int i = 0; i < 6; ++i) {
                        const double vc = (*coarseValues[field])[coarse.elements[f][i]];
                        const double vf = (*fineValues[field])[fine.elements[c][i]];
                        dx += sf.dx[i] * vf - sc.dx[i] * vc;
                        dy += sf.dy[i] * vf - sc.dy[i] * vc;
                        fx += sf.dx[i] * vf;
                        fy += sf.dy[i] * vf;
                    }
                    energy[f][field] += w * (dx * dx + dy * dy);
                    total[field] += w * (fx * fx + fy * fy);
                }
            }
        }
    }
    // J = Ip − ∫|∇ω|²: ω's energy is measured against J, the others against their own.
    const double torsion = std::max(polar - total[0], 1e-12 * polar);
    std::vector<double> indicator(parents.size());
    for (std::size_t f = 0; f < parents.size(); ++f) {
        indicator[f] = energy[f][0] / torsion;
        for (int field = 1; field < 3; ++field)
            if (total[field] > 0) indicator[f] += energy[f][field] / total[field];
    }
    return indicator;
}

}  // namespace kuvanto
