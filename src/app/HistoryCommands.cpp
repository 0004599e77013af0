// Redo is a command of its own beside undo. Its toolbar button is placed after the undo button
// without taking one of the toolbar's numbered places, so that the numbering the tab switch
// enables by stays as it is.
#include "app/HistoryCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QToolBar>

#include "app/MainWindow.h"
#include "app/TabRules.h"
#include "editing/Messenger.h"
#include "io/UiText.h"

namespace kuvanto {

namespace {

const QString kRedoId = QStringLiteral("Redo_t");
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
    QAction* redo = window.command(kRedoId);
    if (!redo) return;
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    window.setCommandHandler(
        kRedoId,
        [w] {
            QString error;
            if (!w->work().redo(&error)) {
                w->setStatus(kNothingToRedo);
                return;
            }
            w->showTableChange();
        },
        [w] { return w->selectedTab() != Tab::Result && w->work().canRedo(); });
    // On the toolbar right after the undo button.
    if (auto* toolbar = window.findChild<QToolBar*>(QStringLiteral("Toolbar1"))) {
        toolbar->insertAction(window.toolbarButton(8), redo);
        if (QWidget* button = toolbar->widgetForAction(redo)) button->setObjectName(kRedoId);
    }
}

void HistoryCommands::historyChanged(MainWindow& window) {
    if (QAction* redo = window.command(kRedoId)) {
        const bool allowed = window.selectedTab() != Tab::Result && window.work().canRedo();
        if (redo->isEnabled() != allowed) window.updateCommandEnabling();
    }
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
