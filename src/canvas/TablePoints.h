// The vertices of one coordinate table as numbers, for the canvas. The table keeps the number of
// every cell beside its text (parsed once when the cell was written), so the canvas reads them
// straight from the table; this view only remembers which table and revision it saw last, so
// that a redraw can tell whether the extent must be found again. A row holds a vertex when its
// X and Y cells are both numeric text.
#pragma once

#include <cstdint>
#include <span>

#include "canvas/SectionPainter.h"
#include "core/CoordTable.h"

namespace kuvanto {

class TablePoints {
public:
    // Looks at the table; true when it is not the one seen last or has changed since.
    bool update(const CoordTable& grid);

    // Row count of the table as seen; the points are indexed by row (row 0 is the header).
    int rows() const { return static_cast<int>(points_.size()); }
    bool hasVertex(int row) const { return points_[static_cast<std::size_t>(row)].isVertex(); }
    WorldPt point(int row) const { return points_[static_cast<std::size_t>(row)]; }
    // All rows; a coordinate whose cell is not numeric text is NaN.
    std::span<const WorldPt> points() const { return points_; }

private:
    const CoordTable* grid_ = nullptr;
    std::uint64_t revision_ = 0;
    std::span<const WorldPt> points_;
};

}  // namespace kuvanto
