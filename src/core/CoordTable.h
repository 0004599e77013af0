// A coordinate table: the only store of a section's geometry. Row 0 is the fixed header "X" | "Y";
// every data row holds two text cells (a vertex, a separator row "<<図形区切り>>", or anything the
// user typed); the last row is normally the empty entry row. The table also carries its selection
// (current cell Row/col and the opposite corner rowSel/colSel) and a revision counter that views
// use to notice changes made by commands.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/TableSelection.h"

namespace kuvanto {

inline constexpr std::string_view kSeparatorText = "<<図形区切り>>";
inline constexpr std::string_view kAddMarker = "<<加算>>";
inline constexpr std::string_view kSubtractedMarker = "<<減算>>";
inline constexpr std::string_view kAddKind = "加算";
inline constexpr std::string_view kSubtractedKind = "減算";

class CoordTable : public TableSelection {
public:
    static constexpr int kColWidthTwips = 1284;

    CoordTable();  // the fresh state: header row and one empty entry row

    int rows() const { return static_cast<int>(cells_.size() / 2); }
    // Setting more rows appends empty rows, fewer drops rows at the end (never the header).
    void setRows(int rows);

    // Cell text; out-of-range reads give an empty text, out-of-range writes are ignored.
    const std::string& text(int row, int col) const;
    void setText(int row, int col, std::string text);

    // Removes the text of every cell (the header too); row count stays.
    void clear();

    // Inserts `count` empty rows before `row` (1 <= row <= rows()); removes rows [row, row+count).
    void insertRows(int row, int count);
    void removeRows(int row, int count);

    // Appends one data row holding the two texts (used by the file readers).
    void appendRow(std::string x, std::string y);

    // Row kinds decided by the X cell.
    bool isVertexRow(int row) const;
    bool isSeparatorRow(int row) const;

    // The selection (Row, col, rowSel, colSel and their setters) comes from TableSelection and
    // stays inside the table when rows are removed.

    // Grows on every change of cells or rows, so that views can tell when to refresh.
    std::uint64_t revision() const { return revision_; }

    // Direct access to the cell store for bulk readers (two cells per row, row-major).
    // Callers that write through it must call touch() afterwards.
    std::vector<std::string>& cells() { return cells_; }
    const std::vector<std::string>& cells() const { return cells_; }
    void touch() { ++revision_; }

private:
    int lastRow() const override { return rows() - 1; }
    int lastCol() const override { return 1; }

    std::vector<std::string> cells_;
    std::uint64_t revision_ = 0;
};

// Resets one table to the fresh state: texts removed, header "X" / "Y", two rows, selection at
// row 1, column 0.
void resetCoordTable(CoordTable& grid);
// Resets both tables.
void resetCoordTable(CoordTable& add, CoordTable& subtracted);

}  // namespace kuvanto
