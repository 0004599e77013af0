// The coordinate table store: two text cells per row under the header "X" | "Y", row insertion
// and removal, the selection corners kept inside the table, the revision counter, and the reset
// to the fresh state.
#include "CoodGrid.h"

#include <algorithm>

#include "NumText.h"

namespace kuvanto {

namespace {
const std::string kEmpty;
}

CoodGrid::CoodGrid() {
    Init_Cood_Grid(*this);
}

void CoodGrid::Set_Rows(int rows) {
    rows = std::max(rows, 1);
    if (rows == Rows()) return;
    cells_.resize(static_cast<std::size_t>(rows) * 2);
    row_ = std::min(row_, rows - 1);
    row_sel_ = std::min(row_sel_, rows - 1);
    Touch();
}

const std::string& CoodGrid::Text(int row, int col) const {
    if (row < 0 || row >= Rows() || col < 0 || col > 1) return kEmpty;
    return cells_[static_cast<std::size_t>(row) * 2 + static_cast<std::size_t>(col)];
}

void CoodGrid::Set_Text(int row, int col, std::string text) {
    if (row < 0 || row >= Rows() || col < 0 || col > 1) return;
    cells_[static_cast<std::size_t>(row) * 2 + static_cast<std::size_t>(col)] = std::move(text);
    Touch();
}

void CoodGrid::Clear() {
    for (auto& cell : cells_) cell.clear();
    Touch();
}

void CoodGrid::Insert_Rows(int row, int count) {
    if (row < 1 || row > Rows() || count <= 0) return;
    const auto at = cells_.begin() + static_cast<std::ptrdiff_t>(row) * 2;
    cells_.insert(at, static_cast<std::size_t>(count) * 2, std::string());
    Touch();
}

void CoodGrid::Remove_Rows(int row, int count) {
    if (row < 1 || row >= Rows() || count <= 0) return;
    const int last = std::min(Rows(), row + count);
    cells_.erase(cells_.begin() + static_cast<std::ptrdiff_t>(row) * 2,
                 cells_.begin() + static_cast<std::ptrdiff_t>(last) * 2);
    row_ = std::min(row_, Rows() - 1);
    row_sel_ = std::min(row_sel_, Rows() - 1);
    Touch();
}

void CoodGrid::Append_Row(std::string x, std::string y) {
    cells_.push_back(std::move(x));
    cells_.push_back(std::move(y));
    Touch();
}

bool CoodGrid::Is_Vertex_Row(int row) const {
    return row >= 1 && row < Rows() && Is_Numeric_Text(Text(row, 0));
}

bool CoodGrid::Is_Separator_Row(int row) const {
    return row >= 1 && row < Rows() && Text(row, 0) == kSeparatorText;
}

void CoodGrid::Set_Row(int row) {
    row_ = row_sel_ = std::clamp(row, 0, Rows() - 1);
    col_sel_ = col_;
}

void CoodGrid::Set_Col(int col) {
    col_ = col_sel_ = std::clamp(col, 0, 1);
    row_sel_ = row_;
}

void CoodGrid::Set_RowSel(int row) {
    row_sel_ = std::clamp(row, 0, Rows() - 1);
}

void CoodGrid::Set_ColSel(int col) {
    col_sel_ = std::clamp(col, 0, 1);
}

void Init_Cood_Grid(CoodGrid& grid) {
    grid.Clear();
    grid.Set_Rows(2);
    grid.Set_Text(0, 0, "X");
    grid.Set_Text(0, 1, "Y");
    grid.Set_Row(1);
    grid.Set_Col(0);
}

void Init_Cood_Grid(CoodGrid& add, CoodGrid& sbtrt) {
    Init_Cood_Grid(add);
    Init_Cood_Grid(sbtrt);
}

}  // namespace kuvanto
