// The in-place editor and the keys of a coordinate table on offscreen widgets: F2 at the last row
// appends a row, Enter with 1e3 and with abc, Esc, focus loss committing into the cell where the
// editor opened, Tab moving X -> Y -> next row, typing a character opening the editor, the
// separator cell refusing the editor, Ctrl+V pasting once per stroke, Delete, and the status text.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "../app/ScriptedMessenger.h"
#include "../core/GridText.h"
#include "editing/CoordTableEditor.h"
#include "editing/CoordTableModel.h"

using namespace kuvanto;

class TestCoordTableEditor : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void f2AtLastRowAppendsRow();
    void enterWritesNumbersOnly();
    void escapeWritesNothing();
    void focusLossCommits();
    void tabMovesOn();
    void typingOpensEditor();
    void separatorCellIsNotEdited();
    void ctrlVPastesOncePerStroke();
    void deleteKeyEmptiesSelection();
    void statusTextOnMouseMove();

private:
    void select(int row, int col);
    QLineEdit* editor() const { return tableEditor_->editor(); }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Workspace> work_;
    ScriptedMessenger msg_;
    std::unique_ptr<EditCommands> commands_;
    std::unique_ptr<QWidget> window_;
    QTableView* view_ = nullptr;
    QLineEdit* elsewhere_ = nullptr;
    CoordTableModel* model_ = nullptr;
    CoordTableEditor* tableEditor_ = nullptr;
};

void TestCoordTableEditor::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    work_ = std::make_unique<Workspace>(dir_->path());
    QVERIFY(work_->start());
    work_->addGrid = gridOf({"0,0", "10,0", "|", ","});
    work_->saveUndo();
    commands_ = std::make_unique<EditCommands>(*work_, msg_);
    window_ = std::make_unique<QWidget>();
    view_ = new QTableView(window_.get());
    view_->setGeometry(0, 0, 300, 300);
    elsewhere_ = new QLineEdit(window_.get());
    elsewhere_->setGeometry(0, 310, 100, 20);
    model_ = new CoordTableModel(work_->addGrid, window_.get());
    view_->setModel(model_);
    tableEditor_ =
        new CoordTableEditor(view_, model_, work_->addGrid, *commands_, true, window_.get());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->activateWindow();
    view_->setFocus();
}

void TestCoordTableEditor::cleanup() {
    window_.reset();
    commands_.reset();
    work_.reset();
    dir_.reset();
}

void TestCoordTableEditor::select(int row, int col) {
    work_->addGrid.setRow(row);
    work_->addGrid.setCol(col);
    tableEditor_->showGridSelection();
    view_->setFocus();
}

void TestCoordTableEditor::f2AtLastRowAppendsRow() {
    select(4, 0);
    QTest::keyClick(view_, Qt::Key_F2);
    QVERIFY(tableEditor_->editing());
    QCOMPARE(editor()->objectName(), QStringLiteral("Val1_Text"));
    QCOMPARE(work_->addGrid.rows(), 6);
    QCOMPARE(model_->rowCount(), 5);
    // The editor lies over the cell.
    const QRect cell = view_->visualRect(model_->index(3, 0));
    QCOMPARE(editor()->geometry().topLeft(), cell.topLeft());
}

void TestCoordTableEditor::enterWritesNumbersOnly() {
    work_->resultGrid.setText(1, 2, "stale");
    select(2, 1);
    QSignalSpy status(tableEditor_, &CoordTableEditor::heldStatusText);
    QTest::keyClick(view_, Qt::Key_F2);
    QCOMPARE(editor()->selectedText(), QStringLiteral("0"));
    QTest::keyClicks(editor(), "abc");
    QTest::keyClick(editor(), Qt::Key_Return);
    QVERIFY(tableEditor_->editing());  // stays open for correction
    QCOMPARE(work_->addGrid.text(2, 1), "0");
    QCOMPARE(status.size(), 1);
    editor()->setText("1e3");
    const QString snapshot = work_->undo().undoFile();
    QTest::keyClick(editor(), Qt::Key_Return);
    QVERIFY(!tableEditor_->editing());
    QCOMPARE(work_->addGrid.text(2, 1), "1e3");
    QCOMPARE(work_->resultGrid.text(1, 2), "");
    QVERIFY(work_->undo().undoFile() != snapshot);
    QVERIFY(work_->undoRestore());
    QCOMPARE(work_->addGrid.text(2, 1), "0");
}

void TestCoordTableEditor::escapeWritesNothing() {
    select(1, 0);
    QTest::keyClick(view_, Qt::Key_F2);
    QTest::keyClicks(editor(), "5");
    QTest::keyClick(editor(), Qt::Key_Escape);
    QVERIFY(!tableEditor_->editing());
    QCOMPARE(work_->addGrid.text(1, 0), "0");
}

void TestCoordTableEditor::focusLossCommits() {
    select(1, 0);
    QTest::keyClick(view_, Qt::Key_F2);
    QTest::keyClicks(editor(), "42");
    elsewhere_->setFocus();
    QVERIFY(!tableEditor_->editing());
    QCOMPARE(work_->addGrid.text(1, 0), "42");
    // Text that is not a number is refused on focus loss too.
    QSignalSpy status(tableEditor_, &CoordTableEditor::heldStatusText);
    select(1, 1);
    QTest::keyClick(view_, Qt::Key_F2);
    QTest::keyClicks(editor(), "x");
    elsewhere_->setFocus();
    QCOMPARE(work_->addGrid.text(1, 1), "0");
    QCOMPARE(status.size(), 1);
}

void TestCoordTableEditor::tabMovesOn() {
    select(1, 0);
    QTest::keyClick(view_, Qt::Key_F2);
    QTest::keyClicks(editor(), "7");
    QTest::keyClick(editor(), Qt::Key_Tab);
    QVERIFY(tableEditor_->editing());
    QTest::keyClicks(editor(), "8");
    QTest::keyClick(editor(), Qt::Key_Tab);
    QVERIFY(tableEditor_->editing());
    QCOMPARE(work_->addGrid.row(), 2);
    QCOMPARE(work_->addGrid.col(), 0);
    QCOMPARE(rowsOf(work_->addGrid).first(), QStringLiteral("7,8"));
}

void TestCoordTableEditor::typingOpensEditor() {
    select(2, 0);
    QTest::keyClick(view_, Qt::Key_3);
    QVERIFY(tableEditor_->editing());
    QCOMPARE(editor()->text(), QStringLiteral("3"));
    QTest::keyClicks(editor(), ".5");
    QTest::keyClick(editor(), Qt::Key_Enter);
    QCOMPARE(work_->addGrid.text(2, 0), "3.5");
}

void TestCoordTableEditor::separatorCellIsNotEdited() {
    select(3, 0);
    QTest::mouseDClick(view_->viewport(), Qt::LeftButton, {},
                       view_->visualRect(model_->index(2, 0)).center());
    QVERIFY(!tableEditor_->editing());
    select(3, 1);  // its empty Y cell can be edited
    QTest::keyClick(view_, Qt::Key_F2);
    QVERIFY(tableEditor_->editing());
}

void TestCoordTableEditor::ctrlVPastesOncePerStroke() {
    QApplication::clipboard()->setText("5\t6\r\n7\t8\r\n");
    select(1, 0);
    const QString snapshot = work_->undo().undoFile();
    QTest::keyPress(view_, Qt::Key_V, Qt::ControlModifier);
    QTest::keyRelease(view_, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(rowsOf(work_->addGrid).mid(0, 2), (QStringList{"5,6", "7,8"}));
    QVERIFY(work_->undo().undoFile() != snapshot);  // one snapshot, not two
    const QModelIndexList selected = view_->selectionModel()->selectedIndexes();
    QCOMPARE(selected.size(), 6);  // rows 1..3 over both columns
}

void TestCoordTableEditor::deleteKeyEmptiesSelection() {
    select(1, 0);
    work_->addGrid.setRowSel(2);
    work_->addGrid.setColSel(1);
    tableEditor_->showGridSelection();
    QTest::keyClick(view_, Qt::Key_Delete);
    QCOMPARE(rowsOf(work_->addGrid), (QStringList{",", ",", "|", ","}));
}

void TestCoordTableEditor::statusTextOnMouseMove() {
    select(3, 0);
    QSignalSpy status(tableEditor_, &CoordTableEditor::statusText);
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10),
                     view_->viewport()->mapToGlobal(QPointF(10, 10)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view_->viewport(), &move);
    QCOMPARE(status.size(), 1);
    QCOMPARE(status[0][0].toString(),
             QStringLiteral("選択座標(加算図形)　：X=<<図形区切り>> , Y="));
}

QTEST_MAIN(TestCoordTableEditor)
#include "test_coord_table_editor.moc"
