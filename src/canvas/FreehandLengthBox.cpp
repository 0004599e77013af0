// The freehand length box on the canvas.
#include "canvas/FreehandLengthBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace kuvanto {

FreehandLengthBox::FreehandLengthBox(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("FH_Frame"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    caption_ = new QLabel(QStringLiteral("⊿X="), this);
    caption_->setObjectName(QStringLiteral("FH_Label"));
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("FH_Text"));
    text_->setFixedWidth(70);
    auto* cancel = new QToolButton(this);
    cancel->setObjectName(QStringLiteral("FH_Cncl"));
    cancel->setText(QStringLiteral("×"));
    layout->addWidget(caption_);
    layout->addWidget(text_);
    layout->addWidget(cancel);
    connect(cancel, &QToolButton::clicked, text_, &QLineEdit::clear);
    connect(text_, &QLineEdit::returnPressed, this, [this] { emit lengthEntered(text_->text()); });
    adjustSize();
    hide();
}

void FreehandLengthBox::showAt(const QPoint& topLeft, const QString& caption, const QString& text) {
    if (!caption.isEmpty()) {
        caption_->setText(caption);
        text_->setText(text);
    }
    move(topLeft);
    show();
    raise();
    text_->setFocus();
    text_->selectAll();
}

void FreehandLengthBox::dismiss() {
    hide();
    text_->clear();
}

QString FreehandLengthBox::text() const {
    return text_->text();
}

}  // namespace kuvanto
