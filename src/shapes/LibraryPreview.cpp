// The library preview: painted from its stored outline and points whenever Qt asks, so that it
// survives being covered; the world window maps onto the widget's square.
#include "shapes/LibraryPreview.h"

#include <QMouseEvent>
#include <QPainter>

#include "canvas/ImagePainter.h"
#include "core/section/SeamEdges.h"

namespace kuvanto {

LibraryPreview::LibraryPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(sizeHint());
    setCursor(Qt::CrossCursor);
}

void LibraryPreview::setWindow(const QRectF& window) {
    window_ = window;
    update();
}

void LibraryPreview::clear() {
    outline_.clear();
    basePoints_.clear();
    picked_.reset();
    update();
}

void LibraryPreview::show(const std::vector<PlanePoint>& outline,
                          const std::vector<PlanePoint>& basePoints, std::uint32_t color) {
    outline_ = outline;
    basePoints_ = basePoints;
    color_ = color;
    picked_.reset();
    update();
}

void LibraryPreview::setPicked(std::optional<PlanePoint> picked) {
    picked_ = picked;
    update();
}

QPointF LibraryPreview::toPixel(PlanePoint p) const {
    return {(p.x - window_.left()) / window_.width() * width(),
            (window_.top() - p.y) / (window_.top() - window_.bottom()) * height()};
}

PlanePoint LibraryPreview::toWorld(QPointF pixel) const {
    return {window_.left() + pixel.x() / width() * window_.width(),
            window_.top() - pixel.y() / height() * (window_.top() - window_.bottom())};
}

void LibraryPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(64, 64, 64));
    const double pixelsPerUnit = width() / window_.width();
    auto disc = [&](PlanePoint at, double radius, const QColor& line, const QColor& fill) {
        painter.setPen(QPen(line, 1));
        painter.setBrush(fill);
        painter.drawEllipse(toPixel(at), radius * pixelsPerUnit, radius * pixelsPerUnit);
    };
    painter.setPen(QPen(bgrColor(color_), 1));
    // A pipe's radial seam (out and back along one line) is no edge of the part: left out.
    std::vector<Point> points;
    points.reserve(outline_.size());
    for (const PlanePoint& p : outline_) points.push_back({p.x, p.y});
    const SeamEdges seams(points, false);
    auto nextSeam = seams.indices().begin();
    for (std::size_t i = 0; i + 1 < outline_.size(); ++i) {
        if (nextSeam != seams.indices().end() && *nextSeam == i) {
            ++nextSeam;
            continue;
        }
        painter.drawLine(toPixel(outline_[i]), toPixel(outline_[i + 1]));
    }
    const double w = viewWidth();
    for (const PlanePoint& p : basePoints_) disc(p, w / 50, Qt::blue, Qt::blue);
    if (picked_) {
        disc(*picked_, w / 40, QColor(255, 255, 0), Qt::blue);
        disc(*picked_, w / 60, QColor(0, 255, 0), QColor(0, 255, 0));
    }
}

void LibraryPreview::mouseReleaseEvent(QMouseEvent* event) {
    emit released(toWorld(event->position()));
}

}  // namespace kuvanto
