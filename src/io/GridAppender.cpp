// Bulk filling of a coordinate table in front of its entry row: see GridAppender.h.
#include "GridAppender.h"

namespace kuvanto {

GridAppender::GridAppender(CoodGrid& grid) : grid_(grid) {
    auto& cells = grid_.Cells();
    // Only a data row that is empty is an entry row; the header row is never taken.
    if (cells.size() >= 4 && cells[cells.size() - 1].empty() && cells[cells.size() - 2].empty()) {
        cells.resize(cells.size() - 2);
        took_entry_row_ = true;
    }
}

void GridAppender::Add(std::string_view x, std::string_view y) {
    auto& cells = grid_.Cells();
    cells.emplace_back(x);
    cells.emplace_back(y);
    added_ = true;
}

void GridAppender::Finish() {
    if (finished_) return;
    finished_ = true;
    if (!took_entry_row_ && !added_) return;
    auto& cells = grid_.Cells();
    cells.emplace_back();
    cells.emplace_back();
    if (added_) grid_.Touch();
}

}  // namespace kuvanto
