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
inline constexpr Rgb kSbtrtColumnColor{192, 192, 255};
inline constexpr Rgb kTotalColumnColor{192, 192, 0};
inline constexpr std::string_view kTotalHead = "総合";
inline constexpr std::string_view kFailureMessage =
    "<<有効なデータがないか、計算にエラーがあり表示できません。>>";

class ResultGrid {
public:
    static constexpr int kRows = 23;

    ResultGrid();  // three columns, all cells empty, visible

    int Cols() const { return static_cast<int>(cols_.size()); }
    void Set_Cols(int cols);  // grows with empty columns or drops columns at the end (min 3)

    const std::string& Text(int row, int col) const;  // out of range: empty text
    void Set_Text(int row, int col, std::string text);

    std::optional<Rgb> Cell_Color(int row, int col) const;  // nothing: the default cell colour
    void Set_Cell_Color(int row, int col, Rgb color);

    int Col_Width_Twips(int col) const;
    void Set_Col_Width_Twips(int col, int twips);
    bool Col_Centred(int col) const;
    void Set_Col_Centred(int col, bool centred);
    int Row_Height_Twips(int row) const;  // 0: the default height
    void Set_Row_Height_Twips(int row, int twips);

    bool Visible() const { return visible_; }
    void Set_Visible(bool visible) { visible_ = visible; ++revision_; }

    // Removes the text (and colours) of every cell; columns, widths and visibility stay.
    void Clear();

    // Selection, as in CoodGrid: Row/Col collapse, RowSel/ColSel widen.
    int Row() const { return row_; }
    int Col() const { return col_; }
    int RowSel() const { return row_sel_; }
    int ColSel() const { return col_sel_; }
    void Set_Row(int row);
    void Set_Col(int col);
    void Set_RowSel(int row);
    void Set_ColSel(int col);

    std::uint64_t Revision() const { return revision_; }

private:
    struct Column {
        std::array<std::string, kRows> text;
        std::array<std::optional<Rgb>, kRows> color;
        int width_twips = 0;
        bool centred = false;
    };
    std::vector<Column> cols_;
    std::array<int, kRows> row_heights_{};
    bool visible_ = true;
    int row_ = 1, col_ = 0, row_sel_ = 1, col_sel_ = 0;
    std::uint64_t revision_ = 0;
};

// Empties the table and writes the item and symbol columns: widths 1500, 450, 900 twips for
// columns 0..2, columns 0 and 1 centred, rows 5 and 14 150 twips high. Column count and
// visibility stay.
void Init_Result_Grid(ResultGrid& grid);

}  // namespace kuvanto
