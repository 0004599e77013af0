// The calculation run. Each figure of the two coordinate tables gets its own result column
// (writeFigureColumn); the combined column "総合" is then computed from the figure columns as their cells
// read, with the extreme fibre distances taken over the added table's vertices. Every value is
// checked to be finite before it is written, and any failure leaves the table hidden.
#include "core/Calculation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "core/Figures.h"
#include "core/NumberText.h"
#include "core/SectionProperties.h"

namespace kuvanto {

namespace {

// Result table row of each property, indexed like kPropertySymbols.
constexpr std::array<int, 18> kPropertyRows = {1,  2,  3,  4,  7,  8,  9,  10, 11,
                                           12, 13, 16, 17, 18, 19, 20, 21, 22};

// Centroid, perimeter and the four radii are written with three decimals, the rest in the
// exponent format.
bool isFixed3(std::size_t index) {
    switch (index) {
        case 1:   // xBar
        case 2:   // yBar
        case 3:   // len
        case 9:   // ix
        case 10:  // iy
        case 16:  // ix'
        case 17:  // iy'
            return true;
        default:
            return false;
    }
}

// Centroid and perimeter keep their sign in a subtracted figure's column.
bool isSigned(std::size_t index) {
    return index > 3 || index == 0;
}

std::string formatProperty(std::size_t index, double value) {
    return isFixed3(index) ? fixed3Text(value) : expText(value);
}

void colourColumn(ResultTable& result, int col, Rgb color) {
    for (int row = 1; row < ResultTable::kRows; ++row) result.setCellColor(row, col, color);
}

void openColumn(ResultTable& result, int col, std::string head) {
    result.setColWidthTwips(col, 1000);
    result.setColCentred(col, true);
    result.setText(0, col, std::move(head));
}

bool rootOfRatio(double moment, double area, double& out) {
    const double ratio = moment / area;
    if (!(ratio >= 0)) return false;
    out = std::sqrt(ratio);
    return true;
}

// The vertex rows of one added figure: its lists as the calculation left them (closed) and the
// count of rows they came from.
struct AddedVertices {
    std::vector<double> xs, ys;
    std::size_t count = 0;
};

// The combined section from the figure columns 2 .. totalCol - 1 and the added table's
// vertices. Returns nothing when a value cannot be computed.
std::optional<SectionProperties> combinedProperties(const ResultTable& result, int totalCol,
                                           const std::vector<AddedVertices>& added) {
    struct Column {
        double a, x, y, ix, iy, ixA, iyA;
    };
    std::vector<Column> figs;
    for (int c = 2; c < totalCol; ++c) {
        auto cell = [&](int row) { return lenientValue(result.text(row, c)); };
        figs.push_back({cell(1), cell(2), cell(3), cell(7), cell(8), cell(16), cell(17)});
    }

    double a = 0, ax = 0, ay = 0;
    for (const auto& f : figs) {
        a += f.a;
        ax += f.x * f.a;
        ay += f.y * f.a;
    }
    if (a == 0 || !std::isfinite(a)) return std::nullopt;
    const double xBar = ax / a;
    const double yBar = ay / a;

    double ix = 0, iy = 0, ixA = 0, iyA = 0;
    for (const auto& f : figs) {
        ix += f.ix + f.a * (f.y - yBar) * (f.y - yBar);
        iy += f.iy + f.a * (f.x - xBar) * (f.x - xBar);
        ixA += f.ixA;
        iyA += f.iyA;
    }

    double cx = 0, cy = 0, cxA = 0, cyA = 0;
    for (const auto& fig : added) {
        for (std::size_t k = 0; k < fig.count; ++k) {
            cx = maxValue(cx, std::fabs(fig.xs[k] - xBar));
            cy = maxValue(cy, std::fabs(fig.ys[k] - yBar));
            cxA = maxValue(cxA, std::fabs(fig.xs[k]));
            cyA = maxValue(cyA, std::fabs(fig.ys[k]));
        }
    }
    if (cx == 0 || cy == 0 || cxA == 0 || cyA == 0) return std::nullopt;

    SectionProperties p{};
    p[0] = a;
    p[1] = xBar;
    p[2] = yBar;
    p[3] = 0;  // the perimeter is copied as text
    p[4] = ix;
    p[5] = iy;
    p[6] = ix / cy;
    p[7] = iy / cx;
    p[8] = ix + iy;
    p[11] = ixA;
    p[12] = iyA;
    p[13] = ixA / cyA;
    p[14] = iyA / cxA;
    p[15] = iyA + ixA;
    if (!rootOfRatio(ix, a, p[9]) || !rootOfRatio(iy, a, p[10]) ||
        !rootOfRatio(ixA, a, p[16]) || !rootOfRatio(iyA, a, p[17]))
        return std::nullopt;
    for (double v : p) {
        if (!std::isfinite(v)) return std::nullopt;
    }
    return p;
}

}  // namespace

bool writeFigureColumn(ResultTable& result, std::string_view kind, int number, std::vector<double>& xs,
           std::vector<double>& ys) {
    const double sign = kind == kAddKind ? 1.0 : -1.0;
    result.setVisible(false);
    if (number < 1) return false;
    result.setCols(number + 2);
    const int col = number + 1;
    openColumn(result, col, std::string(kind) + std::to_string(number));

    const auto props = allProperties(xs, ys);
    if (!props) return false;
    for (std::size_t i = 0; i < props->size(); ++i) {
        const double value = isSigned(i) ? (*props)[i] * sign : (*props)[i];
        result.setText(kPropertyRows[i], col, formatProperty(i, value));
    }
    colourColumn(result, col, sign > 0 ? kAddColumnColor : kSubtractedColumnColor);
    result.setVisible(true);
    return true;
}

bool runCalculation(const CoordTable& add, const CoordTable& subtracted, ResultTable& result) {
    result.setVisible(false);

    // The added table's vertex lists in table order (moved, with their length before closing),
    // for the extreme fibre distances of the combined section.
    std::vector<AddedVertices> added;
    const auto sink = [&](Figure& figure) {
        const std::size_t count = figure.xs.size();
        if (!writeFigureColumn(result, figure.kind, figure.number, figure.xs, figure.ys)) return false;
        if (figure.kind == kAddKind)
            added.push_back({std::move(figure.xs), std::move(figure.ys), count});
        return true;
    };
    int counter = 0;
    if (!buildFigures(add, kAddKind, counter, sink) ||
        !buildFigures(subtracted, kSubtractedKind, counter, sink) || counter == 0) {
        result.setVisible(false);
        return false;
    }

    result.setVisible(false);
    const int totalCol = result.cols();
    result.setCols(totalCol + 1);
    openColumn(result, totalCol, std::string(kTotalHead));

    const auto props = combinedProperties(result, totalCol, added);
    if (!props) return false;
    for (std::size_t i = 0; i < props->size(); ++i) {
        std::string text;
        if (i == 3)
            text = totalCol == 3 ? result.text(4, 2) : std::string("-");
        else
            text = formatProperty(i, (*props)[i]);
        result.setText(kPropertyRows[i], totalCol, std::move(text));
    }
    colourColumn(result, totalCol, kTotalColumnColor);
    result.setCol(totalCol);
    result.setRow(ResultTable::kRows - 1);
    result.setVisible(true);
    return true;
}

std::string copyResultText(const ResultTable& result) {
    const int r0 = std::min(result.Row(), result.rowSel());
    const int r1 = std::max(result.Row(), result.rowSel());
    const int c0 = std::min(result.col(), result.colSel());
    const int c1 = std::max(result.col(), result.colSel());
    std::string text;
    for (int r = r0; r <= r1; ++r) {
        if (r > r0) text += '\r';
        for (int c = c0; c <= c1; ++c) {
            if (c > c0) text += '\t';
            text += result.text(r, c);
        }
    }
    return text;
}

}  // namespace kuvanto
