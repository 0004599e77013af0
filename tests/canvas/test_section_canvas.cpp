// The canvas widget on the offscreen platform: its switches and legends, the square drawing area
// inside a widget of any shape, what a redraw leaves in the picture, the switches redrawing, the
// marks drawn over a redraw, and the mapping between widget positions and world units.
#include <QtTest>

#include "CanvasTestUtil.h"
#include "canvas/SectionCanvas.h"

using namespace kuvanto;
using kuvanto::test::countPixels;
using kuvanto::test::fill;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBack(64, 64, 64);

}  // namespace

class TestSectionCanvas : public QObject {
    Q_OBJECT

    CoordTable add_, subtracted_;
    ResultTable result_;
    DrawColors colors_;

private slots:
    void init() {
        resetCoordTable(add_, subtracted_);
        result_ = ResultTable();
    }

    void switchesOnTheCanvas() {
        SectionCanvas canvas(add_, subtracted_, result_, colors_);
        canvas.resize(400, 400);
        QCOMPARE(canvas.objectName(), QStringLiteral("Picture1"));
        auto* showOrigin = canvas.findChild<QCheckBox*>("Check1");
        auto* showCentroid = canvas.findChild<QCheckBox*>("Check2");
        auto* freehand = canvas.findChild<QCheckBox*>("FreeHand_Check");
        QVERIFY(showOrigin && showCentroid && freehand);
        QCOMPARE(showOrigin->text(), QStringLiteral("原点表示"));
        QCOMPARE(showCentroid->text(), QStringLiteral("図心表示"));
        QCOMPARE(freehand->text(), QStringLiteral("FreeHandモード解除"));
        QVERIFY(showOrigin->isChecked() && showCentroid->isChecked());
        QVERIFY(!freehand->isChecked());
        QVERIFY(freehand->isHidden());
        // Display switches at the top right, the freehand switch at the top left.
        const QRect area = canvas.drawingArea();
        const QPoint at1 = showOrigin->mapTo(&canvas, QPoint(0, 0));
        const QPoint atFh = freehand->mapTo(&canvas, QPoint(0, 0));
        QVERIFY(at1.x() > area.center().x() && at1.y() < area.top() + 40);
        QVERIFY(atFh.x() < area.center().x() && atFh.y() < area.top() + 40);
    }

    void squareDrawingArea_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("area");
        QTest::newRow("wider than high") << QSize(400, 300) << QRect(50, 0, 300, 300);
        QTest::newRow("higher than wide") << QSize(300, 400) << QRect(0, 50, 300, 300);
        QTest::newRow("square") << QSize(500, 500) << QRect(0, 0, 500, 500);
    }
    void squareDrawingArea() {
        QFETCH(QSize, size);
        QFETCH(QRect, area);
        SectionCanvas canvas(add_, subtracted_, result_, colors_);
        canvas.resize(size);
        canvas.redrawSection();
        QCOMPARE(canvas.drawingArea(), area);
        QCOMPARE(canvas.picture().size(), area.size());
        // The window stays square: the centre of the area is the centre of the window.
        const WorldPt centre = canvas.toWorld(QRectF(area).center());
        QCOMPARE(centre.x + 1, 1.0);
        QCOMPARE(centre.y + 1, 1.0);
        const QPointF corner = canvas.toWidget({canvas.scaleLeft(), canvas.scaleTop()});
        QCOMPARE(corner, QPointF(area.topLeft()));
    }

    void redrawPaintsFiguresAndMarks() {
        fill(add_, "-50,0;50,0");  // window (-100, 100) to (100, -100)
        SectionCanvas canvas(add_, subtracted_, result_, colors_);
        canvas.resize(400, 400);
        canvas.redrawSection();
        const QImage& picture = canvas.picture();
        QCOMPARE(picture.pixelColor(10, 10), kBack);
        QCOMPARE(picture.pixelColor(260, 200), kRed);     // world (30, 0)
        QCOMPARE(picture.pixelColor(200, 200), kYellow);  // the origin cross
        QCOMPARE(picture.pixelColor(200, 120), kBack);    // nothing at world (0, 40)
    }

    void switchesRedraw() {
        SectionCanvas canvas(add_, subtracted_, result_, colors_);
        canvas.resize(400, 400);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        canvas.redrawSection();
        QVERIFY(countPixels(canvas.picture(), kYellow) > 0);
        QTest::mouseClick(canvas.showOrigin(), Qt::LeftButton, {},
                          canvas.showOrigin()->rect().center());
        QVERIFY(!canvas.view().showOrigin);
        QCOMPARE(countPixels(canvas.picture(), kYellow), 0);
        canvas.freeHandCheck()->setChecked(true);
        QVERIFY(canvas.view().freeHandCheck);
    }

    void marksOverARedrawLastUntilTheNext() {
        SectionCanvas canvas(add_, subtracted_, result_, colors_);
        canvas.resize(400, 400);
        canvas.redrawSection();
        QCOMPARE(canvas.drawWidth(), 1);  // the origin mark left pen width 1
        canvas.drawCircle({50, 50}, canvas.markRadius(), 0x00FF00);
        // Centre (300, 100) in pixels, radius 2 units = 4 pixels.
        QCOMPARE(canvas.picture().pixelColor(300, 100 - 4), kGreen);
        QCOMPARE(canvas.picture().pixelColor(300, 100), kBack);
        canvas.redrawSection();
        QCOMPARE(countPixels(canvas.picture(), kGreen), 0);
    }

    void mappingBetweenWidgetAndWorld_data() {
        QTest::addColumn<QPointF>("widget");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        // 400 x 300 widget: area (50, 0, 300, 300); window (-100, 100) to (100, -100).
        QTest::newRow("left top corner") << QPointF(50, 0) << -100.0 << 100.0;
        QTest::newRow("right bottom corner") << QPointF(350, 300) << 100.0 << -100.0;
        QTest::newRow("quarter in") << QPointF(125, 75) << -50.0 << 50.0;
    }
    void mappingBetweenWidgetAndWorld() {
        QFETCH(QPointF, widget);
        QFETCH(double, x);
        QFETCH(double, y);
        SectionCanvas canvas(add_, subtracted_, result_, colors_);
        canvas.resize(400, 300);
        canvas.redrawSection();
        const WorldPt world = canvas.toWorld(widget);
        QCOMPARE(world.x, x);
        QCOMPARE(world.y, y);
        QCOMPARE(canvas.toWidget(world), widget);
    }
};

QTEST_MAIN(TestSectionCanvas)
#include "test_section_canvas.moc"
