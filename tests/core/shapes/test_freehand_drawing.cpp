// Freehand drawing on the table: snapping (halves to the even multiple), the Shift constraint,
// single-precision texts, the rubber band's length box, typed lengths on either side, typed
// coordinates, and closing a figure at the end or in the middle of a table.
#include <QtTest>
#include <limits>

#include "../GeneratorTestUtil.h"
#include "core/shapes/FreehandDrawing.h"
#include "core/shapes/FreehandSession.h"

using namespace kuvanto;
using namespace kuvanto::test;

Q_DECLARE_METATYPE(kuvanto::Point)

namespace {

QString textOf(Point p) {
    return QString::fromStdString(singleText(float(p.x)) + "," + singleText(float(p.y)));
}

}  // namespace

class TestFreehandDrawing : public QObject {
    Q_OBJECT
private slots:
    void singlePrecisionText_data();
    void singlePrecisionText();
    void snapping_data();
    void snapping();
    void shiftConstraint_data();
    void shiftConstraint();
    void rubberBandAndTypedLength();
    void typedLengthNeedsAVertexAbove();
    void typedCoordinate();
    void nonFiniteVertexRefused_data();
    void nonFiniteVertexRefused();
    void closeAtTheEnd();
    void closeInTheMiddle();
    void session();
};

void TestFreehandDrawing::singlePrecisionText_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("half") << 12.5f << "12.5";
    QTest::newRow("not a binary fraction") << 0.762f << "0.762";
    QTest::newRow("seven digits") << 1234.5678f << "1234.568";
    QTest::newRow("negative") << -20.0f << "-20";
    QTest::newRow("small") << 0.00001f << "1E-05";
    QTest::newRow("zero") << 0.0f << "0";
}

void TestFreehandDrawing::singlePrecisionText() {
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(singleText(value)), text);
}

void TestFreehandDrawing::snapping_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("written");
    QTest::newRow("nearest multiples") << 23.7 << 35.0 << "20,40";
    QTest::newRow("halves to the even multiple") << 25.0 << 15.0 << "20,20";
    QTest::newRow("negative half") << -35.0 << -4.9 << "-40,0";
}

void TestFreehandDrawing::snapping() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, written);
    CoordTable table = tableOf({""});
    const Point press = *addClickedVertex(table, {x, y}, 10.0, false, {});
    QCOMPARE(rowsOf(table), (QStringList{written, ""}));
    QCOMPARE(textOf(press), written);
    QCOMPARE(table.row(), 2);
    // Without a step the position is only made single precision.
    QCOMPARE(textOf(snapToGrid({0.1, 2.75}, std::nullopt)), QString("0.1,2.75"));
}

void TestFreehandDrawing::shiftConstraint_data() {
    QTest::addColumn<Point>("click");
    QTest::addColumn<bool>("shiftOnly");
    QTest::addColumn<QString>("written");
    QTest::newRow("mostly along X: horizontal") << Point{50, 3} << true << "50,0";
    QTest::newRow("mostly along Y: vertical") << Point{3, 50} << true << "0,50";
    QTest::newRow("diagonal: unconstrained") << Point{5, 5} << true << "5,5";
    QTest::newRow("without Shift: unconstrained") << Point{50, 3} << false << "50,3";
}

void TestFreehandDrawing::shiftConstraint() {
    QFETCH(Point, click);
    QFETCH(bool, shiftOnly);
    QFETCH(QString, written);
    CoordTable table = tableOf({""});
    const Point press = *addClickedVertex(table, {0, 0}, std::nullopt, true, {});
    addClickedVertex(table, click, std::nullopt, shiftOnly, press);
    QCOMPARE(rowsOf(table), (QStringList{"0,0", written, ""}));
}

void TestFreehandDrawing::rubberBandAndTypedLength() {
    CoordTable table = tableOf({"|", ""});
    table.setRow(2);
    Point press = *addClickedVertex(table, {10, 10}, std::nullopt, false, {});

    // Shift held, cursor to the right: a horizontal band and its length.
    RubberBand band = rubberBand(press, {33.3337, 12}, std::nullopt, true);
    QCOMPARE(band.axis, BandAxis::horizontal);
    QCOMPARE(QString::fromStdString(band.caption), QString("⊿X="));
    QCOMPARE(QString::fromStdString(band.lengthText), QString("23.334"));
    QCOMPARE(textOf(band.to), QString("33.3337,10"));
    press = *addTypedLength(table, band.axis, 100, band.cursorAlongAxis, press);
    QCOMPARE(rowsOf(table), (QStringList{"|", "10,10", "110,10", ""}));

    // Cursor to the left of the press point, even by less than half a unit: to the left.
    band = rubberBand(press, {109.8, 9.9}, std::nullopt, true);
    QCOMPARE(band.axis, BandAxis::horizontal);
    press = *addTypedLength(table, band.axis, 100, band.cursorAlongAxis, press);
    QCOMPARE(rowsOf(table).value(3), QString("10,10"));

    // Vertical, downwards.
    band = rubberBand(press, {11, -50}, std::nullopt, true);
    QCOMPARE(band.axis, BandAxis::vertical);
    QCOMPARE(QString::fromStdString(band.caption), QString("⊿Y="));
    addTypedLength(table, band.axis, 5, band.cursorAlongAxis, press);
    QCOMPARE(rowsOf(table).value(4), QString("10,5"));
    QCOMPARE(table.row(), 6);

    // Without Shift a plain band to the cursor; at equal distances with Shift none is drawn.
    QCOMPARE(rubberBand(press, {3, 4}, std::nullopt, false).axis, BandAxis::none);
    QVERIFY(!rubberBand({0, 0}, {4, 4}, std::nullopt, true).drawn);
}

void TestFreehandDrawing::typedLengthNeedsAVertexAbove() {
    CoordTable table = tableOf({"|", ""});
    table.setRow(1);
    QVERIFY(!addTypedLength(table, BandAxis::horizontal, 10, 5, {}));
    table.setRow(2);  // below a separator row
    QVERIFY(!addTypedLength(table, BandAxis::horizontal, 10, 5, {}));
    QCOMPARE(rowsOf(table), (QStringList{"|", ""}));
}

void TestFreehandDrawing::typedCoordinate() {
    CoordTable table = tableOf({""});
    Point press = *addTypedCoordinate(table, {}, 5, 7, false);
    press = *addTypedCoordinate(table, press, 2.5, -1, true);
    QCOMPARE(rowsOf(table), (QStringList{"5,7", "7.5,6", ""}));
    QCOMPARE(textOf(press), QString("7.5,6"));
}

enum class FreehandInput { Click, TypedLength, TypedCoordinate, RelativeCoordinate };
Q_DECLARE_METATYPE(FreehandInput)

// A click or a typed value that would make a coordinate infinite adds no row.
void TestFreehandDrawing::nonFiniteVertexRefused_data() {
    QTest::addColumn<FreehandInput>("input");
    QTest::addColumn<double>("value");
    const double infinite = std::numeric_limits<double>::infinity();
    QTest::newRow("click beyond single precision") << FreehandInput::Click << 1e308;
    QTest::newRow("typed length 1e999") << FreehandInput::TypedLength << infinite;
    QTest::newRow("typed length overflowing") << FreehandInput::TypedLength << 1.7e308;
    QTest::newRow("absolute coordinate 1e400") << FreehandInput::TypedCoordinate << infinite;
    QTest::newRow("relative coordinate overflowing")
        << FreehandInput::RelativeCoordinate << 1.7e308;
}

void TestFreehandDrawing::nonFiniteVertexRefused() {
    QFETCH(FreehandInput, input);
    QFETCH(double, value);
    CoordTable table = tableOf({"1.7e308,0", ""});
    table.setRow(2);
    const Point press{1.7e308, 0};
    bool added = true;
    switch (input) {
        case FreehandInput::Click:
            added = addClickedVertex(table, {value, 0}, std::nullopt, false, press).has_value();
            break;
        case FreehandInput::TypedLength:
            added = addTypedLength(table, BandAxis::horizontal, value, 2e308, press).has_value();
            break;
        case FreehandInput::TypedCoordinate:
            added = addTypedCoordinate(table, press, value, 0, false).has_value();
            break;
        case FreehandInput::RelativeCoordinate:
            added = addTypedCoordinate(table, press, value, 0, true).has_value();
            break;
    }
    QVERIFY(!added);
    QCOMPARE(rowsOf(table), (QStringList{"1.7e308,0", ""}));
    QCOMPARE(table.row(), 2);

    // The session refuses the typed text "1e999" as it refuses any other non-number.
    FreehandSession session;
    session.start();
    QVERIFY(!session.typeLength(table, "1e999"));
    QCOMPARE(rowsOf(table), (QStringList{"1.7e308,0", ""}));
}

void TestFreehandDrawing::closeAtTheEnd() {
    CoordTable table = tableOf({"0,0", "10,0", "10,10", ""});
    table.setRow(4);
    QVERIFY(closeFigure(table));
    QCOMPARE(rowsOf(table), (QStringList{"0,0", "10,0", "10,10", "0,0", "|", ""}));
    QCOMPARE(table.row(), 6);
    table.setRow(0);
    QVERIFY(!closeFigure(table));
}

void TestFreehandDrawing::closeInTheMiddle() {
    CoordTable table = tableOf({"1,1", "2,2", "1,1", "|", "5,5", "6,5", "7,7", "|", "8,8"});
    // Drawn with the separator row current: the vertices went in above it, and the figure's first
    // vertex is searched above the current row, not from the separator itself.
    table.setRow(8);
    QVERIFY(closeFigure(table));
    QCOMPARE(rowsOf(table), (QStringList{"1,1", "2,2", "1,1", "|", "5,5", "6,5", "7,7", "5,5", "|",
                                         "|", "8,8", ""}));
    QCOMPARE(table.row(), 10);
}

void TestFreehandDrawing::session() {
    // A square drawn with the grid, Shift and typed lengths, then closed.
    CoordTable table = tableOf({""});
    FreehandSession fh;
    fh.click(table, {1, 1}, 10.0, false);  // off: nothing happens
    QCOMPARE(table.rows(), 2);
    fh.start();
    QVERIFY(fh.on() && !fh.drawing());
    fh.click(table, {1, 2}, 10.0, false);
    QVERIFY(fh.drawing());
    QCOMPARE(fh.move({30, 4}, 10.0, true).axis, BandAxis::horizontal);
    QVERIFY(fh.move({20, 20}, 10.0, true).axis == BandAxis::none);  // equal: the box stays
    QCOMPARE(fh.boxAxis(), BandAxis::horizontal);
    QVERIFY(!fh.typeLength(table, "abc"));
    QVERIFY(fh.typeLength(table, "50"));
    fh.click(table, {48, 47}, std::nullopt, true);  // vertical from (50, 0)
    fh.typeCoordinate(table, -50, 0, true);
    QVERIFY(fh.close(table));
    QVERIFY(!fh.on());
    QCOMPARE(rowsOf(table), (QStringList{"0,0", "50,0", "50,47", "0,47", "0,0", "|", ""}));
}

QTEST_APPLESS_MAIN(TestFreehandDrawing)
#include "test_freehand_drawing.moc"
