// The calculation run. Each figure of the two coordinate tables gets its own result column
// (Calc2); the combined column "総合" is then computed from the figure columns as their cells
// read, with the extreme fibre distances taken over the added table's vertices. Every value is
// checked to be finite before it is written, and any failure leaves the table hidden.
#include "Calc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "Figures.h"
#include "NumText.h"
#include "SectionProp.h"

namespace kuvanto {

namespace {

// Result table row of each property, indexed like kPropSymbols.
constexpr std::array<int, 18> kPropRows = {1,  2,  3,  4,  7,  8,  9,  10, 11,
                                           12, 13, 16, 17, 18, 19, 20, 21, 22};

// Centroid, perimeter and the four radii are written with three decimals, the rest in the
// exponent format.
bool Is_Fixed3(std::size_t index) {
    switch (index) {
        case 1:   // x_bar
        case 2:   // y_bar
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
bool Is_Signed(std::size_t index) {
    return index > 3 || index == 0;
}

std::string Format_Prop(std::size_t index, double value) {
    return Is_Fixed3(index) ? Fixed3_Text(value) : Exp_Text(value);
}

void Colour_Column(ResultGrid& result, int col, Rgb color) {
    for (int row = 1; row < ResultGrid::kRows; ++row) result.Set_Cell_Color(row, col, color);
}

void Open_Column(ResultGrid& result, int col, std::string head) {
    result.Set_Col_Width_Twips(col, 1000);
    result.Set_Col_Centred(col, true);
    result.Set_Text(0, col, std::move(head));
}

bool Root_Of_Ratio(double moment, double area, double& out) {
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

// The combined section from the figure columns 2 .. total_col - 1 and the added table's
// vertices. Returns nothing when a value cannot be computed.
std::optional<SectionProps> Combined_Props(const ResultGrid& result, int total_col,
                                           const std::vector<AddedVertices>& added) {
    struct Column {
        double a, x, y, ix, iy, ix_a, iy_a;
    };
    std::vector<Column> figs;
    for (int c = 2; c < total_col; ++c) {
        auto cell = [&](int row) { return Lenient_Value(result.Text(row, c)); };
        figs.push_back({cell(1), cell(2), cell(3), cell(7), cell(8), cell(16), cell(17)});
    }

    double a = 0, ax = 0, ay = 0;
    for (const auto& f : figs) {
        a += f.a;
        ax += f.x * f.a;
        ay += f.y * f.a;
    }
    if (a == 0 || !std::isfinite(a)) return std::nullopt;
    const double x_bar = ax / a;
    const double y_bar = ay / a;

    double ix = 0, iy = 0, ix_a = 0, iy_a = 0;
    for (const auto& f : figs) {
        ix += f.ix + f.a * (f.y - y_bar) * (f.y - y_bar);
        iy += f.iy + f.a * (f.x - x_bar) * (f.x - x_bar);
        ix_a += f.ix_a;
        iy_a += f.iy_a;
    }

    double cx = 0, cy = 0, cx_a = 0, cy_a = 0;
    for (const auto& fig : added) {
        for (std::size_t k = 0; k < fig.count; ++k) {
            cx = Max_Val(cx, std::fabs(fig.xs[k] - x_bar));
            cy = Max_Val(cy, std::fabs(fig.ys[k] - y_bar));
            cx_a = Max_Val(cx_a, std::fabs(fig.xs[k]));
            cy_a = Max_Val(cy_a, std::fabs(fig.ys[k]));
        }
    }
    if (cx == 0 || cy == 0 || cx_a == 0 || cy_a == 0) return std::nullopt;

    SectionProps p{};
    p[0] = a;
    p[1] = x_bar;
    p[2] = y_bar;
    p[3] = 0;  // the perimeter is copied as text
    p[4] = ix;
    p[5] = iy;
    p[6] = ix / cy;
    p[7] = iy / cx;
    p[8] = ix + iy;
    p[11] = ix_a;
    p[12] = iy_a;
    p[13] = ix_a / cy_a;
    p[14] = iy_a / cx_a;
    p[15] = iy_a + ix_a;
    if (!Root_Of_Ratio(ix, a, p[9]) || !Root_Of_Ratio(iy, a, p[10]) ||
        !Root_Of_Ratio(ix_a, a, p[16]) || !Root_Of_Ratio(iy_a, a, p[17]))
        return std::nullopt;
    for (double v : p) {
        if (!std::isfinite(v)) return std::nullopt;
    }
    return p;
}

}  // namespace

bool Calc2(ResultGrid& result, std::string_view kind, int number, std::vector<double>& xs,
           std::vector<double>& ys) {
    const double sign = kind == kAddKind ? 1.0 : -1.0;
    result.Set_Visible(false);
    if (number < 1) return false;
    result.Set_Cols(number + 2);
    const int col = number + 1;
    Open_Column(result, col, std::string(kind) + std::to_string(number));

    const auto props = Calc_All_Props(xs, ys);
    if (!props) return false;
    for (std::size_t i = 0; i < props->size(); ++i) {
        const double value = Is_Signed(i) ? (*props)[i] * sign : (*props)[i];
        result.Set_Text(kPropRows[i], col, Format_Prop(i, value));
    }
    Colour_Column(result, col, sign > 0 ? kAddColumnColor : kSbtrtColumnColor);
    result.Set_Visible(true);
    return true;
}

bool Calc1(const CoodGrid& add, const CoodGrid& sbtrt, ResultGrid& result) {
    result.Set_Visible(false);

    // The added table's vertex lists in table order (moved, with their length before closing),
    // for the extreme fibre distances of the combined section.
    std::vector<AddedVertices> added;
    const auto sink = [&](Figure& figure) {
        const std::size_t count = figure.xs.size();
        if (!Calc2(result, figure.kind, figure.number, figure.xs, figure.ys)) return false;
        if (figure.kind == kAddKind)
            added.push_back({std::move(figure.xs), std::move(figure.ys), count});
        return true;
    };
    int counter = 0;
    if (!Build_Figures(add, kAddKind, counter, sink) ||
        !Build_Figures(sbtrt, kSbtrtKind, counter, sink) || counter == 0) {
        result.Set_Visible(false);
        return false;
    }

    result.Set_Visible(false);
    const int total_col = result.Cols();
    result.Set_Cols(total_col + 1);
    Open_Column(result, total_col, std::string(kTotalHead));

    const auto props = Combined_Props(result, total_col, added);
    if (!props) return false;
    for (std::size_t i = 0; i < props->size(); ++i) {
        std::string text;
        if (i == 3)
            text = total_col == 3 ? result.Text(4, 2) : std::string("-");
        else
            text = Format_Prop(i, (*props)[i]);
        result.Set_Text(kPropRows[i], total_col, std::move(text));
    }
    Colour_Column(result, total_col, kTotalColumnColor);
    result.Set_Col(total_col);
    result.Set_Row(ResultGrid::kRows - 1);
    result.Set_Visible(true);
    return true;
}

std::string Copy_Result_Text(const ResultGrid& result) {
    const int r0 = std::min(result.Row(), result.RowSel());
    const int r1 = std::max(result.Row(), result.RowSel());
    const int c0 = std::min(result.Col(), result.ColSel());
    const int c1 = std::max(result.Col(), result.ColSel());
    std::string text;
    for (int r = r0; r <= r1; ++r) {
        if (r > r0) text += '\r';
        for (int c = c0; c <= c1; ++c) {
            if (c > c0) text += '\t';
            text += result.Text(r, c);
        }
    }
    return text;
}

}  // namespace kuvanto
