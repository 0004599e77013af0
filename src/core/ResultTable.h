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
#include <utility>
#include <vector>

#include "core/SectionProperties.h"
#include "core/TableSelection.h"

namespace kuvanto {

// The rows of the result table: the header, the value rows of the properties, and before each
// block after the first a spacer row and a heading.
// clang-format off
enum class ResultRow {
    Header = 0,
    Area = 1, CentroidX = 2, CentroidY = 3, Perimeter = 4,
    CentroidSpacer = 5, CentroidHeading = 6,  // "[図心回り]"
    MomentX = 7, MomentY = 8, ModulusX = 9, ModulusY = 10, PolarMoment = 11,
    RadiusX = 12, RadiusY = 13,
    AxisSpacer = 14, AxisHeading = 15,  // "[座標軸回り]"
    AxisMomentX = 16, AxisMomentY = 17, AxisModulusX = 18, AxisModulusY = 19,
    AxisPolarMoment = 20, AxisRadiusX = 21, AxisRadiusY = 22,
    PrincipalSpacer = 23, PrincipalHeading = 24,  // "[主軸]"
    ProductMoment = 25, AxisProductMoment = 26, PrincipalAngle = 27, MajorMoment = 28,
    MinorMoment = 29, MajorModulus = 30, MinorModulus = 31, MajorRadius = 32, MinorRadius = 33,
    FibreSpacer = 34, FibreHeading = 35,  // "[縁端別断面係数]"
    TopModulusX = 36, BottomModulusX = 37, RightModulusY = 38, LeftModulusY = 39,
    PlasticSpacer = 40, PlasticHeading = 41,  // "[塑性]"
    PlasticAxisX = 42, PlasticAxisY = 43, PlasticModulusX = 44, PlasticModulusY = 45,
    ShapeFactorX = 46, ShapeFactorY = 47, PlasticModulusU = 48, PlasticModulusV = 49,
};
// clang-format on

// The row that shows a property.
ResultRow resultRow(Property property);

// How a row shows its values: lengths with three decimals (centroid, perimeter, radii, plastic
// axes; below 1 in the exponent form), plain three decimals (the principal angle in degrees and
// the shape factors), or the exponent format.
enum class CellFormat { Length, Decimals, Exponent };
CellFormat rowFormat(ResultRow row);

// The spacer rows, 150 twips high.
bool isSpacerRow(int row);

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

class ResultTable : public TableSelection {
public:
    static constexpr int kRows = 50;

    ResultTable();  // three columns, all cells empty, visible

    int cols() const { return static_cast<int>(cols_.size()); }
    void setCols(int cols);  // grows with empty columns or drops columns at the end (min 3)

    const std::string& text(int row, int col) const;  // out of range: empty text
    void setText(int row, int col, std::string text);
    const std::string& text(ResultRow row, int col) const {
        return text(static_cast<int>(row), col);
    }
    void setText(ResultRow row, int col, std::string text) {
        setText(static_cast<int>(row), col, std::move(text));
    }

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

    // Removes the text (and colours) of every cell; columns, widths and visibility stay.
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
    };
    std::vector<Column> cols_;
    std::array<int, kRows> rowHeights_{};
    bool visible_ = true;
    std::uint64_t revision_ = 0;
};

// Empties the table and writes the item and symbol columns: widths 1500, 450, 900 twips for
// columns 0..2, columns 0 and 1 centred, the spacer rows 150 twips high. Column count and
// visibility stay.
void resetResultTable(ResultTable& grid);

}  // namespace kuvanto
