// The main window: builds its menus, context menus and toolbar from the command table, lays out
// the tab strip with the figure view and the result view, runs the start-up sequence and the tab
// switch, and carries out the commands that need the user (file dialogs, questions, dialogs)
// around the Workspace functions that do the work.
#include "MainForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "Calc.h"
#include "CoodGridModel.h"
#include "DgrmCanvas.h"
#include "Edit_Form.h"
#include "Help_Form.h"
#include "JapaneseFonts.h"
#include "MainActions.h"
#include "Messenger.h"
#include "NumText.h"
#include "ResultGridModel.h"
#include "Set_Color_Form.h"
#include "ToolbarIcons.h"
#include "ViewPanel.h"
#include "Wt_Form.h"
#include "frmSplash.h"

namespace kuvanto {

namespace {

const QString kNoticeTitle = QStringLiteral("Notice!");
const QString kMenuExitQuestion = QStringLiteral("ソフトを終了します。よろしいですか？");
const QString kExitQuestion = QStringLiteral("Kuvantoを終了します。よろしいですか？");
const QString kOpenTitle = QStringLiteral("データファイルを選択して下さい。");
const QString kSaveTitle = QStringLiteral("保存するファイル名を指定して下さい。");
const QString kCsvFilter = QStringLiteral("*.csv|*.csv");
const QString kTxtFilter = QStringLiteral("*.txt|*.txt");
const QString kTabHint = QStringLiteral("図形入力画面又は、結果表示画面を切り替えます。");
const QString kSnapshotFailed =
    QStringLiteral("元に戻すための保存ファイルを書き込めませんでした。元に戻す操作は使えません。");

QString Version_Text() {
    return QStringLiteral("%1.%2.%3")
        .arg(KUVANTO_VERSION_MAJOR)
        .arg(KUVANTO_VERSION_MINOR)
        .arg(KUVANTO_VERSION_PATCH);
}

int Twips_To_Pixels(const QWidget* w, int twips) {
    return twips * w->logicalDpiX() / 1440;
}

// Table selection <-> view selection. The table's Row/Col is the anchor of the selection and
// RowSel/ColSel its moving end, which is the view's current index.
template <class Grid>
void Read_Selection(const QTableView* view, Grid& grid) {
    const QModelIndex cur = view->currentIndex();
    if (!cur.isValid()) return;
    int top = cur.row(), bottom = cur.row(), left = cur.column(), right = cur.column();
    for (const QItemSelectionRange& r : view->selectionModel()->selection()) {
        top = std::min(top, r.top());
        bottom = std::max(bottom, r.bottom());
        left = std::min(left, r.left());
        right = std::max(right, r.right());
    }
    const int anchor_row = cur.row() == top ? bottom : top;
    const int anchor_col = cur.column() == left ? right : left;
    grid.Set_Row(anchor_row + 1);
    grid.Set_Col(anchor_col);
    grid.Set_RowSel(cur.row() + 1);
    grid.Set_ColSel(cur.column());
}

template <class Grid>
void Show_Selection(QTableView* view, const Grid& grid) {
    QAbstractItemModel* model = view->model();
    if (model->rowCount() == 0 || model->columnCount() == 0) return;
    auto clamp_row = [&](int r) { return std::clamp(r - 1, 0, model->rowCount() - 1); };
    auto clamp_col = [&](int c) { return std::clamp(c, 0, model->columnCount() - 1); };
    const QModelIndex anchor = model->index(clamp_row(grid.Row()), clamp_col(grid.Col()));
    const QModelIndex end = model->index(clamp_row(grid.RowSel()), clamp_col(grid.ColSel()));
    const QModelIndex tl =
        model->index(std::min(anchor.row(), end.row()), std::min(anchor.column(), end.column()));
    const QModelIndex br =
        model->index(std::max(anchor.row(), end.row()), std::max(anchor.column(), end.column()));
    view->selectionModel()->setCurrentIndex(end, QItemSelectionModel::NoUpdate);
    view->selectionModel()->select(QItemSelection(tl, br), QItemSelectionModel::ClearAndSelect);
}

QTableView* Make_Table(const QString& name, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setSelectionMode(QAbstractItemView::ContiguousSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    // Rows of one height and no sizing from contents: a million rows scroll like ten.
    QHeaderView* rows = view->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(view->fontMetrics().height() + 6);
    rows->hide();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setHighlightSections(false);
    return view;
}

}  // namespace

MainForm::MainForm(const QString& folder, Messenger* messenger, QWidget* parent)
    : QMainWindow(parent), ws_(folder) {
    if (messenger) {
        messenger_ = messenger;
    } else {
        own_messenger_ = std::make_unique<WidgetMessenger>(this);
        messenger_ = own_messenger_.get();
    }
    setObjectName(QStringLiteral("MainForm"));
    Build_Layout();
    Build_Commands();

    // Start-up: hidden context-menu holders, grid step "None", title, fresh tables and result
    // table, colours, Add_Grid active, the first snapshot, then the first tab.
    for (const char* holder : {"Dummy_Menu", "Dummy_Menu1", "Dummy_Menu2", "Dummy_Menu3"})
        menus_.value(QString::fromLatin1(holder))->menuAction()->setVisible(false);
    panel_->Combo1()->setCurrentText(QStringLiteral("None"));
    setWindowTitle(QStringLiteral("Kuvanto Ver") + Version_Text());
    ws_.Start();
    active_grid_ = ActiveGrid::Add;
    Report_Snapshot();
    TabStrip1_Click();
}

MainForm::~MainForm() {
    // The views and the canvas read the workspace; let them go while it still exists.
    syncing_ = true;
    delete takeCentralWidget();
}

void MainForm::Build_Layout() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(4, 4, 4, 4);

    // Tab strip on the left, view panel of the canvas on the right.
    auto* top = new QHBoxLayout;
    tab_strip_ = new QTabBar(central);
    tab_strip_->setObjectName(QStringLiteral("TabStrip1"));
    tab_strip_->setExpanding(false);
    tab_strip_->setMouseTracking(true);
    const std::pair<QString, QString> tabs[] = {{kAddTabCaption, kAddTabKey},
                                                {kSbtrtTabCaption, kSbtrtTabKey},
                                                {kResultTabCaption, kResultTabKey}};
    for (const auto& [caption, key] : tabs)
        tab_strip_->setTabData(tab_strip_->addTab(caption), key);
    tab_strip_->installEventFilter(this);
    connect(tab_strip_, &QTabBar::tabBarClicked, this, [this](int index) {
        // A click on the tab already selected runs the switch too.
        if (index == tab_strip_->currentIndex()) TabStrip1_Click();
    });
    connect(tab_strip_, &QTabBar::currentChanged, this, [this] { TabStrip1_Click(); });
    top->addWidget(tab_strip_, 0, Qt::AlignBottom);
    top->addStretch(1);

    canvas_ = new DgrmCanvas(ws_.Add_Grid, ws_.Sbtrt_Grid, ws_.Result_Grid, ws_.Colors);
    panel_ = new ViewPanel(*canvas_, central);
    connect(panel_, &ViewPanel::Status_Hint, this, &MainForm::Set_Status);
    connect(panel_, &ViewPanel::Help_Requested, this, &MainForm::HelpForm_Bt_Click);
    top->addWidget(panel_);
    outer->addLayout(top);

    // Figure view: the coordinate table on the left, the canvas on the right.
    pages_ = new QStackedWidget(central);
    cood_frame_ = new QWidget(pages_);
    cood_frame_->setObjectName(QStringLiteral("Cood_Frame"));
    auto* cood_layout = new QHBoxLayout(cood_frame_);
    cood_layout->setContentsMargins(0, 0, 0, 0);
    cood_stack_ = new QStackedWidget(cood_frame_);
    add_view_ = Make_Table(QStringLiteral("Add_Grid"), cood_stack_);
    sbtrt_view_ = Make_Table(QStringLiteral("Sbtrt_Grid"), cood_stack_);
    add_model_ = new CoodGridModel(ws_.Add_Grid, this);
    sbtrt_model_ = new CoodGridModel(ws_.Sbtrt_Grid, this);
    add_view_->setModel(add_model_);
    sbtrt_view_->setModel(sbtrt_model_);
    int table_width = 0;
    for (QTableView* view : {add_view_, sbtrt_view_}) {
        for (int c = 0; c < 2; ++c)
            view->setColumnWidth(c, Twips_To_Pixels(view, CoodGrid::kColWidthTwips));
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        cood_stack_->addWidget(view);
        table_width = 2 * Twips_To_Pixels(view, CoodGrid::kColWidthTwips) +
                      view->verticalScrollBar()->sizeHint().width() + 2 * view->frameWidth();
    }
    cood_stack_->setFixedWidth(table_width);
    cood_layout->addWidget(cood_stack_);
    canvas_->setParent(cood_frame_);
    canvas_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    cood_layout->addWidget(canvas_, 1);
    pages_->addWidget(cood_frame_);

    // Result view: the result table over its failure message.
    result_frame_ = new QWidget(pages_);
    result_frame_->setObjectName(QStringLiteral("Result_Frame"));
    auto* result_layout = new QVBoxLayout(result_frame_);
    result_layout->setContentsMargins(0, 0, 0, 0);
    result_stack_ = new QStackedWidget(result_frame_);
    result_view_ = Make_Table(QStringLiteral("Result_Grid"), result_stack_);
    result_model_ = new ResultGridModel(ws_.Result_Grid, this);
    result_view_->setModel(result_model_);
    result_view_->verticalHeader()->setMinimumSectionSize(1);  // the thin spacer rows
    result_view_->setContextMenuPolicy(Qt::PreventContextMenu);
    result_view_->viewport()->installEventFilter(this);
    failure_label_ = new QLabel(QString::fromUtf8(kFailureMessage.data(), kFailureMessage.size()),
                                result_stack_);
    failure_label_->setObjectName(QStringLiteral("Label1"));
    failure_label_->setAlignment(Qt::AlignCenter);
    result_stack_->addWidget(result_view_);
    result_stack_->addWidget(failure_label_);
    result_layout->addWidget(result_stack_);
    pages_->addWidget(result_frame_);
    outer->addWidget(pages_, 1);

    for (QTableView* view : {add_view_, sbtrt_view_, result_view_}) {
        connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &MainForm::Sync_Selection_From_Views);
        connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
                &MainForm::Sync_Selection_From_Views);
    }
    setCentralWidget(central);

    // Status bar: one text field.
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    status_label_ = new QLabel(statusBar());
    status_label_->setObjectName(QStringLiteral("StatusText"));
    statusBar()->addWidget(status_label_, 1);
    statusBar()->installEventFilter(this);
    statusBar()->setMouseTracking(true);
    status_label_->setMouseTracking(true);
    status_label_->installEventFilter(this);

    resize(1024, 720);
}

void MainForm::Build_Commands() {
    toolbar_ = addToolBar(QStringLiteral("Toolbar1"));
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(24, 24));
    toolbar_->installEventFilter(this);
    buttons_.assign(1, nullptr);

    for (const CommandEntry& e : Command_Table()) {
        const QString id = QString::fromLatin1(e.id);
        const QString caption = QString::fromUtf8(e.caption);
        const QString holder = QString::fromLatin1(e.holder);
        if (holder == QLatin1String(kToolbar)) {
            QAction* a = nullptr;
            if (e.kind == EntryKind::Separator) {
                a = toolbar_->addSeparator();
            } else {
                a = toolbar_->addAction(Toolbar_Icon(id), caption);
                a->setToolTip(caption);
                a->setCheckable(e.kind == EntryKind::Check);
                if (e.handler) connect(a, &QAction::triggered, this, e.handler);
                if (QWidget* button = toolbar_->widgetForAction(a)) {
                    button->setObjectName(id);
                    button->setMouseTracking(true);
                    button->installEventFilter(this);
                }
            }
            a->setObjectName(id);
            available_.insert(a, e.kind == EntryKind::Separator || e.handler != nullptr);
            buttons_.push_back(a);
            continue;
        }
        if (e.kind == EntryKind::Menu) {
            QMenu* menu = holder.isEmpty() ? menuBar()->addMenu(caption)
                                           : menus_.value(holder)->addMenu(caption);
            menu->setObjectName(id);
            menu->menuAction()->setObjectName(id);
            menus_.insert(id, menu);
            continue;
        }
        QMenu* menu = menus_.value(holder);
        QAction* a =
            e.kind == EntryKind::Separator ? menu->addSeparator() : menu->addAction(caption);
        a->setObjectName(id);
        if (e.shortcut[0]) a->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut)));
        if (e.handler) connect(a, &QAction::triggered, this, e.handler);
        const bool available = e.kind == EntryKind::Separator || e.handler != nullptr;
        available_.insert(a, available);
        a->setEnabled(available);
        if (!id.isEmpty() && e.kind != EntryKind::Separator) commands_.insert(id, a);
    }
}

QAction* MainForm::Toolbar_Button(int index) const {
    return index >= 1 && index < int(buttons_.size()) ? buttons_[index] : nullptr;
}

QString MainForm::Selected_Tab_Caption() const {
    return tab_strip_->tabText(tab_strip_->currentIndex());
}

QString MainForm::Status_Text() const {
    return status_label_->text();
}

void MainForm::Set_Status(const QString& text) {
    status_label_->setText(text);
}

void MainForm::Select_Tab(int index) {
    if (tab_strip_->currentIndex() == index) {
        TabStrip1_Click();
    } else {
        tab_strip_->setCurrentIndex(index);  // runs the switch
    }
}

void MainForm::Enable_Entry(QAction* action, bool allowed) {
    if (action) action->setEnabled(allowed && available_.value(action));
}

void MainForm::Apply_Enabling(const TabEnabling& rule) {
    for (int i = 1; i <= kToolbarButtons; ++i) Enable_Entry(Toolbar_Button(i), rule.buttons[i]);
    menus_.value(QStringLiteral("Edit_Menu"))->menuAction()->setEnabled(rule.edit_menu);
    menus_.value(QStringLiteral("Insert_Dgrm"))->menuAction()->setEnabled(rule.insert_menu);
    Enable_Entry(Command(QStringLiteral("Export_Result")), rule.export_menu);
    Enable_Entry(Command(QStringLiteral("Print_Out")), rule.print_menu);
}

void MainForm::Show_Cood_Grid(bool add) {
    cood_stack_->setCurrentWidget(add ? add_view_ : sbtrt_view_);
}

void MainForm::TabStrip1_Click() {
    for (int i = 1; i <= kToolbarButtons; ++i) Enable_Entry(Toolbar_Button(i), false);
    const QString caption = Selected_Tab_Caption();
    if (caption == kAddTabCaption || caption == kSbtrtTabCaption) {
        const bool add = caption == kAddTabCaption;
        pages_->setCurrentWidget(cood_frame_);
        Show_Cood_Grid(add);
        panel_->Scale_Grid_Frame_Enbld(true);
        Refresh_Views();
        active_grid_ = add ? ActiveGrid::Add : ActiveGrid::Sbtrt;
        Apply_Enabling(Tab_Enabling(caption, false));
        End_Freehand();
    } else if (caption == kResultTabCaption) {
        pages_->setCurrentWidget(result_frame_);
        Apply_Enabling(Tab_Enabling(caption, false));  // exit only, until the run succeeds
        panel_->Scale_Grid_Frame_Enbld(false);
        active_grid_ = ActiveGrid::Result;
        // Leaving a figure tab always ends freehand drawing, whatever the calculation gives.
        End_Freehand();
        const bool ok = ws_.Calc1();
        Refresh_Views(false);
        Apply_Enabling(Tab_Enabling(caption, ok));
    }
}

void MainForm::End_Freehand() {
    canvas_->FreeHand_Check()->setChecked(false);
    canvas_->FreeHand_Check()->hide();
    if (QAction* button = Toolbar_Button(30)) button->setChecked(false);
}

void MainForm::Redraw_Dgrm() {
    canvas_->Redraw_Dgrm();
}

void MainForm::Refresh_Views(bool redraw) {
    syncing_ = true;
    if (add_model_->Refresh()) Show_Selection(add_view_, ws_.Add_Grid);
    if (sbtrt_model_->Refresh()) Show_Selection(sbtrt_view_, ws_.Sbtrt_Grid);
    if (result_model_->Refresh()) {
        const ResultGrid& grid = ws_.Result_Grid;
        const QFontMetrics metrics(result_view_->font());
        for (int c = 0; c < grid.Cols(); ++c) {
            // The stored widths, widened where this platform's font needs more room.
            int width = Twips_To_Pixels(result_view_, grid.Col_Width_Twips(c));
            for (int r = 0; r < ResultGrid::kRows; ++r) {
                const QString text = QString::fromStdString(grid.Text(r, c));
                width = std::max(width, metrics.horizontalAdvance(text) + 12);
            }
            result_view_->setColumnWidth(c, width);
        }
        for (int r = 1; r < ResultGrid::kRows; ++r) {
            const int twips = grid.Row_Height_Twips(r);
            result_view_->setRowHeight(ResultGridModel::Model_Row(r),
                                       twips > 0
                                           ? Twips_To_Pixels(result_view_, twips)
                                           : result_view_->verticalHeader()->defaultSectionSize());
        }
        Show_Selection(result_view_, grid);
    }
    result_stack_->setCurrentWidget(ws_.Result_Grid.Visible() ? static_cast<QWidget*>(result_view_)
                                                              : failure_label_);
    syncing_ = false;
    if (redraw) Redraw_Dgrm();
}

void MainForm::Sync_Selection_From_Views() {
    if (syncing_) return;
    Read_Selection(add_view_, ws_.Add_Grid);
    Read_Selection(sbtrt_view_, ws_.Sbtrt_Grid);
    Read_Selection(result_view_, ws_.Result_Grid);
}

void MainForm::Report_Snapshot() {
    const QString error = ws_.Snapshot_Error();
    if (error.isEmpty()) {
        snapshot_reported_ = false;  // a later failure is news again
        return;
    }
    if (snapshot_reported_) return;
    snapshot_reported_ = true;
    Msg().Notice(kSnapshotFailed + QLatin1Char('\n') + error);
}

void MainForm::Read_CSV() {
    const QString path = Msg().Choose_Open_File(kOpenTitle, kCsvFilter, ws_.Folder());
    if (path.isEmpty()) {
        ws_.Data_File_Name.clear();
        return;
    }
    Open_Csv_File(path);
}

bool MainForm::Open_Csv_File(const QString& path) {
    QString error;
    const bool read = ws_.Read_Csv(
        path, [this](const QString& message) { Msg().Notice(message); }, &error);
    if (!read) {
        Msg().Notice(error);
        return false;
    }
    ws_.Data_File_Name = path;
    Select_Tab(0);
    Report_Snapshot();
    return true;
}

void MainForm::Write_CSV() {
    const QString path =
        Msg().Choose_Save_File(kSaveTitle, kCsvFilter, ws_.Folder(), ws_.Data_File_Name);
    ws_.Data_File_Name = path;
    if (path.isEmpty()) return;
    QString error;
    if (!ws_.Write_Csv(path, &error)) Msg().Notice(error);
}

void MainForm::Export_Result() {
    if (!ws_.Has_Results()) return;
    const QString path = Msg().Choose_Save_File(kSaveTitle, kTxtFilter, ws_.Folder(), QString());
    if (path.isEmpty()) return;
    QString error;
    if (!ws_.Export_Result(path, &error)) Msg().Notice(error);
}

void MainForm::Export_Result_Button() {
    if (Selected_Tab_Caption() == kResultTabCaption) Export_Result();
}

void MainForm::Exit_Prgm() {
    if (Msg().Confirm(kMenuExitQuestion, kNoticeTitle)) End_Program();
}

void MainForm::Exit_Prgm_Button() {
    if (Msg().Confirm(kExitQuestion, kNoticeTitle)) End_Program();
}

void MainForm::End_Program() {
    ending_ = true;
    close();
}

void MainForm::closeEvent(QCloseEvent* event) {
    if (!ending_) {
        if (!Msg().Confirm(kExitQuestion, kNoticeTitle)) {
            event->ignore();
            return;
        }
        ending_ = true;
    }
    // Every window of the program goes at once; nothing is saved.
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w->isWindow() && w->isVisible()) w->close();
    }
    event->accept();
    QCoreApplication::quit();
}

void MainForm::Undo_Restore() {
    QString error;
    if (!ws_.Undo_Restore(&error)) Msg().Notice(error);
    Refresh_Views();
    Report_Snapshot();
}

void MainForm::Edit_Cood() {
    QString error;
    const auto text = ws_.Direct_Edit_Text(&error);
    if (!text) {
        Msg().Notice(error);
        return;
    }
    Edit_Form dialog(*text, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!ws_.Apply_Direct_Edit(dialog.Edited_Text(), &error)) {
        Msg().Notice(error);
        return;
    }
    Refresh_Views();
    Report_Snapshot();
}

void MainForm::Set_Color_Window() {
    auto* form = new Set_Color_Form(ws_.Path(QStringLiteral("cl.ini")), Msg(), this);
    connect(form, &Set_Color_Form::Colors_Accepted, this, [this](const DrawColors& colors) {
        ws_.Colors = colors;
        Redraw_Dgrm();
    });
    form->show();
}

void MainForm::Version() {
    frmSplash splash(this);
    splash.exec();
}

void MainForm::HelpForm_Bt_Click() {
    auto* help = new Help_Form(this);
    help->show();
}

void MainForm::Copy_Result() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(Copy_Result_Text(ws_.Result_Grid)));
}

void MainForm::Weight_cal() {
    if (pages_->currentWidget() != result_frame_) return;
    const ResultGrid& grid = ws_.Result_Grid;
    Wt_Form form(Lenient_Value(grid.Text(1, grid.Col())), this);
    form.exec();
}

void MainForm::Result_Grid_Context(const QPoint& global_pos) {
    menus_.value(QStringLiteral("Dummy_Menu3"))->popup(global_pos);
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == result_view_->viewport() &&
        (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton) return false;
        // The right button leaves the selection alone; its release opens the context menu.
        if (type == QEvent::MouseButtonRelease)
            Result_Grid_Context(mouse->globalPosition().toPoint());
        return true;
    }
    if (type != QEvent::Enter && type != QEvent::MouseMove) return false;
    if (watched == tab_strip_) {
        Set_Status(kTabHint);
        statusBar()->setFont(Japanese_Font(QStringLiteral("ＭＳ Ｐゴシック"), font().pointSize()));
    } else if (watched == toolbar_ ||
               (watched->isWidgetType() &&
                static_cast<QWidget*>(watched)->parentWidget() == toolbar_)) {
        Set_Status(QString());
    } else if (watched == statusBar() || watched == status_label_) {
        Set_Status(QStringLiteral("Ver.") + Version_Text());
    }
    return false;
}

}  // namespace kuvanto
