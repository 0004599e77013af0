// The circle and arc dialog "Arc_Insert_Form": centre, diameter, two angles, division count and
// direction, with the picture of a dashed circle and an arc from angle 1 to angle 2. OK plans the
// vertices; a division count or range that cannot be used gets a message and keeps the dialog
// open, a step that does not fit the angles gets the notice of the adjusted count. The command
// inserts the accepted plan.
#pragma once

#include <QDialog>

#include "core/shapes/ArcGenerator.h"

class QLineEdit;
class QRadioButton;

namespace kuvanto {

class Messenger;

class ArcDialog : public QDialog {
    Q_OBJECT
public:
    explicit ArcDialog(Messenger& messenger, QWidget* parent = nullptr);

    // The fields read leniently.
    ArcInput input() const;
    // The plan made by the accepted OK.
    const ArcPlan& plan() const { return plan_; }

    // The notice shown when the step does not fit the angles.
    static QString unfitStepMessage(double step);
    // The steps do not fit the range: the last one is shorter.
    static QString shortLastStepMessage(double step);

public slots:
    void accept() override;

private:
    Messenger& messenger_;
    QLineEdit* centreX_;
    QLineEdit* centreY_;
    QLineEdit* diameter_;
    QLineEdit* angle1_;
    QLineEdit* angle2_;
    QLineEdit* divisions_;
    QRadioButton* ascending_;
    QRadioButton* descending_;
    ArcPlan plan_;
};

}  // namespace kuvanto
