// Mass per metre window. Layout: one frame without caption holding the density row (label,
// input, unit) and the result row, with the Close button below.
#include "Wt_Form.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Mass.h"
#include "SelectAllOnFocus.h"

namespace kuvanto {

Wt_Form::Wt_Form(double area, QWidget* parent) : QDialog(parent), wt_area_(area) {
    setObjectName(QStringLiteral("Wt_Form"));
    setWindowTitle(QStringLiteral("単位長さ当たりの質量"));
    setModal(true);

    const QString hint = QStringLiteral("鉄：7.8、アルミ：2.7");

    auto* frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameShape(QFrame::StyledPanel);

    auto* rho_label = new QLabel(QStringLiteral("密度："), frame1);
    rho_label->setObjectName(QStringLiteral("Rho_Label"));
    rho_label->setToolTip(hint);

    rho_text_ = new QLineEdit(frame1);
    rho_text_->setObjectName(QStringLiteral("Rho_Text"));
    rho_text_->setToolTip(hint);
    rho_text_->setAlignment(Qt::AlignRight);
    SelectAllOnFocus::Install(rho_text_);

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
    grid->addWidget(rho_label, 0, 0, Qt::AlignRight);
    grid->addWidget(rho_text_, 0, 1);
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
    rho_text_->setText(QStringLiteral("0"));
    connect(rho_text_, &QLineEdit::textChanged, this, &Wt_Form::Rho_Text_Change);
    rho_text_->setFocus();
}

void Wt_Form::Rho_Text_Change(const QString& text) {
    label2_->setText(QString::fromStdString(Mass_Line(text.toStdString(), wt_area_)));
}

}  // namespace kuvanto
