// The canvas surface on a square QImage: maps the coordinate window onto the image's pixels and
// draws with an aliased QPainter, which keeps one-pixel lines and dots crisp and fast. Used by
// the canvas widget for the redraw and for marks drawn over it, and by the redraw benchmark.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <cstdint>

#include "canvas/SectionPainter.h"

namespace kuvanto {

// A 0x00BBGGRR colour as a QColor.
QColor bgrColor(std::uint32_t bgr);

class ImagePainter : public SectionPainter {
public:
    // Paints on `image` (square, Format_RGB32 or similar) for the lifetime of this object.
    explicit ImagePainter(QImage& image);
    ~ImagePainter() override;
    ImagePainter(const ImagePainter&) = delete;
    ImagePainter& operator=(const ImagePainter&) = delete;

    int pixelSize() const override { return image_.width(); }
    void clear(std::uint32_t color) override;
    void setWindow(double left, double top, double right, double bottom) override;
    void setPenWidth(int pixels) override;
    void segment(WorldPt from, WorldPt to, std::uint32_t color) override;
    void circle(WorldPt centre, double radius, std::uint32_t color) override;
    void dot(WorldPt at, std::uint32_t color) override;
    void polyline(std::span<const WorldPt> points, std::uint32_t color) override;
    void dots(std::span<const WorldPt> points, std::uint32_t color) override;

    QPointF toPixel(WorldPt p) const { return {(p.x - left_) * kx_, (top_ - p.y) * ky_}; }

private:
    void usePen(std::uint32_t color);
    // False for points whose pixel position is too far out to hand to the raster.
    static bool drawable(QPointF p);

    QImage& image_;
    QPainter painter_;
    double left_ = 0, top_ = 0, kx_ = 1, ky_ = 1;
    int penWidth_ = 1;
    QPolygonF polygon_;
};

}  // namespace kuvanto
