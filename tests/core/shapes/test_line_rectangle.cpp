// The line generator (length, X increment or Y increment with an angle, from the vertex above the
// current row) and the rectangle generator (six rows in one insertion at the current row).
#include <QtTest>
#include <cmath>
#include <limits>

#include "../GeneratorTestUtil.h"
#include "core/shapes/LineGenerator.h"
#include "core/shapes/RectangleGenerator.h"

using namespace kuvanto;
using namespace kuvanto::test;

Q_DECLARE_METATYPE(kuvanto::LineMode)

class TestLineRectangle : public QObject {
    Q_OBJECT
private slots:
    void lineVertex_data();
    void lineVertex();
    void hugeAmountsKeepBothCoordinates_data();
    void hugeAmountsKeepBothCoordinates();
    void lineStartAndRows();
    void rectangle_data();
    void rectangle();
};

void TestLineRectangle::lineVertex_data() {
    QTest::addColumn<LineMode>("mode");
    QTest::addColumn<QString>("above");
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("angle");
    QTest::addColumn<QString>("written");
    const auto L = LineMode::lengthAngle, X = LineMode::xIncrementAngle,
               Y = LineMode::yIncrementAngle;
    QTest::newRow("length 10 at 45") << L << "0,0" << 10.0 << 45.0 << "7.071,7.071";
    QTest::newRow("length 10 at 135") << L << "0,0" << 10.0 << 135.0 << "-7.071,7.071";
    QTest::newRow("length 10 at 90") << L << "0,0" << 10.0 << 90.0 << "0,10";
    QTest::newRow("length 10 at 180") << L << "0,0" << 10.0 << 180.0 << "-10,0";
    QTest::newRow("length 10 at 0 from 2.5,-1") << L << "2.5,-1" << 10.0 << 0.0 << "12.5,-1";
    QTest::newRow("length -10 at 45 keeps the sign of cos")
        << L << "0,0" << -10.0 << 45.0 << "7.071,-7.071";
    QTest::newRow("dx -10 at 45") << X << "0,0" << -10.0 << 45.0 << "-10,10";
    QTest::newRow("dx -10 at -45") << X << "0,0" << -10.0 << -45.0 << "-10,-10";
    QTest::newRow("dx 10 at 90 is huge, not refused")
        << X << "0,0" << 10.0 << 90.0 << "10,6.12323399573677E+16";
    QTest::newRow("dy 10 at 0 is a vertical step") << Y << "3,4" << 10.0 << 0.0 << "3,14";
    QTest::newRow("dy 10 at 135") << Y << "0,0" << 10.0 << 135.0 << "-10,10";
    // No vertex beyond the double range: the row stays empty and stays current.
    const double infinite = std::numeric_limits<double>::infinity();
    QTest::newRow("length 1e999 refused") << L << "0,0" << infinite << 30.0 << "";
    QTest::newRow("angle 1e999 refused (nan)") << L << "0,0" << 10.0 << infinite << "";
    QTest::newRow("dy at angle 1e-320 overflows, refused") << Y << "0,0" << 10.0 << 1e-320 << "";
    QTest::newRow("overflowing sum refused") << L << "1.7e308,0" << 1.7e308 << 0.0 << "";
}

void TestLineRectangle::lineVertex() {
    QFETCH(LineMode, mode);
    QFETCH(QString, above);
    QFETCH(double, amount);
    QFETCH(double, angle);
    QFETCH(QString, written);
    CoordTable table = tableOf({above, ""});
    table.setRow(2);
    QCOMPARE(insertLineVertex(table, mode, amount, angle), !written.isEmpty());
    const QString got = rowsOf(table).value(1);
    if (written.isEmpty()) {
        QCOMPARE(got, QString());
        QCOMPARE(table.row(), 2);
        return;
    }
    if (written.contains('E')) {  // only the order of magnitude is stable
        QCOMPARE(got.section(',', 0, 0), written.section(',', 0, 0));
        QVERIFY2(got.section(',', 1).contains("E+15") || got.section(',', 1).contains("E+16"),
                 qPrintable(got));
    } else {
        QCOMPARE(got, written);
    }
}

void TestLineRectangle::hugeAmountsKeepBothCoordinates_data() {
    QTest::addColumn<LineMode>("mode");
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("dx");
    QTest::addColumn<double>("dy");
    const double half = std::sqrt(0.5);
    QTest::newRow("length 1e160 at 45")
        << LineMode::lengthAngle << 1e160 << 45.0 << half * 1e160 << half * 1e160;
    QTest::newRow("length 1e300 at 120")
        << LineMode::lengthAngle << 1e300 << 120.0 << -0.5e300 << std::sqrt(0.75) * 1e300;
    QTest::newRow("dx 1e160 at 45") << LineMode::xIncrementAngle << 1e160 << 45.0 << 1e160 << 1e160;
    QTest::newRow("dy 1e160 at 45") << LineMode::yIncrementAngle << 1e160 << 45.0 << 1e160 << 1e160;
    QTest::newRow("dy -1e200 at -135")
        << LineMode::yIncrementAngle << -1e200 << -135.0 << -1e200 << -1e200;
}

// The legs come out of the amount without squaring it, so a length whose square is beyond the
// double range still gives both coordinates.
void TestLineRectangle::hugeAmountsKeepBothCoordinates() {
    QFETCH(LineMode, mode);
    QFETCH(double, amount);
    QFETCH(double, angle);
    QFETCH(double, dx);
    QFETCH(double, dy);
    const Increment inc = lineIncrement(mode, amount, angle);
    QVERIFY2(std::fabs(inc.dx - dx) <= 1e-9 * std::fabs(dx), qPrintable(QString::number(inc.dx)));
    QVERIFY2(std::fabs(inc.dy - dy) <= 1e-9 * std::fabs(dy), qPrintable(QString::number(inc.dy)));
}

void TestLineRectangle::lineStartAndRows() {
    // From the first data row or below a separator the start is the origin; the row is overwritten.
    CoordTable table = tableOf({"old,old", "|", "keep,me", "9,9"});
    table.setRow(1);
    insertLineVertex(table, LineMode::lengthAngle, 10, 90);
    QCOMPARE(rowsOf(table).value(0), QString("0,10"));
    QCOMPARE(table.row(), 2);
    table.setRow(3);
    insertLineVertex(table, LineMode::lengthAngle, 5, 0);
    QCOMPARE(rowsOf(table), (QStringList{"0,10", "|", "5,0", "9,9"}));
    QCOMPARE(table.rows(), 5);  // not the last row: nothing added
    // On the last row the table grows by one empty row, which becomes current.
    table.setRow(4);
    insertLineVertex(table, LineMode::yIncrementAngle, 1, 0);
    QCOMPARE(rowsOf(table), (QStringList{"0,10", "|", "5,0", "5,1", ""}));
    QCOMPARE(table.row(), 5);
}

void TestLineRectangle::rectangle_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("corners");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("current");
    QTest::newRow("defaults on an empty table")
        << QStringList{""} << 1 << QStringList{"0", "0", "50", "50"}
        << QStringList{"0,0", "50,0", "50,50", "0,50", "0,0", "|", ""} << 7;
    QTest::newRow("texts go in as typed")
        << QStringList{""} << 1 << QStringList{"1e2", " 5", "x", ""}
        << QStringList{"1e2, 5", "x, 5", "x,", "1e2,", "1e2, 5", "|", ""} << 7;
    QTest::newRow("before a vertex of a figure")
        << QStringList{"1,1", "2,2", ""} << 2 << QStringList{"0", "0", "5", "5"}
        << QStringList{"1,1", "0,0", "5,0", "5,5", "0,5", "0,0", "|", "2,2", ""} << 8;
    QTest::newRow("corner beyond the double range refused")
        << QStringList{""} << 1 << QStringList{"0", "0", "1e400", "5"} << QStringList{""} << 1;
}

void TestLineRectangle::rectangle() {
    QFETCH(QStringList, before);
    QFETCH(int, row);
    QFETCH(QStringList, corners);
    QFETCH(QStringList, after);
    QFETCH(int, current);
    CoordTable table = tableOf(before);
    table.setRow(row);
    const int top = insertRectangle(table, {corners[0].toStdString(), corners[1].toStdString(),
                                            corners[2].toStdString(), corners[3].toStdString()});
    QCOMPARE(rowsOf(table), after);
    QCOMPARE(table.row(), current);
    QCOMPARE(top, current == row ? -1 : row);
}

QTEST_APPLESS_MAIN(TestLineRectangle)
#include "test_line_rectangle.moc"
