// Mass per metre window. Layout: one frame without caption holding the density row (label,
// input, unit) and the result row, with the Close button below.
#include "app/MassDialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Mass.h"
#include "app/SelectAllOnFocus.h"

namespace kuvanto {

MassDialog::MassDialog(double area, QWidget* parent) : QDialog(parent), wtArea_(area) {
    setObjectName(QStringLiteral("Wt_Form"));
    setWindowTitle(QStringLiteral("単位長さ当たりの質量"));
    setModal(true);

    const QString hint = QStringLiteral("鉄：7.8、アルミ：2.7");

    auto* frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameShape(QFrame::StyledPanel);

    auto* rhoLabel = new QLabel(QStringLiteral("密度："), frame1);
    rhoLabel->setObjectName(QStringLiteral("Rho_Label"));
    rhoLabel->setToolTip(hint);

    rhoText_ = new QLineEdit(frame1);
    rhoText_->setObjectName(QStringLiteral("Rho_Text"));
    rhoText_->setToolTip(hint);
    rhoText_->setAlignment(Qt::AlignRight);
    SelectAllOnFocus::install(rhoText_);

    auto* label3 = new QLabel(QStringLiteral("g/cm^3"), frame1);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setToolTip(hint);

    auto* label1 = new QLabel(QStringLiteral("総合図形の単位長さ(m)当たりの質量；"), frame1);
    label1->setObjectName(QStringLiteral("Label1"));

    label2_ = new QLabel(QStringLiteral("--------- kg/m"), frame1);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label2_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* grid = new QGridLayout(frame1);
    grid->addWidget(rhoLabel, 0, 0, Qt::AlignRight);
    grid->addWidget(rhoText_, 0, 1);
    grid->addWidget(label3, 0, 2);
    grid->addWidget(label1, 1, 0, 1, 3);
    grid->addWidget(label2_, 2, 0, 1, 3);

    auto* command1 = new QPushButton(QStringLiteral("Close"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setAutoDefault(false);
    connect(command1, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(command1, 0, Qt::AlignRight);

    // The initial "0" is not evaluated: the result line keeps its dashes until the text changes.
    rhoText_->setText(QStringLiteral("0"));
    connect(rhoText_, &QLineEdit::textChanged, this, &MassDialog::rhoTextChange);
    rhoText_->setFocus();
}

void MassDialog::rhoTextChange(const QString& text) {
    label2_->setText(QString::fromStdString(massLine(text.toStdString(), wtArea_)));
}

}  // namespace kuvanto
