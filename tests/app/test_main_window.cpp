// The main window driven through its real widgets on the offscreen platform: start-up, the tab
// switch and what it enables, the result view and its failure message, the file commands, undo,
// direct editing, the result table's context menu and the exit questions. Answers to questions
// and file dialogs come from a scripted messenger; modal dialogs are answered from the event loop
// as soon as they open.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>
#include <functional>
#include <memory>

#include "ScriptedMessenger.h"
#include "app/MainWindow.h"
#include "app/SharedColumnWidths.h"
#include "app/TabRules.h"
#include "canvas/ViewPanel.h"
#include "core/section/ResultRows.h"
#include "io/CoordCsv.h"
#include "io/TextFile.h"

using namespace kuvanto;

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(KUVANTO_FIXTURES "/") + name;
}

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// rows of a table as its view shows them, as "x|y".
QStringList viewRows(const MainWindow& w, const char* name) {
    auto* view = w.findChild<QTableView*>(QString::fromLatin1(name));
    QStringList rows;
    for (int r = 0; r + 1 < view->model()->rowCount(); ++r)
        rows << view->model()->index(r, 0).data().toString() + "|" +
                    view->model()->index(r, 1).data().toString();
    return rows;
}

// Runs `answer` on the modal dialog that the next call opens.
void answerNextDialog(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        answer(dialog);
    });
}

struct Window {
    QTemporaryDir dir;
    ScriptedMessenger msg;
    std::unique_ptr<MainWindow> w;
    Window() : w(std::make_unique<MainWindow>(dir.path(), &msg)) { w->show(); }
    void Load(const char* fixture) { QVERIFY(w->openCsvFile(Fixture(fixture))); }
};

}  // namespace

class TestMainForm : public QObject {
    Q_OBJECT
private slots:
    void startUp();
    void tabSwitchEnabling_data();
    void tabSwitchEnabling();
    void resultViewOfRectangleWithHole();
    void resultColumnsShareTheWidth();
    void exitConfirmations_data();
    void exitConfirmations();
    void undoTwice();
    void undoRightAfterTheFirstStartEmptiesTheTables();
    void oneActionPerCommand();
    void directEditing_data();
    void directEditing();
    void readCsv();
    void readCsvOfMissingFileChangesNothing();
    void writeCsvRoundTrip();
    void unwritableSnapshotsAreReportedOnce();
    void backgroundSnapshotFailureIsToldWhenKnown();
    void exportWritesTheResultTable();
    void copyResultPutsTheSelectionOnTheClipboard();
    void resultTableContextMenu();
    void weightCalOpensTheMassWindow();
    void statusBarHints();
};

void TestMainForm::startUp() {
    Window t;
    MainWindow& w = *t.w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Kuvanto Ver3.1.0"));
    QCOMPARE(w.selectedTabCaption(), QStringLiteral("加算図形"));
    QCOMPARE(w.shownTab(), WindowTab::added);
    QVERIFY(w.findChild<QTableView*>("Add_Grid")->isVisible());
    QVERIFY(!w.findChild<QTableView*>("Sbtrt_Grid")->isVisible());
    QVERIFY(!w.toolbarButton(4)->isEnabled());
    QVERIFY(!w.toolbarButton(5)->isEnabled());
    QVERIFY(!w.command("Export_Result")->isEnabled());
    QVERIFY(!w.command("Print_Out")->isEnabled());
    // The context menus are menus of their own, not entries of the menu bar.
    for (const char* holder : {"Dummy_Menu", "Dummy_Menu1", "Dummy_Menu2", "Dummy_Menu3"}) {
        QVERIFY(w.menu(holder));
        QVERIFY(!w.menuBar()->actions().contains(w.menu(holder)->menuAction()));
    }
    QCOMPARE(w.findChild<ViewPanel*>()->gridStepBox()->currentText(), QStringLiteral("None"));
    QVERIFY(QFile::exists(t.dir.filePath("udtxt2.txt")));
    QVERIFY(t.msg.notices.isEmpty());
    // Toolbar keys and tooltips as the user sees them.
    QCOMPARE(w.toolbarButton(1)->objectName(), QStringLiteral("Write_CSV"));
    QCOMPARE(w.toolbarButton(9)->toolTip(), QStringLiteral("Kuvantoを終了"));
    QVERIFY(w.toolbarButton(30)->isCheckable());
    QCOMPARE(w.toolbarButton(32)->objectName(), QStringLiteral("PreRst_Dgrm"));
}

void TestMainForm::tabSwitchEnabling_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("content");  // text for the tables; empty: rectangle with a hole
    QTest::addColumn<QList<int>>("allowed");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<bool>("exporting");
    QList<int> figure;
    for (int i = 1; i <= 32; ++i)
        if (i != 4 && i != 5) figure << i;
    QTest::newRow("added figures tab") << 0 << QString() << figure << true << false;
    QTest::newRow("subtracted figures tab") << 1 << QString() << figure << true << false;
    QTest::newRow("result tab after a successful run")
        << 2 << QString() << QList<int>{2, 4, 5, 9, 16} << false << true;
    QTest::newRow("result tab after a failed run (vertex without Y)")
        << 2 << QStringLiteral("<<加算>>,\n0,0\n10,\n10,10\n") << QList<int>{9} << false << false;
}

void TestMainForm::tabSwitchEnabling() {
    QFETCH(int, tab);
    QFETCH(QString, content);
    QFETCH(QList<int>, allowed);
    QFETCH(bool, editing);
    QFETCH(bool, exporting);
    Window t;
    MainWindow& w = *t.w;
    if (content.isEmpty())
        t.Load("rectangle-with-hole.csv");
    else
        QVERIFY(w.work().applyDirectEdit(content));
    w.selectTab(tab);

    // Every button but the separators and the inert button 6 has its command.
    for (int i = 1; i <= kToolbarButtons; ++i) {
        if (w.toolbarButton(i)->isSeparator()) continue;
        const bool enabled = allowed.contains(i) && i != 6;
        QVERIFY2(w.toolbarButton(i)->isEnabled() == enabled, qPrintable(QString::number(i)));
    }
    QCOMPARE(w.menu("Edit_Menu")->menuAction()->isEnabled(), editing);
    QCOMPARE(w.menu("Insert_Dgrm")->menuAction()->isEnabled(), editing);
    QCOMPARE(w.command("Export_Result")->isEnabled(), exporting);
    QCOMPARE(w.command("Print_Out")->isEnabled(), exporting);
    // Commands outside the toolbar: figure selection only on a figure tab, the result commands
    // and the file menu's drawing commands everywhere.
    QCOMPARE(w.command("Sel_Dgrm")->isEnabled(), tab < 2);
    QVERIFY(w.command("Copy_Result")->isEnabled() && w.command("Read_DXF")->isEnabled());

    const auto* table = w.findChild<QTableView*>("Result_Grid");
    const auto* label = w.findChild<QLabel*>("Label1");
    QCOMPARE(label->text(),
             QStringLiteral("<<有効なデータがないか、計算にエラーがあり表示できません。>>"));
    if (tab == 2) {
        QCOMPARE(table->isVisible(), exporting);
        QCOMPARE(label->isVisible(), !exporting);
        QCOMPARE(w.shownTab(), WindowTab::result);
        QVERIFY(!w.findChild<ViewPanel*>()->autoScaleCheck()->isEnabled());
    } else {
        QVERIFY(w.findChild<QTableView*>(tab == 0 ? "Add_Grid" : "Sbtrt_Grid")->isVisible());
        QVERIFY(!w.findChild<QTableView*>(tab == 0 ? "Sbtrt_Grid" : "Add_Grid")->isVisible());
        QVERIFY(w.findChild<ViewPanel*>()->autoScaleCheck()->isEnabled());
    }
}

void TestMainForm::resultViewOfRectangleWithHole() {
    Window t;
    t.Load("rectangle-with-hole.csv");
    t.w->selectTab(2);
    const QAbstractItemModel* model = t.w->findChild<QTableView*>("Result_Grid")->model();
    QCOMPARE(model->columnCount(), 5);
    QStringList heads;
    for (int c = 0; c < 5; ++c) heads << model->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(heads, (QStringList{"項目", "記号", "加算1", "減算2", "総合"}));
    QCOMPARE(model->index(0, 2).data().toString(), QStringLiteral("2.0000E4"));
    QCOMPARE(model->index(0, 3).data().toString(), QStringLiteral("-5.0000E3"));
    QCOMPARE(model->index(0, 4).data().toString(), QStringLiteral("1.5000E4"));
    const QList<QColor> colours{QColor(255, 192, 192), QColor(192, 192, 255), QColor(192, 192, 0)};
    for (int c = 2; c < 5; ++c) {
        QCOMPARE(model->index(0, c).data(Qt::BackgroundRole).value<QBrush>().color(),
                 colours[c - 2]);
        QCOMPARE(model->index(21, c).data(Qt::BackgroundRole).value<QBrush>().color(),
                 colours[c - 2]);
    }
}

// The result columns fill the table's width whatever the window's size, each at least as wide as
// its texts, and widen again when the window grows; item and symbol keep their widths.
void TestMainForm::resultColumnsShareTheWidth() {
    Window t;
    t.Load("rectangle-with-hole.csv");
    t.w->selectTab(2);
    auto* view = t.w->findChild<QTableView*>("Result_Grid");
    const QAbstractItemModel* model = view->model();
    t.w->resize(QSize(1024, 720));
    QCoreApplication::processEvents();
    const int itemWidth = view->columnWidth(0);
    for (const QSize size : {QSize(1024, 720), QSize(1600, 900)}) {
        t.w->resize(size);
        QCoreApplication::processEvents();
        int total = 0;
        for (int c = 0; c < model->columnCount(); ++c) {
            total += view->columnWidth(c);
            for (int r = 0; r < model->rowCount(); ++r)
                QVERIFY(view->fontMetrics().horizontalAdvance(
                            model->index(r, c).data().toString()) < view->columnWidth(c));
        }
        QCOMPARE(total, view->viewport()->width());
        QCOMPARE(view->columnWidth(0), itemWidth);
    }
    // Spare room goes to the sharing columns in proportion; too little room leaves the least
    // widths.
    QCOMPARE(SharedColumnWidths::shared({100, 50, 50}, 400), (std::vector<int>{200, 100, 100}));
    QCOMPARE(SharedColumnWidths::shared({100, 50, 50}, 400, 1), (std::vector<int>{100, 150, 150}));
    QCOMPARE(SharedColumnWidths::shared({100, 50, 50}, 150), (std::vector<int>{100, 50, 50}));
    QCOMPARE(SharedColumnWidths::shared({3, 3, 3}, 10), (std::vector<int>{3, 3, 4}));
    QCOMPARE(SharedColumnWidths::shared({3, 3}, 10, 2), (std::vector<int>{3, 3}));
}

void TestMainForm::exitConfirmations_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("question");
    const QString menu = QStringLiteral("ソフトを終了します。よろしいですか？");
    const QString other = QStringLiteral("Kuvantoを終了します。よろしいですか？");
    for (bool yes : {false, true}) {
        const char* answer = yes ? "Yes ends" : "No keeps the window";
        QTest::addRow("menu, %s", answer) << "menu" << yes << menu;
        QTest::addRow("toolbar, %s", answer) << "toolbar" << yes << other;
        QTest::addRow("closing the window, %s", answer) << "close" << yes << other;
    }
}

void TestMainForm::exitConfirmations() {
    QFETCH(QString, way);
    QFETCH(bool, yes);
    QFETCH(QString, question);
    Window t;
    t.msg.answers << yes;
    if (way == "menu")
        t.w->command("Exit_Prgm")->trigger();
    else if (way == "toolbar")
        t.w->toolbarButton(9)->trigger();
    else
        t.w->close();
    QCOMPARE(t.msg.questions.size(), 1);  // Yes ends without a further question
    QCOMPARE(t.msg.questions[0].text, question);
    QCOMPARE(t.msg.questions[0].title, QStringLiteral("Notice!"));
    QCOMPARE(t.w->isVisible(), !yes);
}

void TestMainForm::undoTwice() {
    Window t;
    Workspace& ws = t.w->work();
    QVERIFY(ws.applyDirectEdit("<<加算>>,\n1,1\n<<減算>>,"));       // change A
    QVERIFY(ws.applyDirectEdit("<<加算>>,\n2,2\n3,3\n<<減算>>,"));  // change B
    t.w->refreshViews();
    t.w->toolbarButton(7)->trigger();
    QCOMPARE(viewRows(*t.w, "Add_Grid"), QStringList{"1|1"});
    t.w->command("Undo_m")->trigger();  // a second undo goes one step further back
    QCOMPARE(viewRows(*t.w, "Add_Grid"), QStringList());
    t.w->command("Redo_m")->trigger();  // and redo forward again
    QCOMPARE(viewRows(*t.w, "Add_Grid"), QStringList{"1|1"});
    t.w->command("Redo_t")->trigger();
    QCOMPARE(viewRows(*t.w, "Add_Grid"), (QStringList{"2|2", "3|3"}));
    QVERIFY(t.msg.notices.isEmpty());
}

void TestMainForm::undoRightAfterTheFirstStartEmptiesTheTables() {
    Window t;  // a fresh working folder: no snapshot of an earlier run
    Workspace& ws = t.w->work();
    // rows that took no snapshot, as the canvas input leaves them
    fillFromCsvText("<<加算>>,\r\n1,1\r\n", ws.addGrid, ws.subtractedGrid, {});
    t.w->refreshViews();
    QCOMPARE(viewRows(*t.w, "Add_Grid"), QStringList{"1|1"});
    for (int i = 0; i < 3; ++i) {
        t.w->toolbarButton(7)->trigger();
        QCOMPARE(viewRows(*t.w, "Add_Grid"), QStringList());
    }
    QVERIFY2(t.msg.notices.isEmpty(), qPrintable(t.msg.notices.value(0).text));
    QVERIFY(QFile::exists(t.dir.filePath("udtxt1.txt")));
}

// The menu bar, the context menus and the toolbar share one action per command, so that a
// handler given later and the tab's enabling reach every place that shows the command.
void TestMainForm::oneActionPerCommand() {
    Window t;
    MainWindow& w = *t.w;
    QAction* copy = w.command("Copy_Data");
    QVERIFY(copy);
    QCOMPARE(w.command(CommandId::copyRows), copy);
    for (const char* name : {"Copy_Pop", "Copy_Pop1", "Copy_Pop2"}) QCOMPARE(w.command(name), copy);
    QCOMPARE(w.toolbarButton(11), copy);
    QVERIFY(w.menu("Edit_Menu")->actions().contains(copy));
    QVERIFY(copy->isEnabled());  // the table editing gives it its handler

    // The context menu's item is its own action that runs the same handler and follows the
    // command's enabling.
    QAction* item = w.commands().menuItem("Dummy_Menu1", "Copy_Pop1");
    QVERIFY(item && item != copy);
    QCOMPARE(item->text(), copy->text());
    int runs = 0;
    w.setCommandHandler(CommandId::copyRows, [&] { ++runs; });
    copy->trigger();
    item->trigger();
    QCOMPARE(runs, 2);
    w.selectTab(2);
    QVERIFY(!copy->isEnabled());  // the result tab does not allow copying coordinates
    QVERIFY(!item->isEnabled());
    w.selectTab(0);
    QVERIFY(copy->isEnabled() && item->isEnabled());

    // A context-menu item with its own wording runs the command and follows its enabling.
    QAction* rect = nullptr;
    for (QAction* a : w.menu("Dummy_Menu")->actions())
        if (a->objectName() == "Insert_Rect_Pop") rect = a;
    QVERIFY(rect);
    QCOMPARE(rect->text(), QStringLiteral("矩形の挿入(&R)"));
    QCOMPARE(w.command("Insert_Rect")->text(), QStringLiteral("矩形(&R)"));
    QVERIFY(rect->isEnabled());
    w.selectTab(2);
    QVERIFY(!rect->isEnabled());
    w.selectTab(0);
    QVERIFY(rect->isEnabled());
    int rects = 0;
    bool allowed = false;
    w.setCommandHandler(
        CommandId::insertRectangle, [&] { ++rects; }, [&] { return allowed; });
    QVERIFY(!rect->isEnabled());
    allowed = true;
    w.updateCommandEnabling();
    QVERIFY(rect->isEnabled());
    rect->trigger();
    QCOMPARE(rects, 1);

    // Button 6 holds its place without doing anything.
    QVERIFY(!w.toolbarButton(6)->isSeparator());
    QVERIFY(!w.toolbarButton(6)->isEnabled());
}

void TestMainForm::directEditing_data() {
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK reads the edited text") << true;
    QTest::newRow("Cancel changes nothing") << false;
}

void TestMainForm::directEditing() {
    QFETCH(bool, ok);
    Window t;
    t.Load("rectangle-with-hole.csv");
    const QStringList before = viewRows(*t.w, "Add_Grid");
    const QByteArray snap1 = Bytes(t.dir.filePath("udtxt1.txt"));
    const QByteArray snap2 = Bytes(t.dir.filePath("udtxt2.txt"));
    QString shown;
    answerNextDialog([&](QWidget* dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("Edit_Form"));
        auto* text = dialog->findChild<QPlainTextEdit*>("Text1");
        shown = text->toPlainText();
        text->setPlainText("<<加算>>,\n7,8\n<<減算>>,");
        dialog->findChild<QPushButton*>(ok ? "Command1" : "Command2")->click();
    });
    t.w->toolbarButton(17)->trigger();
    QVERIFY(shown.startsWith("<<加算>>,\n0,0\n100,0\n"));
    if (ok) {
        QCOMPARE(viewRows(*t.w, "Add_Grid"), QStringList{"7|8"});
        QCOMPARE(viewRows(*t.w, "Sbtrt_Grid"), QStringList());
    } else {
        QCOMPARE(viewRows(*t.w, "Add_Grid"), before);
        QCOMPARE(Bytes(t.dir.filePath("udtxt1.txt")), snap1);
        QCOMPARE(Bytes(t.dir.filePath("udtxt2.txt")), snap2);
    }
}

void TestMainForm::readCsv() {
    Window t;
    t.Load("two-added-one-subtracted.csv");
    t.w->selectTab(2);  // reading is offered on the result tab after a successful run
    t.msg.paths << Fixture("rectangle-with-hole.csv");
    t.w->toolbarButton(2)->trigger();
    QCOMPARE(t.msg.dialogs.size(), 1);
    QCOMPARE(t.msg.dialogs[0].title, QStringLiteral("データファイルを選択して下さい。"));
    QVERIFY(!t.w->work().hasResults());
    QCOMPARE(t.msg.dialogs[0].filter, QStringLiteral("*.csv|*.csv"));
    // The dialog starts in the folder of the last file used, never in the working folder.
    QCOMPARE(t.msg.dialogs[0].folder, QFileInfo(Fixture("two-added-one-subtracted.csv")).path());
    QCOMPARE(t.w->work().dataFileName, Fixture("rectangle-with-hole.csv"));
    QCOMPARE(t.w->shownTab(), WindowTab::added);
    QCOMPARE(viewRows(*t.w, "Add_Grid"), (QStringList{"0|0", "100|0", "100|200", "0|200", "0|0"}));
    QCOMPARE(viewRows(*t.w, "Sbtrt_Grid").size(), 5);
    // A cancelled dialog forgets the file name and changes nothing else.
    t.w->command("Read_CSV")->trigger();
    QVERIFY(t.w->work().dataFileName.isEmpty());
    QCOMPARE(viewRows(*t.w, "Add_Grid").size(), 5);
    QVERIFY(t.msg.notices.isEmpty());
}

void TestMainForm::readCsvOfMissingFileChangesNothing() {
    Window t;
    t.Load("rectangle-with-hole.csv");
    const QString missing = t.dir.filePath("gone.csv");
    t.msg.paths << missing;
    t.w->command("Read_CSV")->trigger();
    QCOMPARE(t.msg.notices.size(), 1);
    QVERIFY2(t.msg.notices[0].text.contains("gone.csv"), qPrintable(t.msg.notices[0].text));
    QCOMPARE(viewRows(*t.w, "Add_Grid").size(), 5);
    QCOMPARE(t.w->work().dataFileName, Fixture("rectangle-with-hole.csv"));
}

void TestMainForm::writeCsvRoundTrip() {
    Window t;
    t.Load("two-added-one-subtracted.csv");
    const QString out = t.dir.filePath("copy.csv");
    t.msg.paths << out;
    t.w->toolbarButton(1)->trigger();
    QCOMPARE(t.msg.dialogs.last().title, QStringLiteral("保存するファイル名を指定して下さい。"));
    QCOMPARE(t.msg.dialogs.last().initialName, Fixture("two-added-one-subtracted.csv"));
    QCOMPARE(Bytes(out), Bytes(Fixture("two-added-one-subtracted.csv")));
    QCOMPARE(t.w->work().dataFileName, out);
    // Unwritable path: said, naming the file.
    t.msg.paths << t.dir.filePath("no-folder/x.csv");
    t.w->command("Write_CSV")->trigger();
    QCOMPARE(t.msg.notices.size(), 1);
    QVERIFY(t.msg.notices[0].text.contains("x.csv"));
}

void TestMainForm::unwritableSnapshotsAreReportedOnce() {
    Window t;
    QDir folder(t.dir.path());
    auto block = [&](bool on) {
        for (const char* name : {"udtxt1.txt", "udtxt2.txt"}) {
            QFile::remove(folder.filePath(name));
            folder.rmdir(name);
            if (on) QVERIFY(folder.mkdir(name));
        }
    };
    block(true);
    for (int i = 0; i < 3; ++i) t.Load("rectangle-with-hole.csv");
    QCOMPARE(t.msg.notices.size(), 1);
    QVERIFY2(t.msg.notices[0].text.contains("udtxt"), qPrintable(t.msg.notices[0].text));
    QCOMPARE(viewRows(*t.w, "Add_Grid").size(), 5);  // the reading itself went through
    // Undo works from memory although no snapshot file could be written: the state before the
    // last reading (erased), with no second notice of the same failure.
    t.w->toolbarButton(7)->trigger();
    QCOMPARE(viewRows(*t.w, "Add_Grid").size(), 0);
    QCOMPARE(t.msg.notices.size(), 1);
    block(false);
    t.Load("rectangle-with-hole.csv");
    QCOMPARE(t.msg.notices.size(), 1);
    block(true);
    t.Load("rectangle-with-hole.csv");
    QCOMPARE(t.msg.notices.size(), 2);  // a new failure after a good snapshot is news again
}

// The snapshot of a large file is written on a worker; when that write fails the user hears of it
// as soon as the worker is done, without making another change first.
void TestMainForm::backgroundSnapshotFailureIsToldWhenKnown() {
    Window t;
    std::string content = "<<加算>>,\r\n";
    for (int i = 0; i < 100000; ++i)
        content += std::to_string(i) + ".5,-" + std::to_string(i) + "\r\n";
    const QString path = t.dir.filePath("large.csv");
    QVERIFY(writeTextFile(path, content, FileEncoding::Cp932));
    QDir folder(t.dir.path());
    QVERIFY(QFile::remove(folder.filePath("udtxt2.txt")));  // the slot the worker writes
    QVERIFY(folder.mkdir("udtxt2.txt"));
    QVERIFY(t.w->openCsvFile(path));
    QTRY_COMPARE(t.msg.notices.size(), 1);
    QVERIFY2(t.msg.notices[0].text.contains("udtxt2"), qPrintable(t.msg.notices[0].text));
    QCOMPARE(viewRows(*t.w, "Add_Grid").size(), 100000);
}

void TestMainForm::exportWritesTheResultTable() {
    Window t;
    t.Load("two-added-one-subtracted.csv");
    t.w->toolbarButton(4)->trigger();  // not on the result tab: nothing
    QVERIFY(t.msg.dialogs.isEmpty());
    t.w->selectTab(2);
    const QString out = t.dir.filePath("result.txt");
    t.msg.paths << out;
    t.w->command("Export_Result")->trigger();
    QCOMPARE(t.msg.dialogs.size(), 1);
    QCOMPARE(t.msg.dialogs[0].filter, QStringLiteral("*.txt|*.txt"));
    QCOMPARE(t.msg.dialogs[0].initialName, QString());
    const auto text = readTextFile(out);
    QVERIFY(text);
    const QStringList lines = QString::fromStdString(*text).split("\r\n");
    // The rows before the torsion block (not run here), each ended by CR LF.
    QCOMPARE(lines.size(), kTorsionFirstRow + 1);
    QCOMPARE(lines[0], QStringLiteral("項目\t記号\t加算1\t加算2\t減算3\t総合"));
    QVERIFY(lines[4].endsWith("\t-"));
    QCOMPARE(t.w->work().dataFileName, Fixture("two-added-one-subtracted.csv"));
}

void TestMainForm::copyResultPutsTheSelectionOnTheClipboard() {
    Window t;
    t.Load("rectangle-with-hole.csv");
    t.w->selectTab(2);
    auto* view = t.w->findChild<QTableView*>("Result_Grid");
    const QAbstractItemModel* m = view->model();
    view->selectionModel()->setCurrentIndex(m->index(0, 2), QItemSelectionModel::NoUpdate);
    view->selectionModel()->select(QItemSelection(m->index(0, 2), m->index(1, 4)),
                                   QItemSelectionModel::ClearAndSelect);
    t.w->command("Copy_Result")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("2.0000E4\t-5.0000E3\t1.5000E4\r50\t50\t50"));
}

void TestMainForm::resultTableContextMenu() {
    Window t;
    t.Load("rectangle-with-hole.csv");
    t.w->selectTab(2);
    QWidget* viewport = t.w->findChild<QTableView*>("Result_Grid")->viewport();
    QMenu* menu = t.w->menu("Dummy_Menu3");
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(!menu->isVisible());
    QTest::mouseRelease(viewport, Qt::RightButton, {}, QPoint(20, 20));
    QVERIFY(menu->isVisible());
    menu->hide();
    // also over the heading row
    QWidget* heading = t.w->findChild<QTableView*>("Result_Grid")->horizontalHeader()->viewport();
    QTest::mouseRelease(heading, Qt::RightButton, {}, QPoint(20, 5));
    QVERIFY(menu->isVisible());
    QStringList captions;
    for (QAction* a : menu->actions()) captions << a->text() + (a->isEnabled() ? "" : " (off)");
    QCOMPARE(captions, (QStringList{"選択図形の表示(&S)", "選択範囲コピー(&C)", "計算結果印刷(&P)",
                                    "単位質量の計算(&W)"}));
    menu->hide();
}

void TestMainForm::weightCalOpensTheMassWindow() {
    Window t;
    t.Load("rectangle-with-hole.csv");
    t.w->command("Weight_cal")->trigger();  // figure view shown: nothing opens
    t.w->selectTab(2);                      // current cell: the combined column, area 15000
    QString mass;
    answerNextDialog([&](QWidget* dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("Wt_Form"));
        auto* rho = dialog->findChild<QLineEdit*>("Rho_Text");
        rho->selectAll();
        QTest::keyClicks(rho, "7.8");
        mass = dialog->findChild<QLabel*>("Label2")->text();
        dialog->close();
    });
    t.w->command("Weight_cal")->trigger();
    QCOMPARE(mass, QStringLiteral("117kg/m"));
}

void TestMainForm::statusBarHints() {
    Window t;
    MainWindow& w = *t.w;
    auto hover = [](QWidget* widget) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(widget, &enter);
    };
    hover(w.findChild<QTabBar*>("TabStrip1"));
    QCOMPARE(w.statusText(), QStringLiteral("図形入力画面又は、結果表示画面を切り替えます。"));
    hover(w.statusBar());
    QCOMPARE(w.statusText(), QStringLiteral("Ver.3.1.0"));
    hover(w.findChild<QToolBar*>("Toolbar1"));
    QCOMPARE(w.statusText(), QString());
    emit w.findChild<ViewPanel*>()->statusHint(QStringLiteral("hint"));
    QCOMPARE(w.statusText(), QStringLiteral("hint"));
}

QTEST_MAIN(TestMainForm)
#include "test_main_window.moc"
