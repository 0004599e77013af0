// Whole-figure selection around the current row, vertex picking with its tolerance and the order
// of the tables, and finding a figure from its result column.
#include <QtTest>

#include "../GridText.h"
#include "core/section/FigureSelection.h"

using namespace kuvanto;

class TestFigureSelection : public QObject {
    Q_OBJECT
private slots:
    void wholeFigure_data();
    void wholeFigure();
    void pickTolerance_data();
    void pickTolerance();
    void addedTableWinsTies();
    void resultColumnToFigure_data();
    void resultColumnToFigure();
    void probeRow();
};

// Rows 1-5 vertices, 6 separator, 7-10 vertices, 11 the empty last row.
const QStringList kTwoFigures = {"0,0",  "10,0", "10,10", "0,10", "0,0", "|",
                                 "20,0", "30,0", "30,10", "20,0", ","};

void TestFigureSelection::wholeFigure_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("first");  // 0: nothing selected
    QTest::addColumn<int>("last");
    QTest::newRow("from row 1") << kTwoFigures << 1 << 1 << 6;
    QTest::newRow("from row 3") << kTwoFigures << 3 << 1 << 6;
    QTest::newRow("from the separator 6") << kTwoFigures << 6 << 1 << 10;
    QTest::newRow("from row 8") << kTwoFigures << 8 << 6 << 10;
    QTest::newRow("from the last row 11") << kTwoFigures << 11 << 0 << 0;
    QTest::newRow("empty row ends the run")
        << QStringList{"1,1", "2,2", "3,3", ",", "5,5", "6,6", ","} << 2 << 1 << 3;
}

void TestFigureSelection::wholeFigure() {
    QFETCH(QStringList, rows);
    QFETCH(int, from);
    QFETCH(int, first);
    QFETCH(int, last);
    CoordTable grid = gridOf(rows);
    selectRows(grid, from, from, 1, 1);
    const auto range = selectFigureRows(grid);
    if (first == 0) {
        QVERIFY(!range);
        QCOMPARE(grid.row(), from);
        QCOMPARE(grid.col(), 1);
        return;
    }
    QVERIFY(range);
    QCOMPARE(range->first, first);
    QCOMPARE(range->last, last);
    QCOMPARE(grid.row(), first);
    QCOMPARE(grid.col(), 0);
    QCOMPARE(grid.rowSel(), last);
    QCOMPARE(grid.colSel(), 1);
}

void TestFigureSelection::pickTolerance_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("row");  // 0: nothing picked
    // Width 100: tolerance 2.
    QTest::newRow("on the vertex") << 10.0 << 10.0 << 3;
    QTest::newRow("just inside") << 11.99 << 10.0 << 3;
    QTest::newRow("exactly w/50 away") << 12.0 << 10.0 << 0;
    QTest::newRow("nearest of two") << 9.0 << 1.0 << 2;
}

void TestFigureSelection::pickTolerance() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(int, row);
    const CoordTable add = gridOf({"0,0", "10,0", "10,10", "0,10", ","});
    const CoordTable subtracted = gridOf({","});
    const auto pick = pickVertex(add, subtracted, x, y, 100);
    QCOMPARE(pick ? pick->row : 0, row);
}

void TestFigureSelection::addedTableWinsTies() {
    const CoordTable add = gridOf({"5,5", "abc,1", "7,", ","});
    const CoordTable subtracted = gridOf({"5,5", "8,8", ","});
    auto pick = pickVertex(add, subtracted, 5, 5, 100);
    QVERIFY(pick);
    QCOMPARE(pick->table, TableKind::Added);
    QCOMPARE(pick->row, 1);
    pick = pickVertex(add, subtracted, 7.5, 7.5, 100);
    QVERIFY(pick);
    QCOMPARE(pick->table, TableKind::Subtracted);
    QCOMPARE(pick->row, 2);
    // Of equal distances within one table the first row wins.
    pick = pickVertex(gridOf({"0,0", "2,0", ","}), subtracted, 1, 0, 100);
    QVERIFY(pick);
    QCOMPARE(pick->row, 1);
    // Rows without a number in X or with an empty Y are not vertices to pick.
    QVERIFY(!pickVertex(add, gridOf({","}), 7, 0, 100));
}

void TestFigureSelection::resultColumnToFigure_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("number");
    QTest::newRow("added 2") << 3 << true << int(TableKind::Added) << 2;
    QTest::newRow("subtracted 3 is the first") << 4 << true << int(TableKind::Subtracted) << 1;
    QTest::newRow("subtracted 4 is the second") << 5 << true << int(TableKind::Subtracted) << 2;
    QTest::newRow("combined") << 6 << false << 0 << 0;
    QTest::newRow("symbol column") << 1 << false << 0 << 0;
}

void TestFigureSelection::resultColumnToFigure() {
    QFETCH(int, column);
    QFETCH(bool, found);
    QFETCH(int, table);
    QFETCH(int, number);
    ResultTable result;
    result.setCols(7);
    // The columns are told apart by their kinds; a head text alone (as a translation shows it)
    // names no figure.
    const std::pair<ColumnKind, int> kinds[] = {
        {ColumnKind::Other, 0},   {ColumnKind::Other, 0},      {ColumnKind::Added, 1},
        {ColumnKind::Added, 2},   {ColumnKind::Subtracted, 3}, {ColumnKind::Subtracted, 4},
        {ColumnKind::Combined, 0}};
    for (int c = 0; c < 7; ++c) {
        result.setColumnKind(c, kinds[c].first, kinds[c].second);
        result.setText(0, c, "Figure " + std::to_string(c));
    }
    result.setRow(5);
    result.setCol(column);
    const auto figure = resultFigure(result);
    QCOMPARE(bool(figure), found);
    QCOMPARE(result.row(), 0);
    if (!found) return;
    QCOMPARE(int(figure->table), table);
    QCOMPARE(figure->number, number);
}

void TestFigureSelection::probeRow() {
    const CoordTable grid = gridOf(kTwoFigures);
    QCOMPARE(figureProbeRow(grid, 1), std::optional<int>(2));
    QCOMPARE(figureProbeRow(grid, 2), std::optional<int>(8));
    QCOMPARE(figureProbeRow(grid, 3), std::nullopt);
    // A figure too short to have a second vertex finds nothing.
    QCOMPARE(figureProbeRow(gridOf({"1,1", "|", "2,2", ","}), 2), std::nullopt);
}

QTEST_APPLESS_MAIN(TestFigureSelection)
#include "test_figure_selection.moc"
