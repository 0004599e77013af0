// Records the conversation and plays back the prepared answers.
#include "ScriptedMessenger.h"

namespace kuvanto {

void ScriptedMessenger::Notice(const QString& text, const QString& title) {
    notices.append({text, title});
}

bool ScriptedMessenger::Confirm(const QString& text, const QString& title) {
    questions.append({text, title});
    return answers.isEmpty() ? false : answers.takeFirst();
}

QString ScriptedMessenger::Choose_Open_File(const QString& title, const QString& filter,
                                            const QString& folder) {
    dialogs.append({title, filter, folder, QString()});
    return paths.isEmpty() ? QString() : paths.takeFirst();
}

QString ScriptedMessenger::Choose_Save_File(const QString& title, const QString& filter,
                                            const QString& folder, const QString& initial_name) {
    dialogs.append({title, filter, folder, initial_name});
    return paths.isEmpty() ? QString() : paths.takeFirst();
}

}  // namespace kuvanto
