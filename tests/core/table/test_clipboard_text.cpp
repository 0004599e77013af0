// Clipboard text of table blocks: the copied layout with CR LF line ends, paste growth
// (h = r + n), refusal of a single line, CR LF, LF and CR line ends, a one-column block, extra
// fields, a two-wide block at the Y column and the empty text after a final line end, each with
// the note the user is given.
#include <QtTest>

#include "../GridText.h"
#include "core/table/ClipboardText.h"

using namespace kuvanto;

Q_DECLARE_METATYPE(kuvanto::PasteNote)

class TestClipboardText : public QObject {
    Q_OBJECT
private slots:
    void copyRowsTwoToFour();
    void pasteGrowsTable();
    void paste_data();
    void paste();
};

const QStringList kSeven = {"1,1", "2,2", "3,3", "4,4", "5,5", "6,6", ","};

void TestClipboardText::copyRowsTwoToFour() {
    CoordTable grid = gridOf(kSeven);
    selectRows(grid, 4, 2, 1, 0);
    QCOMPARE(copyText(grid), std::string("2\t2\r\n3\t3\r\n4\t4"));
    selectRows(grid, 3, 4, 1, 1);
    QCOMPARE(copyText(grid), std::string("3\r\n4"));
}

void TestClipboardText::pasteGrowsTable() {
    // Rows 0..7; pasting three lines at row 6 gives h = 8 and a table of 10 rows.
    CoordTable grid = gridOf(kSeven);
    selectRows(grid, 6, 6);
    const RowChange change = pasteText(grid, "2\t2\r3\t3\r4\t4");
    QVERIFY(!change.refused);
    QCOMPARE(grid.rows(), 10);
    QCOMPARE(change.appended, 2);
    QCOMPARE(rowsOf(grid).mid(5), (QStringList{"2,2", "3,3", "4,4", ","}));
    QCOMPARE(grid.row(), 6);
    QCOMPARE(grid.rowSel(), 8);
    QCOMPARE(grid.colSel(), 1);
}

void TestClipboardText::paste_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("rowSel");
    QTest::addColumn<int>("colSel");
    QTest::addColumn<PasteNote>("note");
    const QStringList fresh = {","};
    const auto none = PasteNote::none;
    QTest::newRow("spreadsheet CR LF") << fresh << 1 << 0 << "1\t2\r\n3\t4\r\n"
                                       << QStringList{"1,2", "3,4", ",", ","} << 3 << 1 << none;
    QTest::newRow("spreadsheet LF") << fresh << 1 << 0 << "1\t2\n3\t4\n"
                                    << QStringList{"1,2", "3,4", ",", ","} << 3 << 1 << none;
    QTest::newRow("single line refused")
        << kSeven << 2 << 0 << "9\t9" << kSeven << 2 << 0 << PasteNote::singleLine;
    QTest::newRow("no text refused")
        << kSeven << 2 << 0 << "" << kSeven << 2 << 0 << PasteNote::noText;
    QTest::newRow("line feeds only")
        << kSeven << 2 << 0 << "9\t9\n8\t8"
        << QStringList{"1,1", "9,9", "8,8", "4,4", "5,5", "6,6", ","} << 3 << 1 << none;
    QTest::newRow("one column at Y")
        << kSeven << 1 << 1 << "7\r8" << QStringList{"1,7", "2,8", "3,3", "4,4", "5,5", "6,6", ","}
        << 2 << 1 << none;
    QTest::newRow("extra fields dropped")
        << kSeven << 1 << 0 << "7\t8\t9\r5\t6\t4"
        << QStringList{"7,8", "5,6", "3,3", "4,4", "5,5", "6,6", ","} << 2 << 1 << none;
    QTest::newRow("two wide at Y writes Y only")
        << kSeven << 1 << 1 << "7\t8\r5\t6"
        << QStringList{"1,7", "2,5", "3,3", "4,4", "5,5", "6,6", ","} << 2 << 1
        << PasteNote::onlyYColumn;
    QTest::newRow("short line keeps cells")
        << kSeven << 1 << 0 << "7\r5\t6"
        << QStringList{"7,1", "5,6", "3,3", "4,4", "5,5", "6,6", ","} << 2 << 1 << none;
    QTest::newRow("empty middle line empties X")
        << kSeven << 1 << 0 << "7\t7\r\n\r\n5\t6"
        << QStringList{"7,7", ",2", "5,6", "4,4", "5,5", "6,6", ","} << 3 << 1 << none;
    QTest::newRow("final line end changes nothing")
        << kSeven << 1 << 0 << "7\t7\r"
        << QStringList{"7,7", "2,2", "3,3", "4,4", "5,5", "6,6", ","} << 2 << 1 << none;
}

void TestClipboardText::paste() {
    QFETCH(QStringList, rows);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QFETCH(int, rowSel);
    QFETCH(int, colSel);
    QFETCH(PasteNote, note);
    CoordTable grid = gridOf(rows);
    selectRows(grid, row, row + 1, col, col);  // any selection collapses to the current cell
    PasteNote told = PasteNote::singleLine;
    pasteText(grid, text.toStdString(), &told);
    QCOMPARE(told, note);
    QCOMPARE(rowsOf(grid), expected);
    QCOMPARE(grid.text(0, 0), "X");
    QCOMPARE(grid.text(0, 1), "Y");
    if (rowsOf(grid) != rows) {
        QCOMPARE(grid.row(), row);
        QCOMPARE(grid.rowSel(), rowSel);
        QCOMPARE(grid.colSel(), colSel);
    }
}

QTEST_APPLESS_MAIN(TestClipboardText)
#include "test_clipboard_text.moc"
