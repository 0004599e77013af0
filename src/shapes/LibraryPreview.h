// The preview of a library part in the insertion dialog: a square picture on a dark grey ground
// with its own coordinate window (Y up), showing the outline in the colour of added figures, the
// base points as blue discs and the picked base point as a yellow ring around a green disc.
// A mouse button released over it reports the position in world units.
#pragma once

#include <QRectF>
#include <QWidget>
#include <optional>
#include <vector>

#include "core/shapes/ShapeOutlines.h"

namespace kuvanto {

class LibraryPreview : public QWidget {
    Q_OBJECT
public:
    explicit LibraryPreview(QWidget* parent = nullptr);

    // The coordinate window: left, top, right, bottom (top > bottom).
    QRectF window() const { return window_; }
    void setWindow(const QRectF& window);
    double viewWidth() const { return window_.width(); }

    void clear();
    // 0x00BBGGRR colour of the outline.
    void show(const std::vector<PlanePoint>& outline, const std::vector<PlanePoint>& basePoints,
              std::uint32_t color);
    void setPicked(std::optional<PlanePoint> picked);

    QPointF toPixel(PlanePoint p) const;
    PlanePoint toWorld(QPointF pixel) const;

    QSize sizeHint() const override { return {320, 320}; }

signals:
    void released(kuvanto::PlanePoint world);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRectF window_{QPointF(-100, 100), QPointF(100, -100)};
    std::vector<PlanePoint> outline_;
    std::vector<PlanePoint> basePoints_;
    std::uint32_t color_ = 0xFF;
    std::optional<PlanePoint> picked_;
};

}  // namespace kuvanto
