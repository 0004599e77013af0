// The undo history in the main window: the redo command (Edit menu, toolbar button beside undo,
// Ctrl+Y and Ctrl+Shift+Z), the notes in the status bar, the title that marks unsaved changes,
// and the offer to restore the tables of a previous run that ended abnormally.
#pragma once

#include <QString>
#include "io/UiText.h"

namespace kuvanto {

class MainWindow;

// The question asked at start when the previous run left its tables behind.
inline constexpr UiText kRecoveryQuestion{
    "HistoryCommands", QT_TRANSLATE_NOOP("HistoryCommands", "前回の作業内容を復元しますか？")};

class HistoryCommands {
public:
    // Gives the redo command its handler (its keys and its toolbar place are in its row of the
    // command table).
    static void install(MainWindow& window);
    // Brings the redo command's enabled state and the window title up to date and shows in the
    // status bar when old undo steps were dropped (after every change).
    static void historyChanged(MainWindow& window);
    // The window title: the open file's name, "*" before it while there are unsaved changes.
    static QString windowTitle(const QString& dataFile, bool modified);
    // At start: when the previous run ended abnormally with tables in it, asks whether to restore
    // them; Yes puts them in place of the tables (a step that undo takes back). True when
    // restored.
    static bool offerRecovery(MainWindow& window);
};

}  // namespace kuvanto
