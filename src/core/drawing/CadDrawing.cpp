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
    }
}

CadLayer& CadDrawing::layer(std::string_view name) {
    for (CadLayer& l : layers)
        if (l.name == name) return l;
    layers.push_back(CadLayer{std::string(name), {}, 0});
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
