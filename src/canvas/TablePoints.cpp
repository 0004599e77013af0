// The canvas's view of a coordinate table's numbers: see TablePoints.h.
#include "canvas/TablePoints.h"

namespace kuvanto {

bool TablePoints::update(const CoordTable& grid) {
    const bool changed = grid_ != &grid || revision_ != grid.revision() ||
                         points_.data() != grid.points().data() ||
                         points_.size() != grid.points().size();
    grid_ = &grid;
    revision_ = grid.revision();
    points_ = grid.points();
    return changed;
}

}  // namespace kuvanto
