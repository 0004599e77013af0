// The calculation run. Each figure of the two coordinate tables gets its own result column
// (writeFigureColumn); the combined column "総合" is then computed from the figures'
// full-precision values, rounded once when its texts are made, with the extreme fibre distances
// taken over the added table's vertex rows.
// Every value is checked to be finite before it is written, and any failure leaves the table
// hidden.
#include "core/section/Calculation.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <limits>
#include <utility>

#include "core/base/NumberText.h"
#include "core/section/CombinedAxes.h"
#include "core/section/CombinedRoundingBounds.h"
#include "core/section/CompositeSection.h"
#include "core/section/Figures.h"

namespace kuvanto {

namespace {

// What a figure column shows in the rows of the combined section only.
constexpr std::string_view kNotForFigures = "-";

void colourColumn(ResultTable& result, int col, Rgb color) {
    for (int row = 1; row < ResultTable::kRows; ++row) result.setCellColor(row, col, color);
}

void openColumn(ResultTable& result, int col, ColumnKind kind, int figure) {
    result.setColWidthTwips(col, 1000);
    result.setColCentred(col, true);
    result.setColumnKind(col, kind, figure);
    result.setText(kHeaderRow, col, columnHead(kind, figure));
}

ColumnKind columnKindOf(TableKind table) {
    return table == TableKind::Added ? ColumnKind::Added : ColumnKind::Subtracted;
}

// What the combined section takes from one figure (signed as its column shows it).
struct FigurePart {
    double area, x, y, momentX, momentY, axisMomentX, axisMomentY, product, axisProduct;
    RoundingBounds bounds;
};

FigurePart partFromValues(const SectionProperties& p) {
    return {p[Property::Area],
            p[Property::CentroidX],
            p[Property::CentroidY],
            p[Property::MomentX],
            p[Property::MomentY],
            p[Property::AxisMomentX],
            p[Property::AxisMomentY],
            p[Property::ProductMoment],
            p[Property::AxisProductMoment],
            p.bounds()};
}

// The figures' outlines with their signs, for the plastic values of the combined section. A
// figure whose rows follow each other is a view of the table's numbers, valid as long as the
// table; a figure broken by stray rows is copied.
class SignedOutlines {
public:
    // Returns the outline as kept.
    std::span<const Point> add(const Figure& figure, const CoordTable& table) {
        const std::span<const Point> rows = table.points();
        const Point* first = figure.vertices.data();
        const bool inTable = !rows.empty() && std::less_equal<>()(rows.data(), first) &&
                             std::less<>()(first, rows.data() + rows.size());
        std::span<const Point> vertices = figure.vertices;
        if (!inTable) {
            copies_.emplace_back(figure.vertices.begin(), figure.vertices.end());
            vertices = copies_.back();
        }
        outlines_.push_back({vertices, figure.kind == TableKind::Added ? 1.0 : -1.0});
        return vertices;
    }
    PlasticModuli about(Point centroid) const {
        PlasticModuli plastic(centroid);
        for (const auto& [vertices, sign] : outlines_) plastic.addOutline(vertices, sign);
        return plastic;
    }

private:
    std::deque<std::vector<Point>> copies_;
    std::vector<std::pair<std::span<const Point>, double>> outlines_;
};

// The combined section of the figure parts and the added table's vertex rows. The perimeter is
// left 0 (the caller copies it). Returns nothing when a value cannot be computed.
std::optional<SectionProperties> combinedProperties(const std::vector<FigurePart>& parts,
                                                    const CoordTable& added,
                                                    const SignedOutlines& outlines) {
    double a = 0, ax = 0, ay = 0;
    for (const auto& f : parts) {
        a += f.area;
        ax += f.x * f.area;
        ay += f.y * f.area;
    }
    if (a == 0 || !std::isfinite(a)) return std::nullopt;
    RoundingBounds bounds = combinedRoundingBounds(parts, a, ax / a, ay / a);
    // A symmetric section's centroid on an axis is 0, not the rounding of the figures' sums.
    const double xBar = beyondRoundOff(ax / a, bounds.centroidX);
    const double yBar = beyondRoundOff(ay / a, bounds.centroidY);

    double ix = 0, iy = 0, ixAxis = 0, iyAxis = 0, ixy = 0, ixyAxis = 0;
    for (const auto& f : parts) {
        ix += f.momentX + f.area * (f.y - yBar) * (f.y - yBar);
        iy += f.momentY + f.area * (f.x - xBar) * (f.x - xBar);
        ixy += f.product + f.area * (f.x - xBar) * (f.y - yBar);
        ixAxis += f.axisMomentX;
        iyAxis += f.axisMomentY;
        ixyAxis += f.axisProduct;
    }

    SectionProperties p;
    p[Property::Area] = a;
    p[Property::CentroidX] = xBar;
    p[Property::CentroidY] = yBar;
    p[Property::MomentX] = ix;
    p[Property::MomentY] = iy;
    p[Property::PolarMoment] = ix + iy;
    p[Property::AxisMomentX] = ixAxis;
    p[Property::AxisMomentY] = iyAxis;
    p[Property::AxisPolarMoment] = iyAxis + ixAxis;
    p[Property::ProductMoment] = ixy;
    p[Property::AxisProductMoment] = ixyAxis;
    bounds.dropRoundOff(p);
    p.setBounds(bounds);

    const PrincipalAxes axes(p[Property::MomentX], p[Property::MomentY], p[Property::ProductMoment],
                             bounds.moments);
    const CombinedFibres fibres = combinedFibres(added, {xBar, yBar}, axes);
    if (fibres.cx == 0 || fibres.cy == 0 || fibres.cxAxis == 0 || fibres.cyAxis == 0)
        return std::nullopt;
    p[Property::ModulusX] = ix / fibres.cy;
    p[Property::ModulusY] = iy / fibres.cx;
    p[Property::AxisModulusX] = ixAxis / fibres.cyAxis;
    p[Property::AxisModulusY] = iyAxis / fibres.cxAxis;
    if (!radiusOfGyration(ix, a, p[Property::RadiusX]) ||
        !radiusOfGyration(iy, a, p[Property::RadiusY]) ||
        !radiusOfGyration(ixAxis, a, p[Property::AxisRadiusX]) ||
        !radiusOfGyration(iyAxis, a, p[Property::AxisRadiusY]))
        return std::nullopt;
    completeCombinedSection(p, axes, fibres.distances, outlines.about({xBar, yBar}));
    for (std::size_t i = 0; i < kBasicPropertyCount; ++i) {
        if (!std::isfinite(p[kAllProperties[i]])) return std::nullopt;
    }
    return p;
}

// Fills the block of several materials: each figure column's modular ratio and the combined
// column's composite values; "-" where a value has no answer, in every cell of the block when the
// composite section cannot be computed.
CompositeSection writeMaterialRows(ResultTable& result, const SectionMaterials& materials,
                                   const std::vector<MaterialFigure>& figures) {
    const Material* reference = materials.reference();
    CompositeSection composite = compositeSection(figures, reference ? *reference : Material{});
    const int totalCol = result.cols() - 1;
    const auto text = [&](Property p, double value) {
        return std::isfinite(value) ? formatProperty(p, value) : std::string(kNotForFigures);
    };
    for (int col = 2; col < totalCol; ++col) {
        const std::size_t figure = static_cast<std::size_t>(col - 2);
        result.setText(Property::ModularRatio, col,
                       figure < composite.ratios.size()
                           ? text(Property::ModularRatio, composite.ratios[figure])
                           : std::string(kNotForFigures));
    }
    for (Property p : kAllProperties) {
        if (!isMaterialProperty(p)) continue;
        if (p == Property::ModularRatio) {
            result.setText(p, totalCol, std::string(kNotForFigures));
            continue;
        }
        if (isCompositeTorsionProperty(p)) {
            // Empty until the torsion analysis writes them, as its own block.
            for (int col = 2; col < totalCol; ++col)
                result.setText(p, col, std::string(kNotForFigures));
            result.setText(p, totalCol, std::string());
            continue;
        }
        result.setText(p, totalCol, text(p, composite.combined[p]));
        if (isCombinedOnlyProperty(p)) {
            for (int col = 2; col < totalCol; ++col)
                result.setText(p, col, std::string(kNotForFigures));
        }
    }
    return composite;
}

}  // namespace

std::optional<SectionProperties> writeFigureColumn(ResultTable& result, TableKind kind, int number,
                                                   std::span<const Point> vertices) {
    const double sign = kind == TableKind::Added ? 1.0 : -1.0;
    result.setVisible(false);
    if (number < 1) return std::nullopt;
    result.setCols(number + 2);
    const int col = number + 1;
    openColumn(result, col, columnKindOf(kind), number);

    auto props = allProperties(vertices);
    if (!props) return std::nullopt;
    for (Property i : kAllProperties) {
        // The block of several materials is written by the run that knows the materials.
        if (isMaterialProperty(i)) continue;
        if (isCombinedOnlyProperty(i)) {
            result.setText(i, col, std::string(kNotForFigures));
            continue;
        }
        if (isSignedProperty(i)) (*props)[i] *= sign;
        result.setText(i, col, formatProperty(i, (*props)[i]));
    }
    colourColumn(result, col, sign > 0 ? kAddColumnColor : kSubtractedColumnColor);
    result.setVisible(true);
    return props;
}

bool runCalculation(const CoordTable& add, const CoordTable& subtracted, ResultTable& result,
                    std::vector<ColumnValues>* values) {
    return runCalculation(add, subtracted, SectionMaterials(), result, values, nullptr);
}

bool runCalculation(const CoordTable& add, const CoordTable& subtracted,
                    const SectionMaterials& materials, ResultTable& result,
                    std::vector<ColumnValues>* values, CompositeSection* compositeOut) {
    result.setVisible(false);
    const bool withMaterials = !materials.noneAssigned();
    std::vector<MaterialFigure> materialFigures;
    int addedIndex = 0, subtractedIndex = 0;
    if (values) values->clear();

    // The full-precision parts of every figure: the combined section is computed from these,
    // never from the rounded figure texts.
    std::vector<FigurePart> exactParts;
    SignedOutlines outlines;
    const CoordTable* building = &add;
    const auto sink = [&](const Figure& figure) {
        const auto props = writeFigureColumn(result, figure.kind, figure.number, figure.vertices);
        if (!props) return false;
        exactParts.push_back(partFromValues(*props));
        const std::span<const Point> kept = outlines.add(figure, *building);
        if (withMaterials) {
            const int index = figure.kind == TableKind::Added ? ++addedIndex : ++subtractedIndex;
            materialFigures.push_back(
                {figure.kind, *props, kept, materials.materialOf(figure.kind, index)});
        }
        if (values)
            values->push_back({columnHead(columnKindOf(figure.kind), figure.number),
                               columnKindOf(figure.kind), figure.number, *props, true});
        return true;
    };
    int counter = 0;
    bool built = buildFigures(add, TableKind::Added, counter, sink);
    building = &subtracted;
    built = built && buildFigures(subtracted, TableKind::Subtracted, counter, sink);
    if (!built || counter == 0) {
        result.setVisible(false);
        return false;
    }

    result.setVisible(false);
    const int totalCol = result.cols();
    result.setCols(totalCol + 1);
    openColumn(result, totalCol, ColumnKind::Combined, 0);

    auto props = combinedProperties(exactParts, add, outlines);
    if (!props) return false;
    const bool oneFigure = totalCol == 3;
    for (Property i : kAllProperties) {
        // The torsion block stays empty until its analysis has run, the block of several
        // materials unless the figures carry them.
        if (isTorsionProperty(i) || isMaterialProperty(i)) continue;
        std::string text;
        if (i == Property::Perimeter)
            text = oneFigure ? result.text(Property::Perimeter, 2) : std::string("-");
        else
            text = formatProperty(i, (*props)[i]);
        result.setText(i, totalCol, std::move(text));
    }
    colourColumn(result, totalCol, kTotalColumnColor);
    if (withMaterials) {
        const CompositeSection composite = writeMaterialRows(result, materials, materialFigures);
        if (compositeOut) *compositeOut = composite;
        if (values) {
            for (std::size_t i = 0; i < composite.ratios.size() && i < values->size(); ++i)
                (*values)[i].values[Property::ModularRatio] = composite.ratios[i];
            (*props)[Property::ModularRatio] = std::nan("");
            for (Property p : kAllProperties) {
                if (isMaterialProperty(p) && p != Property::ModularRatio)
                    (*props)[p] = composite.combined[p];
            }
        }
    }
    result.setCol(totalCol);
    // The last row shown: the block of several materials only with materials.
    result.setRow(withMaterials ? ResultTable::kRows - 1 : kMaterialFirstRow - 1);
    result.setVisible(true);

    if (values) {
        ColumnValues total{std::string(kTotalHead), ColumnKind::Combined, 0, *props, oneFigure};
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
