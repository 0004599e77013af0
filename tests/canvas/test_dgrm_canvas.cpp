// The canvas widget on the offscreen platform: its switches and legends, the square drawing area
// inside a widget of any shape, what a redraw leaves in the picture, the switches redrawing, the
// marks drawn over a redraw, and the mapping between widget positions and world units.
#include <QtTest>

#include "CanvasTestUtil.h"
#include "DgrmCanvas.h"

using namespace kuvanto;
using kuvanto::test::Fill;

namespace {

int Count_Pixels(const QImage& image, QColor color) {
    int n = 0;
    const QRgb want = color.rgb();
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) n += (line[x] | 0xFF000000) == want;
    }
    return n;
}

const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBack(64, 64, 64);

}  // namespace

class TestDgrmCanvas : public QObject {
    Q_OBJECT

    CoodGrid add_, sbtrt_;
    ResultGrid result_;
    DrawColors colors_;

private slots:
    void init() {
        Init_Cood_Grid(add_, sbtrt_);
        result_ = ResultGrid();
    }

    void Switches_On_The_Canvas() {
        DgrmCanvas canvas(add_, sbtrt_, result_, colors_);
        canvas.resize(400, 400);
        QCOMPARE(canvas.objectName(), QStringLiteral("Picture1"));
        auto* check1 = canvas.findChild<QCheckBox*>("Check1");
        auto* check2 = canvas.findChild<QCheckBox*>("Check2");
        auto* freehand = canvas.findChild<QCheckBox*>("FreeHand_Check");
        QVERIFY(check1 && check2 && freehand);
        QCOMPARE(check1->text(), QStringLiteral("原点表示"));
        QCOMPARE(check2->text(), QStringLiteral("図心表示"));
        QCOMPARE(freehand->text(), QStringLiteral("FreeHandモード解除"));
        QVERIFY(check1->isChecked() && check2->isChecked());
        QVERIFY(!freehand->isChecked());
        QVERIFY(freehand->isHidden());
        // Display switches at the top right, the freehand switch at the top left.
        const QRect area = canvas.Drawing_Area();
        const QPoint at1 = check1->mapTo(&canvas, QPoint(0, 0));
        const QPoint at_fh = freehand->mapTo(&canvas, QPoint(0, 0));
        QVERIFY(at1.x() > area.center().x() && at1.y() < area.top() + 40);
        QVERIFY(at_fh.x() < area.center().x() && at_fh.y() < area.top() + 40);
    }

    void Square_Drawing_Area_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("area");
        QTest::newRow("wider than high") << QSize(400, 300) << QRect(50, 0, 300, 300);
        QTest::newRow("higher than wide") << QSize(300, 400) << QRect(0, 50, 300, 300);
        QTest::newRow("square") << QSize(500, 500) << QRect(0, 0, 500, 500);
    }
    void Square_Drawing_Area() {
        QFETCH(QSize, size);
        QFETCH(QRect, area);
        DgrmCanvas canvas(add_, sbtrt_, result_, colors_);
        canvas.resize(size);
        canvas.Redraw_Dgrm();
        QCOMPARE(canvas.Drawing_Area(), area);
        QCOMPARE(canvas.Picture().size(), area.size());
        // The window stays square: the centre of the area is the centre of the window.
        const WorldPt centre = canvas.To_World(QRectF(area).center());
        QCOMPARE(centre.x + 1, 1.0);
        QCOMPARE(centre.y + 1, 1.0);
        const QPointF corner = canvas.To_Widget({canvas.Scale_Left(), canvas.Scale_Top()});
        QCOMPARE(corner, QPointF(area.topLeft()));
    }

    void Redraw_Paints_Figures_And_Marks() {
        Fill(add_, "-50,0;50,0");  // window (-100, 100) to (100, -100)
        DgrmCanvas canvas(add_, sbtrt_, result_, colors_);
        canvas.resize(400, 400);
        canvas.Redraw_Dgrm();
        const QImage& picture = canvas.Picture();
        QCOMPARE(picture.pixelColor(10, 10), kBack);
        QCOMPARE(picture.pixelColor(260, 200), kRed);     // world (30, 0)
        QCOMPARE(picture.pixelColor(200, 200), kYellow);  // the origin cross
        QCOMPARE(picture.pixelColor(200, 120), kBack);    // nothing at world (0, 40)
    }

    void Switches_Redraw() {
        DgrmCanvas canvas(add_, sbtrt_, result_, colors_);
        canvas.resize(400, 400);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        canvas.Redraw_Dgrm();
        QVERIFY(Count_Pixels(canvas.Picture(), kYellow) > 0);
        QTest::mouseClick(canvas.Check1(), Qt::LeftButton, {}, canvas.Check1()->rect().center());
        QVERIFY(!canvas.View().Check1);
        QCOMPARE(Count_Pixels(canvas.Picture(), kYellow), 0);
        canvas.FreeHand_Check()->setChecked(true);
        QVERIFY(canvas.View().FreeHand_Check);
    }

    void Marks_Over_A_Redraw_Last_Until_The_Next() {
        DgrmCanvas canvas(add_, sbtrt_, result_, colors_);
        canvas.resize(400, 400);
        canvas.Redraw_Dgrm();
        QCOMPARE(canvas.Draw_Width(), 1);  // the origin mark left pen width 1
        canvas.Draw_Circle({50, 50}, canvas.Mark_Radius(), 0x00FF00);
        // Centre (300, 100) in pixels, radius 2 units = 4 pixels.
        QCOMPARE(canvas.Picture().pixelColor(300, 100 - 4), kGreen);
        QCOMPARE(canvas.Picture().pixelColor(300, 100), kBack);
        canvas.Redraw_Dgrm();
        QCOMPARE(Count_Pixels(canvas.Picture(), kGreen), 0);
    }

    void Mapping_Between_Widget_And_World_data() {
        QTest::addColumn<QPointF>("widget");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        // 400 x 300 widget: area (50, 0, 300, 300); window (-100, 100) to (100, -100).
        QTest::newRow("left top corner") << QPointF(50, 0) << -100.0 << 100.0;
        QTest::newRow("right bottom corner") << QPointF(350, 300) << 100.0 << -100.0;
        QTest::newRow("quarter in") << QPointF(125, 75) << -50.0 << 50.0;
    }
    void Mapping_Between_Widget_And_World() {
        QFETCH(QPointF, widget);
        QFETCH(double, x);
        QFETCH(double, y);
        DgrmCanvas canvas(add_, sbtrt_, result_, colors_);
        canvas.resize(400, 300);
        canvas.Redraw_Dgrm();
        const WorldPt world = canvas.To_World(widget);
        QCOMPARE(world.x, x);
        QCOMPARE(world.y, y);
        QCOMPARE(canvas.To_Widget(world), widget);
    }
};

QTEST_MAIN(TestDgrmCanvas)
#include "test_dgrm_canvas.moc"
