// Drawing on the canvas image. Positions far outside the image are left out rather than handed
// to the raster, whose fixed-point coordinates would overflow; the redraw clips its segments to
// the window before they come here, so this only guards marks of extreme size.
#include "canvas/ImagePainter.h"

#include <QPen>
#include <cmath>

namespace kuvanto {

namespace {

// Pixel positions beyond this distance from the image are not drawn.
constexpr double kPixelLimit = 1 << 20;

}  // namespace

QColor bgrColor(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

ImagePainter::ImagePainter(QImage& image) : image_(image), painter_(&image) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBrush(Qt::NoBrush);
}

ImagePainter::~ImagePainter() {
    painter_.end();
}

bool ImagePainter::drawable(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y()) && std::fabs(p.x()) < kPixelLimit &&
           std::fabs(p.y()) < kPixelLimit;
}

void ImagePainter::clear(std::uint32_t color) {
    image_.fill(bgrColor(color));
}

void ImagePainter::setWindow(double left, double top, double right, double bottom) {
    left_ = left;
    top_ = top;
    kx_ = image_.width() / (right - left);
    ky_ = image_.height() / (top - bottom);
}

void ImagePainter::setPenWidth(int pixels) {
    penWidth_ = pixels < 1 ? 1 : pixels;
}

void ImagePainter::usePen(std::uint32_t color) {
    QPen pen(bgrColor(color));
    pen.setWidth(penWidth_);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::BevelJoin);
    painter_.setPen(pen);
}

void ImagePainter::segment(WorldPt from, WorldPt to, std::uint32_t color) {
    const QPointF a = toPixel(from), b = toPixel(to);
    if (!drawable(a) || !drawable(b)) return;
    usePen(color);
    painter_.drawLine(a, b);
}

void ImagePainter::circle(WorldPt centre, double radius, std::uint32_t color) {
    const QPointF c = toPixel(centre);
    const double r = radius * kx_;
    if (!drawable(c) || !std::isfinite(r) || std::fabs(r) > kPixelLimit) return;
    usePen(color);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(c, r, r);
}

void ImagePainter::dot(WorldPt at, std::uint32_t color) {
    dots({&at, 1}, color);
}

void ImagePainter::polyline(std::span<const WorldPt> points, std::uint32_t color) {
    polygon_.resize(0);
    polygon_.reserve(static_cast<qsizetype>(points.size()));
    for (const WorldPt& p : points) {
        const QPointF q = toPixel(p);
        if (!drawable(q)) return;
        polygon_.append(q);
    }
    usePen(color);
    painter_.drawPolyline(polygon_);
}

void ImagePainter::dots(std::span<const WorldPt> points, std::uint32_t color) {
    const QColor c = bgrColor(color);
    const double half = penWidth_ / 2.0;
    for (const WorldPt& p : points) {
        const QPointF q = toPixel(p);
        if (!drawable(q)) continue;
        const int x = static_cast<int>(std::floor(q.x() - half + 0.5));
        const int y = static_cast<int>(std::floor(q.y() - half + 0.5));
        painter_.fillRect(x, y, penWidth_, penWidth_, c);
    }
}

}  // namespace kuvanto
