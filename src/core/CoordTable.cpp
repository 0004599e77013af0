// The coordinate table store: two text cells per row under the header "X" | "Y", row insertion
// and removal, the selection corners kept inside the table, the revision counter, and the reset
// to the fresh state.
#include "core/CoordTable.h"

#include <algorithm>

#include "core/NumberText.h"

namespace kuvanto {

namespace {
const std::string kEmpty;
}

CoordTable::CoordTable() {
    resetCoordTable(*this);
}

void CoordTable::setRows(int rows) {
    rows = std::max(rows, 1);
    if (rows == this->rows()) return;
    cells_.resize(static_cast<std::size_t>(rows) * 2);
    keepInside();
    touch();
}

const std::string& CoordTable::text(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col > 1) return kEmpty;
    return cells_[static_cast<std::size_t>(row) * 2 + static_cast<std::size_t>(col)];
}

void CoordTable::setText(int row, int col, std::string text) {
    if (row < 0 || row >= rows() || col < 0 || col > 1) return;
    cells_[static_cast<std::size_t>(row) * 2 + static_cast<std::size_t>(col)] = std::move(text);
    touch();
}

void CoordTable::clear() {
    for (auto& cell : cells_) cell.clear();
    touch();
}

void CoordTable::insertRows(int row, int count) {
    if (row < 1 || row > rows() || count <= 0) return;
    const auto at = cells_.begin() + static_cast<std::ptrdiff_t>(row) * 2;
    cells_.insert(at, static_cast<std::size_t>(count) * 2, std::string());
    touch();
}

void CoordTable::removeRows(int row, int count) {
    if (row < 1 || row >= rows() || count <= 0) return;
    const int last = std::min(rows(), row + count);
    cells_.erase(cells_.begin() + static_cast<std::ptrdiff_t>(row) * 2,
                 cells_.begin() + static_cast<std::ptrdiff_t>(last) * 2);
    keepInside();
    touch();
}

void CoordTable::appendRow(std::string x, std::string y) {
    cells_.push_back(std::move(x));
    cells_.push_back(std::move(y));
    touch();
}

bool CoordTable::isVertexRow(int row) const {
    return row >= 1 && row < rows() && isNumericText(text(row, 0));
}

bool CoordTable::isSeparatorRow(int row) const {
    return row >= 1 && row < rows() && text(row, 0) == kSeparatorText;
}

void resetCoordTable(CoordTable& grid) {
    grid.clear();
    grid.setRows(2);
    grid.setText(0, 0, "X");
    grid.setText(0, 1, "Y");
    grid.setRow(1);
    grid.setCol(0);
}

void resetCoordTable(CoordTable& add, CoordTable& subtracted) {
    resetCoordTable(add);
    resetCoordTable(subtracted);
}

}  // namespace kuvanto
