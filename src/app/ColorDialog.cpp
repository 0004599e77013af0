// Colour dialog: swatches, the colour question and the writing of the colour file. A failed
// write is told to the user and leaves the dialog open with nothing applied, so the colours in
// force and the file never disagree.
#include "app/ColorDialog.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ColorSwatch.h"
#include "editing/Messenger.h"

namespace kuvanto {

ColorDialog::ColorDialog(const QString& clIniPath, Messenger& messenger, QWidget* parent)
    : QDialog(parent),
      clIniPath_(clIniPath),
      messenger_(messenger),
      chooser_(&ColorDialog::getColorValue) {
    qRegisterMetaType<kuvanto::DrawColors>();
    setObjectName(QStringLiteral("Set_Color_Form"));
    setWindowTitle(tr("色設定"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* rows = new QGridLayout;
    const QString captions[3] = {tr("加算図形："), tr("減算図形："), tr("補助Grid：")};
    ColorSwatch* swatches[3];
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(captions[i], this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        swatches[i] = new ColorSwatch(this);
        swatches[i]->setObjectName(QStringLiteral("Picture%1").arg(i + 1));
        rows->addWidget(label, i, 0, Qt::AlignRight);
        rows->addWidget(swatches[i], i, 1);
        ColorSwatch* swatch = swatches[i];
        connect(swatch, &ColorSwatch::clicked, this, [this, swatch] { previewClicked(swatch); });
    }
    addedSwatch_ = swatches[0];
    subtractedSwatch_ = swatches[1];
    gridSwatch_ = swatches[2];

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    auto* defaults = new QPushButton(tr("Default"), this);
    defaults->setObjectName(QStringLiteral("Command3"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ColorDialog::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    connect(defaults, &QPushButton::clicked, this, &ColorDialog::defaultClicked);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(defaults);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(rows);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    setSwatches(loadColorVal(clIniPath_));
}

std::int32_t ColorDialog::getColorValue(QWidget* owner) {
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        QColorDialog::setCustomColor(i, QColor(Qt::black));
    }
    QColorDialog dialog(QColor(Qt::black), owner);
    if (dialog.exec() != QDialog::Accepted) return 0;
    return ColorSwatch::fromQColor(dialog.selectedColor());
}

void ColorDialog::setColorChooser(ColorChooser chooser) {
    chooser_ = std::move(chooser);
}

DrawColors ColorDialog::swatchColors() const {
    return DrawColors{addedSwatch_->colorValue(), subtractedSwatch_->colorValue(),
                      gridSwatch_->colorValue()};
}

void ColorDialog::setSwatches(const DrawColors& colors) {
    addedSwatch_->setColorValue(colors.add);
    subtractedSwatch_->setColorValue(colors.subtracted);
    gridSwatch_->setColorValue(colors.grid);
}

void ColorDialog::previewClicked(ColorSwatch* swatch) {
    if (!chooser_) return;
    const std::int32_t value = chooser_(this);
    // 0 is both a cancel and pure black: the swatch keeps its colour either way.
    if (value != 0) swatch->setColorValue(value);
}

void ColorDialog::defaultClicked() {
    setSwatches(kDefaultButtonColors);
}

void ColorDialog::okClicked() {
    const DrawColors colors = swatchColors();
    QString error;
    if (!saveColorVal(clIniPath_, colors, &error)) {
        messenger_.notice(tr("色設定を保存できませんでした。\n%1\n%2").arg(clIniPath_, error));
        return;
    }
    emit colorsAccepted(colors);
    close();
}

}  // namespace kuvanto
