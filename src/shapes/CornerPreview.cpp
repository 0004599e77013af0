// The corner preview: a square view 1.44 times the larger extent of the corner and its two
// neighbours, Y up, drawn with QPainter in widget pixels.
#include "shapes/CornerPreview.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kuvanto {

CornerPreview::CornerPreview(QWidget* parent) : QWidget(parent) {
    setMinimumSize(220, 220);
    setCursor(Qt::PointingHandCursor);
}

void CornerPreview::setShape(Point corner, Point start, Point end,
                             const std::vector<Point>& vertices) {
    corner_ = corner;
    start_ = start;
    end_ = end;
    vertices_ = vertices;
    update();
}

void CornerPreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(64, 64, 64));

    const double left = std::min({corner_.x, start_.x, end_.x});
    const double right = std::max({corner_.x, start_.x, end_.x});
    const double bottom = std::min({corner_.y, start_.y, end_.y});
    const double top = std::max({corner_.y, start_.y, end_.y});
    const double span = std::max(1.44 * (right - left), 1.44 * (top - bottom));
    if (!(span > 0) || !std::isfinite(span)) return;
    const double side = std::min(width(), height());
    const double scale = side / span;
    const double cx = (left + right) / 2, cy = (bottom + top) / 2;
    const auto at = [&](Point w) {
        return QPointF(width() / 2.0 + (w.x - cx) * scale, height() / 2.0 - (w.y - cy) * scale);
    };

    const QPen white(Qt::white, 1.5);
    p.setPen(white);
    p.setBrush(Qt::white);
    p.drawEllipse(at(start_), 2.5, 2.5);
    if (vertices_.empty()) {
        p.setPen(QPen(Qt::white, 1.5, Qt::DotLine));
        p.drawLine(at(start_), at(corner_));
        p.drawLine(at(corner_), at(end_));
        return;
    }
    p.drawLine(at(start_), at(vertices_.front()));
    p.setPen(QPen(QColor(255, 0, 0), 1.5));
    for (std::size_t i = 1; i < vertices_.size(); ++i)
        p.drawLine(at(vertices_[i - 1]), at(vertices_[i]));
    p.setPen(white);
    p.drawLine(at(vertices_.back()), at(end_));
}

void CornerPreview::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace kuvanto
