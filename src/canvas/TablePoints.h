// The vertices of one coordinate table as numbers, read once and kept until the table changes.
// A redraw of a section with a million rows must not parse a million cells again when only the
// view moved, so the parsed points are keyed by the table's identity, revision and row count.
// After a change only the rows between the unchanged leading and trailing rows are parsed again:
// a copy of the cell texts read last tells which rows are unchanged (an edit, an insertion or a
// deletion touches one block of rows). rows whose X and Y cells are not both numeric text hold no
// vertex.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/CoordTable.h"
#include "canvas/SectionPainter.h"

namespace kuvanto {

class TablePoints {
public:
    // Reads the table again when it is not the one read last or has changed since. True when it
    // read.
    bool update(const CoordTable& grid);

    // Row count of the table as read; the points are indexed by row (row 0 is the header).
    int rows() const { return static_cast<int>(points_.size()); }
    bool hasVertex(int row) const { return !std::isnan(points_[row].x); }
    WorldPt point(int row) const { return points_[row]; }
    // All rows; a row without a vertex holds NaN coordinates.
    const std::vector<WorldPt>& points() const { return points_; }

private:
    static WorldPt parseRow(const std::string& x, const std::string& y);
    // Whether the text equals the stored text of cell number `cell`.
    bool same(const std::string& text, std::size_t cell) const;
    // Stores the texts read now, given how many cells lead and trail unchanged.
    void store(const std::vector<std::string>& cells, std::size_t head, std::size_t tail);

    const CoordTable* grid_ = nullptr;
    std::uint64_t revision_ = 0;
    std::vector<WorldPt> points_;
    // The cell texts read last, back to back; ends_[k] is the end of cell k in chars_.
    std::string chars_;
    std::vector<std::uint32_t> ends_;
    bool stored_ = false;
};

}  // namespace kuvanto
