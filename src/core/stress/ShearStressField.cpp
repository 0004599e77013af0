// The recovery of the shear stresses at the nodes. Within a 6-node element the gradient of a
// nodal function is linear; it is sampled at the three interior points of the degree-two rule,
// where it is most accurate, and over the patch of elements around each vertex a polynomial is
// fitted to the samples by least squares: quadratic where the patch has samples enough to fix
// one well, linear on small patches (corners and edges of the outline), the patch's mean where
// even that fails. Every node of the patch's elements takes the fit's value, and each node keeps
// the mean over the patches it belongs to, so nodes on the outline are fixed by the interior
// patches next to them as well as by their own.
#include "core/stress/ShearStressField.h"

#include <algorithm>
#include <cmath>

namespace kuvanto {

namespace {

// The interior sampling points of the degree-two rule, in area coordinates.
constexpr std::array<std::array<double, 3>, 3> kSamples{{
    {2.0 / 3, 1.0 / 6, 1.0 / 6},
    {1.0 / 6, 2.0 / 3, 1.0 / 6},
    {1.0 / 6, 1.0 / 6, 2.0 / 3},
}};
constexpr int kQuadraticTerms = 6;
constexpr int kLinearTerms = 3;
// A quadratic fit needs clearly more samples than terms to be trusted near the outline.
constexpr std::size_t kQuadraticSamples = 12;

struct Sample {
    Point at;
    std::array<double, 6> gradient{};  // ∂/∂x, ∂/∂y of each function (three at most)
};

// The terms of the fitted polynomial at a point, in coordinates scaled to the patch.
std::array<double, kQuadraticTerms> terms(double x, double y) {
    return {1, x, y, x * x, x * y, y * y};
}

// Solves the normal equations m·c = b (m symmetric, n × n, b n × k) by Cholesky in place; false
// when a pivot is not clearly positive (the samples do not fix the polynomial).
bool solveNormal(std::array<std::array<double, kQuadraticTerms>, kQuadraticTerms>& m, int n,
                 std::array<std::array<double, kQuadraticTerms>, 6>& b) {
    for (int j = 0; j < n; ++j) {
        const double original = m[j][j];
        double d = m[j][j];
        for (int k = 0; k < j; ++k) d -= m[j][k] * m[j][k];
        if (!(d > 1e-10 * original) || !(original > 0)) return false;
        m[j][j] = std::sqrt(d);
        for (int i = j + 1; i < n; ++i) {
            double s = m[i][j];
            for (int k = 0; k < j; ++k) s -= m[i][k] * m[j][k];
            m[i][j] = s / m[j][j];
        }
    }
    for (auto& column : b) {
        for (int i = 0; i < n; ++i) {
            double s = column[i];
            for (int k = 0; k < i; ++k) s -= m[i][k] * column[k];
            column[i] = s / m[i][i];
        }
        for (int i = n - 1; i >= 0; --i) {
            double s = column[i];
            for (int k = i + 1; k < n; ++k) s -= m[k][i] * column[k];
            column[i] = s / m[i][i];
        }
    }
    return true;
}

std::vector<Point> nodePoints(const TorsionField& field, std::size_t nodeCount) {
    std::vector<Point> nodes(nodeCount);
    const auto& points = field.mesh.points();
    for (const auto& element : field.elements)
        for (int i = 0; i < 3; ++i) {
            const Point a = points[static_cast<std::size_t>(element[i])];
            const Point b = points[static_cast<std::size_t>(element[(i + 1) % 3])];
            nodes[static_cast<std::size_t>(element[i])] = a;
            nodes[static_cast<std::size_t>(element[3 + i])] = {(a.x + b.x) / 2, (a.y + b.y) / 2};
        }
    return nodes;
}

std::size_t nodeCountOf(const TorsionField& field) {
    int largest = -1;
    for (const auto& element : field.elements)
        for (const int node : element) largest = std::max(largest, node);
    return static_cast<std::size_t>(largest + 1);
}

// The recovered gradients of up to three nodal functions at once: per node, ∂/∂x and ∂/∂y of
// each function in turn.
std::vector<std::array<double, 6>> recover(const TorsionField& field,
                                           const std::vector<const std::vector<double>*>& functions,
                                           const std::vector<Point>& nodes) {
    // Always three functions (the last repeated when fewer are given): a fixed width lets the
    // compiler unroll the loops over them.
    constexpr std::size_t width = 6;
    std::array<const std::vector<double>*, 3> three{};
    for (std::size_t f = 0; f < 3; ++f) three[f] = functions[std::min(f, functions.size() - 1)];
    const auto& points = field.mesh.points();
    const std::size_t elementCount = field.elements.size();

    // The gradient samples of every element.
    std::vector<Sample> samples(3 * elementCount);
    for (std::size_t e = 0; e < elementCount; ++e) {
        const auto& element = field.elements[e];
        std::array<Point, 3> corner;
        for (int i = 0; i < 3; ++i) corner[i] = points[static_cast<std::size_t>(element[i])];
        const double twice = (corner[1].x - corner[0].x) * (corner[2].y - corner[0].y) -
                             (corner[2].x - corner[0].x) * (corner[1].y - corner[0].y);
        std::array<double, 3> gx{}, gy{};
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3, k = (i + 2) % 3;
            gx[i] = (corner[j].y - corner[k].y) / twice;
            gy[i] = (corner[k].x - corner[j].x) / twice;
        }
        for (std::size_t s = 0; s < 3; ++s) {
            const auto& l = kSamples[s];
            Sample& sample = samples[3 * e + s];
            sample.at = {l[0] * corner[0].x + l[1] * corner[1].x + l[2] * corner[2].x,
                         l[0] * corner[0].y + l[1] * corner[1].y + l[2] * corner[2].y};
            std::array<double, 6> dx{}, dy{};
            for (int i = 0; i < 3; ++i) {
                const int j = (i + 1) % 3;
                dx[i] = (4 * l[i] - 1) * gx[i];
                dy[i] = (4 * l[i] - 1) * gy[i];
                dx[3 + i] = 4 * (l[j] * gx[i] + l[i] * gx[j]);
                dy[3 + i] = 4 * (l[j] * gy[i] + l[i] * gy[j]);
            }
            for (std::size_t f = 0; f < 3; ++f)
                for (int i = 0; i < 6; ++i) {
                    const double value = (*three[f])[static_cast<std::size_t>(element[i])];
                    sample.gradient[2 * f] += dx[i] * value;
                    sample.gradient[2 * f + 1] += dy[i] * value;
                }
        }
    }

    // The elements around each vertex.
    std::vector<int> start(points.size() + 1, 0);
    for (const auto& element : field.elements)
        for (int i = 0; i < 3; ++i) ++start[static_cast<std::size_t>(element[i]) + 1];
    for (std::size_t v = 0; v < points.size(); ++v) start[v + 1] += start[v];
    std::vector<int> around(static_cast<std::size_t>(start.back()));
    {
        std::vector<int> next(start.begin(), start.end() - 1);
        for (std::size_t e = 0; e < elementCount; ++e)
            for (int i = 0; i < 3; ++i)
                around[static_cast<std::size_t>(next[field.elements[e][i]]++)] =
                    static_cast<int>(e);
    }

    std::vector<std::array<double, 6>> sum(nodes.size());
    std::vector<int> count(nodes.size(), 0);
    std::vector<std::size_t> stamp(nodes.size(), points.size());  // the patch that last took a node
    std::array<std::array<double, kQuadraticTerms>, 6> rhs{};
    for (std::size_t v = 0; v < points.size(); ++v) {
        const int first = start[v], last = start[v + 1];
        if (first == last) continue;
        const Point centre = points[v];
        double farthest = 0;
        for (int a = first; a < last; ++a)
            for (std::size_t s = 0; s < 3; ++s) {
                const Point p = samples[3 * static_cast<std::size_t>(around[a]) + s].at;
                const double dx = p.x - centre.x, dy = p.y - centre.y;
                farthest = std::max(farthest, dx * dx + dy * dy);
            }
        const double size = std::sqrt(farthest);
        if (!(size > 0) || !std::isfinite(size)) continue;
        const std::size_t sampleCount = 3 * static_cast<std::size_t>(last - first);

        // The fit: quadratic, else linear, else the patch's mean (a constant).
        int n = sampleCount >= kQuadraticSamples ? kQuadraticTerms : kLinearTerms;
        bool fitted = false;
        while (!fitted && n > 0) {
            std::array<std::array<double, kQuadraticTerms>, kQuadraticTerms> m{};
            for (auto& column : rhs) column.fill(0);
            for (int a = first; a < last; ++a)
                for (std::size_t s = 0; s < 3; ++s) {
                    const Sample& sample = samples[3 * static_cast<std::size_t>(around[a]) + s];
                    const auto t =
                        terms((sample.at.x - centre.x) / size, (sample.at.y - centre.y) / size);
                    for (int i = 0; i < n; ++i) {
                        for (int j = 0; j <= i; ++j) m[i][j] += t[i] * t[j];
                        for (std::size_t c = 0; c < width; ++c)
                            rhs[c][i] += t[i] * sample.gradient[c];
                    }
                }
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < i; ++j) m[j][i] = m[i][j];
            fitted = solveNormal(m, n, rhs);
            if (!fitted) n = n == kQuadraticTerms ? kLinearTerms : (n == kLinearTerms ? 1 : 0);
        }
        if (!fitted) continue;

        // Each node of the patch once.
        for (int a = first; a < last; ++a)
            for (const int node : field.elements[static_cast<std::size_t>(around[a])]) {
                if (stamp[static_cast<std::size_t>(node)] == v) continue;
                stamp[static_cast<std::size_t>(node)] = v;
                const Point p = nodes[static_cast<std::size_t>(node)];
                const auto t = terms((p.x - centre.x) / size, (p.y - centre.y) / size);
                std::array<double, 6>& total = sum[static_cast<std::size_t>(node)];
                for (std::size_t c = 0; c < width; ++c) {
                    double value = 0;
                    for (int i = 0; i < n; ++i) value += rhs[c][i] * t[i];
                    total[c] += value;
                }
                ++count[static_cast<std::size_t>(node)];
            }
    }
    for (std::size_t node = 0; node < nodes.size(); ++node)
        if (count[node] > 0)
            for (double& value : sum[node]) value /= count[node];
    return sum;
}

}  // namespace

std::vector<std::array<double, 2>> ShearStressField::recoveredGradient(
    const TorsionField& field, const std::vector<double>& values) {
    const std::size_t nodeCount = nodeCountOf(field);
    if (values.size() < nodeCount) return {};
    const std::vector<Point> nodes = nodePoints(field, nodeCount);
    const std::vector<std::array<double, 6>> gradient = recover(field, {&values}, nodes);
    std::vector<std::array<double, 2>> result(nodeCount);
    for (std::size_t node = 0; node < nodeCount; ++node)
        result[node] = {gradient[node][0], gradient[node][1]};
    return result;
}

std::shared_ptr<const ShearStressField> ShearStressField::unavailable(Status status) {
    auto made = std::make_shared<ShearStressField>();
    made->status_ = status == Status::Ok ? Status::Failed : status;
    return made;
}

std::shared_ptr<const ShearStressField> ShearStressField::of(const TorsionResult& result) {
    auto made = std::make_shared<ShearStressField>();
    ShearStressField& shear = *made;
    if (!result.field || result.field->elements.empty()) return made;
    const TorsionField& field = *result.field;
    const TorsionValues& v = result.values;
    if (v.parts > 1) {
        shear.status_ = Status::SeparateParts;
        return made;
    }
    const std::size_t nodeCount = nodeCountOf(field);
    if (field.warping.size() < nodeCount || field.shearX.size() < nodeCount ||
        field.shearY.size() < nodeCount) {
        shear.status_ = Status::Failed;
        return made;
    }

    shear.nodes_ = nodePoints(field, nodeCount);
    shear.triangles_.reserve(4 * field.elements.size());
    for (const auto& e : field.elements) {
        shear.triangles_.push_back({e[0], e[3], e[5]});
        shear.triangles_.push_back({e[3], e[1], e[4]});
        shear.triangles_.push_back({e[5], e[4], e[2]});
        shear.triangles_.push_back({e[3], e[4], e[5]});
    }
    const std::vector<std::array<double, 6>> gradient =
        recover(field, {&field.warping, &field.shearX, &field.shearY}, shear.nodes_);

    // τ = (T/J)·(∂ω/∂x − y, ∂ω/∂y + x) for the torque, and for the shear forces the gradients of
    // Ψ and Φ less the boundary data of their problems, over Δ = 2(1 + ν)(Ix·Iy − Ixy²); x and y
    // are measured from the centroid, as the functions are.
    const double nu = result.poissonRatio;
    const double ixx = v.momentX, iyy = v.momentY, ixy = v.productMoment;
    const double delta = 2 * (1 + nu) * (ixx * iyy - ixy * ixy);
    const double j = v.torsionConstant;
    if (!(delta > 0) || !(j > 0) || !std::isfinite(delta) || !std::isfinite(j)) {
        shear.status_ = Status::Failed;
        shear.nodes_.clear();
        shear.triangles_.clear();
        return made;
    }
    shear.unit_.resize(nodeCount);
    for (std::size_t node = 0; node < nodeCount; ++node) {
        const double x = shear.nodes_[node].x - v.centroidX, y = shear.nodes_[node].y - v.centroidY;
        const std::array<double, 6>& g = gradient[node];
        const double r = x * x - y * y, q = 2 * x * y;
        const double d1 = nu / 2 * (ixx * r - ixy * q), d2 = nu / 2 * (ixy * r + ixx * q);
        const double h1 = nu / 2 * (-ixy * r + iyy * q), h2 = nu / 2 * (-iyy * r - ixy * q);
        UnitStresses& u = shear.unit_[node];
        u.torque = {(g[0] - y) / j, (g[1] + x) / j};
        u.shearX = {(g[2] - d1) / delta, (g[3] - d2) / delta};
        u.shearY = {(g[4] - h1) / delta, (g[5] - h2) / delta};
        for (const double value :
             {u.torque[0], u.torque[1], u.shearX[0], u.shearX[1], u.shearY[0], u.shearY[1]})
            if (!std::isfinite(value)) {
                shear.status_ = Status::Failed;
                shear.nodes_.clear();
                shear.triangles_.clear();
                shear.unit_.clear();
                return made;
            }
    }
    shear.status_ = Status::Ok;
    return made;
}

}  // namespace kuvanto
