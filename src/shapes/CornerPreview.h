// The preview of the corner-rounding dialog: on a dark grey square it shows the start point, the
// legs up to the fillet in white and the fillet in red, fitted around the corner and its two
// neighbouring points. A click on it asks for the fillet on the other side.
#pragma once

#include <QWidget>
#include <vector>

#include "core/shapes/CornerRounding.h"

namespace kuvanto {

class CornerPreview : public QWidget {
    Q_OBJECT
public:
    explicit CornerPreview(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {220, 220}; }

    // The points to show; an empty vertex list shows only the corner's legs.
    void setShape(Point corner, Point start, Point end, const std::vector<Point>& vertices);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Point corner_, start_, end_;
    std::vector<Point> vertices_;
};

}  // namespace kuvanto
