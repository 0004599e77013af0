// Chord counts from the arc's largest radius (the larger singular value of its axes), which
// bounds the distance of a chord from an elliptic arc as it does for a circle.
#include "core/drawing/CurveFlattening.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kuvanto {

namespace {

double largestRadius(const EllipticArc& arc) {
    const double a = arc.u.x * arc.u.x + arc.u.y * arc.u.y;
    const double c = arc.v.x * arc.v.x + arc.v.y * arc.v.y;
    const double b = arc.u.x * arc.v.x + arc.u.y * arc.v.y;
    return std::sqrt((a + c + std::sqrt((a - c) * (a - c) + 4 * b * b)) / 2);
}

}  // namespace

std::size_t CurveFlattening::chordCount(const EllipticArc& arc, const ChordRule& rule,
                                        std::size_t limit) {
    const double sweep = std::abs(arc.end - arc.start);
    double step = 0;
    if (rule.chordError > 0) {
        const double radius = largestRadius(arc);
        step = rule.chordError >= radius ? 2 * std::numbers::pi / 3
                                         : 2 * std::acos(1 - rule.chordError / radius);
    } else {
        step = std::numbers::pi / 2 / std::max(1, rule.chordsPerQuarter);
    }
    if (!(step > 0) || !std::isfinite(sweep)) return limit;
    const double count = std::ceil(sweep / step - 1e-9);
    if (!(count < static_cast<double>(limit))) return limit;
    return std::max<std::size_t>(1, static_cast<std::size_t>(count));
}

namespace {

// Halves the parameter interval until the curve's middle lies within the tolerance of the chord
// (at least twice, so that an S-shaped piece is not taken for straight).
bool subdivide(const CadSpline& s, std::size_t span, double t0, double t1, Point a, Point b,
               double tolerance, int depth, std::vector<Point>& out, std::size_t& budget) {
    const double tm = (t0 + t1) / 2;
    const Point m = s.at(span, tm);
    const double deviation = std::abs((b.x - a.x) * (m.y - a.y) - (b.y - a.y) * (m.x - a.x)) /
                             std::max(std::hypot(b.x - a.x, b.y - a.y), 1e-300);
    if (depth < 24 && (depth < 2 || deviation > tolerance))
        return subdivide(s, span, t0, tm, a, m, tolerance, depth + 1, out, budget) &&
               subdivide(s, span, tm, t1, m, b, tolerance, depth + 1, out, budget);
    if (budget == 0) return false;
    --budget;
    out.push_back(b);
    return true;
}

bool appendSpline(const CadEdge& edge, const ChordRule& rule, std::vector<Point>& out,
                  std::size_t& budget) {
    const CadSpline& s = *edge.spline;
    double minX = HUGE_VAL, maxX = -HUGE_VAL, minY = HUGE_VAL, maxY = -HUGE_VAL;
    for (const Point& c : s.control) {
        minX = std::min(minX, c.x), maxX = std::max(maxX, c.x);
        minY = std::min(minY, c.y), maxY = std::max(maxY, c.y);
    }
    const double tolerance =
        rule.chordError > 0 ? rule.chordError : std::max(maxX - minX, maxY - minY) * 1e-5;
    const auto p = static_cast<std::size_t>(s.degree);
    const std::size_t first = out.size();
    Point last = edge.start;
    for (std::size_t span = p; span < s.control.size(); ++span) {
        const double t0 = s.knots[span], t1 = s.knots[span + 1];
        if (!(t1 > t0)) continue;
        if (!subdivide(s, span, t0, t1, last, s.at(span, t1), tolerance, 0, out, budget))
            return false;
        last = out.back();
    }
    // The edge ends where the shape says, exactly.
    if (out.size() > first)
        out.back() = edge.end;
    else if (budget-- > 0)
        out.push_back(edge.end);
    else
        return false;
    return true;
}

}  // namespace

bool CurveFlattening::appendEdge(const CadEdge& edge, const ChordRule& rule,
                                 std::vector<Point>& out, std::size_t& budget) {
    if (edge.spline) return appendSpline(edge, rule, out, budget);
    std::size_t count = 1;
    if (edge.curved) {
        count = chordCount(edge.arc, rule, budget + 1);
        if (count > budget) return false;
    }
    if (budget < count) return false;
    budget -= count;
    for (std::size_t i = 1; i < count; ++i) {
        const double t =
            edge.arc.start + (edge.arc.end - edge.arc.start) * static_cast<double>(i) / count;
        out.push_back(edge.arc.at(t));
    }
    out.push_back(edge.end);
    return true;
}

bool CurveFlattening::shapePoints(const CadShape& shape, const ChordRule& rule,
                                  std::vector<Point>& out, std::size_t& budget) {
    if (shape.edges.empty()) return true;
    if (budget == 0) return false;
    --budget;
    out.push_back(shape.edges.front().start);
    for (const CadEdge& edge : shape.edges)
        if (!appendEdge(edge, rule, out, budget)) return false;
    return true;
}

}  // namespace kuvanto
