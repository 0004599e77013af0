// The coordinate dialog of freehand drawing "Input_Cood_Form": a coordinate typed as an increment
// from the last placed vertex (relative, the default) or as an absolute position. It only collects
// the two numbers and the choice; the caller inserts the vertex and places the dialog at the mouse
// cursor.
#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace kuvanto {

class CoordInputDialog : public QDialog {
    Q_OBJECT
public:
    explicit CoordInputDialog(QWidget* parent = nullptr);

    bool relative() const;
    // The fields read leniently (text without a leading number reads as 0).
    double xValue() const;
    double yValue() const;

private:
    QRadioButton* relative_;
    QRadioButton* absolute_;
    QLineEdit* x_;
    QLineEdit* y_;
};

}  // namespace kuvanto
