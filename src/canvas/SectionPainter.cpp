// Default bulk drawing of the canvas surface: a polyline as its segments, a set of dots one by
// one. Surfaces with a faster path of their own override these.
#include "canvas/SectionPainter.h"

namespace kuvanto {

void SectionPainter::polyline(std::span<const WorldPt> points, std::uint32_t color) {
    for (std::size_t i = 1; i < points.size(); ++i) segment(points[i - 1], points[i], color);
}

void SectionPainter::dots(std::span<const WorldPt> points, std::uint32_t color) {
    for (const WorldPt& p : points) dot(p, color);
}

}  // namespace kuvanto
