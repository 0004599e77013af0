// The main window: wires the layout's widgets and the registry's commands, runs the start-up
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
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>
#include <utility>
#include <vector>

#include "app/ColorDialog.h"
#include "app/FigurePage.h"
#include "app/FreehandCommands.h"
#include "app/HelpWindow.h"
#include "app/HistoryCommands.h"
#include "app/JapaneseFonts.h"
#include "app/LanguageMenu.h"
#include "app/MassDialog.h"
#include "app/MaterialCommands.h"
#include "app/RecentFiles.h"
#include "app/ShapeMenuCommands.h"
#include "app/SharedColumnWidths.h"
#include "app/StressPanel.h"
#include "app/TorsionPanel.h"
#include "app/VersionDialog.h"
#include "app/WindowEditing.h"
#include "app/WindowLayout.h"
#include "canvas/SectionCanvas.h"
#include "canvas/SectionDiagram.h"
#include "canvas/ViewPanel.h"
#include "core/base/NumberText.h"
#include "core/section/Calculation.h"
#include "editing/CoordTableModel.h"
#include "editing/DirectEditDialog.h"
#include "editing/Messenger.h"
#include "editing/ResultTableModel.h"
#include "editing/TableChange.h"
#include "io/ResultTexts.h"
#include "io/StressExport.h"
#include "io/UiText.h"

namespace kuvanto {

namespace {

constexpr UiText kNoticeTitle{"Messages", QT_TRANSLATE_NOOP("Messages", "Notice!")};
constexpr UiText kMenuExitQuestion{
    "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "ソフトを終了します。よろしいですか？")};
constexpr UiText kExitQuestion{
    "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "Kuvantoを終了します。よろしいですか？")};
constexpr UiText kOpenTitle{"MainWindow",
                            QT_TRANSLATE_NOOP("MainWindow", "データファイルを選択して下さい。")};
constexpr UiText kSaveTitle{
    "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "保存するファイル名を指定して下さい。")};
const QString kCsvFilter = QStringLiteral("*.csv|*.csv");
const QString kTxtFilter = QStringLiteral("*.txt|*.txt");
constexpr UiText kTabHint{
    "MainWindow",
    QT_TRANSLATE_NOOP("MainWindow", "図形入力画面又は、結果表示画面を切り替えます。")};
const QString kGeometryKey = QStringLiteral("window/geometry");
constexpr UiText kUnsavedChanges{
    "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "保存されていない変更があります。")};
constexpr UiText kNothingToUndo{"MainWindow",
                                QT_TRANSLATE_NOOP("MainWindow", "元に戻す操作はありません。")};
constexpr UiText kSnapshotFailed{
    "MainWindow",
    QT_TRANSLATE_NOOP(
        "MainWindow",
        "元に戻すための保存ファイルを書き込めませんでした。元に戻す操作は使えません。")};

QString versionText() {
    return QStringLiteral("%1.%2.%3")
        .arg(KUVANTO_VERSION_MAJOR)
        .arg(KUVANTO_VERSION_MINOR)
        .arg(KUVANTO_VERSION_PATCH);
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
    ui_ = WindowLayout::build(*this, ws_);
    wireLayout();
    commands_ = new CommandRegistry(
        *this, ws_,
        [this](CommandId id) {
            finishCellEditing();
            // A freehand drawing going on becomes its own step before another command changes
            // the tables or steps through the history; closing the figure makes it one step with
            // the closing vertex.
            const bool stepping = id == CommandId::undo || id == CommandId::redo;
            if ((stepping || commandRow(id).changesTables) && id != CommandId::closeFreehandFigure)
                recordFreehandDrawing();
        },
        [this] { reportSnapshot(); }, this);
    registerOwnCommands();
    editing_ = std::make_unique<WindowEditing>(*this);
    installShapeCommands(*this);
    installFreehandCommands(*this, *ui_.canvas->freeHandCheck());
    LibraryPrintCommands::install(*this);
    HistoryCommands::install(*this);
    RecentFiles::install(*this);
    LanguageMenu::install(*this);
    DxfCommands::install(*this);
    materials_ = MaterialCommands::install(*this);
    commands_->requireEveryHandler();

    // Start-up: grid step "None", title, fresh tables and result table, colours, addGrid
    // active, the first snapshot, then the first tab. (The context menus are menus of their own,
    // never part of the menu bar.)
    ui_.panel->gridStepBox()->setCurrentText(QStringLiteral("None"));
    setWindowTitle(QStringLiteral("Kuvanto Ver") + versionText());
    ws_.start();
    shownTab_ = WindowTab::added;
    reportSnapshot();
    switchToSelectedTab();
}

MainWindow::~MainWindow() {
    // The views and the canvas read the workspace; let them go while it still exists. The event
    // filter ignores everything from here on: it would see widgets half destroyed.
    tearingDown_ = true;
    syncing_ = true;
    editing_.reset();   // its editors watch the views
    delete materials_;  // it watches the views too
    materials_ = nullptr;
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

void MainWindow::wireLayout() {
    // A click on the tab already selected runs the switch too.
    ui_.tabStrip->installEventFilter(this);
    connect(ui_.tabStrip, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index == ui_.tabStrip->currentIndex()) switchToSelectedTab();
    });
    connect(ui_.tabStrip, &QTabBar::currentChanged, this, [this] { switchToSelectedTab(); });
    connect(ui_.panel, &ViewPanel::statusHint, this, &MainWindow::setStatus);
    connect(ui_.panel, &ViewPanel::helpRequested, this, &MainWindow::showHelp);
    connect(ui_.torsionPanel, &TorsionPanel::blockChanged, this, [this] { refreshViews(false); });
    // The result table's context menu opens on the right button's release, over the cells and
    // the heading row.
    resultViewport_ = ui_.resultView->viewport();
    resultHeaderViewport_ = ui_.resultView->horizontalHeader()->viewport();
    ui_.resultView->viewport()->installEventFilter(this);
    ui_.resultView->horizontalHeader()->viewport()->installEventFilter(this);
    // The coordinate tables' selections are read by their editors (CoordTableEditor), which
    // know when a change of the view's selection was the user's and when it was a command's.
    connect(ui_.resultView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::syncSelectionFromViews);
    connect(ui_.resultView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &MainWindow::syncSelectionFromViews);
    statusBar()->installEventFilter(this);
    ui_.statusLabel->installEventFilter(this);
}

void MainWindow::registerOwnCommands() {
    const auto on = [this](CommandId id, void (MainWindow::*handler)()) {
        commands_->setHandler(id, [this, handler] { (this->*handler)(); });
    };
    on(CommandId::readCsv, &MainWindow::readCsv);
    on(CommandId::writeCsv, &MainWindow::writeCsv);
    on(CommandId::exportResult, &MainWindow::exportResultOnResultTab);
    on(CommandId::exitFromMenu, &MainWindow::exitProgram);
    on(CommandId::exitFromToolbar, &MainWindow::exitProgramFromToolbar);
    // Undo is allowed while there is a step to undo, as redo while there is one to redo.
    commands_->setHandler(
        CommandId::undo, [this] { undoRestore(); }, [this] { return ws_.canUndo(); });
    on(CommandId::editAsText, &MainWindow::editCoord);
    on(CommandId::copyResult, &MainWindow::copyResult);
    on(CommandId::massPerLength, &MainWindow::openMassDialog);
    on(CommandId::colorSettings, &MainWindow::setColorWindow);
    on(CommandId::version, &MainWindow::version);
}

void MainWindow::finishCellEditing() {
    // A cell editor left open would later write its text into whatever the command made of the
    // tables (another file, the state before the undo); it is committed first, as clicking
    // elsewhere in the window would.
    if (editing_) editing_->finishEditing();
}

void MainWindow::updateCommandEnabling() {
    commands_->updateEnabling();
}

QAction* MainWindow::command(CommandId id) const {
    return commands_->action(id);
}

QAction* MainWindow::command(const QString& name) const {
    return commands_->action(name);
}

QMenu* MainWindow::menu(const QString& name) const {
    return commands_->menu(name);
}

QAction* MainWindow::toolbarButton(int number) const {
    return commands_->toolbarButton(number);
}

QString MainWindow::selectedTabCaption() const {
    return ui_.tabStrip->tabText(ui_.tabStrip->currentIndex());
}

QString MainWindow::statusText() const {
    return ui_.statusLabel->text();
}

void MainWindow::setStatus(const QString& text) {
    if (!statusHeld_) ui_.statusLabel->setText(text);
}

void MainWindow::holdStatus(const QString& text) {
    ui_.statusLabel->setText(text);
    statusHeld_ = true;
}

void MainWindow::releaseStatus() {
    statusHeld_ = false;
}

void MainWindow::selectTab(int index) {
    if (ui_.tabStrip->currentIndex() == index) {
        switchToSelectedTab();
    } else {
        ui_.tabStrip->setCurrentIndex(index);  // runs the switch
    }
}

void MainWindow::showCoordTable(bool add) {
    ui_.coordStack->setCurrentWidget(add ? ui_.addView : ui_.subtractedView);
}

void MainWindow::switchToSelectedTab() {
    const auto tab = WindowTab(std::clamp(ui_.tabStrip->currentIndex(), 0, 2));
    if (tab != WindowTab::result) {
        ui_.pages->setCurrentWidget(ui_.coordFrame);
        showCoordTable(tab == WindowTab::added);
        ui_.panel->setViewControlsEnabled(true);
        refreshViews();
        shownTab_ = tab;
        commands_->allowForTab(tab, false);
        endFreehand();
        // An analysis still running goes on while the tables stay as they are, so that coming
        // back to the result tab shows it without starting again; a change drops it.
    } else {
        ui_.pages->setCurrentWidget(ui_.resultFrame);
        commands_->allowForTab(tab, false);  // what every tab allows, until the run succeeds
        ui_.panel->setViewControlsEnabled(false);
        shownTab_ = tab;
        // Leaving a figure tab always ends freehand drawing, whatever the calculation gives.
        endFreehand();
        // Results of the tables as they are already fill the result table: nothing to compute
        // again, and the finite-element block is kept too when it belongs to these tables.
        const bool kept = ws_.resultsCurrent();
        const bool ok = kept || ws_.runCalculation();
        if (!ok)
            ui_.torsionPanel->drop();
        else if (!kept || !ui_.torsionPanel->current())
            ui_.torsionPanel->start();  // the finite-element block follows on its worker
        refreshViews(false);
        commands_->allowForTab(tab, ok);
    }
    HistoryCommands::historyChanged(*this);  // redo follows the history as well as the tab
}

void MainWindow::startFreehand() {
    freehand_.start();
    ui_.canvas->freeHandCheck()->setChecked(true);
    ui_.canvas->freeHandCheck()->show();
    command(CommandId::freehand)->setChecked(true);
}

void MainWindow::endFreehand() {
    const bool wasOn = freehand_.on();
    if (wasOn) recordFreehandDrawing();
    freehand_.end();
    ui_.canvas->freeHandCheck()->setChecked(false);
    ui_.canvas->freeHandCheck()->hide();
    command(CommandId::freehand)->setChecked(false);
    if (wasOn) redrawSection();
}

void MainWindow::recordFreehandDrawing() {
    // Vertices placed since the last step and not yet a step of their own; nothing else changes
    // the tables without holding its own TableChange.
    if (!freehand_.on() || ws_.tablesRecorded()) return;
    TableChange drawing(ws_);
    drawing.done();
    drawing.end();
    reportSnapshot();
}

void MainWindow::redrawSection() {
    ui_.canvas->redrawSection();
}

void MainWindow::refreshViews(bool redraw) {
    // Every change of the tables passes here: an analysis of the tables as they were is dropped.
    ui_.torsionPanel->dropIfStale();
    syncing_ = true;
    if (ui_.addModel->refresh()) WindowLayout::showSelection(ui_.addView, ws_.addGrid);
    if (ui_.subtractedModel->refresh())
        WindowLayout::showSelection(ui_.subtractedView, ws_.subtractedGrid);
    if (ui_.resultModel->refresh()) {
        const ResultTable& grid = ws_.resultGrid;
        const QFontMetrics metrics(ui_.resultView->font());
        const QFontMetrics headMetrics(ui_.resultView->horizontalHeader()->font());
        std::vector<int> widths;
        for (int c = 0; c < grid.cols(); ++c) {
            // The stored widths, widened where this platform's font or the interface language
            // needs more room.
            int width = WindowLayout::twipsToPixels(ui_.resultView, grid.colWidthTwips(c));
            width = std::max(width,
                             headMetrics.horizontalAdvance(ResultTexts::columnHead(grid, c)) + 12);
            for (int r = 1; r < ResultTable::kRows; ++r) {
                // A row of running text (the torsion notices) is shown whole under the drawing;
                // its cell may be cut rather than widen the column past the window.
                if (kResultRows[r].format == NumberFormat::Text) continue;
                width =
                    std::max(width, metrics.horizontalAdvance(ResultTexts::cell(grid, r, c)) + 12);
            }
            widths.push_back(width);
        }
        // The value columns share the room the table leaves; item and symbol keep their widths.
        ui_.resultColumns->setLeastWidths(std::move(widths), 2);
        for (int r = 1; r < ResultTable::kRows; ++r) {
            const int twips = grid.rowHeightTwips(r);
            ui_.resultView->setRowHeight(
                ResultTableModel::modelRow(r),
                twips > 0 ? WindowLayout::twipsToPixels(ui_.resultView, twips)
                          : ui_.resultView->verticalHeader()->defaultSectionSize());
        }
        WindowLayout::showSelection(ui_.resultView, grid);
        ui_.resultDiagram->update();
    }
    ui_.resultStack->setCurrentWidget(
        ws_.resultGrid.visible() ? static_cast<QWidget*>(ui_.resultView) : ui_.failureLabel);
    syncing_ = false;
    if (redraw) redrawSection();
    // Undo and redo follow the history whatever changed the tables.
    if (commands_) HistoryCommands::historyChanged(*this);
    if (materials_) materials_->refresh();
}

void MainWindow::recomputeShownResults() {
    if (shownTab_ == WindowTab::result) switchToSelectedTab();
}

CoordTable* MainWindow::activeCoordTable() {
    switch (shownTab_) {
        case WindowTab::added:
            return &ws_.addGrid;
        case WindowTab::subtracted:
            return &ws_.subtractedGrid;
        case WindowTab::result:
            break;
    }
    return nullptr;
}

void MainWindow::showTableChange(int topRow) {
    refreshViews();
    reportSnapshot();
    QTableView* view = shownTab_ == WindowTab::added ? ui_.addView : ui_.subtractedView;
    if (topRow >= 0 && shownTab_ != WindowTab::result)
        view->scrollTo(view->model()->index(std::max(0, CoordTableModel::modelRow(topRow)), 0),
                       QAbstractItemView::PositionAtTop);
}

void MainWindow::showTabOfStep(const EditHistory::StepTables& step) {
    if (step.added == step.subtracted || shownTab_ == WindowTab::result) return;
    const WindowTab tab = step.added ? WindowTab::added : WindowTab::subtracted;
    if (tab != shownTab_) selectTab(static_cast<int>(tab));
}

void MainWindow::syncSelectionFromViews() {
    if (syncing_) return;
    WindowLayout::readSelection(ui_.resultView, ws_.resultGrid);
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

bool MainWindow::openStartFile(const QString& path) {
    if (!askBeforeLosingChanges(QString())) return false;
    return openCsvFile(path);
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
    // The loads panel's shown case and envelope, when it has computed them.
    std::string stresses;
    if (const auto* panel = findChild<StressPanel*>(); panel && panel->results())
        stresses = StressExport::text(*panel->results(), panel->shownCase());
    if (!ws_.exportResult(path, stresses, &error)) msg().notice(error);
}

void MainWindow::exportResultOnResultTab() {
    if (shownTab_ == WindowTab::result) exportResult();
}

void MainWindow::exitProgram() {
    if (askBeforeLosingChanges(kMenuExitQuestion)) endProgram();
}

void MainWindow::exitProgramFromToolbar() {
    if (askBeforeLosingChanges(kExitQuestion)) endProgram();
}

void MainWindow::endOnSignal() {
    finishCellEditing();
    recordFreehandDrawing();
    ws_.endForSignal();
    endProgram();
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
    if (ws_.undoRestore(&error))
        showTabOfStep(ws_.history().undoneStepTables());
    else
        setStatus(kNothingToUndo);
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
    if (ui_.pages->currentWidget() != ui_.resultFrame) return;
    const ResultTable& grid = ws_.resultGrid;
    MassDialog form(lenientValue(grid.text(Property::Area, grid.col())), this);
    form.exec();
}

void MainWindow::resultGridContext(const QPoint& globalPos) {
    menu(QStringLiteral("Dummy_Menu3"))->popup(globalPos);
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
    if (watched == ui_.tabStrip) {
        setStatus(kTabHint);
        statusBar()->setFont(japaneseFont(QStringLiteral("ＭＳ Ｐゴシック"), font().pointSize()));
    } else if (watched == commands_->toolbar() || watched->parent() == commands_->toolbar()) {
        setStatus(QString());
    } else if (watched == statusBar() || watched == ui_.statusLabel) {
        setStatus(QStringLiteral("Ver.") + versionText());
    }
    return false;
}

}  // namespace kuvanto
