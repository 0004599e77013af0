// Drawing on the canvas image. Positions far outside the image are left out rather than handed
// to the raster, whose fixed-point coordinates would overflow; the redraw clips its segments to
// the window before they come here, so this only guards marks of extreme size.
#include "ImagePainter.h"

#include <QPen>
#include <cmath>

namespace kuvanto {

namespace {

// Pixel positions beyond this distance from the image are not drawn.
constexpr double kPixelLimit = 1 << 20;

}  // namespace

QColor Bgr_Color(std::uint32_t bgr) {
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

bool ImagePainter::Drawable(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y()) && std::fabs(p.x()) < kPixelLimit &&
           std::fabs(p.y()) < kPixelLimit;
}

void ImagePainter::Clear(std::uint32_t color) {
    image_.fill(Bgr_Color(color));
}

void ImagePainter::Set_Window(double left, double top, double right, double bottom) {
    left_ = left;
    top_ = top;
    kx_ = image_.width() / (right - left);
    ky_ = image_.height() / (top - bottom);
}

void ImagePainter::Set_Pen_Width(int pixels) {
    pen_width_ = pixels < 1 ? 1 : pixels;
}

void ImagePainter::Use_Pen(std::uint32_t color) {
    QPen pen(Bgr_Color(color));
    pen.setWidth(pen_width_);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::BevelJoin);
    painter_.setPen(pen);
}

void ImagePainter::Segment(WorldPt from, WorldPt to, std::uint32_t color) {
    const QPointF a = To_Pixel(from), b = To_Pixel(to);
    if (!Drawable(a) || !Drawable(b)) return;
    Use_Pen(color);
    painter_.drawLine(a, b);
}

void ImagePainter::Circle(WorldPt centre, double radius, std::uint32_t color) {
    const QPointF c = To_Pixel(centre);
    const double r = radius * kx_;
    if (!Drawable(c) || !std::isfinite(r) || std::fabs(r) > kPixelLimit) return;
    Use_Pen(color);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(c, r, r);
}

void ImagePainter::Dot(WorldPt at, std::uint32_t color) {
    Dots({&at, 1}, color);
}

void ImagePainter::Polyline(std::span<const WorldPt> points, std::uint32_t color) {
    polygon_.resize(0);
    polygon_.reserve(static_cast<qsizetype>(points.size()));
    for (const WorldPt& p : points) {
        const QPointF q = To_Pixel(p);
        if (!Drawable(q)) return;
        polygon_.append(q);
    }
    Use_Pen(color);
    painter_.drawPolyline(polygon_);
}

void ImagePainter::Dots(std::span<const WorldPt> points, std::uint32_t color) {
    const QColor c = Bgr_Color(color);
    const double half = pen_width_ / 2.0;
    for (const WorldPt& p : points) {
        const QPointF q = To_Pixel(p);
        if (!Drawable(q)) continue;
        const int x = static_cast<int>(std::floor(q.x() - half + 0.5));
        const int y = static_cast<int>(std::floor(q.y() - half + 0.5));
        painter_.fillRect(x, y, pen_width_, pen_width_, c);
    }
}

}  // namespace kuvanto
