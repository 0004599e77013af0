// Mass per metre window. Layout: one frame without caption holding the density row (label,
// input, unit) and the result row, with the Close button below.
#include "app/MassDialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/section/Mass.h"
#include "editing/SelectAllOnFocus.h"

namespace kuvanto {

MassDialog::MassDialog(double area, QWidget* parent) : QDialog(parent), combinedArea_(area) {
    setObjectName(QStringLiteral("Wt_Form"));
    setWindowTitle(tr("単位長さ当たりの質量"));
    setModal(true);

    const QString hint = tr("鉄：7.8、アルミ：2.7");

    auto* densityFrame = new QFrame(this);
    densityFrame->setObjectName(QStringLiteral("Frame1"));
    densityFrame->setFrameShape(QFrame::StyledPanel);

    auto* densityLabel = new QLabel(tr("密度："), densityFrame);
    densityLabel->setObjectName(QStringLiteral("Rho_Label"));
    densityLabel->setToolTip(hint);

    densityEdit_ = new QLineEdit(densityFrame);
    densityEdit_->setObjectName(QStringLiteral("Rho_Text"));
    densityEdit_->setToolTip(hint);
    densityEdit_->setAlignment(Qt::AlignRight);
    SelectAllOnFocus::install(densityEdit_);

    auto* unitLabel = new QLabel(QStringLiteral("g/cm^3"), densityFrame);
    unitLabel->setObjectName(QStringLiteral("Label3"));
    unitLabel->setToolTip(hint);

    auto* resultCaption = new QLabel(tr("総合図形の単位長さ(m)当たりの質量；"), densityFrame);
    resultCaption->setObjectName(QStringLiteral("Label1"));

    massLabel_ = new QLabel(QStringLiteral("--------- kg/m"), densityFrame);
    massLabel_->setObjectName(QStringLiteral("Label2"));
    massLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    massLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* grid = new QGridLayout(densityFrame);
    grid->addWidget(densityLabel, 0, 0, Qt::AlignRight);
    grid->addWidget(densityEdit_, 0, 1);
    grid->addWidget(unitLabel, 0, 2);
    grid->addWidget(resultCaption, 1, 0, 1, 3);
    grid->addWidget(massLabel_, 2, 0, 1, 3);

    auto* closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("Command1"));
    closeButton->setAutoDefault(false);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(densityFrame);
    layout->addWidget(closeButton, 0, Qt::AlignRight);

    // The initial "0" is not evaluated: the result line keeps its dashes until the text changes.
    densityEdit_->setText(QStringLiteral("0"));
    connect(densityEdit_, &QLineEdit::textChanged, this, &MassDialog::showMassForDensity);
    densityEdit_->setFocus();
}

void MassDialog::showMassForDensity(const QString& text) {
    massLabel_->setText(QString::fromStdString(massLine(text.toStdString(), combinedArea_)));
}

}  // namespace kuvanto
