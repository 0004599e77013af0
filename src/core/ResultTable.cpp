// The result table store (23 rows of text and colour per column, column widths and alignment,
// row heights, visibility, selection) and its reset, which writes the item and symbol columns.
#include "core/ResultTable.h"

#include <algorithm>
#include <utility>

namespace kuvanto {

namespace {

const std::string kEmpty;

// Item name and symbol of every row, in table order.
constexpr std::array<std::pair<std::string_view, std::string_view>, ResultTable::kRows> kRowNames{{
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

bool inRange(int row, int col, int cols) {
    return row >= 0 && row < ResultTable::kRows && col >= 0 && col < cols;
}

}  // namespace

ResultRow resultRow(Property property) {
    // The properties in their order, each block after its heading: four rows under the header,
    // seven after "[図心回り]" and seven after "[座標軸回り]".
    const int index = static_cast<int>(property);
    int row = index + static_cast<int>(ResultRow::Area);
    if (property >= Property::MomentX) row += 2;      // a spacer and a heading
    if (property >= Property::AxisMomentX) row += 2;  // likewise
    return static_cast<ResultRow>(row);
}

bool isFixed3Row(ResultRow row) {
    switch (row) {
        case ResultRow::CentroidX:
        case ResultRow::CentroidY:
        case ResultRow::Perimeter:
        case ResultRow::RadiusX:
        case ResultRow::RadiusY:
        case ResultRow::AxisRadiusX:
        case ResultRow::AxisRadiusY:
            return true;
        default:
            return false;
    }
}

ResultTable::ResultTable() : cols_(3) {}

void ResultTable::setCols(int cols) {
    cols = std::max(cols, 3);
    if (cols == this->cols()) return;
    cols_.resize(static_cast<std::size_t>(cols));
    keepInside();
    ++revision_;
}

const std::string& ResultTable::text(int row, int col) const {
    if (!inRange(row, col, cols())) return kEmpty;
    return cols_[static_cast<std::size_t>(col)].text[static_cast<std::size_t>(row)];
}

void ResultTable::setText(int row, int col, std::string text) {
    if (!inRange(row, col, cols())) return;
    cols_[static_cast<std::size_t>(col)].text[static_cast<std::size_t>(row)] = std::move(text);
    ++revision_;
}

std::optional<Rgb> ResultTable::cellColor(int row, int col) const {
    if (!inRange(row, col, cols())) return std::nullopt;
    return cols_[static_cast<std::size_t>(col)].color[static_cast<std::size_t>(row)];
}

void ResultTable::setCellColor(int row, int col, Rgb color) {
    if (!inRange(row, col, cols())) return;
    cols_[static_cast<std::size_t>(col)].color[static_cast<std::size_t>(row)] = color;
    ++revision_;
}

int ResultTable::colWidthTwips(int col) const {
    if (col < 0 || col >= cols()) return 0;
    return cols_[static_cast<std::size_t>(col)].widthTwips;
}

void ResultTable::setColWidthTwips(int col, int twips) {
    if (col < 0 || col >= cols()) return;
    cols_[static_cast<std::size_t>(col)].widthTwips = twips;
    ++revision_;
}

bool ResultTable::colCentred(int col) const {
    if (col < 0 || col >= cols()) return false;
    return cols_[static_cast<std::size_t>(col)].centred;
}

void ResultTable::setColCentred(int col, bool centred) {
    if (col < 0 || col >= cols()) return;
    cols_[static_cast<std::size_t>(col)].centred = centred;
    ++revision_;
}

int ResultTable::rowHeightTwips(int row) const {
    if (row < 0 || row >= kRows) return 0;
    return rowHeights_[static_cast<std::size_t>(row)];
}

void ResultTable::setRowHeightTwips(int row, int twips) {
    if (row < 0 || row >= kRows) return;
    rowHeights_[static_cast<std::size_t>(row)] = twips;
    ++revision_;
}

void ResultTable::clear() {
    for (auto& col : cols_) {
        col.text.fill(std::string());
        col.color.fill(std::nullopt);
    }
    ++revision_;
}

void resetResultTable(ResultTable& grid) {
    grid.clear();
    grid.setColWidthTwips(0, 1500);
    grid.setColWidthTwips(1, 450);
    grid.setColWidthTwips(2, 900);
    grid.setColCentred(0, true);
    grid.setColCentred(1, true);
    for (int row = 0; row < ResultTable::kRows; ++row) {
        grid.setText(row, 0, std::string(kRowNames[static_cast<std::size_t>(row)].first));
        grid.setText(row, 1, std::string(kRowNames[static_cast<std::size_t>(row)].second));
    }
    grid.setRowHeightTwips(static_cast<int>(ResultRow::CentroidSpacer), 150);
    grid.setRowHeightTwips(static_cast<int>(ResultRow::AxisSpacer), 150);
}

}  // namespace kuvanto
