// The result tab's drawing on the offscreen platform: its outlines follow the tables and the
// colours, though the picture of unchanged tables is kept between paints.
#include <QtTest>

#include "CanvasTestUtil.h"
#include "canvas/SectionDiagram.h"
#include "core/section/Calculation.h"

using namespace kuvanto;
using kuvanto::test::countPixels;
using kuvanto::test::fill;

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
constexpr std::int32_t kGreenBgr = 0x00FF00;

}  // namespace

class TestSectionDiagram : public QObject {
    Q_OBJECT

private slots:
    void outlinesFollowTablesAndColours() {
        CoordTable add, subtracted;
        ResultTable result;
        DrawColors colors;  // added figures red
        resetCoordTable(add, subtracted);
        fill(add, "0,0;100,0;100,100;0,100");
        QVERIFY(runCalculation(add, subtracted, result));
        SectionDiagram diagram(add, subtracted, result, colors);
        diagram.resize(240, 240);
        const int square = countPixels(diagram.grab().toImage(), kRed);
        QVERIFY(square > 400);
        QCOMPARE(countPixels(diagram.grab().toImage(), kRed), square);  // painted again

        // The same extent, one side fewer: the outline is shorter by about a sixth.
        fill(add, "0,0;100,0;0,100");
        QVERIFY(runCalculation(add, subtracted, result));
        const int triangle = countPixels(diagram.grab().toImage(), kRed);
        QVERIFY2(triangle < square * 0.93,
                 qPrintable(QStringLiteral("%1 of %2").arg(triangle).arg(square)));

        colors.add = kGreenBgr;
        const QImage green = diagram.grab().toImage();
        QCOMPARE(countPixels(green, kRed), 0);
        QVERIFY(countPixels(green, kGreen) > triangle / 2);
    }
};

QTEST_MAIN(TestSectionDiagram)
#include "test_section_diagram.moc"
