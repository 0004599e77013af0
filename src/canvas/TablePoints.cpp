// Reading a coordinate table into numbers: every row's X and Y cells through the strict numeric
// test, so that the canvas draws exactly the rows the calculation counts as vertices. rows that
// lead or trail unchanged since the last reading keep their numbers.
#include "canvas/TablePoints.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "core/NumberText.h"

namespace kuvanto {

WorldPt TablePoints::parseRow(const std::string& x, const std::string& y) {
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    const std::optional<double> vx = parseNumeric(x);
    if (!vx) return {kNone, kNone};
    const std::optional<double> vy = parseNumeric(y);
    if (!vy) return {kNone, kNone};
    return {*vx, *vy};
}

bool TablePoints::same(const std::string& text, std::size_t cell) const {
    const std::size_t begin = cell == 0 ? 0 : ends_[cell - 1];
    return text.size() == ends_[cell] - begin &&
           std::memcmp(text.data(), chars_.data() + begin, text.size()) == 0;
}

void TablePoints::store(const std::vector<std::string>& cells, std::size_t head, std::size_t tail) {
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
    const std::size_t oldN = ends_.size();
    const std::size_t begin = head == 0 ? 0 : ends_[head - 1];
    const std::size_t end = oldN - tail == 0 ? 0 : ends_[oldN - tail - 1];
    std::string middle;
    std::vector<std::uint32_t> middleEnds;
    middleEnds.reserve(n - tail - head);
    for (std::size_t k = head; k < n - tail; ++k) {
        middle += cells[k];
        middleEnds.push_back(static_cast<std::uint32_t>(begin + middle.size()));
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
                ends_.begin() + static_cast<std::ptrdiff_t>(oldN - tail));
    for (std::size_t k = head; k < ends_.size(); ++k) {
        ends_[k] = static_cast<std::uint32_t>(ends_[k] + delta);
    }
    ends_.insert(ends_.begin() + static_cast<std::ptrdiff_t>(head), middleEnds.begin(),
                 middleEnds.end());
    stored_ = true;
}

bool TablePoints::update(const CoordTable& grid) {
    const int rows = grid.rows();
    if (grid_ == &grid && revision_ == grid.revision() && this->rows() == rows) return false;
    const std::vector<std::string>& cells = grid.cells();
    const int oldRows = this->rows();

    // rows at the start and at the end whose texts are as read last.
    int sameHead = 0, sameTail = 0;
    std::size_t head = 0, tail = 0;
    if (grid_ == &grid && stored_ && ends_.size() == static_cast<std::size_t>(oldRows) * 2) {
        const std::size_t n = cells.size(), oldN = ends_.size();
        const std::size_t common = std::min(n, oldN);
        while (head < common && same(cells[head], head)) ++head;
        while (tail < common - head && same(cells[n - 1 - tail], oldN - 1 - tail)) ++tail;
        sameHead = static_cast<int>(head / 2);
        sameTail = static_cast<int>(tail / 2);
    }
    grid_ = &grid;
    revision_ = grid.revision();

    // Keep the head and the tail, make room for the rows in between and parse those.
    const int oldMiddleEnd = oldRows - sameTail;
    const int newMiddleEnd = rows - sameTail;
    if (oldRows > 0 && (sameHead > 0 || sameTail > 0)) {
        points_.erase(points_.begin() + sameHead, points_.begin() + oldMiddleEnd);
        points_.insert(points_.begin() + sameHead, newMiddleEnd - sameHead, WorldPt{});
    } else {
        points_.assign(rows, WorldPt{});
        sameHead = 0;
    }
    for (int row = sameHead; row < newMiddleEnd; ++row) {
        const std::size_t at = static_cast<std::size_t>(row) * 2;
        points_[row] = row == 0 ? parseRow({}, {}) : parseRow(cells[at], cells[at + 1]);
    }
    store(cells, head, tail);
    return true;
}

}  // namespace kuvanto
