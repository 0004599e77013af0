// The rectangle picture, drawn in the 200-unit logical square of the generator pictures.
#include "shapes/RectanglePicture.h"

#include <QPainter>

#include "shapes/PictureDrawing.h"

namespace kuvanto {

RectanglePicture::RectanglePicture(QWidget* parent) : QWidget(parent) {
    setMinimumSize(200, 200);
}

void RectanglePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    picture::begin(p, *this, Qt::white);
    const QPointF start(40, 150), end(160, 55);

    p.setPen(QPen(QColor(0, 60, 170), 2.5));
    p.setBrush(QColor(220, 230, 250));
    p.drawRect(QRectF(start.x(), end.y(), end.x() - start.x(), start.y() - end.y()));
    p.setBrush(Qt::NoBrush);

    p.setPen(QPen(QColor(180, 0, 0), 1.2, Qt::DashLine));
    p.drawLine(start, end);
    p.setPen(QPen(QColor(180, 0, 0), 1.2));
    picture::arrowHead(p, start, end, 10);

    p.setPen(QPen(QColor(0, 60, 170), 1));
    picture::point(p, start);
    picture::point(p, end);
    p.setPen(Qt::black);
    picture::label(p, start + QPointF(0, 18), tr("始点 (X, Y)"));
    picture::label(p, end - QPointF(0, 18), tr("終点 (X, Y)"));
}

}  // namespace kuvanto
