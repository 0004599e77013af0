// The calculation run. Each figure of the two coordinate tables gets its own result column
// (writeFigureColumn); the combined column "総合" is then computed from the figure columns as
// their cells read, with the extreme fibre distances taken over the added table's vertex rows.
// Every value is checked to be finite before it is written, and any failure leaves the table
// hidden.
#include "core/Calculation.h"

#include <algorithm>
#include <cmath>

#include "core/Figures.h"
#include "core/NumberText.h"

namespace kuvanto {

namespace {

void colourColumn(ResultTable& result, int col, Rgb color) {
    for (int row = 1; row < ResultTable::kRows; ++row) result.setCellColor(row, col, color);
}

void openColumn(ResultTable& result, int col, std::string head) {
    result.setColWidthTwips(col, 1000);
    result.setColCentred(col, true);
    result.setText(kHeaderRow, col, std::move(head));
}

// What the combined section takes from one figure (signed as its column shows it).
struct FigurePart {
    double area, x, y, momentX, momentY, axisMomentX, axisMomentY;
};

FigurePart partFromCells(const ResultTable& result, int col) {
    auto cell = [&](Property p) { return lenientValue(result.text(p, col)); };
    return {cell(Property::Area),       cell(Property::CentroidX), cell(Property::CentroidY),
            cell(Property::MomentX),    cell(Property::MomentY),   cell(Property::AxisMomentX),
            cell(Property::AxisMomentY)};
}

FigurePart partFromValues(const SectionProperties& p) {
    return {p[Property::Area],       p[Property::CentroidX], p[Property::CentroidY],
            p[Property::MomentX],    p[Property::MomentY],   p[Property::AxisMomentX],
            p[Property::AxisMomentY]};
}

// The largest distances of the added table's vertices from the combined centroid and from the
// axes.
struct Fibres {
    double cx = 0, cy = 0, cxAxis = 0, cyAxis = 0;
};

Fibres fibresOf(const CoordTable& added, double xBar, double yBar) {
    Fibres f;
    for (const Point& v : added.points()) {
        if (std::isnan(v.x) || std::isnan(v.y)) continue;  // not a vertex row
        f.cx = maxValue(f.cx, std::fabs(v.x - xBar));
        f.cy = maxValue(f.cy, std::fabs(v.y - yBar));
        f.cxAxis = maxValue(f.cxAxis, std::fabs(v.x));
        f.cyAxis = maxValue(f.cyAxis, std::fabs(v.y));
    }
    return f;
}

// The combined section of the figure parts and the added table's vertex rows. The perimeter is
// left 0 (the caller copies it). Returns nothing when a value cannot be computed.
std::optional<SectionProperties> combinedProperties(const std::vector<FigurePart>& parts,
                                                    const CoordTable& added) {
    double a = 0, ax = 0, ay = 0;
    for (const auto& f : parts) {
        a += f.area;
        ax += f.x * f.area;
        ay += f.y * f.area;
    }
    if (a == 0 || !std::isfinite(a)) return std::nullopt;
    const double xBar = ax / a;
    const double yBar = ay / a;

    double ix = 0, iy = 0, ixAxis = 0, iyAxis = 0;
    for (const auto& f : parts) {
        ix += f.momentX + f.area * (f.y - yBar) * (f.y - yBar);
        iy += f.momentY + f.area * (f.x - xBar) * (f.x - xBar);
        ixAxis += f.axisMomentX;
        iyAxis += f.axisMomentY;
    }

    const Fibres fibres = fibresOf(added, xBar, yBar);
    if (fibres.cx == 0 || fibres.cy == 0 || fibres.cxAxis == 0 || fibres.cyAxis == 0)
        return std::nullopt;

    SectionProperties p;
    p[Property::Area] = a;
    p[Property::CentroidX] = xBar;
    p[Property::CentroidY] = yBar;
    p[Property::MomentX] = ix;
    p[Property::MomentY] = iy;
    p[Property::ModulusX] = ix / fibres.cy;
    p[Property::ModulusY] = iy / fibres.cx;
    p[Property::PolarMoment] = ix + iy;
    p[Property::AxisMomentX] = ixAxis;
    p[Property::AxisMomentY] = iyAxis;
    p[Property::AxisModulusX] = ixAxis / fibres.cyAxis;
    p[Property::AxisModulusY] = iyAxis / fibres.cxAxis;
    p[Property::AxisPolarMoment] = iyAxis + ixAxis;
    if (!radiusOfGyration(ix, a, p[Property::RadiusX]) ||
        !radiusOfGyration(iy, a, p[Property::RadiusY]) ||
        !radiusOfGyration(ixAxis, a, p[Property::AxisRadiusX]) ||
        !radiusOfGyration(iyAxis, a, p[Property::AxisRadiusY]))
        return std::nullopt;
    for (Property i : kAllProperties) {
        if (!std::isfinite(p[i])) return std::nullopt;
    }
    return p;
}

}  // namespace

std::optional<SectionProperties> writeFigureColumn(ResultTable& result, std::string_view kind,
                                                   int number, std::span<const Point> vertices) {
    const double sign = kind == kAddKind ? 1.0 : -1.0;
    result.setVisible(false);
    if (number < 1) return std::nullopt;
    result.setCols(number + 2);
    const int col = number + 1;
    openColumn(result, col, std::string(kind) + std::to_string(number));

    auto props = allProperties(vertices);
    if (!props) return std::nullopt;
    for (Property i : kAllProperties) {
        if (isSignedProperty(i)) (*props)[i] *= sign;
        const bool shown = propertySpec(i).columns == RowColumns::All;
        result.setText(i, col, shown ? formatProperty(i, (*props)[i]) : std::string("-"));
    }
    colourColumn(result, col, sign > 0 ? kAddColumnColor : kSubtractedColumnColor);
    result.setVisible(true);
    return props;
}

bool runCalculation(const CoordTable& add, const CoordTable& subtracted, ResultTable& result,
                    std::vector<ColumnValues>* values) {
    result.setVisible(false);
    if (values) values->clear();

    // The full-precision parts of every figure, for the combined values handed back.
    std::vector<FigurePart> exactParts;
    const auto sink = [&](const Figure& figure) {
        const auto props = writeFigureColumn(result, figure.kind, figure.number, figure.vertices);
        if (!props) return false;
        if (values) {
            values->push_back({std::string(figure.kind) + std::to_string(figure.number),
                               figure.kind, figure.number, *props, true});
            exactParts.push_back(partFromValues(*props));
        }
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

    std::vector<FigurePart> shownParts;
    for (int col = 2; col < totalCol; ++col) shownParts.push_back(partFromCells(result, col));
    const auto props = combinedProperties(shownParts, add);
    if (!props) return false;
    const bool oneFigure = totalCol == 3;
    for (Property i : kAllProperties) {
        std::string text;
        if (i == Property::Perimeter)
            text = oneFigure ? result.text(Property::Perimeter, 2) : std::string("-");
        else
            text = formatProperty(i, (*props)[i]);
        result.setText(i, totalCol, std::move(text));
    }
    colourColumn(result, totalCol, kTotalColumnColor);
    result.setCol(totalCol);
    result.setRow(ResultTable::kRows - 1);
    result.setVisible(true);

    if (values) {
        ColumnValues total{std::string(kTotalHead), kTotalHead, 0, {}, oneFigure};
        if (const auto exact = combinedProperties(exactParts, add)) total.values = *exact;
        if (oneFigure && !values->empty())
            total.values[Property::Perimeter] = values->front().values[Property::Perimeter];
        values->push_back(total);
    }
    return true;
}

std::string copyResultText(const ResultTable& result) {
    std::string text;
    for (int r = result.topRow(); r <= result.bottomRow(); ++r) {
        if (r > result.topRow()) text += '\r';
        for (int c = result.leftCol(); c <= result.rightCol(); ++c) {
            if (c > result.leftCol()) text += '\t';
            text += result.text(r, c);
        }
    }
    return text;
}

}  // namespace kuvanto
