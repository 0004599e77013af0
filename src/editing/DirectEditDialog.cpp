// Direct-editing dialog: a plain text box over the whole text form of the tables, with OK and
// Cancel below it.
#include "editing/DirectEditDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kuvanto {

DirectEditDialog::DirectEditDialog(const QString& text, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Edit_Form"));
    setWindowTitle(QStringLiteral("直接編集"));
    setModal(true);

    editor_ = new QPlainTextEdit(this);
    editor_->setObjectName(QStringLiteral("Text1"));
    // No wrapping: every line is laid out once, which keeps huge texts responsive.
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setWordWrapMode(QTextOption::NoWrap);
    editor_->setTabChangesFocus(false);
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // Laying out a million lines takes a few seconds: show that the program is busy.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    editor_->setPlainText(plain);
    QApplication::restoreOverrideCursor();

    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("Command1"));
    okButton->setAutoDefault(false);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("Command2"));
    cancelButton->setAutoDefault(false);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_, 1);
    layout->addLayout(buttons);
    resize(520, 600);
    editor_->setFocus();
}

QString DirectEditDialog::editedText() const {
    return editor_->toPlainText();
}

}  // namespace kuvanto
