// Arrow heads, dimension lines, points and labels of the generator pictures.
#include "shapes/PictureDrawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace kuvanto::picture {

void begin(QPainter& painter, const QWidget& widget, const QColor& background) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(widget.rect(), background);
    const double side = std::min(widget.width(), widget.height());
    painter.translate((widget.width() - side) / 2, (widget.height() - side) / 2);
    painter.scale(side / kSize, side / kSize);
}

void arrowHead(QPainter& painter, QPointF from, QPointF tip, double length) {
    const double angle = std::atan2(tip.y() - from.y(), tip.x() - from.x());
    const double spread = 0.38;
    QPainterPath head(tip);
    head.lineTo(tip - QPointF(std::cos(angle - spread), std::sin(angle - spread)) * length);
    head.lineTo(tip - QPointF(std::cos(angle + spread), std::sin(angle + spread)) * length);
    head.closeSubpath();
    painter.save();
    painter.setBrush(painter.pen().color());
    painter.drawPath(head);
    painter.restore();
}

void dimension(QPainter& painter, QPointF a, QPointF b) {
    painter.drawLine(a, b);
    arrowHead(painter, b, a);
    arrowHead(painter, a, b);
}

void point(QPainter& painter, QPointF at, double radius) {
    painter.save();
    painter.setBrush(painter.pen().color());
    painter.drawEllipse(at, radius, radius);
    painter.restore();
}

void label(QPainter& painter, QPointF at, const QString& text, double size, bool italic) {
    QFont font = painter.font();
    font.setPointSizeF(size * 0.75);  // logical units are pixels of the 200-unit square
    font.setItalic(italic);
    painter.save();
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const QRectF box(at.x() - 100, at.y() - metrics.height() / 2, 200, metrics.height());
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

}  // namespace kuvanto::picture
