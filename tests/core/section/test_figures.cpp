// Coordinate tables and figure building: the fresh table, row insertion and removal with the
// selection kept inside the table, and the cutting of rows into figures (separators, stray rows
// inside a run, a vertex row left last, a vertex row whose Y is not a number).
#include <QtTest>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/section/Figures.h"
#include "core/table/CoordTable.h"

#include "../CoordTableBuilder.h"

using namespace kuvanto;

namespace {

// Figures as "number:x y;x y;..." texts.
QStringList figuresOf(const CoordTable& grid, TableKind kind, int& counter, bool& ok) {
    QStringList out;
    ok = buildFigures(grid, kind, counter, [&](const Figure& f) {
        QStringList points;
        for (const Point& v : f.vertices) points << QString("%1 %2").arg(v.x).arg(v.y);
        out << QString("%1:%2").arg(f.number).arg(points.join(';'));
        return true;
    });
    return out;
}

}  // namespace

class TestFigures : public QObject {
    Q_OBJECT
private slots:
    void freshTable();
    void rowsAndSelection();
    void textsAndNumbersKept();
    void building_data();
    void building();
    void numberingRunsOverBothTables();
    void sinkFailureStops();
};

void TestFigures::freshTable() {
    CoordTable grid;
    grid.appendRow("1", "2");
    grid.setRow(2);
    resetCoordTable(grid);
    QCOMPARE(grid.rows(), 2);
    QCOMPARE(grid.text(0, 0), std::string("X"));
    QCOMPARE(grid.text(0, 1), std::string("Y"));
    QCOMPARE(grid.text(1, 0), std::string());
    QCOMPARE(grid.row(), 1);
    QCOMPARE(grid.col(), 0);
}

void TestFigures::rowsAndSelection() {
    CoordTable grid = test::coordTableOf({"1,1", "2,2", "3,3", ""});
    const auto before = grid.revision();
    grid.insertRows(2, 2);
    QVERIFY(grid.revision() > before);
    QCOMPARE(grid.rows(), 7);
    QCOMPARE(grid.text(2, 0), std::string());
    QCOMPARE(grid.text(4, 0), std::string("2"));

    grid.setRow(5);
    grid.setCol(1);
    grid.setRowSel(2);
    QCOMPARE(grid.row(), 5);
    QCOMPARE(grid.rowSel(), 2);
    QCOMPARE(grid.colSel(), 1);
    grid.setRow(3);  // collapses the selection
    QCOMPARE(grid.rowSel(), 3);
    QCOMPARE(grid.colSel(), 1);

    grid.removeRows(2, 100);  // clipped at the end, the header stays
    QCOMPARE(grid.rows(), 2);
    QCOMPARE(grid.row(), 1);
    grid.removeRows(0, 1);
    QCOMPARE(grid.text(0, 0), std::string("X"));
    QCOMPARE(grid.text(5, 0), std::string());  // out of range reads empty
}

void TestFigures::textsAndNumbersKept() {
    // Rows pointing into a shared text, a long text, many rewrites (which compact the store),
    // and rows moved by insertion and removal: every cell keeps its text and number.
    auto file = std::make_shared<const std::string>("1.5,-2\r\nabc, 7e1 \r\n");
    CoordTable grid;
    grid.setRows(1);
    grid.shareText(file);
    grid.appendParsedRow(std::string_view(*file).substr(0, 3), std::string_view(*file).substr(4, 2),
                         {1.5, -2});
    grid.appendRow(std::string_view(*file).substr(8, 3), " 7e1 ");
    const std::string longText(70000, '9');
    grid.setText(1, 1, longText);
    grid.setRows(4);
    for (int i = 0; i < 2000; ++i) grid.setText(3, 0, std::to_string(i) + ".25");
    grid.insertRows(2, 3);
    grid.removeRows(3, 1);
    grid.shareText(nullptr);  // the cells that pointed into the file move into the table

    QCOMPARE(grid.rows(), 6);
    QCOMPARE(grid.text(0, 0), std::string("X"));
    QCOMPARE(grid.text(1, 0), std::string("1.5"));
    QCOMPARE(grid.number(1, 0), std::optional<double>(1.5));
    QCOMPARE(grid.textView(1, 1), std::string_view(longText));
    QCOMPARE(grid.number(1, 1), std::optional<double>());  // beyond the double range
    QCOMPARE(grid.text(2, 0), std::string());
    QCOMPARE(grid.text(4, 0), std::string("abc"));
    QCOMPARE(grid.number(4, 0), std::optional<double>());
    QCOMPARE(grid.number(4, 1), std::optional<double>(70));
    QCOMPARE(grid.text(5, 0), std::string("1999.25"));
    QCOMPARE(grid.number(5, 0), std::optional<double>(1999.25));
    QVERIFY(grid.isVertexRow(5));
    QVERIFY(!grid.isVertexRow(4));
}

void TestFigures::building_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("figures");
    QTest::newRow("fresh table") << QStringList{""} << true << QStringList{};
    QTest::newRow("closed rectangle") << QStringList{"0,0", "100,0", "100,200", "0,200", "0,0", ""}
                                      << true << QStringList{"1:0 0;100 0;100 200;0 200;0 0"};
    QTest::newRow("separator splits")
        << QStringList{"0,0", "1,0", "1,1", "|", "5,5", "6,5", "6,6", "|", ""} << true
        << QStringList{"1:0 0;1 0;1 1", "2:5 5;6 5;6 6"};
    QTest::newRow("separators at top and doubled")
        << QStringList{"|", "|", "0,0", "1,0", "1,1", "|", "|", ""} << true
        << QStringList{"1:0 0;1 0;1 1"};
    QTest::newRow("stray rows inside a run")
        << QStringList{"0,0", "1,0", "1,1", "", "note,x", "0,1", "0,0", ""} << true
        << QStringList{"1:0 0;1 0;1 1;0 1;0 0"};
    QTest::newRow("vertex row left last")
        << QStringList{"0,0", "1,0", "1,1"} << true << QStringList{"1:0 0;1 0;1 1"};
    QTest::newRow("blanks and exponents")
        << QStringList{" 1e1 ,2", "-.5, 3."} << true << QStringList{"1:10 2;-0.5 3"};
    QTest::newRow("empty Y fails after earlier figures")
        << QStringList{"0,0", "1,0", "1,1", "|", "5,5", "6,"} << false
        << QStringList{"1:0 0;1 0;1 1"};
    QTest::newRow("text Y fails") << QStringList{"0,abc", "1,0", "1,1"} << false << QStringList{};
}

void TestFigures::building() {
    QFETCH(QStringList, rows);
    QFETCH(bool, ok);
    QFETCH(QStringList, figures);
    int counter = 0;
    bool built = false;
    QCOMPARE(figuresOf(test::coordTableOf(rows), TableKind::Added, counter, built), figures);
    QCOMPARE(built, ok);
}

void TestFigures::numberingRunsOverBothTables() {
    const CoordTable add = test::coordTableOf({"0,0", "1,0", "1,1", "|", "2,2", "3,2", "3,3", ""});
    const CoordTable subtracted = test::coordTableOf({"0,0", "0.5,0", "0.5,0.5", ""});
    int counter = 0;
    QStringList heads;
    const auto sink = [&](const Figure& f) {
        heads << (f.kind == TableKind::Added ? "added " : "subtracted ") +
                     QString::number(f.number);
        return true;
    };
    QVERIFY(buildFigures(add, TableKind::Added, counter, sink));
    QVERIFY(buildFigures(subtracted, TableKind::Subtracted, counter, sink));
    QCOMPARE(heads, (QStringList{"added 1", "added 2", "subtracted 3"}));
    QCOMPARE(counter, 3);
}

void TestFigures::sinkFailureStops() {
    const CoordTable grid = test::coordTableOf({"0,0", "1,0", "|", "2,2", "3,2", "|", "4,4", ""});
    int counter = 0;
    int calls = 0;
    QVERIFY(
        !buildFigures(grid, TableKind::Added, counter, [&](const Figure&) { return ++calls < 2; }));
    QCOMPARE(calls, 2);
}

QTEST_APPLESS_MAIN(TestFigures)
#include "test_figures.moc"
