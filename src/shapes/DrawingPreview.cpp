// Painting of the import preview: one path of every loop, so that holes inside outlines stay
// unfilled; outlines drawn in black, holes in red.
#include "shapes/DrawingPreview.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace kuvanto {

DrawingPreview::DrawingPreview(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 200);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void DrawingPreview::setFigures(const SectionFigures& figures) {
    figures_ = figures;
    update();
}

void DrawingPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
    for (const auto* list : {&figures_.added, &figures_.subtracted})
        for (const std::vector<Point>& figure : *list)
            for (const Point& p : figure) {
                minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
                minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
            }
    if (!(maxX >= minX)) {
        painter.drawText(rect(), Qt::AlignCenter, tr("(輪郭なし)"));
        return;
    }
    const double margin = 12;
    const double width = std::max(maxX - minX, 1e-300), height = std::max(maxY - minY, 1e-300);
    const double scale =
        std::min((this->width() - 2 * margin) / width, (this->height() - 2 * margin) / height);
    const double offsetX = (this->width() - width * scale) / 2;
    const double offsetY = (this->height() - height * scale) / 2;
    auto map = [&](Point p) {
        return QPointF(offsetX + (p.x - minX) * scale,
                       this->height() - offsetY - (p.y - minY) * scale);
    };
    // Large loops are drawn through every n-th point: the preview needs no more.
    auto pathOf = [&](const std::vector<Point>& figure, QPainterPath& path) {
        const std::size_t step = std::max<std::size_t>(1, figure.size() / 4000);
        path.moveTo(map(figure.front()));
        for (std::size_t i = step; i < figure.size(); i += step) path.lineTo(map(figure[i]));
        path.closeSubpath();
    };
    QPainterPath all;
    all.setFillRule(Qt::OddEvenFill);
    QPainterPath holes;
    for (const std::vector<Point>& figure : figures_.added) pathOf(figure, all);
    for (const std::vector<Point>& figure : figures_.subtracted) {
        pathOf(figure, all);
        pathOf(figure, holes);
    }
    painter.fillPath(all, QColor(150, 180, 220));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawPath(all);
    painter.setPen(QPen(QColor(200, 0, 0), 1.5));
    painter.drawPath(holes);
}

}  // namespace kuvanto
