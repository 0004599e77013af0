// The selection of a table: the current cell (row, col) and the opposite corner (rowSel, colSel).
// Setting row or col collapses the selection to that cell; setting rowSel or colSel afterwards
// widens it. The selected block runs from the smaller to the larger corner, whichever way it was
// made. Shared by the coordinate tables and the result table, which keep it inside their bounds.
#pragma once

#include <algorithm>

namespace kuvanto {

class TableSelection {
public:
    int row() const { return row_; }
    int col() const { return col_; }
    int rowSel() const { return rowSel_; }
    int colSel() const { return colSel_; }
    void setRow(int row) {
        row_ = rowSel_ = std::clamp(row, 0, lastRow());
        colSel_ = col_;
    }
    void setCol(int col) {
        col_ = colSel_ = std::clamp(col, 0, lastCol());
        rowSel_ = row_;
    }
    void setRowSel(int row) { rowSel_ = std::clamp(row, 0, lastRow()); }
    void setColSel(int col) { colSel_ = std::clamp(col, 0, lastCol()); }

    // The selected block, corners ordered.
    int topRow() const { return std::min(row_, rowSel_); }
    int bottomRow() const { return std::max(row_, rowSel_); }
    int leftCol() const { return std::min(col_, colSel_); }
    int rightCol() const { return std::max(col_, colSel_); }

protected:
    TableSelection() = default;
    ~TableSelection() = default;
    // The last row and column of the owning table.
    virtual int lastRow() const = 0;
    virtual int lastCol() const = 0;
    // Pulls the corners back inside the table after it shrank.
    void keepInside() {
        row_ = std::min(row_, lastRow());
        rowSel_ = std::min(rowSel_, lastRow());
        col_ = std::min(col_, lastCol());
        colSel_ = std::min(colSel_, lastCol());
    }

private:
    int row_ = 1, col_ = 0, rowSel_ = 1, colSel_ = 0;
};

}  // namespace kuvanto
