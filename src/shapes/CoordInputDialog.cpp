// The coordinate dialog. Layout: the frame with the two choices, the prompt, the X and Y fields on
// one line, the buttons below.
#include "shapes/CoordInputDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shapes/DialogParts.h"

namespace kuvanto {

CoordInputDialog::CoordInputDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Input_Cood_Form"));
    setWindowTitle(tr("座標入力"));
    setModal(true);

    const QString hint = tr("相対座標は、現在座標に対するx,y増分を現します。");
    auto* frame = new QGroupBox(tr("直接座標入力"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    relative_ = new QRadioButton(tr("相対"), frame);
    relative_->setObjectName(QStringLiteral("Option1_0"));
    relative_->setToolTip(hint);
    relative_->setChecked(true);
    absolute_ = new QRadioButton(tr("絶対"), frame);
    absolute_->setObjectName(QStringLiteral("Option1_1"));
    absolute_->setToolTip(hint);
    auto* choices = new QHBoxLayout(frame);
    choices->addWidget(relative_);
    choices->addWidget(absolute_);
    choices->addStretch(1);

    x_ = namedField(QStringLiteral("X_Text"), QStringLiteral("0"), this);
    y_ = namedField(QStringLiteral("Y_Text"), QStringLiteral("0"), this);
    auto* fields = new QHBoxLayout;
    fields->addWidget(namedLabel(QStringLiteral("Label2"), QStringLiteral("X"), this));
    fields->addWidget(x_);
    fields->addWidget(namedLabel(QStringLiteral("Label3"), QStringLiteral(", Y"), this));
    fields->addWidget(y_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(namedLabel(QStringLiteral("Label1"), tr("座標を入力して下さい。"), this));
    layout->addLayout(fields);
    layout->addWidget(okCancelButtons(this));

    x_->setFocus();
    x_->selectAll();
}

bool CoordInputDialog::relative() const {
    return relative_->isChecked();
}

double CoordInputDialog::xValue() const {
    return fieldValue(x_);
}

double CoordInputDialog::yValue() const {
    return fieldValue(y_);
}

}  // namespace kuvanto
