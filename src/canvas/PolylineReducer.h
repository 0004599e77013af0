// Reduces the segments of a coordinate table to what the screen can show. A section of a
// million vertices gives a million segments, most of them shorter than a pixel or outside a
// zoomed window; drawn one by one they would make every redraw slow. This class leaves out the
// segments that miss the window, clips those that cross its edge (so that far-away coordinates
// never reach the raster as huge pixel values), and merges consecutive points that land in the
// same pixel, handing the painter a few polylines of at most a few points per pixel crossed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "canvas/SectionPainter.h"

namespace kuvanto {

class PolylineReducer {
public:
    // The window in world units (top > bottom) and the side of the square picture in pixels.
    PolylineReducer(double left, double top, double right, double bottom, int pixels);

    // Draws, for every i in [first, last) where rows i and i + 1 both hold a vertex (x not NaN),
    // the segment from points[i] to points[i + 1], except the segments listed in `skipped`
    // (ascending indices i, the seams of the outlines). Runs of such segments become polylines.
    void draw(std::span<const WorldPt> points, int first, int last, std::uint32_t color,
              SectionPainter& painter, std::span<const std::size_t> skipped = {});

private:
    int outcode(WorldPt p) const;
    // Clips the segment to the box; false when nothing of it is inside.
    bool clip(WorldPt& a, WorldPt& b) const;
    std::int64_t pixelKey(WorldPt p) const;
    void add(WorldPt p);
    void flush(std::uint32_t color, SectionPainter& painter);

    bool usable_ = false;
    double left_ = 0, top_ = 0;
    double kx_ = 0, ky_ = 0;                                          // pixels per world unit
    double boxLeft_ = 0, boxRight_ = 0, boxBottom_ = 0, boxTop_ = 0;  // window plus margin

    std::vector<WorldPt> run_;
    std::int64_t lastKey_ = 0;
    WorldPt pending_{};
    bool hasPending_ = false;
};

}  // namespace kuvanto
