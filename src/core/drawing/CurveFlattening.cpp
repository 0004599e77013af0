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

bool CurveFlattening::appendEdge(const CadEdge& edge, const ChordRule& rule,
                                 std::vector<Point>& out, std::size_t& budget) {
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
