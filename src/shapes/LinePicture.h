// The explanatory picture of the line dialog: a segment from the start point (lower left) to the
// end point (upper right) with the angle θ measured from the +X direction, and, by mode, the
// length L along the segment, the horizontal extent dx or the vertical extent dy.
#pragma once

#include <QWidget>

#include "core/shapes/LineGenerator.h"

namespace kuvanto {

class LinePicture : public QWidget {
    Q_OBJECT
public:
    explicit LinePicture(LineMode mode, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {200, 200}; }
    LineMode mode() const { return mode_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LineMode mode_;
};

}  // namespace kuvanto
