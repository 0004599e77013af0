// A messenger for tests: records every notice, question and file dialog, and answers from
// prepared queues (questions default to No, dialogs to cancel when their queue is empty).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "editing/Messenger.h"

namespace kuvanto {

class ScriptedMessenger : public Messenger {
public:
    struct Asked {
        QString text;
        QString title;
    };
    struct Dialog {
        QString title, filter, folder, initialName;
    };

    QList<Asked> notices;
    QList<Asked> questions;
    QList<Dialog> dialogs;
    QList<bool> answers;            // next answers to confirm
    QStringList paths;              // next paths of file dialogs
    QList<SaveChoice> saveChoices;  // next answers to askSaveFirst (confirm's when empty)

    // The texts of the notices so far, in order.
    QStringList noticeTexts() const;

    void notice(const QString& text, const QString& title) override;
    bool confirm(const QString& text, const QString& title) override;
    SaveChoice askSaveFirst(const QString& text, const QString& title) override;
    QString chooseOpenFile(const QString& title, const QString& filter,
                           const QString& folder) override;
    QString chooseSaveFile(const QString& title, const QString& filter, const QString& folder,
                           const QString& initialName) override;
};

}  // namespace kuvanto
