// The real message boxes and file dialogs behind the Messenger interface: message boxes without
// icon, file dialogs with the command's title, filter, folder and initial name.
#include "Messenger.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "FileDialogFilter.h"

namespace kuvanto {

namespace {

// Messages break lines with a carriage return, alone or before a line feed; the message box
// breaks lines at line feeds only.
QString Message_Lines(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

}  // namespace

void WidgetMessenger::Notice(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, Message_Lines(text), QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool WidgetMessenger::Confirm(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, Message_Lines(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString WidgetMessenger::Choose_Open_File(const QString& title, const QString& filter,
                                          const QString& folder) {
    return QFileDialog::getOpenFileName(parent_, title, folder, FileDialogFilter::To_Qt(filter));
}

QString WidgetMessenger::Choose_Save_File(const QString& title, const QString& filter,
                                          const QString& folder, const QString& initial_name) {
    // A full path as initial name (the file last used) stands as it is; a bare name is placed
    // in the folder.
    const QString start = initial_name.isEmpty() ? folder : QDir(folder).filePath(initial_name);
    return QFileDialog::getSaveFileName(parent_, title, start, FileDialogFilter::To_Qt(filter));
}

}  // namespace kuvanto
