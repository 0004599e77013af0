// Row insertion and deletion over selected ranges in both directions, the header refusal, the
// separator at the entry row, emptying cells with the Delete key, and the bulk insertion the
// generators use.
#include <QtTest>

#include "../GridText.h"
#include "core/table/RowOperations.h"

using namespace kuvanto;

class TestRowOperations : public QObject {
    Q_OBJECT
private slots:
    void insertRanges_data();
    void insertRanges();
    void deleteRanges_data();
    void deleteRanges();
    void headerRangeIsRefused();
    void separatorAtEntryRow();
    void separatorInsideTable();
    void deleteKeyEmptiesBlock();
    void insertRowTextsInOneStep();
};

const QStringList kFive = {"1,1", "2,2", "3,3", "4,4", "5,5", ","};

void TestRowOperations::insertRanges_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("rowSel");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one row") << 2 << 2 << QStringList{"1,1", ",", "2,2", "3,3", "4,4", "5,5", ","};
    QTest::newRow("rows 3-5 downwards")
        << 3 << 5 << QStringList{"1,1", "2,2", ",", ",", ",", "3,3", "4,4", "5,5", ","};
    QTest::newRow("rows 3-5 upwards")
        << 5 << 3 << QStringList{"1,1", "2,2", ",", ",", ",", "3,3", "4,4", "5,5", ","};
    QTest::newRow("at the entry row")
        << 6 << 6 << QStringList{"1,1", "2,2", "3,3", "4,4", "5,5", ",", ","};
}

void TestRowOperations::insertRanges() {
    QFETCH(int, row);
    QFETCH(int, rowSel);
    QFETCH(QStringList, expected);
    CoordTable grid = gridOf(kFive);
    selectRows(grid, row, rowSel);
    const RowChange change = insertGridRows(grid);
    QCOMPARE(rowsOf(grid), expected);
    QVERIFY(!change.refused);
    QCOMPARE(change.at, std::min(row, rowSel));
    QCOMPARE(change.inserted, std::abs(row - rowSel) + 1);
    // The corners keep their indices and so designate the empty block.
    QCOMPARE(grid.row(), row);
    QCOMPARE(grid.rowSel(), rowSel);
}

void TestRowOperations::deleteRanges_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("rowSel");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("rows 2-4 downwards") << kFive << 2 << 4 << QStringList{"1,1", "5,5", ","};
    QTest::newRow("rows 2-4 upwards") << kFive << 4 << 2 << QStringList{"1,1", "5,5", ","};
    QTest::newRow("only data row") << QStringList{"1,1", ","} << 1 << 1 << QStringList{","};
    QTest::newRow("every row") << QStringList{"1,1", ","} << 1 << 2 << QStringList{","};
    QTest::newRow("the entry row")
        << kFive << 6 << 6 << QStringList{"1,1", "2,2", "3,3", "4,4", "5,5"};
}

void TestRowOperations::deleteRanges() {
    QFETCH(QStringList, rows);
    QFETCH(int, row);
    QFETCH(int, rowSel);
    QFETCH(QStringList, expected);
    CoordTable grid = gridOf(rows);
    selectRows(grid, row, rowSel, 1, 1);
    QVERIFY(!deleteGridRows(grid).refused);
    QCOMPARE(rowsOf(grid), expected);
    const int first = std::min(row, rowSel);
    QCOMPARE(grid.rowSel(), std::min(first, grid.rows() - 1));
    QCOMPARE(grid.colSel(), 0);
}

void TestRowOperations::headerRangeIsRefused() {
    CoordTable grid = gridOf(kFive);
    selectRows(grid, 0, 2);
    QVERIFY(insertGridRows(grid).refused);
    QVERIFY(deleteGridRows(grid).refused);
    QVERIFY(insertSeparator(grid).refused);
    QCOMPARE(rowsOf(grid), kFive);
    QCOMPARE(grid.text(0, 0), "X");
}

void TestRowOperations::separatorAtEntryRow() {
    CoordTable grid = gridOf({"1,1", "2,2", ","});
    selectRows(grid, 3, 3);
    const RowChange change = insertSeparator(grid);
    QCOMPARE(rowsOf(grid), (QStringList{"1,1", "2,2", "|", ",", ","}));
    QCOMPARE(grid.row(), 4);
    QCOMPARE(change.inserted, 1);
    QCOMPARE(change.appended, 1);
}

void TestRowOperations::separatorInsideTable() {
    CoordTable grid = gridOf(kFive);
    selectRows(grid, 4, 3);
    insertSeparator(grid);
    QCOMPARE(rowsOf(grid), (QStringList{"1,1", "2,2", ",", "|", "3,3", "4,4", "5,5", ","}));
    QCOMPARE(grid.row(), 5);
    QCOMPARE(grid.rowSel(), 5);
}

void TestRowOperations::deleteKeyEmptiesBlock() {
    CoordTable grid = gridOf({"1,1", "|", "3,3", "4,4"});
    selectRows(grid, 3, 2, 1, 0);
    deleteSelectedCells(grid);
    QCOMPARE(rowsOf(grid), (QStringList{"1,1", ",", ",", "4,4"}));
    selectRows(grid, 4, 1, 1, 1);
    deleteSelectedCells(grid);
    QCOMPARE(rowsOf(grid), (QStringList{"1,", ",", ",", "4,"}));
}

void TestRowOperations::insertRowTextsInOneStep() {
    CoordTable grid = gridOf({"1,1", ","});
    selectRows(grid, 2, 2);
    const RowChange change =
        insertRowTexts(grid, 2, {{"5", "6"}, {"7", "8"}, {std::string(kSeparatorText), ""}});
    QCOMPARE(rowsOf(grid), (QStringList{"1,1", "5,6", "7,8", "|", ","}));
    QCOMPARE(change.at, 2);
    QCOMPARE(change.inserted, 3);
    QCOMPARE(grid.row(), 2);
    QVERIFY(insertRowTexts(grid, 0, {{"1", "2"}}).refused);
    QVERIFY(insertRowTexts(grid, grid.rows() + 1, {{"1", "2"}}).refused);
}

QTEST_APPLESS_MAIN(TestRowOperations)
#include "test_row_operations.moc"
