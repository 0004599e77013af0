// The main window: menu bar, toolbar, the tab strip with the figure view (coordinate table, canvas
// and view panel) and the result view, and the status bar. Its widgets come from the layout
// builder (WindowLayout) and its actions, menus and toolbar from the command registry; the window
// wires them, runs the start-up sequence and the tab switch, and asks before the program ends.
// The commands' work is done by the Workspace; this window collects the user's choices through
// the Messenger and shows the outcome.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/CommandRegistry.h"
#include "app/TabRules.h"
#include "app/WindowLayout.h"
#include "core/shapes/FreehandSession.h"
#include "editing/Workspace.h"

class QAction;
class QMenu;

namespace kuvanto {

class MaterialCommands;
class Messenger;
class TorsionPanel;
class WindowEditing;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `folder` is the working folder (snapshots, buffer, colour file). `messenger` replaces the
    // message boxes and file dialogs when given (tests script the answers; not owned). Runs the
    // whole start-up sequence except showing the window.
    explicit MainWindow(const QString& folder, Messenger* messenger = nullptr,
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& work() { return ws_; }
    // The table editors, the canvas mouse and the editing commands.
    WindowEditing& editing() { return *editing_; }
    Messenger& msg() { return *messenger_; }
    SectionCanvas* canvas() const { return ui_.canvas; }
    // The widgets below the toolbar.
    const WindowLayout& layout() const { return ui_; }
    // The material choosers and the list command.
    MaterialCommands* materials() const { return materials_; }
    // The result tab's torsion controls and the worker of its analysis.
    TorsionPanel* torsionPanel() const { return ui_.torsionPanel; }
    // The folder the file dialogs start in.
    QString fileFolder() const { return startFolder(); }

    // The commands: their actions, menus and toolbar, handlers and enabling.
    CommandRegistry& commands() { return *commands_; }
    // The action of a command, by its id, or by its name or any item name it goes by in the menus
    // and on the toolbar ("Copy_Data", "Copy_Pop2" and "Copy_Pop1" give the same action). Menus
    // and the four context menus ("Dummy_Menu" ...) by name; toolbar places by number 1..32.
    QAction* command(CommandId id) const;
    QAction* command(const QString& name) const;
    QMenu* menu(const QString& name) const;
    QAction* toolbarButton(int number) const;
    // Gives a command its handler (see CommandRegistry::setHandler).
    void setCommandHandler(CommandId id, std::function<void(bool ask)> handler,
                           std::function<bool()> allowed = {}) {
        commands_->setHandler(id, std::move(handler), std::move(allowed));
    }
    void setCommandHandler(CommandId id, std::function<void()> handler,
                           std::function<bool()> allowed = {}) {
        commands_->setHandler(id, std::move(handler), std::move(allowed));
    }
    // Brings every command's enabled state up to date (after a change that an enabling rule reads).
    void updateCommandEnabling();
    // Commits an open cell editor, as every command does before it runs.
    void finishCellEditing();

    // Restores the size and position saved by an earlier run and saves them when the window
    // closes, and keeps the list of recent files (the program does this; tests and snapshots
    // keep the default size and leave the settings alone).
    void rememberGeometry();

    QString selectedTabCaption() const;
    WindowTab shownTab() const { return shownTab_; }
    QString statusText() const;

    // Selects a tab (0..2) and runs the tab switch, also when the tab was selected already.
    void selectTab(int index);
    // Reads a coordinate file as the reading command does after its dialog; false (and a notice)
    // when the file cannot be read.
    bool openCsvFile(const QString& path);
    // The file named on the command line: opened as above, but asked about first when the tables
    // hold unsaved work (restored from an abnormal end), as the reading command asks.
    bool openStartFile(const QString& path);
    // Writes the tables to a CSV file the user chooses; true when written (the changes count as
    // saved from then on).
    bool saveCsvAs();
    // Before a command that replaces the tables: asks `question` (none when empty) as the
    // command always does; when there are unsaved changes the question says so and offers to
    // save first. True when the command may go on.
    bool askBeforeLosingChanges(const QString& question);
    // Brings the tables, the result view and the canvas up to date with the workspace.
    void refreshViews(bool redraw = true);
    // After the tables changed under the result tab (a drawing imported over it): the results are
    // computed again at once, as on entering the tab.
    void recomputeShownResults();
    // The coordinate table commands act on: the one of the figure tab shown, or null on the
    // result tab.
    CoordTable* activeCoordTable();
    // After a command changed a table: refreshes the views and redraws, reports a snapshot that
    // could not be written, and scrolls the active table so that `topRow` (when not -1) is its
    // first visible row.
    void showTableChange(int topRow = -1);
    // After undo or redo: when the step changed only the table of the figure tab not shown, that
    // tab is shown, so that the user sees what the step did.
    void showTabOfStep(const EditHistory::StepTables& step);

    // Freehand drawing mode: its state, switching it on (the switch on the canvas shown and
    // checked, the toolbar button pressed) and off (also run by every tab switch; redraws when the
    // mode was on).
    FreehandSession& freehand() { return freehand_; }
    void startFreehand();
    void endFreehand();
    // The vertices of a freehand drawing are one undo step: taken when the drawing ends (closed
    // or not) or when another change of the tables begins while it goes on.
    void recordFreehandDrawing();

public slots:
    // The tab switch: shows the selected tab's page, runs the calculation on the result tab and
    // allows the commands of that tab.
    void switchToSelectedTab();
    void readCsv();
    void writeCsv();
    void exportResult();
    void exportResultOnResultTab();
    void exitProgram();
    // A request from outside to end (SIGTERM at a logout): the open edit and a freehand drawing
    // are recorded, the last snapshot finished, unsaved work left for recovery at the next start,
    // and the program ends without asking.
    void endOnSignal();
    void exitProgramFromToolbar();
    void undoRestore();
    void editCoord();
    void setColorWindow();
    void version();
    void showHelp();
    void copyResult();
    void openMassDialog();
    void setStatus(const QString& text);
    // A message that the status readouts of mouse moves leave alone until releaseStatus (the
    // next key press in a table, the next freehand click): a refusal stays readable.
    void holdStatus(const QString& text);
    void releaseStatus();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class WindowEditing;

    void wireLayout();
    void registerOwnCommands();
    QString startFolder() const;
    void rememberFolder(const QString& path);
    void showCoordTable(bool add);
    void redrawSection();
    void endProgram();
    void reportSnapshot();
    void syncSelectionFromViews();
    void resultGridContext(const QPoint& globalPos);
    void saveGeometrySettings();

    Workspace ws_;
    std::unique_ptr<Messenger> ownMessenger_;
    Messenger* messenger_ = nullptr;

    CommandRegistry* commands_ = nullptr;

    WindowLayout ui_;
    // Compared by address only: the filter may see them while the views are being destroyed.
    const QObject* resultViewport_ = nullptr;
    const QObject* resultHeaderViewport_ = nullptr;
    std::unique_ptr<WindowEditing> editing_;
    MaterialCommands* materials_ = nullptr;

    WindowTab shownTab_ = WindowTab::added;
    bool snapshotReported_ = false;
    bool statusHeld_ = false;
    // Watches a snapshot being written in the background, so that its failure is told as soon
    // as it is known rather than with the next change.
    QTimer* snapshotWatch_ = nullptr;
    bool ending_ = false;
    bool syncing_ = false;
    bool tearingDown_ = false;
    FreehandSession freehand_;
    bool rememberGeometry_ = false;
    QString lastFolder_;  // folder of the last file the user chose
};

}  // namespace kuvanto
