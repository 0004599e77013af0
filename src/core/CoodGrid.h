// A coordinate table: the only store of a section's geometry. Row 0 is the fixed header "X" | "Y";
// every data row holds two text cells (a vertex, a separator row "<<図形区切り>>", or anything the
// user typed); the last row is normally the empty entry row. The table also carries its selection
// (current cell Row/Col and the opposite corner RowSel/ColSel) and a revision counter that views
// use to notice changes made by commands.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kuvanto {

inline constexpr std::string_view kSeparatorText = "<<図形区切り>>";
inline constexpr std::string_view kAddMarker = "<<加算>>";
inline constexpr std::string_view kSbtrtMarker = "<<減算>>";
inline constexpr std::string_view kAddKind = "加算";
inline constexpr std::string_view kSbtrtKind = "減算";

class CoodGrid {
public:
    static constexpr int kColWidthTwips = 1284;

    CoodGrid();  // the fresh state: header row and one empty entry row

    int Rows() const { return static_cast<int>(cells_.size() / 2); }
    // Setting more rows appends empty rows, fewer drops rows at the end (never the header).
    void Set_Rows(int rows);

    // Cell text; out-of-range reads give an empty text, out-of-range writes are ignored.
    const std::string& Text(int row, int col) const;
    void Set_Text(int row, int col, std::string text);

    // Removes the text of every cell (the header too); row count stays.
    void Clear();

    // Inserts `count` empty rows before `row` (1 <= row <= Rows()); removes rows [row, row+count).
    void Insert_Rows(int row, int count);
    void Remove_Rows(int row, int count);

    // Appends one data row holding the two texts (used by the file readers).
    void Append_Row(std::string x, std::string y);

    // Row kinds decided by the X cell.
    bool Is_Vertex_Row(int row) const;
    bool Is_Separator_Row(int row) const;

    // Selection. Setting Row or Col collapses the selection to that cell; setting RowSel or ColSel
    // afterwards widens it. The selected rows run from min(Row, RowSel) to max(Row, RowSel).
    int Row() const { return row_; }
    int Col() const { return col_; }
    int RowSel() const { return row_sel_; }
    int ColSel() const { return col_sel_; }
    void Set_Row(int row);
    void Set_Col(int col);
    void Set_RowSel(int row);
    void Set_ColSel(int col);

    // Grows on every change of cells or rows, so that views can tell when to refresh.
    std::uint64_t Revision() const { return revision_; }

    // Direct access to the cell store for bulk readers (two cells per row, row-major).
    // Callers that write through it must call Touch() afterwards.
    std::vector<std::string>& Cells() { return cells_; }
    const std::vector<std::string>& Cells() const { return cells_; }
    void Touch() { ++revision_; }

private:
    std::vector<std::string> cells_;
    int row_ = 1, col_ = 0, row_sel_ = 1, col_sel_ = 0;
    std::uint64_t revision_ = 0;
};

// Resets one table to the fresh state: texts removed, header "X" / "Y", two rows, selection at
// row 1, column 0.
void Init_Cood_Grid(CoodGrid& grid);
// Resets both tables.
void Init_Cood_Grid(CoodGrid& add, CoodGrid& sbtrt);

}  // namespace kuvanto
