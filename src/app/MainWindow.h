// The main window: menu bar, toolbar, the tab strip with the figure view (coordinate tables and
// canvas) and the result view, the view panel of the canvas and the status bar. It runs the
// start-up sequence and the tab switch, wires every menu, toolbar and context-menu entry to its
// command and asks before the program ends. The commands' work is done by the Workspace; this
// window collects the user's choices through the Messenger and shows the outcome.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <memory>
#include <vector>

#include "app/TabRules.h"
#include "editing/Workspace.h"

class QAction;
class QLabel;
class QMenu;
class QStackedWidget;
class QTabBar;
class QTableView;
class QToolBar;

namespace kuvanto {

class CoordTableModel;
class SectionCanvas;
class Messenger;
class ResultTableModel;
class ViewPanel;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    enum class ActiveGrid { add, Subtracted, Result };

    // `folder` is the working folder (snapshots, buffer, colour file). `messenger` replaces the
    // message boxes and file dialogs when given (tests script the answers; not owned). Runs the
    // whole start-up sequence except showing the window.
    explicit MainWindow(const QString& folder, Messenger* messenger = nullptr,
                      QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& work() { return ws_; }
    Messenger& msg() { return *messenger_; }

    // Menu items and context-menu items by name, menus by name, toolbar buttons by index 1..32.
    QAction* command(const QString& id) const { return commands_.value(id); }
    QMenu* menu(const QString& id) const { return menus_.value(id); }
    QAction* toolbarButton(int index) const;

    QString selectedTabCaption() const;
    ActiveGrid activeGrid() const { return activeGrid_; }
    QString statusText() const;

    // Selects a tab (0..2) and runs the tab switch, also when the tab was selected already.
    void selectTab(int index);
    // Reads a coordinate file as the reading command does after its dialog; false (and a notice)
    // when the file cannot be read.
    bool openCsvFile(const QString& path);
    // Brings the tables, the result view and the canvas up to date with the workspace.
    void refreshViews(bool redraw = true);

public slots:
    void tabStrip1Click();
    void readCsv();
    void writeCSV();
    void exportResult();
    void exportResultButton();
    void exitProgram();
    void exitProgramButton();
    void undoRestore();
    void editCoord();
    void setColorWindow();
    void version();
    void showHelp();
    void copyResult();
    void openMassDialog();
    void setStatus(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void buildCommands();
    void applyEnabling(const TabEnabling& rule);
    void enableEntry(QAction* action, bool allowed);
    void showCoordTable(bool add);
    void redrawSection();
    void endFreehand();
    void endProgram();
    void reportSnapshot();
    void syncSelectionFromViews();
    void resultGridContext(const QPoint& globalPos);

    Workspace ws_;
    std::unique_ptr<Messenger> ownMessenger_;
    Messenger* messenger_ = nullptr;

    QToolBar* toolbar_ = nullptr;
    std::vector<QAction*> buttons_;  // index 1..32; [0] unused
    QHash<QString, QAction*> commands_;
    QHash<QString, QMenu*> menus_;
    QHash<QAction*, bool> available_;  // has a command behind it

    QTabBar* tabStrip_ = nullptr;
    QStackedWidget* pages_ = nullptr;         // Cood_Frame | Result_Frame
    QStackedWidget* coordStack_ = nullptr;    // addGrid | subtractedGrid
    QStackedWidget* resultStack_ = nullptr;  // resultGrid | Label1
    QWidget* coordFrame_ = nullptr;
    QWidget* resultFrame_ = nullptr;
    QTableView* addView_ = nullptr;
    QTableView* subtractedView_ = nullptr;
    QTableView* resultView_ = nullptr;
    QLabel* failureLabel_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    CoordTableModel* addModel_ = nullptr;
    CoordTableModel* subtractedModel_ = nullptr;
    ResultTableModel* resultModel_ = nullptr;
    SectionCanvas* canvas_ = nullptr;
    ViewPanel* panel_ = nullptr;

    ActiveGrid activeGrid_ = ActiveGrid::add;
    bool snapshotReported_ = false;
    bool ending_ = false;
    bool syncing_ = false;
};

}  // namespace kuvanto
