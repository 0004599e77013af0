// Typing and drawing into the tables with real events on the window: typing on after a separator
// was inserted from the toolbar, a double click leaving the cell editor open, the current row
// after deleting rows, the press point of a freehand click on the grid, the generators and
// freehand clicks on a table not on screen after undo, and the status message for a freehand
// length that has no vertex to start from.
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
#include "canvas/FreehandLengthBox.h"
#include "canvas/SectionCanvas.h"

using namespace kuvanto;
using namespace kuvanto::test;

namespace {

// Accepts the next modal dialog as it stands.
void acceptNextDialog() {
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->accept();
    });
}

}  // namespace

class TestEditingFaults : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void typingGoesOnBelowAnInsertedSeparator();
    void doubleClickLeavesTheEditorOpen();
    void deletingKeepsTheCurrentRow();
    void freehandPressPointIsSnapped();
    void generatorsFillATableNotOnScreenAfterUndo_data();
    void generatorsFillATableNotOnScreenAfterUndo();
    void freehandLengthWithoutVertexAboveIsTold();

private:
    QTableView* view(const char* name) const {
        return window_->findChild<QTableView*>(QLatin1String(name));
    }
    QTableView* addView() const { return view("Add_Grid"); }
    void clickToolbar(const char* key);
    void selectTabByClick(int index);
    void fill(CoordTable& grid, const QStringList& rows);

    std::unique_ptr<QTemporaryDir> dir_;
    ScriptedMessenger msg_;
    std::unique_ptr<MainWindow> window_;
};

void TestEditingFaults::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    msg_ = ScriptedMessenger();
    window_ = std::make_unique<MainWindow>(dir_->path(), &msg_);
    window_->resize(1000, 700);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void TestEditingFaults::cleanup() {
    window_.reset();
    dir_.reset();
}

void TestEditingFaults::clickToolbar(const char* key) {
    auto* toolbar = window_->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    QWidget* button = toolbar->widgetForAction(window_->command(QLatin1String(key)));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestEditingFaults::selectTabByClick(int index) {
    auto* tabs = window_->findChild<QTabBar*>(QStringLiteral("TabStrip1"));
    clickAt(tabs, tabs->mapTo(window_.get(), tabs->tabRect(index).center()));
}

void TestEditingFaults::fill(CoordTable& grid, const QStringList& rows) {
    grid = gridOf(rows);
    window_->work().saveUndo();
    window_->refreshViews();
}

// The separator goes in at the row being typed into; the current cell is then the X cell of the
// row after it, so the next figure starts there and nothing typed is lost.
void TestEditingFaults::typingGoesOnBelowAnInsertedSeparator() {
    clickAt(addView(), cellPoint(addView(), 1, 0));
    typeKeys("0 Tab 0 Tab 10 Tab 0 Tab 10 Tab 10 Tab");
    msg_.answers = {true};
    clickToolbar("Insert_Sep");
    QCOMPARE(msg_.questions.size(), 1);
    typeKeys("20 Tab 0 Tab 30 Tab 0 Tab");
    const CoordTable& grid = window_->work().addGrid;
    QCOMPARE(rowsOf(grid).mid(0, 6), (QStringList{"0,0", "10,0", "10,10", "|", "20,0", "30,0"}));
    QCOMPARE(grid.row(), 7);
    QCOMPARE(grid.col(), 0);
}

// A real double click sends press, release, press, double click and release; the last release
// must not close the editor the double click opened, nor take a snapshot.
void TestEditingFaults::doubleClickLeavesTheEditorOpen() {
    fill(window_->work().addGrid, {"12.5,3", "4,5"});
    const QString snapshot = window_->work().undo().undoFile();
    const int rows = window_->work().addGrid.rows();
    doubleClickAt(addView(), cellPoint(addView(), 1, 0));
    QApplication::processEvents();
    auto* editor = addView()->findChild<QLineEdit*>(QStringLiteral("Val1_Text"));
    QVERIFY(editor->isVisible());
    QCOMPARE(focused(), editor);
    QCOMPARE(editor->text(), QStringLiteral("12.5"));
    QCOMPARE(editor->selectedText(), QStringLiteral("12.5"));
    QCOMPARE(window_->work().undo().undoFile(), snapshot);
    QCOMPARE(window_->work().addGrid.rows(), rows);
    typeKeys("7 Enter");
    QCOMPARE(window_->work().addGrid.text(1, 0), "7");

    // On the entry row the double click appends one row and the editor stays open there too.
    const int entry = window_->work().addGrid.rows() - 1;
    doubleClickAt(addView(), cellPoint(addView(), entry, 1));
    QVERIFY(editor->isVisible());
    QCOMPARE(window_->work().addGrid.rows(), entry + 2);
}

// Deleting row 3 of rows 1..7 twice takes the rows that stood at 3 and 4; the current row stays
// at 3 and the view shows it there.
void TestEditingFaults::deletingKeepsTheCurrentRow() {
    fill(window_->work().addGrid, {"1,1", "2,2", "3,3", "4,4", "5,5", "6,6", "7,7", ","});
    clickAt(addView(), cellPoint(addView(), 3, 1));
    const CoordTable& grid = window_->work().addGrid;
    QCOMPARE(grid.row(), 3);
    for (int i = 0; i < 2; ++i) {
        msg_.answers = {true};
        clickToolbar("Delete_Row");
    }
    QCOMPARE(rowsOf(grid), (QStringList{"1,1", "2,2", "5,5", "6,6", "7,7", ","}));
    QCOMPARE(grid.row(), 3);
    QCOMPARE(grid.col(), 1);
    QCOMPARE(grid.rowSel(), 3);
    QCOMPARE(grid.colSel(), 0);
    QCOMPARE(addView()->currentIndex().row(), CoordTableModel::modelRow(3));
}

// Grid 10: a freehand press at (73, 38) writes (70, 40), and the press point a drag or double
// click goes from is that vertex too.
void TestEditingFaults::freehandPressPointIsSnapped() {
    window_->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentText(QStringLiteral("10"));
    msg_.answers = {true};
    window_->command(QStringLiteral("FreeHand"))->trigger();
    SectionCanvas* canvas = window_->canvas();
    const WorldPt asked = canvas->toWorld(canvas->toWidget(WorldPt{73, 38}).toPoint());
    QTest::mousePress(windowOf(canvas), Qt::LeftButton, {}, canvasPoint(canvas, 73, 38));
    QCOMPARE(window_->work().addGrid.text(1, 0), "70");
    QCOMPARE(window_->work().addGrid.text(1, 1), "40");
    QCOMPARE(canvas->view().pressX, 70.0);
    QCOMPARE(canvas->view().pressY, 40.0);
    QVERIFY(std::fabs(asked.x - 73) < 2 && std::fabs(asked.y - 38) < 2);
    QTest::mouseRelease(windowOf(canvas), Qt::LeftButton, {}, canvasPoint(canvas, 73, 38));
}

void TestEditingFaults::generatorsFillATableNotOnScreenAfterUndo_data() {
    QTest::addColumn<int>("drawnOn");   // the tab the first figure is drawn on
    QTest::addColumn<int>("insertOn");  // the tab the second insertion goes to
    QTest::addColumn<QString>("command");
    QTest::newRow("rectangle, undo, circle into the subtracted table")
        << 0 << 1 << QStringLiteral("Insert_Arc");
    QTest::newRow("rectangle, undo, rectangle into the added table")
        << 1 << 0 << QStringLiteral("Insert_Rect");
    QTest::newRow("rectangle, undo, freehand click into the subtracted table")
        << 0 << 1 << QStringLiteral("FreeHand");
}

// The undo refills both tables; the one not on screen keeps a current data row, so a generator
// (or a freehand click) on it afterwards inserts its vertices.
void TestEditingFaults::generatorsFillATableNotOnScreenAfterUndo() {
    QFETCH(int, drawnOn);
    QFETCH(int, insertOn);
    QFETCH(QString, command);
    selectTabByClick(drawnOn);
    msg_.answers = {true};
    acceptNextDialog();
    window_->command(QStringLiteral("Insert_Rect"))->trigger();
    QVERIFY(window_->activeCoordTable()->rows() > 2);
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(focused(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window_->activeCoordTable()->rows(), 2);

    selectTabByClick(insertOn);
    CoordTable& grid = insertOn == 0 ? window_->work().addGrid : window_->work().subtractedGrid;
    QCOMPARE(window_->activeCoordTable(), &grid);
    QCOMPARE(grid.row(), 1);
    msg_.answers = {true};
    if (command == QLatin1String("FreeHand")) {
        window_->command(command)->trigger();
        SectionCanvas* canvas = window_->canvas();
        clickAt(canvas, canvasPoint(canvas, 10, 10));
        QCOMPARE(grid.rows(), 3);
        QVERIFY(grid.isVertexRow(1));
    } else {
        acceptNextDialog();
        window_->command(command)->trigger();
        QVERIFY(grid.rows() > 5);
        QVERIFY(grid.isVertexRow(1));
    }
    QCOMPARE(msg_.notices.size(), 0);
}

// With no vertex in the row above the current row a typed length has nothing to start from:
// nothing is inserted and the status bar says why, also after the mouse moves on.
void TestEditingFaults::freehandLengthWithoutVertexAboveIsTold() {
    msg_.answers = {true};
    window_->command(QStringLiteral("FreeHand"))->trigger();
    SectionCanvas* canvas = window_->canvas();
    clickAt(canvas, canvasPoint(canvas, 10, 10));
    // The user picks row 1 in the table: the row above it is the header.
    clickAt(addView(), cellPoint(addView(), 1, 0));
    const QStringList before = rowsOf(window_->work().addGrid);
    // A move with Shift held shows the length box.
    const QPointF at = canvas->toWidget(WorldPt{40, 12});
    QMouseEvent shiftMove(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton,
                          Qt::NoButton, Qt::ShiftModifier);
    QApplication::sendEvent(canvas, &shiftMove);
    auto* box = window_->findChild<FreehandLengthBox*>(QStringLiteral("FH_Frame"));
    QVERIFY(box->isVisible());
    auto* text = box->findChild<QLineEdit*>(QStringLiteral("FH_Text"));
    text->setFocus();
    text->selectAll();
    typeKeys("30 Enter");
    QCOMPARE(rowsOf(window_->work().addGrid), before);
    const QString told = window_->statusText();
    QVERIFY2(told.contains(QStringLiteral("上の行に頂点がない")), qPrintable(told));
    QTest::mouseMove(windowOf(canvas), canvasPoint(canvas, 50, 50));
    QCOMPARE(window_->statusText(), told);
}

QTEST_MAIN(TestEditingFaults)
#include "test_editing_faults.moc"
