// The vertices of one coordinate table as numbers, for the canvas. The table keeps the number of
// every cell beside its text (parsed once when the cell was written), so the canvas reads them
// straight from the table; this view only remembers which table and revision it saw last, so
// that a redraw can tell whether the extent must be found again. A row holds a vertex when its
// X and Y cells are both numeric text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "canvas/SectionPainter.h"
#include "core/table/CoordTable.h"

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
    // The seam segments of the figures (row i for the segment from row i to row i + 1), found
    // once per change of the table; a figure is a run of consecutive vertex rows.
    std::span<const std::size_t> seams();

private:
    std::vector<std::size_t> seams_;
    bool seamsKnown_ = false;
    const CoordTable* grid_ = nullptr;
    std::uint64_t revision_ = 0;
    std::span<const WorldPt> points_;
};

}  // namespace kuvanto
