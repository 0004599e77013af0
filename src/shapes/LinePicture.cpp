// The line picture, drawn in the 200-unit logical square of the generator pictures.
#include "shapes/LinePicture.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "shapes/PictureDrawing.h"

namespace kuvanto {

LinePicture::LinePicture(LineMode mode, QWidget* parent) : QWidget(parent), mode_(mode) {
    setMinimumSize(200, 200);
}

void LinePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    picture::begin(p, *this, Qt::white);
    const QPointF start(42, 150), end(158, 62);
    const double angle = std::atan2(start.y() - end.y(), end.x() - start.x());  // about 37°

    // The +X direction from the start point and the angle θ up to the segment.
    QPen guide(QColor(120, 120, 120), 1, Qt::DashLine);
    p.setPen(guide);
    p.drawLine(start, QPointF(185, start.y()));
    p.setPen(QPen(Qt::black, 1.2));
    const double arcRadius = 38;
    p.drawArc(QRectF(start.x() - arcRadius, start.y() - arcRadius, 2 * arcRadius, 2 * arcRadius), 0,
              int(angle * 180 / std::numbers::pi * 16));
    const QPointF arcEnd = start + QPointF(std::cos(angle), -std::sin(angle)) * arcRadius;
    picture::arrowHead(p, arcEnd + QPointF(3, 4), arcEnd, 7);
    picture::label(p, start + QPointF(std::cos(angle / 2), -std::sin(angle / 2)) * 52,
                   QStringLiteral("θ"), 15, true);

    // The segment and its end points.
    p.setPen(QPen(QColor(0, 60, 170), 2.5));
    p.drawLine(start, end);
    picture::point(p, start);
    picture::point(p, end);
    p.setPen(Qt::black);
    picture::label(p, QPointF(20, start.y()), tr("始点"));
    picture::label(p, QPointF(end.x(), end.y() - 16), tr("終点"));

    // The quantity of the mode.
    p.setPen(QPen(QColor(180, 0, 0), 1.2));
    switch (mode_) {
        case LineMode::lengthAngle: {
            const QPointF normal(-std::sin(angle), -std::cos(angle));  // towards the upper left
            const QPointF offset = normal * 16;
            p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
            p.drawLine(start, start + normal * 22);
            p.drawLine(end, end + normal * 22);
            p.setPen(QPen(QColor(180, 0, 0), 1.2));
            picture::dimension(p, start + offset, end + offset);
            picture::label(p, (start + end) / 2 + normal * 30, QStringLiteral("L"), 15, true);
            break;
        }
        case LineMode::xIncrementAngle: {
            const double y = 174;
            p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
            p.drawLine(start, QPointF(start.x(), y + 6));
            p.drawLine(end, QPointF(end.x(), y + 6));
            p.setPen(QPen(QColor(180, 0, 0), 1.2));
            picture::dimension(p, QPointF(start.x(), y), QPointF(end.x(), y));
            picture::label(p, QPointF((start.x() + end.x()) / 2, y + 14), QStringLiteral("dx"), 15,
                           true);
            break;
        }
        case LineMode::yIncrementAngle: {
            const double x = 180;
            p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
            p.drawLine(end, QPointF(x + 6, end.y()));
            p.setPen(QPen(QColor(180, 0, 0), 1.2));
            picture::dimension(p, QPointF(x, start.y()), QPointF(x, end.y()));
            picture::label(p, QPointF(x - 14, (start.y() + end.y()) / 2 + 20), QStringLiteral("dy"),
                           15, true);
            break;
        }
    }
}

}  // namespace kuvanto
