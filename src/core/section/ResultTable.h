// The result table: the rows of kResultRows (ResultRows.h), one column per figure and a last
// column "総合" for the combined section. It is both the display and the store of results: the
// combined column, the export, the mass calculation and the canvas centroid mark read their numbers
// from its cell texts. Holds texts, per-cell background colours, column widths, visibility and the
// selection.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/base/Point.h"
#include "core/base/TranslationMarker.h"
#include "core/section/ResultRows.h"
#include "core/section/SectionProperties.h"
#include "core/table/TableSelection.h"

namespace kuvanto {

// Formats a property's value as its row shows it.
std::string formatProperty(Property property, double value);

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kAddColumnColor{255, 192, 192};
inline constexpr Rgb kSubtractedColumnColor{192, 192, 255};
inline constexpr Rgb kTotalColumnColor{192, 192, 0};
// What a column of the result table holds. Views, the canvas and the tools tell the columns apart
// by this, never by their head texts, which are translated where they are shown.
enum class ColumnKind { Other, Added, Subtracted, Combined };

// The head texts the table stores (the export writes them as they are): a figure column's head is
// its kind's word followed by the figure number ("加算1", "減算3").
inline constexpr std::string_view kAddedHead = "加算";
inline constexpr std::string_view kSubtractedHead = "減算";
inline constexpr std::string_view kTotalHead = "総合";
// Shown in place of the results after a failed run (translated where shown, context
// "ResultTable").
inline constexpr std::string_view kFailureMessage = QT_TRANSLATE_NOOP(
    "ResultTable", "<<有効なデータがないか、計算にエラーがあり表示できません。>>");

class ResultTable : public TableSelection {
public:
    static constexpr int kRows = kResultRowCount;

    ResultTable();  // three columns, all cells empty, visible

    int cols() const { return static_cast<int>(cols_.size()); }
    void setCols(int cols);  // grows with empty columns or drops columns at the end (min 3)

    const std::string& text(int row, int col) const;  // out of range: empty text
    void setText(int row, int col, std::string text);
    // The cell of a property's row.
    const std::string& text(Property property, int col) const {
        return text(resultRow(property), col);
    }
    void setText(Property property, int col, std::string text) {
        setText(resultRow(property), col, std::move(text));
    }

    // What the column holds and, for a figure column, its figure number (counted over both
    // tables, as in the head).
    ColumnKind columnKind(int col) const;
    int columnFigure(int col) const;
    void setColumnKind(int col, ColumnKind kind, int figure = 0);

    std::optional<Rgb> cellColor(int row, int col) const;  // nothing: the default cell colour
    void setCellColor(int row, int col, Rgb color);

    int colWidthTwips(int col) const;
    void setColWidthTwips(int col, int twips);
    bool colCentred(int col) const;
    void setColCentred(int col, bool centred);
    int rowHeightTwips(int row) const;  // 0: the default height
    void setRowHeightTwips(int row, int twips);

    bool visible() const { return visible_; }
    void setVisible(bool visible) {
        visible_ = visible;
        ++revision_;
    }

    // Removes the text (and colours and column kinds) of every cell; columns, widths and
    // visibility stay.
    void clear();

    std::uint64_t revision() const { return revision_; }

private:
    int lastRow() const override { return kRows - 1; }
    int lastCol() const override { return cols() - 1; }

    struct Column {
        std::array<std::string, kRows> text;
        std::array<std::optional<Rgb>, kRows> color;
        int widthTwips = 0;
        bool centred = false;
        ColumnKind kind = ColumnKind::Other;
        int figure = 0;
    };
    std::vector<Column> cols_;
    std::array<int, kRows> rowHeights_{};
    bool visible_ = true;
    std::uint64_t revision_ = 0;
};

// Empties the table and writes the item and symbol columns of every row: widths 1500, 450, 900
// twips for columns 0..2, columns 0 and 1 centred, the rows' own heights. Column count and
// visibility stay.
void resetResultTable(ResultTable& grid);

// The head text the table stores for a column of this kind: "加算1", "減算3", "総合"; empty for
// other columns.
std::string columnHead(ColumnKind kind, int figure);

// The centroid the combined column "総合" shows (the last column), or nothing when the table has
// no combined column or its centroid cells are empty. The canvas and the printed sheet draw their
// centroid mark here.
std::optional<Point> shownCentroid(const ResultTable& grid);

// Whether a row of the table has something to show: the torsion block's rows once its analysis
// has filled the combined column, the rows of several materials once a section with materials
// has filled them, every other row always. The export and the calculator leave the others out.
bool resultRowInUse(const ResultTable& grid, int row);

// The shear centre the combined column shows, or nothing while the torsion block holds no
// results (not yet computed, or a message in their place).
std::optional<Point> shownShearCentre(const ResultTable& grid);

}  // namespace kuvanto
