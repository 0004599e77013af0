// The line dialog "Angline_Insert_Form" in one of its three modes (length, X increment or
// Y increment, each with an angle), with the mode's title, captions and explanatory picture. It
// only collects the two numbers; the command writes the vertex.
#pragma once

#include <QDialog>

#include "core/shapes/LineGenerator.h"

class QLineEdit;

namespace kuvanto {

class LineDialog : public QDialog {
    Q_OBJECT
public:
    explicit LineDialog(LineMode mode, QWidget* parent = nullptr);

    // The window title of each mode.
    static QString titleOf(LineMode mode);

    LineMode mode() const { return mode_; }
    // The quantity of the mode and the angle in degrees, read leniently.
    double amount() const;
    double angle() const;

    QLineEdit* amountField() const { return amountField_; }
    QLineEdit* angleField() const { return angleField_; }

private:
    LineMode mode_;
    QLineEdit* amountField_;
    QLineEdit* angleField_;
};

}  // namespace kuvanto
