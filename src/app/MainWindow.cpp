// The main window: makes the commands' actions and the menus, context menus and toolbar that show
// them, lays out the tab strip with the figure view and the result view, runs the start-up
// sequence and the tab switch, and carries out the commands that need the user (file dialogs,
// questions, dialogs) around the Workspace functions that do the work.
#include "app/MainWindow.h"

#include "app/DxfCommands.h"
#include "app/LibraryPrintCommands.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ColorDialog.h"
#include "app/FigurePage.h"
#include "app/FreehandCommands.h"
#include "app/HelpWindow.h"
#include "app/HistoryCommands.h"
#include "app/JapaneseFonts.h"
#include "app/MainActions.h"
#include "app/MassDialog.h"
#include "app/RecentFiles.h"
#include "app/ShapeMenuCommands.h"
#include "app/ToolbarIcons.h"
#include "app/TorsionPanel.h"
#include "app/VersionDialog.h"
#include "app/WindowEditing.h"
#include "canvas/SectionCanvas.h"
#include "canvas/SectionDiagram.h"
#include "canvas/ViewPanel.h"
#include "core/Calculation.h"
#include "core/NumberText.h"
#include "editing/CoordTableModel.h"
#include "editing/DirectEditDialog.h"
#include "editing/Messenger.h"
#include "editing/ResultTableModel.h"

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
const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kUnsavedChanges = QStringLiteral("保存されていない変更があります。");
const QString kNothingToUndo = QStringLiteral("元に戻す操作はありません。");
const QString kSnapshotFailed =
    QStringLiteral("元に戻すための保存ファイルを書き込めませんでした。元に戻す操作は使えません。");

QString versionText() {
    return QStringLiteral("%1.%2.%3")
        .arg(KUVANTO_VERSION_MAJOR)
        .arg(KUVANTO_VERSION_MINOR)
        .arg(KUVANTO_VERSION_PATCH);
}

int twipsToPixels(const QWidget* w, int twips) {
    return twips * w->logicalDpiX() / 1440;
}

// Table selection <-> view selection. The table's Row/col is the anchor of the selection and
// rowSel/colSel its moving end, which is the view's current index.
template <class Grid>
void readSelection(const QTableView* view, Grid& grid) {
    const QModelIndex cur = view->currentIndex();
    if (!cur.isValid()) return;
    int top = cur.row(), bottom = cur.row(), left = cur.column(), right = cur.column();
    for (const QItemSelectionRange& r : view->selectionModel()->selection()) {
        top = std::min(top, r.top());
        bottom = std::max(bottom, r.bottom());
        left = std::min(left, r.left());
        right = std::max(right, r.right());
    }
    const int anchorRow = cur.row() == top ? bottom : top;
    const int anchorCol = cur.column() == left ? right : left;
    grid.setRow(anchorRow + 1);
    grid.setCol(anchorCol);
    grid.setRowSel(cur.row() + 1);
    grid.setColSel(cur.column());
}

template <class Grid>
void showSelection(QTableView* view, const Grid& grid) {
    QAbstractItemModel* model = view->model();
    if (model->rowCount() == 0 || model->columnCount() == 0) return;
    auto clampRow = [&](int r) { return std::clamp(r - 1, 0, model->rowCount() - 1); };
    auto clampCol = [&](int c) { return std::clamp(c, 0, model->columnCount() - 1); };
    const QModelIndex anchor = model->index(clampRow(grid.Row()), clampCol(grid.col()));
    const QModelIndex end = model->index(clampRow(grid.rowSel()), clampCol(grid.colSel()));
    const QModelIndex tl =
        model->index(std::min(anchor.row(), end.row()), std::min(anchor.column(), end.column()));
    const QModelIndex br =
        model->index(std::max(anchor.row(), end.row()), std::max(anchor.column(), end.column()));
    view->selectionModel()->setCurrentIndex(end, QItemSelectionModel::NoUpdate);
    view->selectionModel()->select(QItemSelection(tl, br), QItemSelectionModel::ClearAndSelect);
}

QTableView* makeTable(const QString& name, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setSelectionMode(QAbstractItemView::ContiguousSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    // rows of one height and no sizing from contents: a million rows scroll like ten.
    QHeaderView* rows = view->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(view->fontMetrics().height() + 6);
    rows->hide();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setHighlightSections(false);
    return view;
}

}  // namespace

MainWindow::MainWindow(const QString& folder, Messenger* messenger, QWidget* parent)
    : QMainWindow(parent), ws_(folder) {
    if (messenger) {
        messenger_ = messenger;
    } else {
        ownMessenger_ = std::make_unique<WidgetMessenger>(this);
        messenger_ = ownMessenger_.get();
    }
    setObjectName(QStringLiteral("MainForm"));
    snapshotWatch_ = new QTimer(this);
    snapshotWatch_->setInterval(50);
    connect(snapshotWatch_, &QTimer::timeout, this, [this] {
        if (ws_.collectBackgroundSnapshot()) {
            snapshotWatch_->stop();
            reportSnapshot();
        } else if (!ws_.undo().writingInBackground()) {
            snapshotWatch_->stop();  // finished by a later command, which reported it
        }
    });
    buildLayout();
    buildCommands();
    editing_ = std::make_unique<WindowEditing>(*this);
    installShapeCommands(*this);
    installFreehandCommands(*this, *canvas_->freeHandCheck());
    LibraryPrintCommands::install(*this);
    HistoryCommands::install(*this);
    RecentFiles::install(*this);
    DxfCommands::install(*this);

    // Start-up: grid step "None", title, fresh tables and result table, colours, addGrid
    // active, the first snapshot, then the first tab. (The context menus are menus of their own,
    // never part of the menu bar.)
    panel_->gridStepBox()->setCurrentText(QStringLiteral("None"));
    setWindowTitle(QStringLiteral("Kuvanto Ver") + versionText());
    ws_.start();
    activeGrid_ = ActiveGrid::add;
    reportSnapshot();
    tabStrip1Click();
}

MainWindow::~MainWindow() {
    // The views and the canvas read the workspace; let them go while it still exists. The event
    // filter ignores everything from here on: it would see widgets half destroyed.
    tearingDown_ = true;
    syncing_ = true;
    editing_.reset();  // its editors watch the views
    delete takeCentralWidget();
}

void MainWindow::rememberGeometry() {
    rememberGeometry_ = true;
    const QByteArray saved = QSettings().value(kGeometryKey).toByteArray();
    if (!saved.isEmpty()) restoreGeometry(saved);
}

void MainWindow::saveGeometrySettings() {
    if (rememberGeometry_) QSettings().setValue(kGeometryKey, saveGeometry());
}

void MainWindow::buildLayout() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    // The tab strip directly under the toolbar, its tabs sharing the whole width.
    tabStrip_ = new QTabBar(central);
    tabStrip_->setObjectName(QStringLiteral("TabStrip1"));
    tabStrip_->setExpanding(true);
    tabStrip_->setDocumentMode(true);
    tabStrip_->setMouseTracking(true);
    const std::pair<QString, QString> tabs[] = {{kAddTabCaption, kAddTabKey},
                                                {kSubtractedTabCaption, kSubtractedTabKey},
                                                {kResultTabCaption, kResultTabKey}};
    for (const auto& [caption, key] : tabs) tabStrip_->setTabData(tabStrip_->addTab(caption), key);
    tabStrip_->installEventFilter(this);
    connect(tabStrip_, &QTabBar::tabBarClicked, this, [this](int index) {
        // A click on the tab already selected runs the switch too.
        if (index == tabStrip_->currentIndex()) tabStrip1Click();
    });
    connect(tabStrip_, &QTabBar::currentChanged, this, [this] { tabStrip1Click(); });
    outer->addWidget(tabStrip_);

    // Figure view: the coordinate table, the square canvas, the view panel.
    pages_ = new QStackedWidget(central);
    canvas_ = new SectionCanvas(ws_.addGrid, ws_.subtractedGrid, ws_.resultGrid, ws_.colors);
    panel_ = new ViewPanel(*canvas_);
    connect(panel_, &ViewPanel::statusHint, this, &MainWindow::setStatus);
    connect(panel_, &ViewPanel::helpRequested, this, &MainWindow::showHelp);
    coordStack_ = new QStackedWidget;
    addView_ = makeTable(QStringLiteral("Add_Grid"), coordStack_);
    subtractedView_ = makeTable(QStringLiteral("Sbtrt_Grid"), coordStack_);
    addModel_ = new CoordTableModel(ws_.addGrid, this);
    subtractedModel_ = new CoordTableModel(ws_.subtractedGrid, this);
    addView_->setModel(addModel_);
    subtractedView_->setModel(subtractedModel_);
    int tableWidth = 0;
    for (QTableView* view : {addView_, subtractedView_}) {
        // Both columns share the table's width; each is wide enough for a separator row.
        const int column = std::max(twipsToPixels(view, CoordTable::kColWidthTwips),
                                    view->fontMetrics().horizontalAdvance(QString::fromUtf8(
                                        kSeparatorText.data(), kSeparatorText.size())) +
                                        16);
        view->horizontalHeader()->setMinimumSectionSize(column);
        view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        coordStack_->addWidget(view);
        tableWidth =
            std::max(tableWidth, 2 * column + view->verticalScrollBar()->sizeHint().width() +
                                     2 * view->frameWidth());
    }
    coordFrame_ = new FigurePage(coordStack_, canvas_, panel_, pages_);
    coordFrame_->setObjectName(QStringLiteral("Cood_Frame"));
    coordFrame_->setMinimumTableWidth(tableWidth);
    pages_->addWidget(coordFrame_);

    // Result view: the result table over its failure message.
    resultFrame_ = new QWidget(pages_);
    resultFrame_->setObjectName(QStringLiteral("Result_Frame"));
    auto* resultLayout = new QHBoxLayout(resultFrame_);
    resultLayout->setContentsMargins(2, 2, 2, 2);
    resultStack_ = new QStackedWidget(resultFrame_);
    resultView_ = makeTable(QStringLiteral("Result_Grid"), resultStack_);
    resultModel_ = new ResultTableModel(ws_.resultGrid, this);
    resultView_->setModel(resultModel_);
    resultView_->verticalHeader()->setMinimumSectionSize(1);  // the thin spacer rows
    // The context menu opens on the right button's release, over the cells and the heading row.
    resultView_->setContextMenuPolicy(Qt::PreventContextMenu);
    resultView_->horizontalHeader()->setContextMenuPolicy(Qt::PreventContextMenu);
    resultViewport_ = resultView_->viewport();
    resultHeaderViewport_ = resultView_->horizontalHeader()->viewport();
    resultView_->viewport()->installEventFilter(this);
    resultView_->horizontalHeader()->viewport()->installEventFilter(this);
    failureLabel_ =
        new QLabel(QString::fromUtf8(kFailureMessage.data(), kFailureMessage.size()), resultStack_);
    failureLabel_->setObjectName(QStringLiteral("Label1"));
    failureLabel_->setAlignment(Qt::AlignCenter);
    failureLabel_->setAutoFillBackground(true);
    failureLabel_->setBackgroundRole(QPalette::Base);
    resultStack_->addWidget(resultView_);
    resultStack_->addWidget(failureLabel_);
    resultLayout->addWidget(resultStack_, 3);
    // The right half: the section to scale with its centroid and axes.
    resultDiagram_ = new SectionDiagram(ws_.addGrid, ws_.subtractedGrid, ws_.resultGrid, ws_.colors,
                                        resultFrame_);
    // Below the drawing: Poisson's ratio and the progress of the torsion analysis.
    auto* diagramColumn = new QVBoxLayout;
    diagramColumn->addWidget(resultDiagram_, 1);
    torsionPanel_ = new TorsionPanel(ws_, resultFrame_);
    diagramColumn->addWidget(torsionPanel_);
    resultLayout->addLayout(diagramColumn, 2);
    connect(torsionPanel_, &TorsionPanel::blockChanged, this, [this] { refreshViews(false); });
    pages_->addWidget(resultFrame_);
    outer->addWidget(pages_, 1);

    // The coordinate tables' selections are read by their editors (CoordTableEditor), which
    // know when a change of the view's selection was the user's and when it was a command's.
    connect(resultView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::syncSelectionFromViews);
    connect(resultView_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &MainWindow::syncSelectionFromViews);
    setCentralWidget(central);

    // Status bar: one text field.
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    statusLabel_ = new QLabel(statusBar());
    statusLabel_->setObjectName(QStringLiteral("StatusText"));
    statusBar()->addWidget(statusLabel_, 1);
    statusBar()->installEventFilter(this);
    statusBar()->setMouseTracking(true);
    statusLabel_->setMouseTracking(true);
    statusLabel_->installEventFilter(this);

    resize(1024, 720);
}

void MainWindow::buildCommands() {
    // One action per command, found by its id and by every name it goes by.
    for (const Command& c : commandTable()) {
        auto* a = new QAction(toolIcon(c.icon), QString::fromUtf8(c.caption), this);
        const QString id = QString::fromLatin1(c.id);
        a->setObjectName(id);
        if (c.tip[0]) a->setToolTip(QString::fromUtf8(c.tip));
        if (c.shortcut[0]) a->setShortcut(QKeySequence(QString::fromLatin1(c.shortcut)));
        a->setCheckable(c.checkable);
        a->setIconVisibleInMenu(false);
        if (c.handler) {
            connect(a, &QAction::triggered, this, [this, handler = c.handler] {
                finishCellEditing();
                (this->*handler)();
            });
        }
        available_.insert(a, c.handler != nullptr);
        allowed_.insert(a, true);
        commands_.insert(id, a);
        for (const QString& alias :
             QString::fromLatin1(c.aliases).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            commands_.insert(alias, a);
        updateEnabling(a);
    }

    // Menus: the menu bar's, and the four context menus as menus of their own.
    for (const char* name : kContextMenus) {
        auto* menu = new QMenu(this);
        menu->setObjectName(QString::fromLatin1(name));
        menus_.insert(menu->objectName(), menu);
    }
    for (const MenuItem& item : menuLayout()) {
        const QString name = QString::fromLatin1(item.name);
        const QString caption = QString::fromUtf8(item.caption);
        const QString holder = QString::fromLatin1(item.holder);
        QMenu* parent = holder.isEmpty() ? nullptr : menus_.value(holder);
        switch (item.kind) {
            case MenuItemKind::submenu: {
                QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
                menu->setObjectName(name);
                menu->menuAction()->setObjectName(name);
                menus_.insert(name, menu);
                break;
            }
            case MenuItemKind::separator:
                parent->addSeparator()->setObjectName(name);
                break;
            case MenuItemKind::command: {
                QAction* shared = commands_.value(name);
                Q_ASSERT(shared);
                if (caption.isEmpty()) {
                    parent->addAction(shared);
                    break;
                }
                // A context menu that words the command its own way: an item that runs the command
                // and follows its enabled state.
                QAction* worded = parent->addAction(caption);
                worded->setObjectName(name);
                worded->setEnabled(shared->isEnabled());
                connect(worded, &QAction::triggered, shared, &QAction::trigger);
                connect(shared, &QAction::changed, worded,
                        [worded, shared] { worded->setEnabled(shared->isEnabled()); });
                break;
            }
        }
    }

    // Toolbar: buttons 1..32 show the commands' actions; button 6 holds its place and does
    // nothing.
    toolbar_ = addToolBar(QStringLiteral("Toolbar1"));
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(24, 24));
    toolbar_->installEventFilter(this);
    buttons_.assign(1, nullptr);
    for (const ToolbarSlot& slot : toolbarLayout()) {
        const QString key = QString::fromLatin1(slot.key);
        QAction* a = nullptr;
        if (slot.separator) {
            a = toolbar_->addSeparator();
            a->setObjectName(key);
        } else if (key.isEmpty()) {
            a = toolbar_->addAction(QString());
            a->setEnabled(false);
        } else {
            a = commands_.value(key);
            Q_ASSERT(a);
            if (a->toolTip().isEmpty()) a->setToolTip(a->text());
            toolbar_->addAction(a);
        }
        if (QWidget* button = toolbar_->widgetForAction(a)) {
            button->setObjectName(key);
            button->setMouseTracking(true);
            button->installEventFilter(this);
        }
        buttons_.push_back(a);
    }
}

void MainWindow::finishCellEditing() {
    // A cell editor left open would later write its text into whatever the command made of the
    // tables (another file, the state before the undo); it is committed first, as clicking
    // elsewhere in the window would.
    if (editing_) editing_->finishEditing();
}

void MainWindow::setCommandHandler(const QString& id, std::function<void()> handler,
                                   std::function<bool()> allowed) {
    QAction* a = commands_.value(id);
    if (!a) return;
    connect(a, &QAction::triggered, this, [this, handler = std::move(handler)] {
        finishCellEditing();
        handler();
    });
    available_.insert(a, true);
    if (allowed)
        rules_.insert(a, std::move(allowed));
    else
        rules_.remove(a);
    updateEnabling(a);
}

void MainWindow::updateEnabling(QAction* action) {
    const auto rule = rules_.find(action);
    action->setEnabled(allowed_.value(action, true) && available_.value(action) &&
                       (rule == rules_.end() || (*rule)()));
}

void MainWindow::updateCommandEnabling() {
    for (const Command& c : commandTable())
        updateEnabling(commands_.value(QString::fromLatin1(c.id)));
}

void MainWindow::setAllowed(QAction* action, bool allowed) {
    if (!action || !available_.contains(action)) return;
    allowed_.insert(action, allowed);
    updateEnabling(action);
}

QAction* MainWindow::toolbarButton(int index) const {
    return index >= 1 && index < int(buttons_.size()) ? buttons_[index] : nullptr;
}

QString MainWindow::selectedTabCaption() const {
    return tabStrip_->tabText(tabStrip_->currentIndex());
}

QString MainWindow::statusText() const {
    return statusLabel_->text();
}

void MainWindow::setStatus(const QString& text) {
    if (!statusHeld_) statusLabel_->setText(text);
}

void MainWindow::holdStatus(const QString& text) {
    statusLabel_->setText(text);
    statusHeld_ = true;
}

void MainWindow::releaseStatus() {
    statusHeld_ = false;
}

void MainWindow::selectTab(int index) {
    if (tabStrip_->currentIndex() == index) {
        tabStrip1Click();
    } else {
        tabStrip_->setCurrentIndex(index);  // runs the switch
    }
}

void MainWindow::applyEnabling(const TabEnabling& rule) {
    // A command on the toolbar is allowed where its button is, in every menu that shows it.
    for (int i = 1; i <= kToolbarButtons; ++i) setAllowed(toolbarButton(i), rule.buttons[i]);
    menus_.value(QStringLiteral("Edit_Menu"))->menuAction()->setEnabled(rule.editMenu);
    menus_.value(QStringLiteral("Insert_Dgrm"))->menuAction()->setEnabled(rule.insertMenu);
    setAllowed(command(QStringLiteral("Export_Result")), rule.exportMenu);
    setAllowed(command(QStringLiteral("Print_Out")), rule.printMenu);
}

void MainWindow::showCoordTable(bool add) {
    coordStack_->setCurrentWidget(add ? addView_ : subtractedView_);
}

void MainWindow::tabStrip1Click() {
    for (int i = 1; i <= kToolbarButtons; ++i) setAllowed(toolbarButton(i), false);
    const QString caption = selectedTabCaption();
    if (caption == kAddTabCaption || caption == kSubtractedTabCaption) {
        const bool add = caption == kAddTabCaption;
        pages_->setCurrentWidget(coordFrame_);
        showCoordTable(add);
        panel_->setViewControlsEnabled(true);
        refreshViews();
        activeGrid_ = add ? ActiveGrid::add : ActiveGrid::Subtracted;
        applyEnabling(tabEnabling(caption, false));
        endFreehand();
        torsionPanel_->drop();  // the tables may change from here on
    } else if (caption == kResultTabCaption) {
        pages_->setCurrentWidget(resultFrame_);
        applyEnabling(tabEnabling(caption, false));  // exit only, until the run succeeds
        panel_->setViewControlsEnabled(false);
        activeGrid_ = ActiveGrid::Result;
        // Leaving a figure tab always ends freehand drawing, whatever the calculation gives.
        endFreehand();
        const bool ok = ws_.runCalculation();
        if (ok)
            torsionPanel_->start();  // the finite-element block follows on its worker
        else
            torsionPanel_->drop();
        refreshViews(false);
        applyEnabling(tabEnabling(caption, ok));
    }
    HistoryCommands::historyChanged(*this);  // redo is a figure-tab command too
}

void MainWindow::startFreehand() {
    freehand_.start();
    canvas_->freeHandCheck()->setChecked(true);
    canvas_->freeHandCheck()->show();
    if (QAction* button = toolbarButton(30)) button->setChecked(true);
}

void MainWindow::endFreehand() {
    const bool wasOn = freehand_.on();
    freehand_.end();
    canvas_->freeHandCheck()->setChecked(false);
    canvas_->freeHandCheck()->hide();
    if (QAction* button = toolbarButton(30)) button->setChecked(false);
    if (wasOn) redrawSection();
}

void MainWindow::redrawSection() {
    canvas_->redrawSection();
}

void MainWindow::refreshViews(bool redraw) {
    syncing_ = true;
    if (addModel_->refresh()) showSelection(addView_, ws_.addGrid);
    if (subtractedModel_->refresh()) showSelection(subtractedView_, ws_.subtractedGrid);
    if (resultModel_->refresh()) {
        const ResultTable& grid = ws_.resultGrid;
        const QFontMetrics metrics(resultView_->font());
        for (int c = 0; c < grid.cols(); ++c) {
            // The stored widths, widened where this platform's font needs more room.
            int width = twipsToPixels(resultView_, grid.colWidthTwips(c));
            for (int r = 0; r < ResultTable::kRows; ++r) {
                const QString text = QString::fromStdString(grid.text(r, c));
                width = std::max(width, metrics.horizontalAdvance(text) + 12);
            }
            resultView_->setColumnWidth(c, width);
        }
        for (int r = 1; r < ResultTable::kRows; ++r) {
            const int twips = grid.rowHeightTwips(r);
            resultView_->setRowHeight(ResultTableModel::modelRow(r),
                                      twips > 0
                                          ? twipsToPixels(resultView_, twips)
                                          : resultView_->verticalHeader()->defaultSectionSize());
        }
        showSelection(resultView_, grid);
        resultDiagram_->update();
    }
    resultStack_->setCurrentWidget(ws_.resultGrid.visible() ? static_cast<QWidget*>(resultView_)
                                                            : failureLabel_);
    syncing_ = false;
    if (redraw) redrawSection();
}

CoordTable* MainWindow::activeCoordTable() {
    switch (activeGrid_) {
        case ActiveGrid::add:
            return &ws_.addGrid;
        case ActiveGrid::Subtracted:
            return &ws_.subtractedGrid;
        case ActiveGrid::Result:
            break;
    }
    return nullptr;
}

void MainWindow::showTableChange(int topRow) {
    refreshViews();
    reportSnapshot();
    QTableView* view = activeGrid_ == ActiveGrid::add ? addView_ : subtractedView_;
    if (topRow >= 0 && activeGrid_ != ActiveGrid::Result)
        view->scrollTo(view->model()->index(std::max(0, CoordTableModel::modelRow(topRow)), 0),
                       QAbstractItemView::PositionAtTop);
}

void MainWindow::syncSelectionFromViews() {
    if (syncing_) return;
    readSelection(resultView_, ws_.resultGrid);
}

void MainWindow::reportSnapshot() {
    // A snapshot still being written is watched, so that its failure is told once it is known.
    if (ws_.undo().writingInBackground() && !snapshotWatch_->isActive()) snapshotWatch_->start();
    HistoryCommands::historyChanged(*this);
    const QString error = ws_.snapshotError();
    if (error.isEmpty()) {
        snapshotReported_ = false;  // a later failure is news again
        return;
    }
    if (snapshotReported_) return;
    snapshotReported_ = true;
    msg().notice(kSnapshotFailed + QLatin1Char('\n') + error);
}

QString MainWindow::startFolder() const {
    if (!lastFolder_.isEmpty() && QFileInfo(lastFolder_).isDir()) return lastFolder_;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

void MainWindow::rememberFolder(const QString& path) {
    if (!path.isEmpty()) lastFolder_ = QFileInfo(path).absolutePath();
}

void MainWindow::readCsv() {
    if (!askBeforeLosingChanges(QString())) return;
    const QString path = msg().chooseOpenFile(kOpenTitle, kCsvFilter, startFolder());
    if (path.isEmpty()) {
        ws_.dataFileName.clear();
        return;
    }
    rememberFolder(path);
    openCsvFile(path);
}

bool MainWindow::openCsvFile(const QString& path) {
    QString error;
    const bool read = ws_.readCsv(
        path, [this](const QString& message) { msg().notice(message); }, &error);
    if (!read) {
        msg().notice(error);
        return false;
    }
    ws_.dataFileName = path;
    rememberFolder(path);
    if (rememberGeometry_) RecentFiles::add(path);  // the program's settings, not a test's
    selectTab(0);
    reportSnapshot();
    if (ws_.undo().writingInBackground()) snapshotWatch_->start();
    return true;
}

void MainWindow::writeCsv() {
    saveCsvAs();
}

bool MainWindow::saveCsvAs() {
    const QString path =
        msg().chooseSaveFile(kSaveTitle, kCsvFilter, startFolder(), ws_.dataFileName);
    ws_.dataFileName = path;
    if (path.isEmpty()) {
        HistoryCommands::historyChanged(*this);
        return false;
    }
    rememberFolder(path);
    QString error;
    if (!ws_.writeCsv(path, &error)) {
        msg().notice(error);
        return false;
    }
    ws_.markSaved();
    if (rememberGeometry_) RecentFiles::add(path);
    HistoryCommands::historyChanged(*this);
    return true;
}

bool MainWindow::askBeforeLosingChanges(const QString& question) {
    if (!ws_.modified()) return question.isEmpty() || msg().confirm(question, kNoticeTitle);
    const QString text =
        question.isEmpty() ? kUnsavedChanges : question + QLatin1Char('\n') + kUnsavedChanges;
    switch (msg().askSaveFirst(text, kNoticeTitle)) {
        case Messenger::SaveChoice::Save:
            return saveCsvAs();
        case Messenger::SaveChoice::Proceed:
            return true;
        case Messenger::SaveChoice::Cancel:
            break;
    }
    return false;
}

void MainWindow::exportResult() {
    if (!ws_.hasResults()) return;
    const QString path = msg().chooseSaveFile(kSaveTitle, kTxtFilter, startFolder(), QString());
    if (path.isEmpty()) return;
    rememberFolder(path);
    QString error;
    if (!ws_.exportResult(path, &error)) msg().notice(error);
}

void MainWindow::exportResultOnResultTab() {
    if (selectedTabCaption() == kResultTabCaption) exportResult();
}

void MainWindow::exitProgram() {
    if (askBeforeLosingChanges(kMenuExitQuestion)) endProgram();
}

void MainWindow::exitProgramFromToolbar() {
    if (askBeforeLosingChanges(kExitQuestion)) endProgram();
}

void MainWindow::endProgram() {
    ending_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ending_) {
        if (!askBeforeLosingChanges(kExitQuestion)) {
            event->ignore();
            return;
        }
        ending_ = true;
    }
    // Every window of the program goes at once; nothing is saved but the window's place.
    saveGeometrySettings();
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w->isWindow() && w->isVisible()) w->close();
    }
    event->accept();
    QCoreApplication::quit();
}

void MainWindow::undoRestore() {
    QString error;
    if (!ws_.undoRestore(&error)) setStatus(kNothingToUndo);
    refreshViews();
    reportSnapshot();
}

void MainWindow::editCoord() {
    QString error;
    const auto text = ws_.directEditText(&error);
    if (!text) {
        msg().notice(error);
        return;
    }
    DirectEditDialog dialog(*text, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!ws_.applyDirectEdit(dialog.editedText(), &error)) {
        msg().notice(error);
        return;
    }
    refreshViews();
    reportSnapshot();
}

void MainWindow::setColorWindow() {
    auto* form = new ColorDialog(ws_.path(QStringLiteral("cl.ini")), msg(), this);
    connect(form, &ColorDialog::colorsAccepted, this, [this](const DrawColors& colors) {
        ws_.colors = colors;
        redrawSection();
    });
    form->show();
}

void MainWindow::version() {
    VersionDialog splash(this);
    splash.exec();
}

void MainWindow::showHelp() {
    auto* help = new HelpWindow(this);
    help->show();
}

void MainWindow::copyResult() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(copyResultText(ws_.resultGrid)));
}

void MainWindow::openMassDialog() {
    if (pages_->currentWidget() != resultFrame_) return;
    const ResultTable& grid = ws_.resultGrid;
    MassDialog form(lenientValue(grid.text(Property::Area, grid.col())), this);
    form.exec();
}

void MainWindow::resultGridContext(const QPoint& globalPos) {
    menus_.value(QStringLiteral("Dummy_Menu3"))->popup(globalPos);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (tearingDown_) return false;
    const QEvent::Type type = event->type();
    if ((watched == resultViewport_ || watched == resultHeaderViewport_) &&
        (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton) return false;
        // The right button leaves the selection alone; its release opens the context menu.
        if (type == QEvent::MouseButtonRelease)
            resultGridContext(mouse->globalPosition().toPoint());
        return true;
    }
    if (type != QEvent::Enter && type != QEvent::MouseMove) return false;
    if (watched == tabStrip_) {
        setStatus(kTabHint);
        statusBar()->setFont(japaneseFont(QStringLiteral("ＭＳ Ｐゴシック"), font().pointSize()));
    } else if (watched == toolbar_ || watched->parent() == toolbar_) {
        setStatus(QString());
    } else if (watched == statusBar() || watched == statusLabel_) {
        setStatus(QStringLiteral("Ver.") + versionText());
    }
    return false;
}

}  // namespace kuvanto
