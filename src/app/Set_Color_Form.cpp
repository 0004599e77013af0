// Colour dialog: swatches, the colour question and the writing of the colour file. A failed
// write is told to the user and leaves the dialog open with nothing applied, so the colours in
// force and the file never disagree.
#include "Set_Color_Form.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ColorSwatch.h"
#include "Messenger.h"

namespace kuvanto {

Set_Color_Form::Set_Color_Form(const QString& cl_ini_path, Messenger& messenger, QWidget* parent)
    : QDialog(parent),
      cl_ini_path_(cl_ini_path),
      messenger_(messenger),
      chooser_(&Set_Color_Form::GetColorValue) {
    qRegisterMetaType<kuvanto::DrawColors>();
    setObjectName(QStringLiteral("Set_Color_Form"));
    setWindowTitle(QStringLiteral("色設定"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* rows = new QGridLayout;
    const QString captions[3] = {QStringLiteral("加算図形："), QStringLiteral("減算図形："),
                                 QStringLiteral("補助Grid：")};
    ColorSwatch* swatches[3];
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(captions[i], this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        swatches[i] = new ColorSwatch(this);
        swatches[i]->setObjectName(QStringLiteral("Picture%1").arg(i + 1));
        rows->addWidget(label, i, 0, Qt::AlignRight);
        rows->addWidget(swatches[i], i, 1);
        ColorSwatch* swatch = swatches[i];
        connect(swatch, &ColorSwatch::Clicked, this, [this, swatch] { Picture_Click(swatch); });
    }
    picture1_ = swatches[0];
    picture2_ = swatches[1];
    picture3_ = swatches[2];

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    auto* defaults = new QPushButton(QStringLiteral("Default"), this);
    defaults->setObjectName(QStringLiteral("Command3"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &Set_Color_Form::OK_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    connect(defaults, &QPushButton::clicked, this, &Set_Color_Form::Default_Click);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(defaults);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(rows);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    Set_Swatches(Load_Color_Val(cl_ini_path_));
}

std::int32_t Set_Color_Form::GetColorValue(QWidget* owner) {
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        QColorDialog::setCustomColor(i, QColor(Qt::black));
    }
    QColorDialog dialog(QColor(Qt::black), owner);
    if (dialog.exec() != QDialog::Accepted) return 0;
    return ColorSwatch::From_QColor(dialog.selectedColor());
}

void Set_Color_Form::Set_Color_Chooser(Color_Chooser chooser) {
    chooser_ = std::move(chooser);
}

DrawColors Set_Color_Form::Swatch_Colors() const {
    return DrawColors{picture1_->Color_Value(), picture2_->Color_Value(), picture3_->Color_Value()};
}

void Set_Color_Form::Set_Swatches(const DrawColors& colors) {
    picture1_->Set_Color_Value(colors.add);
    picture2_->Set_Color_Value(colors.sbtrt);
    picture3_->Set_Color_Value(colors.grid);
}

void Set_Color_Form::Picture_Click(ColorSwatch* swatch) {
    if (!chooser_) return;
    const std::int32_t value = chooser_(this);
    // 0 is both a cancel and pure black: the swatch keeps its colour either way.
    if (value != 0) swatch->Set_Color_Value(value);
}

void Set_Color_Form::Default_Click() {
    Set_Swatches(kDefaultButtonColors);
}

void Set_Color_Form::OK_Click() {
    const DrawColors colors = Swatch_Colors();
    QString error;
    if (!Save_Color_Val(cl_ini_path_, colors, &error)) {
        messenger_.Notice(
            QStringLiteral("色設定を保存できませんでした。\n%1\n%2").arg(cl_ini_path_, error));
        return;
    }
    emit Colors_Accepted(colors);
    close();
}

}  // namespace kuvanto
