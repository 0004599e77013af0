// The explanatory picture of the rectangle dialog: a rectangle with its diagonal from the start
// corner (lower left) to the end corner (upper right).
#pragma once

#include <QWidget>

namespace kuvanto {

class RectanglePicture : public QWidget {
    Q_OBJECT
public:
    explicit RectanglePicture(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {200, 200}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kuvanto
