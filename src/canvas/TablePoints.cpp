// The canvas's view of a coordinate table's numbers: see TablePoints.h.
#include "canvas/TablePoints.h"

#include "core/section/SeamEdges.h"

namespace kuvanto {

bool TablePoints::update(const CoordTable& grid) {
    const bool changed = grid_ != &grid || revision_ != grid.revision() ||
                         points_.data() != grid.points().data() ||
                         points_.size() != grid.points().size();
    grid_ = &grid;
    revision_ = grid.revision();
    points_ = grid.points();
    if (changed) seamsKnown_ = false;
    return changed;
}

std::span<const std::size_t> TablePoints::seams() {
    if (seamsKnown_) return seams_;
    seams_.clear();
    const std::size_t n = points_.size();
    for (std::size_t start = 0; start < n;) {
        if (!points_[start].isVertex()) {
            ++start;
            continue;
        }
        std::size_t end = start;
        while (end < n && points_[end].isVertex()) ++end;
        const SeamEdges run(points_.subspan(start, end - start), false);
        for (std::size_t i : run.indices()) seams_.push_back(start + i);
        start = end;
    }
    seamsKnown_ = true;
    return seams_;
}

}  // namespace kuvanto
