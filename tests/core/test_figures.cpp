// Coordinate tables and figure building: the fresh table, row insertion and removal with the
// selection kept inside the table, and the cutting of rows into figures (separators, stray rows
// inside a run, a vertex row left last, a vertex row whose Y is not a number).
#include <QtTest>

#include <vector>

#include "CoodGrid.h"
#include "Figures.h"

using namespace kuvanto;

namespace {

// Rows as "x,y" texts; "|" stands for a separator row.
CoodGrid Grid_Of(const QStringList& rows) {
    CoodGrid grid;
    grid.Set_Rows(1);
    for (const QString& row : rows) {
        if (row == "|") {
            grid.Append_Row(std::string(kSeparatorText), "");
        } else {
            const QStringList xy = row.split(',');
            grid.Append_Row(xy.value(0).toStdString(), xy.value(1).toStdString());
        }
    }
    return grid;
}

// Figures as "number:x y;x y;..." texts.
QStringList Figures_Of(const CoodGrid& grid, std::string_view kind, int& counter, bool& ok) {
    QStringList out;
    ok = Build_Figures(grid, kind, counter, [&](Figure& f) {
        QStringList points;
        for (std::size_t i = 0; i < f.xs.size(); ++i)
            points << QString("%1 %2").arg(f.xs[i]).arg(f.ys[i]);
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
    void building_data();
    void building();
    void numberingRunsOverBothTables();
    void sinkFailureStops();
};

void TestFigures::freshTable() {
    CoodGrid grid;
    grid.Append_Row("1", "2");
    grid.Set_Row(2);
    Init_Cood_Grid(grid);
    QCOMPARE(grid.Rows(), 2);
    QCOMPARE(grid.Text(0, 0), std::string("X"));
    QCOMPARE(grid.Text(0, 1), std::string("Y"));
    QCOMPARE(grid.Text(1, 0), std::string());
    QCOMPARE(grid.Row(), 1);
    QCOMPARE(grid.Col(), 0);
}

void TestFigures::rowsAndSelection() {
    CoodGrid grid = Grid_Of({"1,1", "2,2", "3,3", ""});
    const auto before = grid.Revision();
    grid.Insert_Rows(2, 2);
    QVERIFY(grid.Revision() > before);
    QCOMPARE(grid.Rows(), 7);
    QCOMPARE(grid.Text(2, 0), std::string());
    QCOMPARE(grid.Text(4, 0), std::string("2"));

    grid.Set_Row(5);
    grid.Set_Col(1);
    grid.Set_RowSel(2);
    QCOMPARE(grid.Row(), 5);
    QCOMPARE(grid.RowSel(), 2);
    QCOMPARE(grid.ColSel(), 1);
    grid.Set_Row(3);  // collapses the selection
    QCOMPARE(grid.RowSel(), 3);
    QCOMPARE(grid.ColSel(), 1);

    grid.Remove_Rows(2, 100);  // clipped at the end, the header stays
    QCOMPARE(grid.Rows(), 2);
    QCOMPARE(grid.Row(), 1);
    grid.Remove_Rows(0, 1);
    QCOMPARE(grid.Text(0, 0), std::string("X"));
    QCOMPARE(grid.Text(5, 0), std::string());  // out of range reads empty
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
    QCOMPARE(Figures_Of(Grid_Of(rows), kAddKind, counter, built), figures);
    QCOMPARE(built, ok);
}

void TestFigures::numberingRunsOverBothTables() {
    const CoodGrid add = Grid_Of({"0,0", "1,0", "1,1", "|", "2,2", "3,2", "3,3", ""});
    const CoodGrid sbtrt = Grid_Of({"0,0", "0.5,0", "0.5,0.5", ""});
    int counter = 0;
    QStringList heads;
    const auto sink = [&](Figure& f) {
        heads << QString::fromUtf8(f.kind.data(), int(f.kind.size())) + QString::number(f.number);
        return true;
    };
    QVERIFY(Build_Figures(add, kAddKind, counter, sink));
    QVERIFY(Build_Figures(sbtrt, kSbtrtKind, counter, sink));
    QCOMPARE(heads, (QStringList{"加算1", "加算2", "減算3"}));
    QCOMPARE(counter, 3);
}

void TestFigures::sinkFailureStops() {
    const CoodGrid grid = Grid_Of({"0,0", "1,0", "|", "2,2", "3,2", "|", "4,4", ""});
    int counter = 0;
    int calls = 0;
    QVERIFY(!Build_Figures(grid, kAddKind, counter, [&](Figure&) { return ++calls < 2; }));
    QCOMPARE(calls, 2);
}

QTEST_APPLESS_MAIN(TestFigures)
#include "test_figures.moc"
