// Direct-editing dialog: a plain text box over the whole text form of the tables, with OK and
// Cancel below it.
#include "editing/DirectEditDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kuvanto {

namespace {

// Lines per text block. The text box keeps one block per paragraph, and making a block costs far
// more than the characters in it: a million one-line blocks take seconds. So the lines go in
// groups, joined inside a group by line separators (U+2028), which the box shows and edits as
// line breaks and gives back as "\n".
constexpr int kLinesPerBlock = 32;

QString groupedLines(const QString& text) {
    QString out;
    out.reserve(text.size());
    int linesInBlock = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) continue;
            c = QLatin1Char('\n');
        }
        if (c == QLatin1Char('\n') && ++linesInBlock < kLinesPerBlock) {
            out += QChar::LineSeparator;
            continue;
        }
        if (c == QLatin1Char('\n')) linesInBlock = 0;
        out += c;
    }
    return out;
}

}  // namespace

DirectEditDialog::DirectEditDialog(const QString& text, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Edit_Form"));
    setWindowTitle(tr("直接編集"));
    setModal(true);

    editor_ = new QPlainTextEdit(this);
    editor_->setObjectName(QStringLiteral("Text1"));
    // No wrapping: every line is laid out once, which keeps huge texts responsive.
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setWordWrapMode(QTextOption::NoWrap);
    editor_->setTabChangesFocus(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    editor_->setPlainText(groupedLines(text));
    QApplication::restoreOverrideCursor();

    auto* okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("Command1"));
    okButton->setAutoDefault(false);
    auto* cancelButton = new QPushButton(tr("Cancel"), this);
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
    // toPlainText gives both kinds of line break as "\n".
    return editor_->toPlainText();
}

}  // namespace kuvanto
