// The explanatory picture of the circle and arc dialog: a dashed circle around the centre (X, Y)
// with 0° at the right, 90° at the top, 180° at the left and 270° at the bottom, and an arrow from
// angle 1 (30°) counter-clockwise to angle 2 (130°).
#pragma once

#include <QWidget>

namespace kuvanto {

class ArcPicture : public QWidget {
    Q_OBJECT
public:
    explicit ArcPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {200, 200}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kuvanto
