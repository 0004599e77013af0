// Move, rotation and scaling of selected vertices (separator and half-filled rows left alone),
// the base-point list of the move dialog, the status texts and the drag-zoom limits.
#include <QtTest>

#include "../GridText.h"
#include "core/table/Transformations.h"

using namespace kuvanto;

class TestTransformations : public QObject {
    Q_OBJECT
private slots:
    void transform_data();
    void transform();
    void onlyWholeVerticesChange();
    void basePointList();
    void statusTexts();
    void dragZoom_data();
    void dragZoom();
};

enum class Kind { Move, Rotate, Scale };
Q_DECLARE_METATYPE(Kind)

void TestTransformations::transform_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("point");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<QString>("expected");
    QTest::newRow("move 0.1 0.2") << Kind::Move << "0.2,0.1" << 0.1 << 0.2 << 0.0 << "0.3,0.3";
    QTest::newRow("move base to target")
        << Kind::Move << "1.23456,2" << 8.765 << 8.0 << 0.0 << "9.99956,10";
    QTest::newRow("rotate 90") << Kind::Rotate << "10,0" << 0.0 << 0.0 << 90.0 << "0,10";
    QTest::newRow("rotate 45") << Kind::Rotate << "10,0" << 0.0 << 0.0 << 45.0 << "7.071,7.071";
    QTest::newRow("rotate -90 about (5,5)")
        << Kind::Rotate << "10,5" << 5.0 << 5.0 << -90.0 << "5,0";
    QTest::newRow("rotate 0 keeps centre digits")
        << Kind::Rotate << "1.0004,0" << 0.0004 << 0.0 << 0.0 << "1.0004,0";
    QTest::newRow("scale about itself") << Kind::Scale << "5,5" << 5.0 << 5.0 << 2.0 << "5,5";
    QTest::newRow("scale about origin") << Kind::Scale << "5,5" << 0.0 << 0.0 << 2.0 << "10,10";
    QTest::newRow("scale keeps base fixed") << Kind::Scale << "7,9" << 5.0 << 5.0 << 2.0 << "9,13";
}

void TestTransformations::transform() {
    QFETCH(Kind, kind);
    QFETCH(QString, point);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(QString, expected);
    CoordTable grid = gridOf({point, ","});
    selectRows(grid, 1, 1);
    int changed = 0;
    switch (kind) {
        case Kind::Move:
            changed = moveSelected(grid, a, b);
            break;
        case Kind::Rotate:
            changed = rotateSelected(grid, a, b, c);
            break;
        case Kind::Scale:
            changed = scaleSelected(grid, a, b, c);
            break;
    }
    QCOMPARE(changed, 1);
    QCOMPARE(rowsOf(grid).first(), expected);
}

void TestTransformations::onlyWholeVerticesChange() {
    CoordTable grid = gridOf({"|", "1,1", "2,", "abc,3", ",", "3,x", "4,4", "|", ","});
    selectRows(grid, 8, 1);
    QCOMPARE(moveSelected(grid, 1, 1), 2);
    QCOMPARE(rotateSelected(grid, 0, 0, 180), 2);
    QCOMPARE(scaleSelected(grid, 0, 0, 2), 2);
    QCOMPARE(rowsOf(grid),
             (QStringList{"|", "-4,-4", "2,", "abc,3", ",", "3,x", "-10,-10", "|", ","}));
}

void TestTransformations::basePointList() {
    CoordTable grid = gridOf({"|", "1.23456,2", "-12345.6789,0.0005", "3,"});
    selectRows(grid, 4, 1);
    const std::vector<std::string> items = basePointItems(grid);
    QCOMPARE(items.size(), std::size_t(3));
    QCOMPARE(items[0], std::string("X: 1.235      - Y: 2.000     "));
    QCOMPARE(items[1], std::string("X: -12345.679 - Y: 0.001     "));
    const BasePoint p = basePointOfRow(grid, 2);
    QCOMPARE(p.x, 1.235);
    QCOMPARE(p.y, 2.0);
    QCOMPARE(basePointOfRow(grid, 3).x, -12345.679);
    QCOMPARE(basePointOfRow(grid, 3).y, 0.001);
    // A number wider than the item's ten-character field is carried whole.
    grid = gridOf({"-123456789.1234,987654321.5"});
    QCOMPARE(basePointOfRow(grid, 1).x, -123456789.123);
    QCOMPARE(basePointOfRow(grid, 1).y, 987654321.5);
}

void TestTransformations::statusTexts() {
    QCOMPARE(canvasStatusText(12.5, 40, 1, 0, 0),
             std::string("X=  12.500 , Y=  40.000       [ZoomFactor:1.000 , Xm:0.000 , Ym:0.000]"));
    QCOMPARE(
        canvasStatusText(-1, 0, 0.5, -25, 3),
        std::string("X=  -1.000 , Y=  0.000       [ZoomFactor:2.000 , Xm:25.000 , Ym:-3.000]"));
    CoordTable grid = gridOf({"12.5,abc", "|", ","});
    grid.setRow(1);
    QCOMPARE(tableStatusText(grid, kAddedStatusHead),
             std::string("選択座標(加算図形)　：X=  12.500 , Y=abc"));
    grid.setRow(2);
    QCOMPARE(tableStatusText(grid, kSubtractedStatusHead),
             std::string("選択座標(減算図形)　：X=<<図形区切り>> , Y="));
}

void TestTransformations::dragZoom_data() {
    QTest::addColumn<double>("dy");
    QTest::addColumn<double>("expected");
    const double root5 = std::sqrt(5.0);
    QTest::newRow("one window height below") << 200.0 << 1 / (1 + root5);
    QTest::newRow("one window height above") << -200.0 << 1 + root5;
    QTest::newRow("far below stops at 0.02") << 1e6 << 0.02;
    QTest::newRow("far above stops at 20") << -1e6 << 20.0;
    QTest::newRow("no vertical move") << 0.0 << 0.7;
}

void TestTransformations::dragZoom() {
    QFETCH(double, dy);
    QFETCH(double, expected);
    QCOMPARE(dragZoomMultiplier(1, 0.7, dy, -200), expected);
}

QTEST_APPLESS_MAIN(TestTransformations)
#include "test_transformations.moc"
