// The result table: 23 rows of named quantities, one column per figure and a last column "総合"
// for the combined section. It is both the display and the store of results: the combined column,
// the export, the mass calculation and the canvas centroid mark read their numbers from its cell
// texts. Holds texts, per-cell background colours, column widths, visibility and the selection.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kuvanto {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kAddColumnColor{255, 192, 192};
inline constexpr Rgb kSubtractedColumnColor{192, 192, 255};
inline constexpr Rgb kTotalColumnColor{192, 192, 0};
inline constexpr std::string_view kTotalHead = "総合";
inline constexpr std::string_view kFailureMessage =
    "<<有効なデータがないか、計算にエラーがあり表示できません。>>";

class ResultTable {
public:
    static constexpr int kRows = 23;

    ResultTable();  // three columns, all cells empty, visible

    int cols() const { return static_cast<int>(cols_.size()); }
    void setCols(int cols);  // grows with empty columns or drops columns at the end (min 3)

    const std::string& text(int row, int col) const;  // out of range: empty text
    void setText(int row, int col, std::string text);

    std::optional<Rgb> cellColor(int row, int col) const;  // nothing: the default cell colour
    void setCellColor(int row, int col, Rgb color);

    int colWidthTwips(int col) const;
    void setColWidthTwips(int col, int twips);
    bool colCentred(int col) const;
    void setColCentred(int col, bool centred);
    int rowHeightTwips(int row) const;  // 0: the default height
    void setRowHeightTwips(int row, int twips);

    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; ++revision_; }

    // Removes the text (and colours) of every cell; columns, widths and visibility stay.
    void clear();

    // Selection, as in CoordTable: Row/col collapse, rowSel/colSel widen.
    int Row() const { return row_; }
    int col() const { return col_; }
    int rowSel() const { return rowSel_; }
    int colSel() const { return colSel_; }
    void setRow(int row);
    void setCol(int col);
    void setRowSel(int row);
    void setColSel(int col);

    std::uint64_t revision() const { return revision_; }

private:
    struct Column {
        std::array<std::string, kRows> text;
        std::array<std::optional<Rgb>, kRows> color;
        int widthTwips = 0;
        bool centred = false;
    };
    std::vector<Column> cols_;
    std::array<int, kRows> rowHeights_{};
    bool visible_ = true;
    int row_ = 1, col_ = 0, rowSel_ = 1, colSel_ = 0;
    std::uint64_t revision_ = 0;
};

// Empties the table and writes the item and symbol columns: widths 1500, 450, 900 twips for
// columns 0..2, columns 0 and 1 centred, rows 5 and 14 150 twips high. Column count and
// visibility stay.
void resetResultTable(ResultTable& grid);

}  // namespace kuvanto
