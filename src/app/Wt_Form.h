// The mass window: from the area of the chosen result column (mm²) and a density typed by the
// user (g/cm³) it shows the mass of one metre of the bar (kg/m), updated at every change of the
// density text. The area is taken once, when the window opens. Modal: open it with exec().
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace kuvanto {

class Wt_Form : public QDialog {
    Q_OBJECT
public:
    explicit Wt_Form(double area, QWidget* parent = nullptr);

    double Wt_Area() const { return wt_area_; }

private:
    void Rho_Text_Change(const QString& text);

    double wt_area_;
    QLineEdit* rho_text_;
    QLabel* label2_;
};

}  // namespace kuvanto
