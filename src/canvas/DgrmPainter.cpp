// Default bulk drawing of the canvas surface: a polyline as its segments, a set of dots one by
// one. Surfaces with a faster path of their own override these.
#include "DgrmPainter.h"

namespace kuvanto {

void DgrmPainter::Polyline(std::span<const WorldPt> points, std::uint32_t color) {
    for (std::size_t i = 1; i < points.size(); ++i) Segment(points[i - 1], points[i], color);
}

void DgrmPainter::Dots(std::span<const WorldPt> points, std::uint32_t color) {
    for (const WorldPt& p : points) Dot(p, color);
}

}  // namespace kuvanto
