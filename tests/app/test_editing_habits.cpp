// The habits people bring from spreadsheets and desktop programs, with real key strokes on the
// focused widget of the window: Ctrl+Z undoes (and the undo item shows it), Enter moves down and
// Shift+Enter up (after a run of Tabs to the column where the run began), the clipboard takes
// LF, CR LF and CR line ends and gets CR LF, a paste that writes nothing or only the Y column is
// told in the status bar, and a refusal stays readable until the next key press in the table.
#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "../core/GridText.h"
#include "ScriptedMessenger.h"
#include "WindowEvents.h"
#include "app/MainWindow.h"

using namespace kuvanto;
using namespace kuvanto::test;

class TestEditingHabits : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ctrlZUndoes();
    void enterMovesDown_data();
    void enterMovesDown();
    void pasteTakesEveryLineEnd_data();
    void pasteTakesEveryLineEnd();
    void copyWritesCrLf();
    void pasteThatWritesLessIsTold_data();
    void pasteThatWritesLessIsTold();
    void refusalStaysUntilTheNextKey();

private:
    QTableView* addView() const {
        return window_->findChild<QTableView*>(QStringLiteral("Add_Grid"));
    }
    CoordTable& grid() { return window_->work().addGrid; }
    void fill(const QStringList& rows);
    void clickCell(int row, int col) { clickAt(addView(), cellPoint(addView(), row, col)); }

    std::unique_ptr<QTemporaryDir> dir_;
    ScriptedMessenger msg_;
    std::unique_ptr<MainWindow> window_;
};

void TestEditingHabits::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    msg_ = ScriptedMessenger();
    window_ = std::make_unique<MainWindow>(dir_->path(), &msg_);
    window_->resize(1000, 700);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void TestEditingHabits::cleanup() {
    window_.reset();
    dir_.reset();
}

void TestEditingHabits::fill(const QStringList& rows) {
    grid() = gridOf(rows);
    window_->work().saveUndo();
    window_->refreshViews();
}

void TestEditingHabits::ctrlZUndoes() {
    QAction* undo = window_->command(QStringLiteral("Undo_m"));
    QCOMPARE(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    // The edit menu's item is this action, so the menu shows the shortcut beside it.
    const auto* edit = window_->menu(QStringLiteral("Edit_Menu"));
    QVERIFY(edit->actions().contains(undo));

    fill({"1,2", ","});
    clickCell(1, 0);
    typeKeys("5 Enter");
    QCOMPARE(grid().text(1, 0), "5");
    typeKeys("C-z");
    QCOMPARE(grid().text(1, 0), "1");
    // Inside an open cell editor Ctrl+Z belongs to the editor's own text.
    clickCell(1, 1);
    typeKeys("34 C-z");
    auto* editor = addView()->findChild<QLineEdit*>(QStringLiteral("Val1_Text"));
    QVERIFY(editor->isVisible());
    QCOMPARE(grid().text(1, 0), "1");
}

void TestEditingHabits::enterMovesDown_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("endRow");
    QTest::addColumn<int>("endCol");
    const QStringList empty{",", ",", ","};
    QTest::newRow("5 Enter 6 Enter fills two rows")
        << 1 << 0 << "5 Enter 6 Enter" << QStringList{"5,", "6,", ","} << 3 << 0;
    QTest::newRow("10 Tab 20 Enter lands on the next X")
        << 1 << 0 << "10 Tab 20 Enter" << QStringList{"10,20", ",", ","} << 2 << 0;
    QTest::newRow("two pairs typed with Tabs")
        << 1 << 0 << "1 Tab 2 Tab 3 Tab 4 Enter" << QStringList{"1,2", "3,4", ","} << 3 << 0;
    QTest::newRow("a run begun at Y comes back to Y")
        << 1 << 1 << "1 Tab 2 Enter" << QStringList{",1", "2,", ","} << 3 << 1;
    QTest::newRow("Enter in the Y column stays there")
        << 1 << 1 << "7 Enter 8 Enter" << QStringList{",7", ",8", ","} << 3 << 1;
    QTest::newRow("Shift+Enter writes and moves up")
        << 3 << 0 << "9 S-Enter" << QStringList{",", ",", "9,"} << 2 << 0;
    QTest::newRow("Enter and Shift+Enter without editing move only")
        << 2 << 1 << "Enter Enter S-Enter" << empty << 3 << 1;
}

void TestEditingHabits::enterMovesDown() {
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, keys);
    QFETCH(QStringList, rows);
    QFETCH(int, endRow);
    QFETCH(int, endCol);
    fill({",", ",", ",", ","});
    clickCell(row, col);
    typeKeys(keys);
    QCOMPARE(rowsOf(grid()).mid(0, 3), rows);
    QCOMPARE(grid().row(), endRow);
    QCOMPARE(grid().col(), endCol);
    QCOMPARE(addView()->currentIndex(),
             addView()->model()->index(CoordTableModel::modelRow(endRow), endCol));
}

void TestEditingHabits::pasteTakesEveryLineEnd_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("LF, as spreadsheets on Linux write it") << "1\t2\n3\t4\n";
    QTest::newRow("CR LF") << "1\t2\r\n3\t4\r\n";
    QTest::newRow("CR") << "1\t2\r3\t4\r";
    QTest::newRow("LF without a final line end") << "1\t2\n3\t4";
}

void TestEditingHabits::pasteTakesEveryLineEnd() {
    QFETCH(QString, text);
    fill({"a,b", "c,d", "e,f", ","});
    QApplication::clipboard()->setText(text);
    clickCell(1, 0);
    QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(rowsOf(grid()).mid(0, 3), (QStringList{"1,2", "3,4", "e,f"}));
}

void TestEditingHabits::copyWritesCrLf() {
    fill({"1,2", "3,4", "5,6", ","});
    clickCell(1, 0);
    clickAt(addView(), cellPoint(addView(), 3, 1), Qt::ShiftModifier);
    QTest::keyClick(focused(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1\t2\r\n3\t4\r\n5\t6"));
}

void TestEditingHabits::pasteThatWritesLessIsTold_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("col");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("status");
    const QStringList unchanged{"a,b", "c,d"};
    QTest::newRow("one line holds no pair")
        << "1\t2" << 0 << unchanged << QStringLiteral("貼り付けませんでした");
    QTest::newRow("no text at all")
        << "" << 0 << unchanged << QStringLiteral("貼り付ける文字列がありません");
    QTest::newRow("two wide at the Y column")
        << "1\t2\n3\t4\n"
        << 1 << QStringList{"a,1", "c,3"} << QStringLiteral("貼付けはY列のみに行いました");
}

void TestEditingHabits::pasteThatWritesLessIsTold() {
    QFETCH(QString, text);
    QFETCH(int, col);
    QFETCH(QStringList, rows);
    QFETCH(QString, status);
    fill({"a,b", "c,d", ","});
    QApplication::clipboard()->setText(text);
    clickCell(1, col);
    QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(rowsOf(grid()).mid(0, 2), rows);
    QVERIFY2(window_->statusText().contains(status), qPrintable(window_->statusText()));
    // The note stays while the mouse moves over the table.
    QTest::mouseMove(windowOf(addView()), cellPoint(addView(), 2, 0));
    QVERIFY(window_->statusText().contains(status));
}

void TestEditingHabits::refusalStaysUntilTheNextKey() {
    fill({"1,2", ","});
    clickCell(1, 0);
    typeKeys("abc Enter");
    QCOMPARE(grid().text(1, 0), "1");
    const QString refusal = window_->statusText();
    QVERIFY(refusal.contains(QStringLiteral("abc")));
    QTest::mouseMove(windowOf(addView()), cellPoint(addView(), 1, 1));
    QTest::mouseMove(windowOf(addView()), cellPoint(addView(), 1, 0));
    QCOMPARE(window_->statusText(), refusal);
    // The next key press in the table lets the readout of the current row come back.
    typeKeys("Esc");
    QTest::mouseMove(windowOf(addView()), cellPoint(addView(), 1, 1));
    QVERIFY2(window_->statusText().startsWith(QStringLiteral("選択座標(加算図形)")),
             qPrintable(window_->statusText()));
}

QTEST_MAIN(TestEditingHabits)
#include "test_editing_habits.moc"
