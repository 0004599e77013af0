// Affine maps and the construction of arc edges for the drawing model.
#include "core/drawing/CadDrawing.h"

#include <numbers>

namespace kuvanto {

Affine Affine::then(const Affine& o) const {
    return {o.xx * xx + o.xy * yx, o.xx * xy + o.xy * yy,        o.yx * xx + o.yy * yx,
            o.yx * xy + o.yy * yy, o.xx * dx + o.xy * dy + o.dx, o.yx * dx + o.yy * dy + o.dy};
}

Affine Affine::rotation(double radians) {
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    return {c, -s, s, c, 0, 0};
}

void EllipticArc::transform(const Affine& a) {
    center = a.map(center);
    u = a.mapVector(u);
    v = a.mapVector(v);
}

void CadShape::transform(const Affine& a) {
    for (CadEdge& edge : edges) {
        edge.start = a.map(edge.start);
        edge.end = a.map(edge.end);
        if (edge.curved) edge.arc.transform(a);
        if (edge.spline) {
            // Affine maps move a B-spline's control points and keep its weights.
            auto moved = std::make_shared<CadSpline>(*edge.spline);
            moved->transform(a);
            edge.spline = std::move(moved);
        }
    }
}

void CadSpline::transform(const Affine& a) {
    for (Point& p : control) p = a.map(p);
}

Point CadSpline::at(std::size_t span, double t) const {
    // De Boor's rule in homogeneous coordinates.
    const auto p = static_cast<std::size_t>(degree);
    struct Weighted {
        double x, y, w;
    };
    std::vector<Weighted> d(p + 1);
    for (std::size_t j = 0; j <= p; ++j) {
        const std::size_t i = span - p + j;
        const double w = i < weights.size() ? weights[i] : 1;
        d[j] = {control[i].x * w, control[i].y * w, w};
    }
    for (std::size_t r = 1; r <= p; ++r)
        for (std::size_t j = p; j >= r; --j) {
            const std::size_t i = span - p + j;
            const double left = knots[i], right = knots[i + p + 1 - r];
            const double a = right > left ? (t - left) / (right - left) : 0;
            const Weighted from = d[j - 1];
            Weighted& to = d[j];
            to = {(1 - a) * from.x + a * to.x, (1 - a) * from.y + a * to.y,
                  (1 - a) * from.w + a * to.w};
        }
    const Weighted& r = d[p];
    return r.w != 0 ? Point{r.x / r.w, r.y / r.w} : Point{r.x, r.y};
}

CadLayer& CadDrawing::layer(std::string_view name) {
    for (CadLayer& l : layers)
        if (l.name == name) return l;
    CadLayer added;
    added.name = std::string(name);
    layers.push_back(std::move(added));
    return layers.back();
}

std::size_t CadDrawing::ignored() const {
    std::size_t count = 0;
    for (const CadLayer& l : layers) count += l.ignored;
    return count;
}

CadEdge bulgeEdge(Point a, Point b, double bulge) {
    CadEdge edge{a, b, false, {}};
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double chord = std::hypot(dx, dy);
    if (!(std::abs(bulge) > 1e-12) || !(chord > 0) || !std::isfinite(bulge)) return edge;
    // The centre lies on the chord's perpendicular, (1 - b²) / (4 b) chords to its left.
    const double offset = (1 - bulge * bulge) / (4 * bulge);
    const Point center{(a.x + b.x) / 2 - dy * offset, (a.y + b.y) / 2 + dx * offset};
    const double radius = std::hypot(a.x - center.x, a.y - center.y);
    const double start = std::atan2(a.y - center.y, a.x - center.x);
    const double sweep = 4 * std::atan(bulge);
    edge.curved = true;
    edge.arc = EllipticArc{center, {radius, 0}, {0, radius}, start, start + sweep};
    return edge;
}

}  // namespace kuvanto
