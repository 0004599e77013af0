// Seams of an outline: a segment walked once each way (out along a line and back along the same
// line), as a ring drawn as one outline is closed by a radial cut. Such a pair encloses nothing
// and is no boundary of the section, so the perimeter and the drawings leave it out.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "core/base/Point.h"

namespace kuvanto {

class SeamEdges {
public:
    // Finds the seam segments of one outline. Segment k runs from points[k] to points[k + 1];
    // with `closeLoop` a last segment runs from the last point back to the first when they
    // differ. Segments with an end that is not a vertex (NaN) are passed over. Segments of zero
    // length are never seams. The comparison of coordinates is exact.
    SeamEdges(std::span<const Point> points, bool closeLoop);

    // The indices of the segments that pair with a segment walked the other way, ascending.
    const std::vector<std::size_t>& indices() const { return indices_; }
    bool empty() const { return indices_.empty(); }

private:
    std::vector<std::size_t> indices_;
};

}  // namespace kuvanto
