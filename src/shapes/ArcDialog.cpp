// The circle and arc dialog. Layout: the picture on the left; on the right the centre, the
// diameter, the angle range with the direction, and the division count, then the buttons.
#include "shapes/ArcDialog.h"

#include <cmath>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "core/base/NumberText.h"
#include "editing/Messenger.h"
#include "shapes/ArcPicture.h"
#include "shapes/DialogParts.h"

namespace kuvanto {

ArcDialog::ArcDialog(Messenger& messenger, QWidget* parent)
    : QDialog(parent), messenger_(messenger) {
    setObjectName(QStringLiteral("Arc_Insert_Form"));
    setWindowTitle(tr("円（円弧）の挿入"));
    setModal(true);

    auto* picture = new ArcPicture(this);
    picture->setObjectName(QStringLiteral("Picture1"));

    centreX_ = namedField(QStringLiteral("X_Text"), QStringLiteral("0"), this);
    centreY_ = namedField(QStringLiteral("Y_Text"), QStringLiteral("0"), this);
    diameter_ = namedField(QStringLiteral("Dia_Text"), QStringLiteral("50"), this);
    angle1_ = namedField(QStringLiteral("St_deg_Text"), QStringLiteral("0"), this);
    angle2_ = namedField(QStringLiteral("En_deg_Text"), QStringLiteral("360"), this);
    divisions_ = namedField(QStringLiteral("dev_Text"), QStringLiteral("36"), this);
    divisions_->setToolTip(tr("分割数を少なくするとことで多角形"));

    ascending_ = new QRadioButton(tr("右回り"), this);
    ascending_->setObjectName(QStringLiteral("Option1_0"));
    ascending_->setChecked(true);
    descending_ = new QRadioButton(tr("左回り"), this);
    descending_->setObjectName(QStringLiteral("Option1_1"));

    auto* grid = new QGridLayout;
    int row = 0;
    grid->addWidget(namedLabel(QStringLiteral("Label1"), tr("中心座標"), this), row, 0);
    grid->addWidget(namedLabel(QStringLiteral("Label3"), QStringLiteral("X"), this), row, 1,
                    Qt::AlignRight);
    grid->addWidget(centreX_, row, 2);
    grid->addWidget(namedLabel(QStringLiteral("Label4"), QStringLiteral(", Y"), this), row, 3);
    grid->addWidget(centreY_, row, 4);
    ++row;
    grid->addWidget(namedLabel(QStringLiteral("Label11"), tr("直径"), this), row, 0);
    grid->addWidget(namedLabel(QStringLiteral("Label10"), QStringLiteral("D"), this), row, 1,
                    Qt::AlignRight);
    grid->addWidget(diameter_, row, 2);
    ++row;
    grid->addWidget(namedLabel(QStringLiteral("Label6"), tr("角度範囲"), this), row, 0);
    grid->addWidget(namedLabel(QStringLiteral("Label5"), tr("角度1"), this), row, 1,
                    Qt::AlignRight);
    grid->addWidget(angle1_, row, 2);
    grid->addWidget(namedLabel(QStringLiteral("Label2"), tr("角度2"), this), row, 3);
    grid->addWidget(angle2_, row, 4);
    ++row;
    auto* directions = new QHBoxLayout;
    directions->addWidget(ascending_);
    directions->addWidget(descending_);
    directions->addStretch(1);
    grid->addLayout(directions, row, 1, 1, 4);
    ++row;
    grid->addWidget(namedLabel(QStringLiteral("Label9"), tr("円弧分割数"), this), row, 0);
    grid->addWidget(namedLabel(QStringLiteral("Label7"), QStringLiteral("360°/"), this), row, 1,
                    Qt::AlignRight);
    grid->addWidget(divisions_, row, 2);
    grid->addWidget(namedLabel(QStringLiteral("Label8"), tr("分割"), this), row, 3);

    layOutWithPicture(this, picture, grid);

    centreX_->setFocus();
    centreX_->selectAll();
}

ArcInput ArcDialog::input() const {
    ArcInput in;
    in.centreX = fieldValue(centreX_);
    in.centreY = fieldValue(centreY_);
    in.diameter = fieldValue(diameter_);
    in.angle1 = fieldValue(angle1_);
    in.angle2 = fieldValue(angle2_);
    in.divisions = fieldValue(divisions_);
    in.direction = descending_->isChecked() ? ArcDirection::descending : ArcDirection::ascending;
    return in;
}

QString ArcDialog::unfitStepMessage(double step) {
    return tr("円弧分割数が低く、角度を正確に模擬できません。(角度ステップ=") +
           QString::fromStdString(numText(step)) + tr("°)\n分割数を自動変更します。");
}

QString ArcDialog::shortLastStepMessage(double step) {
    return tr("円弧分割数では角度範囲を等分できません。(角度ステップ=") +
           QString::fromStdString(numText(step)) +
           tr("°)\n最後のステップを短くして角度範囲の終わりで終えます。");
}

void ArcDialog::accept() {
    ArcPlan plan = planArc(input());
    QLineEdit* culprit = nullptr;
    switch (plan.problem) {
        case ArcProblem::unusableDivisions:
            messenger_.notice(tr("円弧分割数は0より大きく720未満の値を入力して下さい。"));
            culprit = divisions_;
            break;
        case ArcProblem::equalAnglesUnfit:
            messenger_.notice(
                tr("角度1と角度2が等しく、角度ステップの倍数でもないため、円弧を挿入できません。"));
            culprit = angle1_;
            break;
        case ArcProblem::tooManyVertices:
            messenger_.notice(tr("角度範囲または入力値が大きすぎるため、円弧を挿入できません。"));
            culprit = angle2_;
            break;
        case ArcProblem::none:
            break;
    }
    if (culprit) {
        culprit->setFocus();
        culprit->selectAll();
        return;
    }
    if (plan.unfitStep) messenger_.notice(unfitStepMessage(*plan.unfitStep));
    if (plan.shortLastStep) messenger_.notice(shortLastStepMessage(std::fabs(plan.step)));
    plan_ = std::move(plan);
    QDialog::accept();
}

}  // namespace kuvanto
