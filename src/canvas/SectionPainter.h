// The drawing surface the canvas procedures draw on: a square picture whose coordinate window is
// given in world units with the Y axis up, a pen width in pixels and colours in the layout
// 0x00BBGGRR (red in the low byte). The canvas draws through it into an image with a QPainter;
// tests put a recorder in its place to see what a redraw drew.
#pragma once

#include <cstdint>
#include <span>

#include "core/base/Point.h"

namespace kuvanto {

// A point in world units.
using WorldPt = Point;

// Fixed colours of the canvas, 0x00BBGGRR.
inline constexpr std::uint32_t kCanvasBackColor = 0x404040;    // RGB(64, 64, 64)
inline constexpr std::uint32_t kOriginMarkColor = 0x00FFFF;    // RGB(255, 255, 0), yellow
inline constexpr std::uint32_t kCentroidMarkColor = 0xFF00FF;  // RGB(255, 0, 255), magenta
inline constexpr std::uint32_t kShearCentreColor = 0xFFFFFF;   // RGB(255, 255, 255), white
inline constexpr std::uint32_t kVertexMarkColor = 0x00FF00;    // RGB(0, 255, 0), green
inline constexpr std::uint32_t kMajorAxisColor = 0xFFDC00;     // RGB(0, 220, 255), principal u
inline constexpr std::uint32_t kMinorAxisColor = 0x78C878;     // RGB(120, 200, 120), v

class SectionPainter {
public:
    virtual ~SectionPainter() = default;

    // Side of the square drawing area in pixels. The renderer uses it to leave out what falls
    // outside the window and to merge runs of points that land in one pixel.
    virtual int pixelSize() const = 0;

    virtual void clear(std::uint32_t color) = 0;
    // Left-top and right-bottom corners in world units (top > bottom: Y points up).
    virtual void setWindow(double left, double top, double right, double bottom) = 0;
    virtual void setPenWidth(int pixels) = 0;
    virtual void segment(WorldPt from, WorldPt to, std::uint32_t color) = 0;
    // Outline of a circle with a radius in world units.
    virtual void circle(WorldPt centre, double radius, std::uint32_t color) = 0;
    // One dot as large as the pen.
    virtual void dot(WorldPt at, std::uint32_t color) = 0;

    // Bulk forms used by the redraw; by default they fall back to segment and dot.
    virtual void polyline(std::span<const WorldPt> points, std::uint32_t color);
    virtual void dots(std::span<const WorldPt> points, std::uint32_t color);
};

}  // namespace kuvanto
