// The real message boxes and file dialogs behind the Messenger interface: message boxes without
// icon, file dialogs with the command's title, filter, folder and initial name.
#include "editing/Messenger.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "editing/FileDialogFilter.h"

namespace kuvanto {

namespace {

// Messages break lines with a carriage return, alone or before a line feed; the message box
// breaks lines at line feeds only.
QString messageLines(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

}  // namespace

void WidgetMessenger::notice(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, messageLines(text), QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool WidgetMessenger::confirm(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, messageLines(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Messenger::SaveChoice WidgetMessenger::askSaveFirst(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, messageLines(text),
                    QMessageBox::Save | QMessageBox::Yes | QMessageBox::No, parent_);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Save)
        ->setText(QCoreApplication::translate("Messenger", "保存する(&S)"));
    box.button(QMessageBox::Yes)
        ->setText(QCoreApplication::translate("Messenger", "保存しないで続ける(&Y)"));
    box.button(QMessageBox::No)
        ->setText(QCoreApplication::translate("Messenger", "キャンセル(&N)"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveChoice::Save;
        case QMessageBox::Yes:
            return SaveChoice::Proceed;
        default:
            return SaveChoice::Cancel;
    }
}

QString WidgetMessenger::chooseOpenFile(const QString& title, const QString& filter,
                                        const QString& folder) {
    return QFileDialog::getOpenFileName(parent_, title, folder, FileDialogFilter::toQt(filter));
}

QString WidgetMessenger::chooseSaveFile(const QString& title, const QString& filter,
                                        const QString& folder, const QString& initialName) {
    // A full path as initial name (the file last used) stands as it is; a bare name is placed
    // in the folder.
    const QString start = initialName.isEmpty() ? folder : QDir(folder).filePath(initialName);
    return QFileDialog::getSaveFileName(parent_, title, start, FileDialogFilter::toQt(filter));
}

}  // namespace kuvanto
