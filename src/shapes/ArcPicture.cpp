// The arc picture, drawn in the 200-unit logical square of the generator pictures.
#include "shapes/ArcPicture.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "shapes/PictureDrawing.h"

namespace kuvanto {

namespace {

QPointF onCircle(QPointF centre, double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    return centre + QPointF(std::cos(a), -std::sin(a)) * radius;
}

}  // namespace

ArcPicture::ArcPicture(QWidget* parent) : QWidget(parent) {
    setMinimumSize(200, 200);
}

void ArcPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    picture::begin(p, *this, Qt::white);
    const QPointF centre(100, 104);
    const double radius = 62;

    // Axes and the dashed circle.
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawLine(QPointF(centre.x() - radius - 10, centre.y()),
               QPointF(centre.x() + radius + 10, centre.y()));
    p.drawLine(QPointF(centre.x(), centre.y() - radius - 10),
               QPointF(centre.x(), centre.y() + radius + 10));
    p.setPen(QPen(QColor(0, 60, 170), 1.5, Qt::DashLine));
    p.drawEllipse(centre, radius, radius);

    // The arc from angle 1 to angle 2 and the two rays.
    const double angle1 = 30, angle2 = 130;
    p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
    p.drawLine(centre, onCircle(centre, radius, angle1));
    p.drawLine(centre, onCircle(centre, radius, angle2));
    p.setPen(QPen(QColor(180, 0, 0), 2.5));
    p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
              int(angle1 * 16), int((angle2 - angle1) * 16));
    picture::arrowHead(p, onCircle(centre, radius, angle2 - 8), onCircle(centre, radius, angle2),
                       11);
    picture::point(p, onCircle(centre, radius, angle1), 3);

    // Labels: the four directions, the centre and the two angles.
    p.setPen(Qt::black);
    picture::point(p, centre, 3);
    picture::label(p, centre + QPointF(20, 12), QStringLiteral("(X,Y)"), 11);
    picture::label(p, QPointF(centre.x() + radius + 19, centre.y()), QStringLiteral("0°"), 11);
    picture::label(p, QPointF(centre.x() + 14, centre.y() - radius - 12), QStringLiteral("90°"),
                   11);
    picture::label(p, QPointF(centre.x() - radius - 20, centre.y() - 9), QStringLiteral("180°"),
                   11);
    picture::label(p, QPointF(centre.x() + 18, centre.y() + radius + 11), QStringLiteral("270°"),
                   11);
    p.setPen(QColor(180, 0, 0));
    picture::label(p, onCircle(centre, radius + 22, angle1), tr("角度1"), 12);
    picture::label(p, onCircle(centre, radius + 20, angle2 + 8), tr("角度2"), 12);
}

}  // namespace kuvanto
