// Cutting the figures' edges where added and subtracted edges meet and keeping the pieces that
// bound material. A piece of an added edge stays when the point just beside it on its figure's
// inner side lies in no subtracted figure; a piece of a subtracted edge stays when the point just
// beside it on the outer side lies in an added figure and in no subtracted one. Testing beside
// the piece rather than on it settles edges that run along each other (a notch flush with the
// outline). The edges are kept in a uniform grid so that a section of 10^5 vertices with holes
// is cut without comparing every edge with every other.
#include "core/stress/SectionBoundary.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/section/Figures.h"

namespace kuvanto {

SectionOutline SectionOutline::of(const CoordTable& added, const CoordTable& subtracted) {
    SectionOutline outline;
    int counter = 0;
    buildFigures(added, TableKind::Added, counter, [&outline](const Figure& figure) {
        outline.added.emplace_back(figure.vertices.begin(), figure.vertices.end());
        return true;
    });
    buildFigures(subtracted, TableKind::Subtracted, counter, [&outline](const Figure& figure) {
        outline.subtracted.emplace_back(figure.vertices.begin(), figure.vertices.end());
        return true;
    });
    return outline;
}

namespace {

struct Edge {
    Point from;
    Point to;
    bool added = true;
    int figure = 0;       // index among the figures of its table
    double inside = 1.0;  // +1: the figure lies left of the edge (counter-clockwise), −1: right
};

double cross(Point a, Point b, Point c) {
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

// The edges of one table's figures; zero-length edges are left out.
void appendEdges(const std::vector<std::vector<Point>>& figures, bool added,
                 std::vector<Edge>& edges) {
    for (std::size_t f = 0; f < figures.size(); ++f) {
        const std::vector<Point>& v = figures[f];
        std::size_t n = v.size();
        if (n >= 2 && v.front() == v.back()) --n;
        if (n < 2) continue;
        double area = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const Point a = v[i], b = v[(i + 1) % n];
            area += a.x * b.y - b.x * a.y;
        }
        const double inside = area < 0 ? -1.0 : 1.0;
        for (std::size_t i = 0; i < n; ++i) {
            const Point a = v[i], b = v[(i + 1) % n];
            if (a == b) continue;
            edges.push_back({a, b, added, static_cast<int>(f), inside});
        }
    }
}

// The edges in a uniform grid of cells over the section's box; an edge is listed in every cell
// its box touches.
class EdgeGrid {
public:
    EdgeGrid(const std::vector<Edge>& edges, Point low, Point high)
        : edges_(edges), low_(low), stamps_(edges.size(), 0) {
        const double count = static_cast<double>(edges.size());
        side_ = static_cast<int>(std::clamp(std::ceil(std::sqrt(count)), 1.0, 1024.0));
        cellWidth_ = (high.x - low.x) / side_;
        cellHeight_ = (high.y - low.y) / side_;
        if (!(cellWidth_ > 0)) cellWidth_ = 1;
        if (!(cellHeight_ > 0)) cellHeight_ = 1;
        cells_.resize(static_cast<std::size_t>(side_) * static_cast<std::size_t>(side_));
        for (std::size_t i = 0; i < edges.size(); ++i) {
            const Edge& e = edges[i];
            const int x0 = column(std::min(e.from.x, e.to.x)),
                      x1 = column(std::max(e.from.x, e.to.x));
            const int y0 = row(std::min(e.from.y, e.to.y)), y1 = row(std::max(e.from.y, e.to.y));
            for (int y = y0; y <= y1; ++y)
                for (int x = x0; x <= x1; ++x) cells_[cell(x, y)].push_back(static_cast<int>(i));
        }
    }

    // Calls visit(edge index) once for every edge listed in the cells of the box.
    template <typename Visit>
    void forEachNear(Point low, Point high, Visit visit) {
        ++stamp_;
        const int x0 = column(low.x), x1 = column(high.x), y0 = row(low.y), y1 = row(high.y);
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                for (const int i : cells_[cell(x, y)]) {
                    if (stamps_[static_cast<std::size_t>(i)] == stamp_) continue;
                    stamps_[static_cast<std::size_t>(i)] = stamp_;
                    visit(i);
                }
    }

    // Whether p lies inside an added figure and inside a subtracted figure (by the parity of the
    // edges of each figure crossed by the ray from p towards +x).
    std::pair<bool, bool> inside(Point p) {
        touched_.clear();
        const Point end{low_.x + cellWidth_ * side_, p.y};
        forEachNear(p, end, [&](int i) {
            const Edge& e = edges_[static_cast<std::size_t>(i)];
            if ((e.from.y > p.y) == (e.to.y > p.y)) return;
            const double t = (p.y - e.from.y) / (e.to.y - e.from.y);
            const double x = e.from.x + t * (e.to.x - e.from.x);
            if (x <= p.x) return;
            const std::int64_t key = (static_cast<std::int64_t>(e.figure) << 1) | (e.added ? 1 : 0);
            touched_.push_back(key);
        });
        // A figure whose edges were crossed an odd number of times contains p.
        std::sort(touched_.begin(), touched_.end());
        bool inAdded = false, inSubtracted = false;
        for (std::size_t i = 0; i < touched_.size();) {
            std::size_t j = i;
            while (j < touched_.size() && touched_[j] == touched_[i]) ++j;
            if ((j - i) % 2 == 1) ((touched_[i] & 1) ? inAdded : inSubtracted) = true;
            i = j;
        }
        return {inAdded, inSubtracted};
    }

private:
    int column(double x) const {
        const double c = std::floor((x - low_.x) / cellWidth_);
        return static_cast<int>(std::clamp(c, 0.0, static_cast<double>(side_ - 1)));
    }
    int row(double y) const {
        const double r = std::floor((y - low_.y) / cellHeight_);
        return static_cast<int>(std::clamp(r, 0.0, static_cast<double>(side_ - 1)));
    }
    std::size_t cell(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(side_) +
               static_cast<std::size_t>(x);
    }

    const std::vector<Edge>& edges_;
    Point low_;
    int side_ = 1;
    double cellWidth_ = 1, cellHeight_ = 1;
    std::vector<std::vector<int>> cells_;
    std::vector<std::uint32_t> stamps_;
    std::uint32_t stamp_ = 0;
    std::vector<std::int64_t> touched_;
};

}  // namespace

std::vector<BoundarySegment> materialBoundary(const SectionOutline& outline) {
    std::vector<Edge> edges;
    appendEdges(outline.added, true, edges);
    appendEdges(outline.subtracted, false, edges);
    std::vector<BoundarySegment> boundary;
    if (edges.empty()) return boundary;

    Point low = edges.front().from, high = low;
    for (const Edge& e : edges)
        for (const Point p : {e.from, e.to}) {
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) return boundary;
            low = {std::min(low.x, p.x), std::min(low.y, p.y)};
            high = {std::max(high.x, p.x), std::max(high.y, p.y)};
        }
    const double size = std::max(high.x - low.x, high.y - low.y);
    if (!(size > 0) || !std::isfinite(size)) return boundary;

    // Without holes every edge bounds material.
    if (outline.subtracted.empty()) {
        boundary.reserve(edges.size());
        for (const Edge& e : edges) boundary.push_back({e.from, e.to});
        return boundary;
    }

    // Points closer than this to an edge are on it; the test point beside a piece is this far
    // from it.
    const double tolerance = 1e-10 * size;
    const double offset = 1e-8 * size;
    EdgeGrid grid(edges, low, high);
    std::vector<double> cuts;
    for (const Edge& e : edges) {
        const Point d{e.to.x - e.from.x, e.to.y - e.from.y};
        const double length = std::hypot(d.x, d.y);
        cuts.assign({0.0, 1.0});
        const Point boxLow{std::min(e.from.x, e.to.x) - tolerance,
                           std::min(e.from.y, e.to.y) - tolerance};
        const Point boxHigh{std::max(e.from.x, e.to.x) + tolerance,
                            std::max(e.from.y, e.to.y) + tolerance};
        grid.forEachNear(boxLow, boxHigh, [&](int i) {
            const Edge& other = edges[static_cast<std::size_t>(i)];
            if (other.added == e.added) return;
            // The other edge's ends that lie on this edge.
            for (const Point p : {other.from, other.to}) {
                if (std::abs(cross(e.from, e.to, p)) > tolerance * length) continue;
                const double t =
                    ((p.x - e.from.x) * d.x + (p.y - e.from.y) * d.y) / (length * length);
                if (t > 0 && t < 1) cuts.push_back(t);
            }
            // A proper crossing: the ends of each edge strictly on either side of the other.
            const double c1 = cross(e.from, e.to, other.from), c2 = cross(e.from, e.to, other.to);
            const double c3 = cross(other.from, other.to, e.from);
            const double c4 = cross(other.from, other.to, e.to);
            if (((c1 > 0 && c2 < 0) || (c1 < 0 && c2 > 0)) &&
                ((c3 > 0 && c4 < 0) || (c3 < 0 && c4 > 0))) {
                const double t = c3 / (c3 - c4);
                if (t > 0 && t < 1) cuts.push_back(t);
            }
        });
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());

        // The side to test: into an added figure's material, out of a subtracted figure.
        const double side = e.added ? e.inside : -e.inside;
        const Point normal{-d.y / length * side, d.x / length * side};
        for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
            const Point a{e.from.x + cuts[k] * d.x, e.from.y + cuts[k] * d.y};
            const Point b{e.from.x + cuts[k + 1] * d.x, e.from.y + cuts[k + 1] * d.y};
            if (a == b) continue;
            const Point beside{(a.x + b.x) / 2 + offset * normal.x,
                               (a.y + b.y) / 2 + offset * normal.y};
            const auto [inAdded, inSubtracted] = grid.inside(beside);
            const bool keep = e.added ? !inSubtracted : inAdded && !inSubtracted;
            if (keep) boundary.push_back({a, b});
        }
    }
    return boundary;
}

}  // namespace kuvanto
