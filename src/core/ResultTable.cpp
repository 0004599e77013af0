// The result table store (rows of text and colour per column, column widths and alignment,
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
    {"", ""},
    {"[主軸]", ""},
    {"断面相乗モーメント", "Ixy"},
    {"断面相乗モーメント(座標軸)", "Ixy'"},
    {"主軸角", "θ"},
    {"主断面2次モーメントU", "Iu"},
    {"主断面2次モーメントV", "Iv"},
    {"断面係数U", "Zu"},
    {"断面係数V", "Zv"},
    {"断面2次半径U", "iu"},
    {"断面2次半径V", "iv"},
    {"", ""},
    {"[縁端別断面係数]", ""},
    {"断面係数X上縁", "Zx_top"},
    {"断面係数X下縁", "Zx_bottom"},
    {"断面係数Y右縁", "Zy_right"},
    {"断面係数Y左縁", "Zy_left"},
    {"", ""},
    {"[塑性]", ""},
    {"塑性中立軸X", "x_p"},
    {"塑性中立軸Y", "y_p"},
    {"塑性断面係数X", "Zpx"},
    {"塑性断面係数Y", "Zpy"},
    {"形状係数X", "fx"},
    {"形状係数Y", "fy"},
    {"塑性断面係数U", "Zpu"},
    {"塑性断面係数V", "Zpv"},
}};

bool inRange(int row, int col, int cols) {
    return row >= 0 && row < ResultTable::kRows && col >= 0 && col < cols;
}

}  // namespace

ResultRow resultRow(Property property) {
    // The properties in their order, each block after its spacer and heading: four rows under
    // the header, then blocks of seven, seven, nine, four and eight rows.
    const int index = static_cast<int>(property);
    int row = index + static_cast<int>(ResultRow::Area);
    for (Property first : {Property::MomentX, Property::AxisMomentX, Property::ProductMoment,
                           Property::TopModulusX, Property::PlasticAxisX}) {
        if (property >= first) row += 2;  // a spacer and a heading
    }
    return static_cast<ResultRow>(row);
}

CellFormat rowFormat(ResultRow row) {
    switch (row) {
        case ResultRow::CentroidX:
        case ResultRow::CentroidY:
        case ResultRow::Perimeter:
        case ResultRow::RadiusX:
        case ResultRow::RadiusY:
        case ResultRow::AxisRadiusX:
        case ResultRow::AxisRadiusY:
        case ResultRow::MajorRadius:
        case ResultRow::MinorRadius:
        case ResultRow::PlasticAxisX:
        case ResultRow::PlasticAxisY:
            return CellFormat::Length;
        case ResultRow::PrincipalAngle:
        case ResultRow::ShapeFactorX:
        case ResultRow::ShapeFactorY:
            return CellFormat::Decimals;
        default:
            return CellFormat::Exponent;
    }
}

bool isSpacerRow(int row) {
    switch (static_cast<ResultRow>(row)) {
        case ResultRow::CentroidSpacer:
        case ResultRow::AxisSpacer:
        case ResultRow::PrincipalSpacer:
        case ResultRow::FibreSpacer:
        case ResultRow::PlasticSpacer:
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
    for (int row = 0; row < ResultTable::kRows; ++row) {
        if (isSpacerRow(row)) grid.setRowHeightTwips(row, 150);
    }
}

}  // namespace kuvanto
