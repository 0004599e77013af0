// The direct-editing dialog: both coordinate tables as one plain text, to be edited freely and
// confirmed with OK or dropped with Cancel. The dialog only shows and returns the text; writing
// the buffer file and rebuilding the tables belong to the workspace. Modal: exec() returns
// QDialog::Accepted for OK. Meant for very long texts (a million lines open in well under a
// second): plain text only, no line wrapping, the lines kept in groups per text block.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace kuvanto {

class DirectEditDialog : public QDialog {
    Q_OBJECT
public:
    explicit DirectEditDialog(const QString& text, QWidget* parent = nullptr);

    // The text as it stands in the box, lines separated by "\n".
    QString editedText() const;

private:
    QPlainTextEdit* editor_;
};

}  // namespace kuvanto
