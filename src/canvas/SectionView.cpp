// The canvas rules: fitting the window, the redraw in its fixed order and the view panel
// actions. The extent is widened with maxValue and minValue, which compare values as their decimal
// texts read. Extent and parsed points are cached until a table or the origin switch changes.
#include "canvas/SectionView.h"

#include <algorithm>
#include <cmath>

#include "canvas/AuxiliaryGrid.h"
#include "canvas/PolylineReducer.h"
#include "core/base/NumberText.h"

namespace kuvanto {

namespace {

constexpr double kPanFraction = 20;
constexpr double kZoomFactor = 1.1;
constexpr double kMaxGridSteps = 75;

}  // namespace

SectionView::SectionView(const CoordTable& add, const CoordTable& subtracted,
                         const ResultTable& result, const DrawColors& colors)
    : add_(add), subtracted_(subtracted), result_(result), colors_(colors) {}

const SectionView::Extent& SectionView::figureExtent() {
    const bool addChanged = addPoints_.update(add_);
    const bool subtractedChanged = subtractedPoints_.update(subtracted_);
    if (extentKnown_ && !addChanged && !subtractedChanged && extentShowOrigin_ == showOrigin) {
        return extent_;
    }
    // The extremes start at 0; only a vertex in row 1 initialises them (with or without the
    // origin), so a table whose row 1 holds no vertex always includes the origin.
    Extent e;
    const std::span<const WorldPt> add = addPoints_.points();
    const int addLast = addPoints_.rows() - 2;
    for (int i = 1; i <= addLast; ++i) {
        const WorldPt p = add[i];
        if (!p.isVertex()) continue;
        if (i == 1) {
            if (showOrigin) {
                e.xmin = minValue(p.x, 0);
                e.xmax = maxValue(p.x, 0);
                e.ymin = minValue(p.y, 0);
                e.ymax = maxValue(p.y, 0);
            } else {
                e.xmin = e.xmax = p.x;
                e.ymin = e.ymax = p.y;
            }
            continue;
        }
        e.xmin = minValue(e.xmin, p.x);
        e.xmax = maxValue(e.xmax, p.x);
        e.ymin = minValue(e.ymin, p.y);
        e.ymax = maxValue(e.ymax, p.y);
    }
    const std::span<const WorldPt> subtracted = subtractedPoints_.points();
    const int subtractedLast = subtractedPoints_.rows() - 2;
    for (int i = 1; i <= subtractedLast; ++i) {
        const WorldPt p = subtracted[i];
        if (!p.isVertex()) continue;
        e.xmin = minValue(e.xmin, p.x);
        e.xmax = maxValue(e.xmax, p.x);
        e.ymin = minValue(e.ymin, p.y);
        e.ymax = maxValue(e.ymax, p.y);
    }
    extent_ = e;
    extentKnown_ = true;
    extentShowOrigin_ = showOrigin;
    return extent_;
}

void SectionView::setCanvasScale() {
    const Extent& e = figureExtent();
    if (autoScaleCheck) {
        viewOfsX = 0;
        viewOfsY = 0;
        viewMult = 1;
    }
    const double xc = (e.xmax + e.xmin) / 2 + viewOfsX;
    const double yc = (e.ymax + e.ymin) / 2 + viewOfsY;
    const double w = std::fabs(e.xmax - e.xmin);
    const double h = std::fabs(e.ymax - e.ymin);
    const double d = viewMult * maxValue(w, h);
    if (d != 0) {
        setScale(xc - d, yc + d, xc + d, yc - d);
    } else {
        setScale(-kFallbackHalfSize, kFallbackHalfSize, kFallbackHalfSize, -kFallbackHalfSize);
    }
}

void SectionView::setScale(double left, double top, double right, double bottom) {
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
}

void SectionView::redrawSection(SectionPainter& painter) {
    drawWidth_ = 2;
    painter.setPenWidth(drawWidth_);
    painter.clear(kCanvasBackColor);
    if (!freeHandCheck) setCanvasScale();
    painter.setWindow(left_, top_, right_, bottom_);

    // segments between consecutive rows 1 .. row count - 1 that both hold a vertex, except the
    // seams of the outlines; no closing segment is added.
    addPoints_.update(add_);
    subtractedPoints_.update(subtracted_);
    PolylineReducer reducer(left_, top_, right_, bottom_, painter.pixelSize());
    reducer.draw(addPoints_.points(), 1, addPoints_.rows() - 1,
                 static_cast<std::uint32_t>(colors_.add), painter, addPoints_.seams());
    reducer.draw(subtractedPoints_.points(), 1, subtractedPoints_.rows() - 1,
                 static_cast<std::uint32_t>(colors_.subtracted), painter,
                 subtractedPoints_.seams());

    if (showOrigin) drawOriginMark(painter);
    WorldPt centroid;
    if (centroidShown(&centroid)) drawCentreMark(painter, centroid, kCentroidMarkColor);
    if (showShearCentre) {
        if (const std::optional<Point> centre = shownShearCentre(result_))
            drawCentreMark(painter, {centre->x, centre->y}, kShearCentreColor);
    }
    if (showPrincipalAxes) drawPrincipalAxes(painter);
    drawAuxGrid(painter);
}

void SectionView::drawOriginMark(SectionPainter& painter) {
    const double r = markRadius();
    drawWidth_ = 1;
    painter.setPenWidth(drawWidth_);
    painter.circle({0, 0}, r, kOriginMarkColor);
    painter.circle({0, 0}, r / 2, kOriginMarkColor);
    painter.segment({-2 * r, 0}, {2 * r, 0}, kOriginMarkColor);
    painter.segment({0, 2 * r}, {0, -2 * r}, kOriginMarkColor);
}

bool SectionView::centroidShown(WorldPt* at) const {
    if (!showCentroid) return false;
    const std::optional<Point> centroid = shownCentroid(result_);
    if (!centroid) return false;
    if (at) *at = WorldPt{centroid->x, centroid->y};
    return true;
}

void SectionView::drawCentreMark(SectionPainter& painter, WorldPt g, std::uint32_t color) {
    const double r = markRadius();
    const double l = scaleWidth() / 3;
    drawWidth_ = 1;
    painter.setPenWidth(drawWidth_);
    painter.circle(g, r, color);
    painter.circle(g, r / 2, color);
    painter.segment({g.x - l, g.y}, {g.x + l, g.y}, color);
    painter.segment({g.x, g.y + l}, {g.x, g.y - l}, color);
}

void SectionView::drawPrincipalAxes(SectionPainter& painter) {
    // Through the combined centroid of the last run, whether or not its mark is shown.
    const int col = result_.cols() - 1;
    if (result_.columnKind(col) != ColumnKind::Combined) return;
    const std::string& angle = result_.text(Property::PrincipalAngle, col);
    if (angle.empty()) return;
    const WorldPt g{lenientValue(result_.text(Property::CentroidX, col)),
                    lenientValue(result_.text(Property::CentroidY, col))};
    const double theta = degreesToRadians(lenientValue(angle));
    const double reach = scaleWidth() / 2;
    drawWidth_ = 1;
    painter.setPenWidth(drawWidth_);
    for (const auto& [a, color] : {std::pair{theta, kMajorAxisColor},
                                   std::pair{theta + degreesToRadians(90), kMinorAxisColor}}) {
        const double dx = std::cos(a) * reach, dy = std::sin(a) * reach;
        painter.segment({g.x - dx, g.y - dy}, {g.x + dx, g.y + dy}, color);
    }
}

double SectionView::gridStep() const {
    if (gridStepBox == "None") return 0;
    return lenientValue(gridStepBox);
}

void SectionView::drawAuxGrid(SectionPainter& painter) {
    const double s = gridStep();
    // "None" draws nothing; a step that is not positive (no entry of the list) could never
    // finish the lattice, so it draws nothing either.
    if (!(s > 0)) return;
    if (scaleWidth() / s > kMaxGridSteps) return;
    const double m = maxValue(left_ + scaleWidth(), top_);
    const std::vector<WorldPt> dots = auxGridDots(s, m, left_, top_, right_, bottom_);
    if (!dots.empty()) painter.dots(dots, static_cast<std::uint32_t>(colors_.grid));
}

WorldPt SectionView::toPixel(WorldPt world, int pixels) const {
    return WorldPt{(world.x - left_) / scaleWidth() * pixels,
                   (world.y - top_) / scaleHeight() * pixels};
}

WorldPt SectionView::toWorld(WorldPt pixel, int pixels) const {
    return WorldPt{left_ + pixel.x / pixels * scaleWidth(),
                   top_ + pixel.y / pixels * scaleHeight()};
}

void SectionView::pan(PanDirection direction) {
    autoScaleCheck = false;
    switch (direction) {
        case PanDirection::Left:
            viewOfsX += scaleWidth() / kPanFraction;
            break;
        case PanDirection::Right:
            viewOfsX -= scaleWidth() / kPanFraction;
            break;
        case PanDirection::Up:
            viewOfsY += scaleHeight() / kPanFraction;
            break;
        case PanDirection::Down:
            viewOfsY -= scaleHeight() / kPanFraction;
            break;
    }
}

void SectionView::zoom(ZoomStep step) {
    autoScaleCheck = false;
    viewMult = step == ZoomStep::In ? viewMult / kZoomFactor : viewMult * kZoomFactor;
}

}  // namespace kuvanto
