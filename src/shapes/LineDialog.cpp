// The line dialog. Layout: the prompt on top, the picture on the left, the two fields on the right
// and the buttons below them.
#include "shapes/LineDialog.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "shapes/DialogParts.h"
#include "shapes/LinePicture.h"

namespace kuvanto {

namespace {

struct ModeTexts {
    const char* title;
    const char* prompt;
    const char* quantity;
    const char* symbol;
};

ModeTexts textsOf(LineMode mode) {
    switch (mode) {
        case LineMode::xIncrementAngle:
            return {QT_TRANSLATE_NOOP("LineDialog", "ラインの挿入(X増分・角度)"),
                    QT_TRANSLATE_NOOP("LineDialog", "X増分・角度を入力して下さい。"),
                    QT_TRANSLATE_NOOP("LineDialog", "X増分"), "dx"};
        case LineMode::yIncrementAngle:
            return {QT_TRANSLATE_NOOP("LineDialog", "ラインの挿入(Y増分・角度)"),
                    QT_TRANSLATE_NOOP("LineDialog", "Y増分・角度を入力して下さい。"),
                    QT_TRANSLATE_NOOP("LineDialog", "Y増分"), "dy"};
        case LineMode::lengthAngle:
            break;
    }
    return {QT_TRANSLATE_NOOP("LineDialog", "ラインの挿入(長さ・角度)"),
            QT_TRANSLATE_NOOP("LineDialog", "長さ・角度を入力して下さい。"),
            QT_TRANSLATE_NOOP("LineDialog", "長さ"), "L"};
}

}  // namespace

QString LineDialog::titleOf(LineMode mode) {
    return QCoreApplication::translate("LineDialog", textsOf(mode).title);
}

LineDialog::LineDialog(LineMode mode, QWidget* parent) : QDialog(parent), mode_(mode) {
    const ModeTexts texts = textsOf(mode);
    setObjectName(QStringLiteral("Angline_Insert_Form"));
    setWindowTitle(QCoreApplication::translate("LineDialog", texts.title));
    setModal(true);

    auto* picture = new LinePicture(mode, this);
    picture->setObjectName(QStringLiteral("Picture1"));

    amountField_ = namedField(QStringLiteral("Text1"), QStringLiteral("10"), this);
    angleField_ = namedField(QStringLiteral("Text2"), QStringLiteral("45"), this);

    auto* fields = new QGridLayout;
    fields->addWidget(namedLabel(QStringLiteral("Label2"),
                                 QCoreApplication::translate("LineDialog", texts.quantity), this),
                      0, 0);
    fields->addWidget(namedLabel(QStringLiteral("Label3"), QString::fromUtf8(texts.symbol), this),
                      0, 1, Qt::AlignRight);
    fields->addWidget(amountField_, 0, 2);
    fields->addWidget(namedLabel(QStringLiteral("Label4"), tr("角度"), this), 1, 0);
    fields->addWidget(namedLabel(QStringLiteral("Label5"), QStringLiteral("θ"), this), 1, 1,
                      Qt::AlignRight);
    fields->addWidget(angleField_, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("°"), this), 1, 3);
    fields->setRowStretch(2, 1);

    layOutWithPicture(this, picture, fields,
                      namedLabel(QStringLiteral("Label1"),
                                 QCoreApplication::translate("LineDialog", texts.prompt), this));

    amountField_->setFocus();
    amountField_->selectAll();
}

double LineDialog::amount() const {
    return fieldValue(amountField_);
}

double LineDialog::angle() const {
    return fieldValue(angleField_);
}

}  // namespace kuvanto
