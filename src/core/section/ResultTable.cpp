// The result table store (its rows of text and colour per column, column widths and alignment,
// row heights, visibility, selection) and its reset, which writes the item and symbol columns.
#include "core/section/ResultTable.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/base/NumberText.h"

namespace kuvanto {

namespace {

const std::string kEmpty;

bool inRange(int row, int col, int cols) {
    return row >= 0 && row < ResultTable::kRows && col >= 0 && col < cols;
}

}  // namespace

std::string formatProperty(Property property, double value) {
    if (!std::isfinite(value)) return "-";  // a value of the added rows that has no answer
    switch (propertyEntry(property).format) {
        case NumberFormat::Length:
            return lengthCellText(value);
        case NumberFormat::Decimals:
            return fixed3Text(value);
        case NumberFormat::Integer:
            return std::to_string(std::llround(value));
        case NumberFormat::None:
        case NumberFormat::Text:
        case NumberFormat::Exponent:
            break;
    }
    return expText(value);
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

ColumnKind ResultTable::columnKind(int col) const {
    if (col < 0 || col >= cols()) return ColumnKind::Other;
    return cols_[static_cast<std::size_t>(col)].kind;
}

int ResultTable::columnFigure(int col) const {
    if (col < 0 || col >= cols()) return 0;
    return cols_[static_cast<std::size_t>(col)].figure;
}

void ResultTable::setColumnKind(int col, ColumnKind kind, int figure) {
    if (col < 0 || col >= cols()) return;
    cols_[static_cast<std::size_t>(col)].kind = kind;
    cols_[static_cast<std::size_t>(col)].figure = figure;
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
        col.kind = ColumnKind::Other;
        col.figure = 0;
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
        const ResultRowEntry& entry = kResultRows[static_cast<std::size_t>(row)];
        grid.setText(row, 0, entry.label);
        grid.setText(row, 1, entry.symbol);
        grid.setRowHeightTwips(row, entry.heightTwips);
    }
}

std::string columnHead(ColumnKind kind, int figure) {
    switch (kind) {
        case ColumnKind::Added:
            return std::string(kAddedHead) + std::to_string(figure);
        case ColumnKind::Subtracted:
            return std::string(kSubtractedHead) + std::to_string(figure);
        case ColumnKind::Combined:
            return std::string(kTotalHead);
        case ColumnKind::Other:
            break;
    }
    return {};
}

std::optional<Point> shownCentroid(const ResultTable& grid) {
    const int col = grid.cols() - 1;
    if (grid.columnKind(col) != ColumnKind::Combined) return std::nullopt;
    const std::string& x = grid.text(Property::CentroidX, col);
    const std::string& y = grid.text(Property::CentroidY, col);
    if (x.empty() || y.empty()) return std::nullopt;
    return Point{lenientValue(x), lenientValue(y)};
}

std::optional<Point> shownShearCentre(const ResultTable& grid) {
    const int col = grid.cols() - 1;
    if (grid.columnKind(col) != ColumnKind::Combined) return std::nullopt;
    const std::string& x = grid.text(Property::ShearCentreX, col);
    const std::string& y = grid.text(Property::ShearCentreY, col);
    // A block that could not be computed shows "-" here.
    if (x.empty() || y.empty() || x == "-" || y == "-") return std::nullopt;
    return Point{lenientValue(x), lenientValue(y)};
}

bool resultRowInUse(const ResultTable& grid, int row) {
    const int combined = grid.cols() - 1;
    if (row >= kMaterialFirstRow) {
        // The stiffnesses of the torsion analysis once it has written them.
        const ResultRowEntry& entry = kResultRows[static_cast<std::size_t>(row)];
        if (entry.kind == RowKind::Value && isCompositeTorsionProperty(entry.property))
            return !grid.text(entry.property, combined).empty();
        return !grid.text(Property::ReferenceModulus, combined).empty();
    }
    if (row >= kTorsionFirstRow) return !grid.text(Property::TorsionConstant, combined).empty();
    return true;
}

}  // namespace kuvanto
