// The result tab's drawing: the outlines go through the same reducer as the canvas (so a section
// of a million vertices draws as fast), onto a square image whose window holds the figures with
// a margin, one scale for both axes; the image is kept until the tables, its size or the colours
// change, so that showing the tab again or a repaint does not walk the outlines again. The axes and
// labels are drawn over it with an antialiased painter.
#include "canvas/SectionDiagram.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "canvas/ImagePainter.h"
#include "canvas/PolylineReducer.h"
#include "core/base/NumberText.h"

namespace kuvanto {

namespace {

const QColor kPlasticAxisColor(255, 170, 0);

}  // namespace

SectionDiagram::SectionDiagram(const CoordTable& add, const CoordTable& subtracted,
                               const ResultTable& result, const DrawColors& colors, QWidget* parent)
    : QWidget(parent), add_(add), subtracted_(subtracted), result_(result), colors_(colors) {
    setObjectName(QStringLiteral("Result_Section"));
    setMinimumSize(160, 160);
}

const SectionDiagram::Extent& SectionDiagram::extent() {
    const bool changed = addPoints_.update(add_) | subtractedPoints_.update(subtracted_);
    if (!changed && extent_.known) return extent_;
    outlinesKnown_ = false;
    extent_ = Extent{};
    bool first = true;
    for (const TablePoints* table : {&addPoints_, &subtractedPoints_}) {
        for (const WorldPt& p : table->points()) {
            if (!p.isVertex()) continue;
            if (first) {
                extent_ = {p.x, p.x, p.y, p.y, true};
                first = false;
            }
            extent_.xmin = std::min(extent_.xmin, p.x);
            extent_.xmax = std::max(extent_.xmax, p.x);
            extent_.ymin = std::min(extent_.ymin, p.y);
            extent_.ymax = std::max(extent_.ymax, p.y);
        }
    }
    return extent_;
}

const QImage& SectionDiagram::outlineImage(int side, double left, double top, double right,
                                           double bottom) {
    // The window follows from the extent and the side alone, so an image of the same side and
    // colours drawn since the tables last changed is the same picture.
    const auto addColor = static_cast<std::uint32_t>(colors_.add);
    const auto subtractedColor = static_cast<std::uint32_t>(colors_.subtracted);
    if (outlinesKnown_ && outlines_.width() == side && outlinesAddColor_ == addColor &&
        outlinesSubtractedColor_ == subtractedColor)
        return outlines_;
    outlines_ = QImage(side, side, QImage::Format_RGB32);
    ImagePainter surface(outlines_);
    surface.clear(kCanvasBackColor);
    surface.setWindow(left, top, right, bottom);
    surface.setPenWidth(2);
    PolylineReducer reducer(left, top, right, bottom, side);
    reducer.draw(addPoints_.points(), 1, addPoints_.rows() - 1, addColor, surface,
                 addPoints_.seams());
    reducer.draw(subtractedPoints_.points(), 1, subtractedPoints_.rows() - 1, subtractedColor,
                 surface, subtractedPoints_.seams());
    // Each figure closed back to its first vertex, as the calculation closes it.
    for (const auto& [table, color] :
         {std::pair{&addPoints_, addColor}, std::pair{&subtractedPoints_, subtractedColor}}) {
        const std::span<const WorldPt> points = table->points();
        for (std::size_t start = 1; start < points.size();) {
            if (!points[start].isVertex()) {
                ++start;
                continue;
            }
            std::size_t end = start;
            while (end + 1 < points.size() && points[end + 1].isVertex()) ++end;
            if (!(points[end] == points[start])) surface.segment(points[end], points[start], color);
            start = end + 1;
        }
    }
    outlinesKnown_ = true;
    outlinesAddColor_ = addColor;
    outlinesSubtractedColor_ = subtractedColor;
    return outlines_;
}

void SectionDiagram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), bgrColor(kCanvasBackColor));
    const int col = result_.cols() - 1;
    if (!result_.visible() || result_.columnKind(col) != ColumnKind::Combined) return;
    const Extent& e = extent();
    if (!e.known) return;
    auto value = [&](Property row) { return lenientValue(result_.text(row, col)); };
    const WorldPt centroid{value(Property::CentroidX), value(Property::CentroidY)};
    const double theta = value(Property::PrincipalAngle) * std::numbers::pi / 180;
    const double plasticX = value(Property::PlasticAxisX);
    const double plasticY = value(Property::PlasticAxisY);

    // A square window around the figures, a tenth wider on each side.
    const int side = std::min(width(), height()) - 8;
    if (side < 16) return;
    const double half = std::max({e.xmax - e.xmin, e.ymax - e.ymin, 1e-300}) * 0.6;
    const double midX = (e.xmin + e.xmax) / 2, midY = (e.ymin + e.ymax) / 2;
    const double left = midX - half, top = midY + half, right = midX + half, bottom = midY - half;
    const QImage& image = outlineImage(side, left, top, right, bottom);
    const QPointF corner((width() - side) / 2.0, (height() - side) / 2.0);
    painter.drawImage(corner, image);

    const double scale = side / (2 * half);  // pixels per world unit
    auto toPixel = [&](double x, double y) {
        return corner + QPointF((x - left) * scale, (top - y) * scale);
    };
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(QRectF(corner, QSizeF(side, side)));
    const QPointF g = toPixel(centroid.x, centroid.y);
    const double reach = side * 0.45;  // half length of the drawn axes, in pixels

    // Plastic neutral axes: dashed, across the whole picture.
    QPen dashed(kPlasticAxisColor, 1, Qt::DashLine);
    painter.setPen(dashed);
    const QPointF pnaX = toPixel(plasticX, centroid.y), pnaY = toPixel(centroid.x, plasticY);
    painter.drawLine(QPointF(pnaX.x(), corner.y()), QPointF(pnaX.x(), corner.y() + side));
    painter.drawLine(QPointF(corner.x(), pnaY.y()), QPointF(corner.x() + side, pnaY.y()));
    painter.drawText(QPointF(pnaX.x() + 3, corner.y() + 14), tr("x_p"));
    painter.drawText(QPointF(corner.x() + 4, pnaY.y() - 4), tr("y_p"));

    // Principal axes through the centroid, u the major one; screen Y points down.
    auto axis = [&](double angle, const QColor& color, const QString& label) {
        const QPointF direction(std::cos(angle), -std::sin(angle));
        painter.setPen(QPen(color, 1.5));
        painter.drawLine(g - direction * reach, g + direction * reach);
        painter.drawText(g + direction * (reach + 2) + QPointF(-4, 4), label);
    };
    axis(theta, bgrColor(kMajorAxisColor), tr("u"));
    axis(theta + std::numbers::pi / 2, bgrColor(kMinorAxisColor), tr("v"));

    // The centroid mark of the canvas.
    const QColor mark = bgrColor(kCentroidMarkColor);
    painter.setPen(QPen(mark, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(g, 5, 5);
    painter.drawLine(g + QPointF(-9, 0), g + QPointF(9, 0));
    painter.drawLine(g + QPointF(0, -9), g + QPointF(0, 9));

    // The shear centre, once the torsion block has results: the same mark in its own colour,
    // labelled, since it may lie outside the material (a channel's beyond its web).
    if (const std::optional<Point> centre = shownShearCentre(result_)) {
        const QPointF s = toPixel(centre->x, centre->y);
        painter.setPen(QPen(bgrColor(kShearCentreColor), 1.5));
        painter.drawEllipse(s, 5, 5);
        painter.drawLine(s + QPointF(-9, 0), s + QPointF(9, 0));
        painter.drawLine(s + QPointF(0, -9), s + QPointF(0, 9));
        painter.drawText(s + QPointF(7, 16), tr("S"));
    }

    painter.setClipping(false);
    painter.setPen(QColor(230, 230, 230));
    painter.drawText(
        corner + QPointF(6, side - 8),
        tr("θ = %1°").arg(QString::fromStdString(result_.text(Property::PrincipalAngle, col))));
}

}  // namespace kuvanto
