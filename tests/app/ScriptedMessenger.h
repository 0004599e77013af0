// A messenger for tests: records every notice, question and file dialog, and answers from
// prepared queues (questions default to No, dialogs to cancel when their queue is empty).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "Messenger.h"

namespace kuvanto {

class ScriptedMessenger : public Messenger {
public:
    struct Asked {
        QString text;
        QString title;
    };
    struct Dialog {
        QString title, filter, folder, initial_name;
    };

    QList<Asked> notices;
    QList<Asked> questions;
    QList<Dialog> dialogs;
    QList<bool> answers;  // next answers to Confirm
    QStringList paths;    // next paths of file dialogs

    void Notice(const QString& text, const QString& title) override;
    bool Confirm(const QString& text, const QString& title) override;
    QString Choose_Open_File(const QString& title, const QString& filter,
                             const QString& folder) override;
    QString Choose_Save_File(const QString& title, const QString& filter, const QString& folder,
                             const QString& initial_name) override;
};

}  // namespace kuvanto
