// Redo is a command of its own beside undo; its button sits right after the undo button without a
// number of its own (see the command table). Redo is allowed while there is a step to redo.
#include "app/HistoryCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>

#include "app/MainWindow.h"
#include "app/TabRules.h"
#include "editing/Messenger.h"
#include "io/UiText.h"

namespace kuvanto {

namespace {

constexpr UiText kNothingToRedo{"HistoryCommands",
                                QT_TRANSLATE_NOOP("HistoryCommands", "やり直す操作はありません。")};
constexpr UiText kDroppedSteps{
    "HistoryCommands",
    QT_TRANSLATE_NOOP("HistoryCommands",
                      "元に戻す履歴がメモリの上限を超えたため、古い%1件を削除しました。")};
constexpr UiText kRestoredNote{
    "HistoryCommands",
    QT_TRANSLATE_NOOP("HistoryCommands",
                      "前回の作業内容を復元しました。「元に戻す」で復元前に戻せます。")};

}  // namespace

void HistoryCommands::install(MainWindow& window) {
    MainWindow* w = &window;
    window.setCommandHandler(
        CommandId::redo,
        [w] {
            QString error;
            if (!w->work().redo(&error)) {
                w->setStatus(kNothingToRedo);
                return;
            }
            w->showTabOfStep(w->work().history().redoneStepTables());
            w->showTableChange();
        },
        [w] { return w->work().canRedo(); });
}

void HistoryCommands::historyChanged(MainWindow& window) {
    const bool figureTab = window.shownTab() != WindowTab::result;
    const bool redo = figureTab && window.work().canRedo();
    const bool undo = figureTab && window.work().canUndo();
    if (window.command(CommandId::redo)->isEnabled() != redo ||
        window.command(CommandId::undo)->isEnabled() != undo)
        window.updateCommandEnabling();
    if (const int dropped = window.work().takeDroppedUndoSteps())
        window.setStatus(kDroppedSteps.arg(dropped));
    window.setWindowTitle(windowTitle(window.work().dataFileName, window.work().modified()));
}

QString HistoryCommands::windowTitle(const QString& dataFile, bool modified) {
    QString title = QStringLiteral("Kuvanto Ver%1.%2.%3")
                        .arg(KUVANTO_VERSION_MAJOR)
                        .arg(KUVANTO_VERSION_MINOR)
                        .arg(KUVANTO_VERSION_PATCH);
    if (!dataFile.isEmpty()) title = QFileInfo(dataFile).fileName() + QStringLiteral(" - ") + title;
    if (modified) title.prepend(QLatin1Char('*'));
    return title;
}

bool HistoryCommands::offerRecovery(MainWindow& window) {
    Workspace& work = window.work();
    if (!work.hasRecovery()) return false;
    if (!window.msg().confirm(kRecoveryQuestion)) {
        work.dropRecovery();
        return false;
    }
    work.restoreRecovery();
    window.showTableChange();
    window.setStatus(kRestoredNote);
    return true;
}

}  // namespace kuvanto
