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

#include "TabRules.h"
#include "Workspace.h"

class QAction;
class QLabel;
class QMenu;
class QStackedWidget;
class QTabBar;
class QTableView;
class QToolBar;

namespace kuvanto {

class CoodGridModel;
class DgrmCanvas;
class Messenger;
class ResultGridModel;
class ViewPanel;

class MainForm : public QMainWindow {
    Q_OBJECT
public:
    enum class ActiveGrid { Add, Sbtrt, Result };

    // `folder` is the working folder (snapshots, buffer, colour file). `messenger` replaces the
    // message boxes and file dialogs when given (tests script the answers; not owned). Runs the
    // whole start-up sequence except showing the window.
    explicit MainForm(const QString& folder, Messenger* messenger = nullptr,
                      QWidget* parent = nullptr);
    ~MainForm() override;

    Workspace& Work() { return ws_; }
    Messenger& Msg() { return *messenger_; }

    // Menu items and context-menu items by name, menus by name, toolbar buttons by index 1..32.
    QAction* Command(const QString& id) const { return commands_.value(id); }
    QMenu* Menu(const QString& id) const { return menus_.value(id); }
    QAction* Toolbar_Button(int index) const;

    QString Selected_Tab_Caption() const;
    ActiveGrid Active_Grid() const { return active_grid_; }
    QString Status_Text() const;

    // Selects a tab (0..2) and runs the tab switch, also when the tab was selected already.
    void Select_Tab(int index);
    // Reads a coordinate file as the reading command does after its dialog; false (and a notice)
    // when the file cannot be read.
    bool Open_Csv_File(const QString& path);
    // Brings the tables, the result view and the canvas up to date with the workspace.
    void Refresh_Views(bool redraw = true);

public slots:
    void TabStrip1_Click();
    void Read_CSV();
    void Write_CSV();
    void Export_Result();
    void Export_Result_Button();
    void Exit_Prgm();
    void Exit_Prgm_Button();
    void Undo_Restore();
    void Edit_Cood();
    void Set_Color_Window();
    void Version();
    void HelpForm_Bt_Click();
    void Copy_Result();
    void Weight_cal();
    void Set_Status(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build_Layout();
    void Build_Commands();
    void Apply_Enabling(const TabEnabling& rule);
    void Enable_Entry(QAction* action, bool allowed);
    void Show_Cood_Grid(bool add);
    void Redraw_Dgrm();
    void End_Freehand();
    void End_Program();
    void Report_Snapshot();
    void Sync_Selection_From_Views();
    void Result_Grid_Context(const QPoint& global_pos);

    Workspace ws_;
    std::unique_ptr<Messenger> own_messenger_;
    Messenger* messenger_ = nullptr;

    QToolBar* toolbar_ = nullptr;
    std::vector<QAction*> buttons_;  // index 1..32; [0] unused
    QHash<QString, QAction*> commands_;
    QHash<QString, QMenu*> menus_;
    QHash<QAction*, bool> available_;  // has a command behind it

    QTabBar* tab_strip_ = nullptr;
    QStackedWidget* pages_ = nullptr;         // Cood_Frame | Result_Frame
    QStackedWidget* cood_stack_ = nullptr;    // Add_Grid | Sbtrt_Grid
    QStackedWidget* result_stack_ = nullptr;  // Result_Grid | Label1
    QWidget* cood_frame_ = nullptr;
    QWidget* result_frame_ = nullptr;
    QTableView* add_view_ = nullptr;
    QTableView* sbtrt_view_ = nullptr;
    QTableView* result_view_ = nullptr;
    QLabel* failure_label_ = nullptr;
    QLabel* status_label_ = nullptr;
    CoodGridModel* add_model_ = nullptr;
    CoodGridModel* sbtrt_model_ = nullptr;
    ResultGridModel* result_model_ = nullptr;
    DgrmCanvas* canvas_ = nullptr;
    ViewPanel* panel_ = nullptr;

    ActiveGrid active_grid_ = ActiveGrid::Add;
    bool snapshot_reported_ = false;
    bool ending_ = false;
    bool syncing_ = false;
};

}  // namespace kuvanto
