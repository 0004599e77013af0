// The result table store (23 rows of text and colour per column, column widths and alignment,
// row heights, visibility, selection) and its reset, which writes the item and symbol columns.
#include "ResultGrid.h"

#include <algorithm>
#include <utility>

namespace kuvanto {

namespace {

const std::string kEmpty;

// Item name and symbol of every row, in table order.
constexpr std::array<std::pair<std::string_view, std::string_view>, ResultGrid::kRows> kRowNames{{
    {"項目", "記号"},
    {"面積", "A"},
    {"図心X", "x_bar"},
    {"図心Y", "y_bar"},
    {"周辺長", "L"},
    {"", ""},
    {"[図心回り]", ""},
    {"断面2次モーメントX", "Ix"},
    {"断面2次モーメントY", "Iy"},
    {"断面係数X", "Zx"},
    {"断面係数Y", "Zy"},
    {"断面2次極モーメント", "Ip"},
    {"断面2次半径X", "ix"},
    {"断面2次半径Y", "iy"},
    {"", ""},
    {"[座標軸回り]", ""},
    {"断面2次モーメントX", "Ix'"},
    {"断面2次モーメントY", "Iy'"},
    {"断面係数X", "Zx'"},
    {"断面係数Y", "Zy'"},
    {"断面2次極モーメント", "Ip'"},
    {"断面2次半径X", "ix'"},
    {"断面2次半径Y", "iy'"},
}};

bool In_Range(int row, int col, int cols) {
    return row >= 0 && row < ResultGrid::kRows && col >= 0 && col < cols;
}

}  // namespace

ResultGrid::ResultGrid() : cols_(3) {}

void ResultGrid::Set_Cols(int cols) {
    cols = std::max(cols, 3);
    if (cols == Cols()) return;
    cols_.resize(static_cast<std::size_t>(cols));
    col_ = std::min(col_, cols - 1);
    col_sel_ = std::min(col_sel_, cols - 1);
    ++revision_;
}

const std::string& ResultGrid::Text(int row, int col) const {
    if (!In_Range(row, col, Cols())) return kEmpty;
    return cols_[static_cast<std::size_t>(col)].text[static_cast<std::size_t>(row)];
}

void ResultGrid::Set_Text(int row, int col, std::string text) {
    if (!In_Range(row, col, Cols())) return;
    cols_[static_cast<std::size_t>(col)].text[static_cast<std::size_t>(row)] = std::move(text);
    ++revision_;
}

std::optional<Rgb> ResultGrid::Cell_Color(int row, int col) const {
    if (!In_Range(row, col, Cols())) return std::nullopt;
    return cols_[static_cast<std::size_t>(col)].color[static_cast<std::size_t>(row)];
}

void ResultGrid::Set_Cell_Color(int row, int col, Rgb color) {
    if (!In_Range(row, col, Cols())) return;
    cols_[static_cast<std::size_t>(col)].color[static_cast<std::size_t>(row)] = color;
    ++revision_;
}

int ResultGrid::Col_Width_Twips(int col) const {
    if (col < 0 || col >= Cols()) return 0;
    return cols_[static_cast<std::size_t>(col)].width_twips;
}

void ResultGrid::Set_Col_Width_Twips(int col, int twips) {
    if (col < 0 || col >= Cols()) return;
    cols_[static_cast<std::size_t>(col)].width_twips = twips;
    ++revision_;
}

bool ResultGrid::Col_Centred(int col) const {
    if (col < 0 || col >= Cols()) return false;
    return cols_[static_cast<std::size_t>(col)].centred;
}

void ResultGrid::Set_Col_Centred(int col, bool centred) {
    if (col < 0 || col >= Cols()) return;
    cols_[static_cast<std::size_t>(col)].centred = centred;
    ++revision_;
}

int ResultGrid::Row_Height_Twips(int row) const {
    if (row < 0 || row >= kRows) return 0;
    return row_heights_[static_cast<std::size_t>(row)];
}

void ResultGrid::Set_Row_Height_Twips(int row, int twips) {
    if (row < 0 || row >= kRows) return;
    row_heights_[static_cast<std::size_t>(row)] = twips;
    ++revision_;
}

void ResultGrid::Clear() {
    for (auto& col : cols_) {
        col.text.fill(std::string());
        col.color.fill(std::nullopt);
    }
    ++revision_;
}

void ResultGrid::Set_Row(int row) {
    row_ = row_sel_ = std::clamp(row, 0, kRows - 1);
    col_sel_ = col_;
}

void ResultGrid::Set_Col(int col) {
    col_ = col_sel_ = std::clamp(col, 0, Cols() - 1);
    row_sel_ = row_;
}

void ResultGrid::Set_RowSel(int row) {
    row_sel_ = std::clamp(row, 0, kRows - 1);
}

void ResultGrid::Set_ColSel(int col) {
    col_sel_ = std::clamp(col, 0, Cols() - 1);
}

void Init_Result_Grid(ResultGrid& grid) {
    grid.Clear();
    grid.Set_Col_Width_Twips(0, 1500);
    grid.Set_Col_Width_Twips(1, 450);
    grid.Set_Col_Width_Twips(2, 900);
    grid.Set_Col_Centred(0, true);
    grid.Set_Col_Centred(1, true);
    for (int row = 0; row < ResultGrid::kRows; ++row) {
        grid.Set_Text(row, 0, std::string(kRowNames[static_cast<std::size_t>(row)].first));
        grid.Set_Text(row, 1, std::string(kRowNames[static_cast<std::size_t>(row)].second));
    }
    grid.Set_Row_Height_Twips(5, 150);
    grid.Set_Row_Height_Twips(14, 150);
}

}  // namespace kuvanto
