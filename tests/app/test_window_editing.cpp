// Table editing inside the main window (offscreen): the row commands asking from the menu bar,
// picking a subtracted vertex switching to its tab, Shift picking the whole figure, the figure of
// a result column found again, the canvas status text, undo after an edit, and freehand drawing
// by clicks on the canvas and a length typed into its length box.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "ScriptedMessenger.h"
#include "app/MainWindow.h"
#include "app/WindowEditing.h"
#include "canvas/CanvasMouse.h"
#include "canvas/FreehandLengthBox.h"
#include "canvas/SectionCanvas.h"
#include "editing/CoordTableEditor.h"

using namespace kuvanto;

namespace {
QString fixture(const char* name) {
    return QStringLiteral(KUVANTO_FIXTURES "/") + name;
}
}  // namespace

class TestWindowEditing : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void insertRowAsksFromMenu();
    void pickingSwitchesTable();
    void shiftPickSelectsFigure();
    void resultColumnFindsFigure();
    void canvasStatusText();
    void freehandClicksAddVertices();
    void commandsCommitAnOpenEditor_data();
    void commandsCommitAnOpenEditor();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    ScriptedMessenger msg_;
    std::unique_ptr<MainWindow> window_;
};

void TestWindowEditing::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    msg_ = ScriptedMessenger();
    window_ = std::make_unique<MainWindow>(dir_->path(), &msg_);
    window_->resize(1000, 700);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QVERIFY(window_->openCsvFile(fixture("two-added-one-subtracted.csv")));
    window_->selectTab(0);
}

void TestWindowEditing::cleanup() {
    window_.reset();
    dir_.reset();
}

void TestWindowEditing::insertRowAsksFromMenu() {
    CoordTable& grid = window_->work().addGrid;
    grid.setRow(2);
    window_->editing().addEditor().showGridSelection();
    msg_.answers = {true};
    QAction* insert = window_->command(QStringLiteral("Insert_Row1"));
    QVERIFY(insert->isEnabled());
    insert->trigger();
    QCOMPARE(msg_.questions.size(), 1);
    QCOMPARE(grid.text(2, 0), "");
    QCOMPARE(grid.text(3, 0), "100");
    auto* view = window_->findChild<QTableView*>(QStringLiteral("Add_Grid"));
    QCOMPARE(view->model()->rowCount(), grid.rows() - 1);
    window_->command(QStringLiteral("Undo_t"))->trigger();
    QCOMPARE(window_->work().addGrid.text(2, 0), "100");
}

// A cell editor left open over a command would later write its text into what the command made
// of the tables (another file, the state before an undo). Commands commit it first, so undo
// takes back the typed value and a file read keeps its own.
void TestWindowEditing::commandsCommitAnOpenEditor_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("undo takes back the typed value") << QStringLiteral("Undo_t");
    QTest::newRow("reading a file keeps the file's value") << QStringLiteral("Read_CSV");
}

void TestWindowEditing::commandsCommitAnOpenEditor() {
    QFETCH(QString, command);
    CoordTable& grid = window_->work().addGrid;
    const std::string before = grid.text(2, 1);
    grid.setRow(2);
    grid.setCol(1);
    CoordTableEditor& editor = window_->editing().addEditor();
    editor.showGridSelection();
    editor.openEditor(QStringLiteral("12345"));
    QVERIFY(editor.editing());
    msg_.paths << fixture("rectangle-with-hole.csv");
    // Reading over the unsaved typed value: go on without saving.
    if (command == QStringLiteral("Read_CSV")) msg_.answers << true;
    window_->command(command)->trigger();
    QVERIFY(!editor.editing());
    const std::string after = window_->work().addGrid.text(2, 1);
    QVERIFY(after != "12345");
    if (command == QStringLiteral("Undo_t")) QCOMPARE(after, before);
    editor.finishEditing();  // what a later focus loss would do
    QCOMPARE(window_->work().addGrid.text(2, 1), after);
}

void TestWindowEditing::pickingSwitchesTable() {
    QVERIFY(window_->editing().pickVertexAt(75.5, 150, 0));
    QCOMPARE(window_->activeGrid(), MainWindow::ActiveGrid::Subtracted);
    QCOMPARE(window_->selectedTab(), Tab::Subtracted);
    QCOMPARE(window_->work().subtractedGrid.Row(), 3);
    // Far from every vertex nothing is picked and nothing moves.
    QVERIFY(!window_->editing().pickVertexAt(150, 150, 0));
    QCOMPARE(window_->activeGrid(), MainWindow::ActiveGrid::Subtracted);
}

void TestWindowEditing::shiftPickSelectsFigure() {
    QVERIFY(window_->editing().pickVertexAt(300, 50, 1));
    const CoordTable& grid = window_->work().addGrid;
    QCOMPARE(grid.Row(), 6);
    QCOMPARE(grid.rowSel(), 11);
    auto* view = window_->findChild<QTableView*>(QStringLiteral("Add_Grid"));
    QCOMPARE(view->selectionModel()->selectedIndexes().size(), 12);
}

void TestWindowEditing::resultColumnFindsFigure() {
    window_->selectTab(2);
    ResultTable& result = window_->work().resultGrid;
    QCOMPARE(QString::fromStdString(result.text(0, 4)), QStringLiteral("減算3"));
    result.setCol(4);
    QAction* show = window_->command(QStringLiteral("Sel_Zukei"));
    QVERIFY(show->isEnabled());
    show->trigger();
    QCOMPARE(window_->activeGrid(), MainWindow::ActiveGrid::Subtracted);
    const CoordTable& grid = window_->work().subtractedGrid;
    QCOMPARE(grid.Row(), 1);
    QCOMPARE(grid.rowSel(), 5);
    // The combined column finds nothing.
    window_->selectTab(2);
    result.setCol(result.cols() - 1);
    show->trigger();
    QCOMPARE(window_->activeGrid(), MainWindow::ActiveGrid::Result);
}

void TestWindowEditing::canvasStatusText() {
    window_->editing().canvasMouse().move(Qt::NoButton, 0, 12.5, 40);
    QVERIFY(window_->statusText().startsWith(QStringLiteral("X=  12.500 , Y=  40.000       [")));
}

void TestWindowEditing::freehandClicksAddVertices() {
    CoordTable& grid = window_->work().addGrid;
    const int start = grid.rows() - 1;  // the empty entry row at the end
    grid.setRow(start);
    window_->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentText(QStringLiteral("10"));
    msg_.answers = {true};
    window_->command(QStringLiteral("FreeHand"))->trigger();
    QVERIFY(window_->freehand().on());

    auto* canvas = window_->findChild<SectionCanvas*>();
    const int before = grid.rows();
    // Clicks a few pixels off the grid points land on them; plain clicks pick nothing.
    for (const WorldPt at : {WorldPt{9.4, 20.3}, WorldPt{60.2, 19.6}})
        QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->toWidget(at).toPoint());
    QCOMPARE(grid.rows(), before + 2);
    QCOMPARE(grid.text(start, 0), "10");
    QCOMPARE(grid.text(start, 1), "20");
    QCOMPARE(grid.text(start + 1, 0), "60");
    QCOMPARE(grid.text(start + 1, 1), "20");
    QCOMPARE(grid.Row(), start + 2);
    auto* view = window_->findChild<QTableView*>(QStringLiteral("Add_Grid"));
    QCOMPARE(view->model()->rowCount(), grid.rows() - 1);

    // Shift alone while drawing shows the length box; Enter lays the length off to the left,
    // where the cursor is.
    auto* box = window_->findChild<FreehandLengthBox*>(QStringLiteral("FH_Frame"));
    QVERIFY(!box->isVisible());
    window_->editing().canvasMouse().move(Qt::NoButton, 1, 31, 22);
    QVERIFY(box->isVisible());
    auto* text = box->findChild<QLineEdit*>(QStringLiteral("FH_Text"));
    QCOMPARE(text->text(), QStringLiteral("30"));
    text->setText(QStringLiteral("25"));
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(grid.text(start + 2, 0), "35");
    QCOMPARE(grid.text(start + 2, 1), "20");
    // A plain move hides it again.
    window_->editing().canvasMouse().move(Qt::NoButton, 0, 31, 22);
    QVERIFY(!box->isVisible());
}

QTEST_MAIN(TestWindowEditing)
#include "test_window_editing.moc"
