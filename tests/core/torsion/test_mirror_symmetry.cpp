// The mirror lines found from a section's figures, and the shear centres placed on them by the
// analysis: exactly on the axes of symmetric sections, untouched on sections only nearly so.
#include <QTest>
#include <cmath>
#include <numbers>

#include "core/torsion/MirrorSymmetry.h"
#include "core/torsion/TorsionAnalysis.h"
#include "core/torsion/TorsionRows.h"

using namespace kuvanto;

namespace {

using Figures = std::vector<SectionFigure>;

SectionFigure rectangle(double x, double y, double width, double height, int sign = 1) {
    return {{{x, y}, {x + width, y}, {x + width, y + height}, {x, y + height}}, sign};
}

Figures moved(Figures figures, double angle, double dx, double dy) {
    const double c = std::cos(angle), s = std::sin(angle);
    for (SectionFigure& figure : figures)
        for (Point& p : figure.outline) p = {c * p.x - s * p.y + dx, s * p.x + c * p.y + dy};
    return figures;
}

// A channel whose web lies on the y axis, symmetric about y = 0 only.
Figures channel() {
    return {rectangle(0, 95, 90, 10), rectangle(0, -105, 90, 10), rectangle(0, -95, 8, 190)};
}

}  // namespace

Q_DECLARE_METATYPE(Figures)

class TestMirrorSymmetry : public QObject {
    Q_OBJECT
private slots:
    void linesFound_data();
    void linesFound();
    void centresPlacedOnTheLines();
};

void TestMirrorSymmetry::linesFound_data() {
    QTest::addColumn<Figures>("figures");
    QTest::addColumn<int>("lines");

    const Figures box{rectangle(0, 0, 100, 200), rectangle(25, 50, 50, 100, -1)};
    QTest::newRow("box with a centred hole") << box << 2;
    QTest::newRow("the box turned and moved far") << moved(box, 0.5, 1e6, -3e5) << 2;
    // Moved along x by a millionth of the size, the hole leaves only the horizontal line.
    QTest::newRow("hole off centre by a millionth")
        << Figures{rectangle(0, 0, 100, 200), rectangle(25.0001, 50, 50, 100, -1)} << 1;
    QTest::newRow("channel") << channel() << 1;
    QTest::newRow("channel turned 30 degrees") << moved(channel(), std::numbers::pi / 6, 7, 3) << 1;
    QTest::newRow("unequal angle")
        << Figures{rectangle(0, 0, 100, 10), rectangle(0, 10, 10, 140)} << 0;
    // Two equal flanges swap places under the mirror; the web maps onto itself.
    QTest::newRow("I of three plates")
        << Figures{rectangle(-50, 90, 100, 10), rectangle(-50, -100, 100, 10),
                   rectangle(-4, -90, 8, 180)}
        << 2;
    // A vertex in the middle of an edge and a repeated closing vertex change nothing.
    QTest::newRow("extra vertices on one side")
        << Figures{{{{0, 0}, {50, 0}, {100, 0}, {100, 40}, {0, 40}, {0, 0}}, 1}} << 2;
    // An added figure does not mirror onto a subtracted one of the same outline.
    QTest::newRow("added and subtracted twins")
        << Figures{rectangle(-100, 0, 200, 50), rectangle(-90, 10, 20, 20, -1),
                   rectangle(70, 10, 20, 20, 1)}
        << 0;
    // Two equal bars of two materials: each maps onto itself across their common axis, but not
    // onto the other across the line between them.
    Figures bars{rectangle(0, 0, 15, 2), rectangle(15, 0, 15, 2)};
    bars[0].material = 0;
    bars[1].material = 1;
    QTest::newRow("bars of two materials") << bars << 1;
    bars[1].material = 0;
    QTest::newRow("bars of one material") << bars << 2;
    SectionFigure circle;
    for (int i = 0; i < 72; ++i) {
        const double angle = 2 * std::numbers::pi * i / 72;
        // Rounded to four decimals as the generators write them.
        circle.outline.push_back(
            {std::round(5e5 * std::cos(angle)) / 1e4, std::round(5e5 * std::sin(angle)) / 1e4});
    }
    QTest::newRow("generated circle") << Figures{circle} << 2;
    QTest::newRow("nothing") << Figures{} << 0;
    QTest::newRow("not a number") << Figures{{{{0, 0}, {1, 0}, {std::nan(""), 1}}, 1}} << 0;
}

void TestMirrorSymmetry::linesFound() {
    QFETCH(Figures, figures);
    QFETCH(int, lines);
    QCOMPARE(static_cast<int>(MirrorSymmetry::mirrorLines(figures).size()), lines);
}

// Through the analysis: the box's centre is the centroid to the last digit and the channel's lies
// on its axis, while the channel's centre keeps its distance from the web.
void TestMirrorSymmetry::centresPlacedOnTheLines() {
    const Figures box{rectangle(0, 0, 100, 200), rectangle(25, 50, 50, 100, -1)};
    TorsionOutcome outcome = TorsionAnalysis::run(box, {});
    QCOMPARE(outcome.status, TorsionStatus::Ok);
    QCOMPARE(TorsionRows::value(Property::ShearCentreX, outcome.result), 50.0);
    QCOMPARE(TorsionRows::value(Property::ShearCentreY, outcome.result), 100.0);
    QCOMPARE(TorsionRows::value(Property::ShearCentreOffsetX, outcome.result), 0.0);
    QCOMPARE(TorsionRows::value(Property::TrefftzCentreY, outcome.result), 100.0);

    const double angle = std::numbers::pi / 6;
    outcome = TorsionAnalysis::run(moved(channel(), angle, 7, 3), {});
    QCOMPARE(outcome.status, TorsionStatus::Ok);
    const TorsionValues& v = outcome.result.values;
    // Across the axis (along the web) the offset is gone; along it the centre lies behind the
    // web, as a channel's does.
    const double across = -(v.shearCentreX - v.centroidX) * std::sin(angle) +
                          (v.shearCentreY - v.centroidY) * std::cos(angle);
    const double along = (v.shearCentreX - v.centroidX) * std::cos(angle) +
                         (v.shearCentreY - v.centroidY) * std::sin(angle);
    QVERIFY2(std::abs(across) < 1e-9, qPrintable(QString::number(across)));
    QVERIFY(along < -20);
}

QTEST_APPLESS_MAIN(TestMirrorSymmetry)
#include "test_mirror_symmetry.moc"
