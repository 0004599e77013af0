// Records the conversation and plays back the prepared answers.
#include "ScriptedMessenger.h"

namespace kuvanto {

QStringList ScriptedMessenger::noticeTexts() const {
    QStringList texts;
    for (const Asked& notice : notices) texts << notice.text;
    return texts;
}

void ScriptedMessenger::notice(const QString& text, const QString& title) {
    notices.append({text, title});
}

bool ScriptedMessenger::confirm(const QString& text, const QString& title) {
    questions.append({text, title});
    return answers.isEmpty() ? false : answers.takeFirst();
}

Messenger::SaveChoice ScriptedMessenger::askSaveFirst(const QString& text, const QString& title) {
    if (saveChoices.isEmpty()) return Messenger::askSaveFirst(text, title);
    questions.append({text, title});
    return saveChoices.takeFirst();
}

QString ScriptedMessenger::chooseOpenFile(const QString& title, const QString& filter,
                                          const QString& folder) {
    dialogs.append({title, filter, folder, QString()});
    return paths.isEmpty() ? QString() : paths.takeFirst();
}

QString ScriptedMessenger::chooseSaveFile(const QString& title, const QString& filter,
                                          const QString& folder, const QString& initialName) {
    dialogs.append({title, filter, folder, initialName});
    return paths.isEmpty() ? QString() : paths.takeFirst();
}

}  // namespace kuvanto
