// The rectangle dialog "Rect_Insert_Form": two opposite corners as typed texts, with the picture
// of a rectangle and its diagonal. It only collects the texts; the command inserts the rows.
#pragma once

#include <QDialog>

#include "core/shapes/RectangleGenerator.h"

class QLineEdit;

namespace kuvanto {

class RectangleDialog : public QDialog {
    Q_OBJECT
public:
    explicit RectangleDialog(QWidget* parent = nullptr);

    // The four corner texts exactly as typed.
    RectangleCorners corners() const;

private:
    QLineEdit* startX_;
    QLineEdit* startY_;
    QLineEdit* endX_;
    QLineEdit* endY_;
};

}  // namespace kuvanto
