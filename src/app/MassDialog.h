// The mass window: from the area of the chosen result column (mm²) and a density typed by the
// user (g/cm³) it shows the mass of one metre of the bar (kg/m), updated at every change of the
// density text. The area is taken once, when the window opens. Modal: open it with exec().
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace kuvanto {

class MassDialog : public QDialog {
    Q_OBJECT
public:
    explicit MassDialog(double area, QWidget* parent = nullptr);

    double massArea() const { return combinedArea_; }

private:
    void showMassForDensity(const QString& text);

    double combinedArea_;
    QLineEdit* densityEdit_;
    QLabel* massLabel_;
};

}  // namespace kuvanto
