// Keys and clicks during a cell edit, and the undo steps of every kind of change, with real events
// on the window: an arrow key or Shift+Tab in an open editor writes it and moves, so the next
// keys land in the highlighted cell; a click on the cell a Tab moved to selects it; Ctrl+Z after
// a Tab undoes the table's last step; the Delete key and a freehand drawing left unclosed are
// undo steps of their own that reach the snapshot file; an editor opened on the entry row and
// left empty is no step; undo shows the tab of the table it changed; the undo action is enabled
// only with something to undo.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include "../core/GridText.h"
#include "ScriptedMessenger.h"
#include "WindowEvents.h"
#include "app/MainWindow.h"
#include "canvas/SectionCanvas.h"
#include "io/CoordText.h"
#include "io/UndoStore.h"

using namespace kuvanto;
using namespace kuvanto::test;

class TestEditingSteps : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void keysGoToTheHighlightedCell_data();
    void keysGoToTheHighlightedCell();
    void leftAndRightMoveTheCaretInAnOpenedCell();
    void ctrlZAfterTabUndoesTheTable();
    void everyChangeIsOneStep_data();
    void everyChangeIsOneStep();
    void deleteThenTypingAreTwoSteps();
    void emptyEntryRowIsNoStep();
    void undoShowsTheTabOfItsTable_data();
    void undoShowsTheTabOfItsTable();
    void undoIsEnabledOnlyWithAStep();
    void importOnTheResultTabComputesAtOnce();

private:
    QTableView* view(int tab) const {
        return window_->findChild<QTableView*>(tab == 0 ? QStringLiteral("Add_Grid")
                                                        : QStringLiteral("Sbtrt_Grid"));
    }
    CoordTable& grid() { return window_->work().addGrid; }
    void fill(const QStringList& add, const QStringList& subtracted = {",", ","});
    void clickCell(int row, int col, int tab = 0) {
        clickAt(view(tab), cellPoint(view(tab), row, col));
    }
    void selectTabByClick(int index);
    void drawFreehand(const QList<QPointF>& points);
    // The added table as the newest snapshot file holds it, and as its text form would hold it
    // now (the text form keeps no row whose X is empty).
    QStringList snapshotRows();
    QStringList textFormRows();

    std::unique_ptr<QTemporaryDir> dir_;
    ScriptedMessenger msg_;
    std::unique_ptr<MainWindow> window_;
};

void TestEditingSteps::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    msg_ = ScriptedMessenger();
    window_ = std::make_unique<MainWindow>(dir_->path(), &msg_);
    window_->resize(1000, 700);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void TestEditingSteps::cleanup() {
    window_.reset();
    dir_.reset();
}

void TestEditingSteps::fill(const QStringList& add, const QStringList& subtracted) {
    window_->work().addGrid = gridOf(add);
    window_->work().subtractedGrid = gridOf(subtracted);
    window_->work().saveUndo();
    window_->refreshViews();
}

void TestEditingSteps::selectTabByClick(int index) {
    auto* tabs = window_->findChild<QTabBar*>(QStringLiteral("TabStrip1"));
    clickAt(tabs, tabs->mapTo(window_.get(), tabs->tabRect(index).center()));
}

void TestEditingSteps::drawFreehand(const QList<QPointF>& points) {
    window_->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentText(QStringLiteral("10"));
    msg_.answers = {true};
    window_->command(QStringLiteral("FreeHand"))->trigger();
    QVERIFY(window_->freehand().on());
    SectionCanvas* canvas = window_->canvas();
    for (const QPointF& p : points) clickAt(canvas, canvasPoint(canvas, p.x(), p.y()));
}

QStringList TestEditingSteps::snapshotRows() {
    CoordTable add;
    CoordTable subtracted;
    const QString folder = window_->work().snapshotFolder();
    if (!readCoordText(folder + QLatin1Char('/') + UndoStore::newestSnapshot(folder), add,
                       subtracted))
        return {QStringLiteral("unreadable")};
    return rowsOf(add);
}

QStringList TestEditingSteps::textFormRows() {
    CoordTable add;
    CoordTable subtracted;
    parseCoordText(coordText(window_->work().addGrid, window_->work().subtractedGrid), add,
                   subtracted);
    return rowsOf(add);
}

void TestEditingSteps::keysGoToTheHighlightedCell_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("endRow");
    QTest::addColumn<int>("endCol");
    QTest::newRow("Down writes and moves; the next number goes below")
        << 2 << 0 << "5 Down 6 Enter" << QStringList{"1,10", "5,20", "6,30", "4,40", "5,50"} << 4
        << 0;
    QTest::newRow("Up writes and moves up")
        << 3 << 1 << "7 Up 8 Enter" << QStringList{"1,10", "2,8", "3,7", "4,40", "5,50"} << 3 << 1;
    QTest::newRow("Shift+Tab writes Y and opens X of the same row")
        << 4 << 1 << "7 S-Tab 8 Enter" << QStringList{"1,10", "2,20", "3,30", "8,7", "5,50"} << 5
        << 0;
    QTest::newRow("Shift+Tab from X goes to the Y above")
        << 3 << 0 << "9 S-Tab 6 Enter" << QStringList{"1,10", "2,6", "9,30", "4,40", "5,50"} << 3
        << 1;
    QTest::newRow("Tab, then Down twice, types into the row the highlight is on")
        << 1 << 1 << "5 Tab Down Down 7 Enter" << QStringList{"1,5", "2,20", "3,30", "7,40", "5,50"}
        << 5 << 0;
    QTest::newRow("Right in a cell opened by typing writes and moves to Y")
        << 2 << 0 << "3 Right 4 Enter" << QStringList{"1,10", "3,4", "3,30", "4,40", "5,50"} << 3
        << 1;
    QTest::newRow("Left after a Tab moves back without writing anything else")
        << 1 << 0 << "6 Tab Left 8 Enter" << QStringList{"8,10", "2,20", "3,30", "4,40", "5,50"}
        << 2 << 0;
    QTest::newRow("a click on the cell a Tab moved to selects it; typing replaces it")
        << 1 << 1 << "5 Tab click 17 Enter" << QStringList{"1,5", "17,20", "3,30", "4,40", "5,50"}
        << 3 << 0;
}

// The editor follows the highlight: whatever moves the current cell writes the open editor
// first, and the keys typed next go to the cell the highlight is on.
void TestEditingSteps::keysGoToTheHighlightedCell() {
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, keys);
    QFETCH(QStringList, rows);
    QFETCH(int, endRow);
    QFETCH(int, endCol);
    fill({"1,10", "2,20", "3,30", "4,40", "5,50", ","});
    clickCell(row, col);
    for (const QString& part : keys.split(QStringLiteral(" click "))) {
        if (part != keys.split(QStringLiteral(" click ")).first()) {
            // The click goes to the cell the Tab moved to: row 2, X.
            clickCell(2, 0);
        }
        typeKeys(part);
    }
    QCOMPARE(rowsOf(grid()).mid(0, 5), rows);
    QCOMPARE(grid().row(), endRow);
    QCOMPARE(grid().col(), endCol);
    QCOMPARE(view(0)->currentIndex(),
             view(0)->model()->index(CoordTableModel::modelRow(endRow), endCol));
}

// F2 opens the cell's text to change it: Left and Right move the caret there.
void TestEditingSteps::leftAndRightMoveTheCaretInAnOpenedCell() {
    fill({"12,34", ","});
    clickCell(1, 0);
    typeKeys("Esc");
    QTest::keyClick(focused(), Qt::Key_F2);
    QTest::keyClick(focused(), Qt::Key_End);
    typeKeys("Left 5 Enter");
    QCOMPARE(rowsOf(grid()).first(), QStringLiteral("152,34"));
}

// The editor a Tab opened holds nothing typed: Ctrl+Z is the table's and takes back the value
// the Tab wrote; typed text in an editor is still the editor's own to undo.
void TestEditingSteps::ctrlZAfterTabUndoesTheTable() {
    fill({"1,2", "3,4", ","});
    clickCell(1, 1);
    typeKeys("5 Tab C-z");
    QCOMPARE(rowsOf(grid()).mid(0, 2), (QStringList{"1,2", "3,4"}));
    auto* editor = view(0)->findChild<QLineEdit*>(QStringLiteral("Val1_Text"));
    QVERIFY(!editor->isVisible());
    QCOMPARE(window_->work().history().undoCount(), 1);
    typeKeys("C-y");
    QCOMPARE(rowsOf(grid()).mid(0, 2), (QStringList{"1,5", "3,4"}));
}

void TestEditingSteps::everyChangeIsOneStep_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("rows");
    const QStringList drawn{"0,0", "20,20", "50,20", "90,0", "90,90"};
    QTest::newRow("Delete key on one cell") << "delete" << QStringList{"0,0", "90,", "90,90"};
    QTest::newRow("Delete key on a block") << "delete block" << QStringList{"0,0", ",", ","};
    QTest::newRow("cell typed, Down") << "down" << QStringList{"0,0", "90,8", "90,90"};
    QTest::newRow("freehand left by Esc") << "freehand esc" << drawn;
    QTest::newRow("freehand left by its end command") << "freehand end" << drawn;
    QTest::newRow("freehand left by a tab switch") << "freehand tab" << drawn;
}

// Each change is exactly one undo step and is in the snapshot file as soon as it is made.
void TestEditingSteps::everyChangeIsOneStep() {
    QFETCH(QString, change);
    QFETCH(QStringList, rows);
    fill({"0,0", "90,0", "90,90", ","});
    const QStringList before = rowsOf(grid());
    const int steps = window_->work().history().undoCount();
    if (change == QLatin1String("delete")) {
        clickCell(2, 1);
        typeKeys("Del");
    } else if (change == QLatin1String("delete block")) {
        clickCell(2, 0);
        clickAt(view(0), cellPoint(view(0), 3, 1), Qt::ShiftModifier);
        typeKeys("Del");
    } else if (change == QLatin1String("down")) {
        clickCell(2, 1);
        typeKeys("8 Down");
    } else {
        clickCell(2, 0);
        drawFreehand({{20, 20}, {50, 20}});
        if (change == QLatin1String("freehand esc"))
            QTest::keyClick(window_->canvas(), Qt::Key_Escape);
        else if (change == QLatin1String("freehand end"))
            window_->command(QStringLiteral("FreeHand_End"))->trigger();
        else
            selectTabByClick(1);
        QVERIFY(!window_->freehand().on());
    }
    QCOMPARE(rowsOf(grid()).mid(0, rows.size()), rows);
    QCOMPARE(window_->work().history().undoCount(), steps + 1);
    QVERIFY(window_->work().tablesRecorded());
    QCOMPARE(snapshotRows(), textFormRows());
    window_->command(QStringLiteral("Undo_t"))->trigger();
    QCOMPARE(rowsOf(grid()), before);
}

// Erasing a cell and typing into another are two changes: one Ctrl+Z takes back only the typing.
void TestEditingSteps::deleteThenTypingAreTwoSteps() {
    fill({"1,2", "3,4", "5,6", ","});
    clickCell(3, 1);
    typeKeys("Del");
    clickCell(2, 0);
    typeKeys("5 Enter C-z");
    QCOMPARE(rowsOf(grid()).mid(0, 3), (QStringList{"1,2", "3,4", "5,"}));
}

// Tab onto the entry row appends a row below it for the editor; leaving it empty takes that row
// away again and records nothing, so the next Ctrl+Z takes back the last value typed.
void TestEditingSteps::emptyEntryRowIsNoStep() {
    fill({"1,2", ","});
    const int rows = grid().rows();
    clickCell(1, 1);
    typeKeys("5 Tab");
    QCOMPARE(grid().rows(), rows + 1);
    clickCell(1, 0);
    QCOMPARE(grid().rows(), rows);
    QCOMPARE(window_->work().history().undoCount(), 2);  // the fill, the 5
    typeKeys("C-z");
    QCOMPARE(rowsOf(grid()), (QStringList{"1,2", ","}));
}

void TestEditingSteps::undoShowsTheTabOfItsTable_data() {
    QTest::addColumn<int>("changedOn");
    QTest::addColumn<int>("undoneOn");
    QTest::newRow("added table changed, undone on the subtracted tab") << 0 << 1;
    QTest::newRow("subtracted table changed, undone on the added tab") << 1 << 0;
}

void TestEditingSteps::undoShowsTheTabOfItsTable() {
    QFETCH(int, changedOn);
    QFETCH(int, undoneOn);
    fill({"1,2", ","}, {"3,4", ","});
    selectTabByClick(changedOn);
    clickCell(1, 0, changedOn);
    typeKeys("9 Enter");
    selectTabByClick(undoneOn);
    QTest::keyClick(focused(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(int(window_->shownTab()), changedOn);
    const CoordTable& changed =
        changedOn == 0 ? window_->work().addGrid : window_->work().subtractedGrid;
    QCOMPARE(rowsOf(changed).first(), changedOn == 0 ? QStringLiteral("1,2") : "3,4");
    // Redo shows it as well.
    selectTabByClick(undoneOn);
    window_->command(QStringLiteral("Redo_t"))->trigger();
    QCOMPARE(int(window_->shownTab()), changedOn);
    QCOMPARE(rowsOf(changed).first().left(1), QStringLiteral("9"));
}

void TestEditingSteps::undoIsEnabledOnlyWithAStep() {
    QAction* undo = window_->command(QStringLiteral("Undo_t"));
    QVERIFY(!undo->isEnabled());
    clickCell(1, 0);
    typeKeys("4 Enter");
    QVERIFY(undo->isEnabled());
    typeKeys("C-z");
    QCOMPARE(window_->work().history().undoCount(), 0);
    QVERIFY(!undo->isEnabled());
    QVERIFY(window_->command(QStringLiteral("Redo_t"))->isEnabled());
}

// A drawing imported while the result tab is shown: the tab shows the new section's results at
// once, not an empty table until the user leaves and comes back.
void TestEditingSteps::importOnTheResultTabComputesAtOnce() {
    selectTabByClick(2);
    QVERIFY(!window_->work().hasResults());
    msg_.paths << QStringLiteral(KUVANTO_FIXTURES "/dxf/plate-with-holes.dxf");
    QTimer accept;
    QObject::connect(&accept, &QTimer::timeout, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->inherits("kuvanto::DxfImportDialog")) dialog->accept();
    });
    accept.start(50);
    window_->command(QStringLiteral("Read_DXF"))->trigger();
    accept.stop();
    QVERIFY(window_->work().addGrid.rows() > 2);
    QCOMPARE(window_->shownTab(), WindowTab::result);
    QVERIFY(window_->work().hasResults());
    QVERIFY(window_->work().resultGrid.visible());
}

QTEST_MAIN(TestEditingSteps)
#include "test_editing_steps.moc"
