// Reading a coordinate table into numbers: every row's X and Y cells through the strict numeric
// test, so that the canvas draws exactly the rows the calculation counts as vertices. Rows that
// lead or trail unchanged since the last reading keep their numbers.
#include "TablePoints.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "NumText.h"

namespace kuvanto {

WorldPt TablePoints::Parse_Row(const std::string& x, const std::string& y) {
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    const std::optional<double> vx = Parse_Numeric(x);
    if (!vx) return {kNone, kNone};
    const std::optional<double> vy = Parse_Numeric(y);
    if (!vy) return {kNone, kNone};
    return {*vx, *vy};
}

bool TablePoints::Same(const std::string& text, std::size_t cell) const {
    const std::size_t begin = cell == 0 ? 0 : ends_[cell - 1];
    return text.size() == ends_[cell] - begin &&
           std::memcmp(text.data(), chars_.data() + begin, text.size()) == 0;
}

void TablePoints::Store(const std::vector<std::string>& cells, std::size_t head, std::size_t tail) {
    // Replace the texts of the cells between the unchanged head and tail, and move the ends of
    // the tail by the change in length.
    const std::size_t n = cells.size();
    if (!stored_ || (head == 0 && tail == 0)) {
        // Everything anew, straight into the store.
        std::size_t total = 0;
        for (const std::string& c : cells) total += c.size();
        chars_.clear();
        ends_.clear();
        stored_ = total <= std::numeric_limits<std::uint32_t>::max();
        if (!stored_) return;
        chars_.reserve(total);
        ends_.reserve(n);
        for (const std::string& c : cells) {
            chars_ += c;
            ends_.push_back(static_cast<std::uint32_t>(chars_.size()));
        }
        return;
    }
    const std::size_t old_n = ends_.size();
    const std::size_t begin = head == 0 ? 0 : ends_[head - 1];
    const std::size_t end = old_n - tail == 0 ? 0 : ends_[old_n - tail - 1];
    std::string middle;
    std::vector<std::uint32_t> middle_ends;
    middle_ends.reserve(n - tail - head);
    for (std::size_t k = head; k < n - tail; ++k) {
        middle += cells[k];
        middle_ends.push_back(static_cast<std::uint32_t>(begin + middle.size()));
    }
    const std::size_t total = chars_.size() - (end - begin) + middle.size();
    if (total > std::numeric_limits<std::uint32_t>::max()) {
        chars_.clear();
        ends_.clear();
        stored_ = false;
        return;
    }
    chars_.replace(begin, end - begin, middle);
    const auto delta =
        static_cast<std::int64_t>(middle.size()) - static_cast<std::int64_t>(end - begin);
    ends_.erase(ends_.begin() + static_cast<std::ptrdiff_t>(head),
                ends_.begin() + static_cast<std::ptrdiff_t>(old_n - tail));
    for (std::size_t k = head; k < ends_.size(); ++k) {
        ends_[k] = static_cast<std::uint32_t>(ends_[k] + delta);
    }
    ends_.insert(ends_.begin() + static_cast<std::ptrdiff_t>(head), middle_ends.begin(),
                 middle_ends.end());
    stored_ = true;
}

bool TablePoints::Update(const CoodGrid& grid) {
    const int rows = grid.Rows();
    if (grid_ == &grid && revision_ == grid.Revision() && Rows() == rows) return false;
    const std::vector<std::string>& cells = grid.Cells();
    const int old_rows = Rows();

    // Rows at the start and at the end whose texts are as read last.
    int same_head = 0, same_tail = 0;
    std::size_t head = 0, tail = 0;
    if (grid_ == &grid && stored_ && ends_.size() == static_cast<std::size_t>(old_rows) * 2) {
        const std::size_t n = cells.size(), old_n = ends_.size();
        const std::size_t common = std::min(n, old_n);
        while (head < common && Same(cells[head], head)) ++head;
        while (tail < common - head && Same(cells[n - 1 - tail], old_n - 1 - tail)) ++tail;
        same_head = static_cast<int>(head / 2);
        same_tail = static_cast<int>(tail / 2);
    }
    grid_ = &grid;
    revision_ = grid.Revision();

    // Keep the head and the tail, make room for the rows in between and parse those.
    const int old_middle_end = old_rows - same_tail;
    const int new_middle_end = rows - same_tail;
    if (old_rows > 0 && (same_head > 0 || same_tail > 0)) {
        points_.erase(points_.begin() + same_head, points_.begin() + old_middle_end);
        points_.insert(points_.begin() + same_head, new_middle_end - same_head, WorldPt{});
    } else {
        points_.assign(rows, WorldPt{});
        same_head = 0;
    }
    for (int row = same_head; row < new_middle_end; ++row) {
        const std::size_t at = static_cast<std::size_t>(row) * 2;
        points_[row] = row == 0 ? Parse_Row({}, {}) : Parse_Row(cells[at], cells[at + 1]);
    }
    Store(cells, head, tail);
    return true;
}

}  // namespace kuvanto
