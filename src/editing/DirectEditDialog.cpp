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

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    // No wrapping: every line is laid out once, which keeps huge texts responsive.
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setWordWrapMode(QTextOption::NoWrap);
    text1_->setTabChangesFocus(false);
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // Laying out a million lines takes a few seconds: show that the program is busy.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    text1_->setPlainText(plain);
    QApplication::restoreOverrideCursor();

    auto* command1 = new QPushButton(QStringLiteral("OK"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setAutoDefault(false);
    auto* command2 = new QPushButton(QStringLiteral("Cancel"), this);
    command2->setObjectName(QStringLiteral("Command2"));
    command2->setAutoDefault(false);
    connect(command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(command2, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1);
    buttons->addWidget(command2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text1_, 1);
    layout->addLayout(buttons);
    resize(520, 600);
    text1_->setFocus();
}

QString DirectEditDialog::editedText() const {
    return text1_->toPlainText();
}

}  // namespace kuvanto
