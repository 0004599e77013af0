// How loops that touch, repeat or cross are nested: each case is a few rectangles and the depth
// every kept loop must get (odd depths are holes), with the clashes it must report. The cases
// put touching groups inside single loops and single loops inside the holes of touching groups,
// where one sweep has to carry the depth across both kinds.
#include <QtTest>
#include <algorithm>

#include "core/drawing/LoopChecks.h"
#include "core/drawing/OutlineNesting.h"

using namespace kuvanto;

namespace {

using Loops = std::vector<std::vector<Point>>;

std::vector<Point> rect(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

// The depth of each loop kept, listed by the loop given it comes from (-1: left out).
QList<int> depthsByOrigin(const NestedOutlines& nested, std::size_t given) {
    QList<int> depths(static_cast<qsizetype>(given), -1);
    for (std::size_t i = 0; i < nested.loops.size(); ++i)
        depths[nested.origin[i]] = nested.depth[i];
    return depths;
}

}  // namespace

Q_DECLARE_METATYPE(Loops)

class TestOutlineNesting : public QObject {
    Q_OBJECT

private slots:
    void depthsOfTouchingLoops_data();
    void depthsOfTouchingLoops();
    void crossingLoopsAreLeftOutWithTheirPlace();
    void crossingLoopsJoinIntoTheirUnion();
    void contactsWithinTheTolerance();
};

void TestOutlineNesting::depthsOfTouchingLoops_data() {
    QTest::addColumn<Loops>("loops");
    QTest::addColumn<QList<int>>("depths");
    QTest::addColumn<int>("repeated");

    const double noise = 1e-9;
    QTest::newRow("hole touching its outline on the left")
        << Loops{rect(0, 0, 100, 50), rect(0, 20, 10, 30)} << QList<int>{0, 1} << 0;
    QTest::newRow("hole sharing a corner of its outline")
        << Loops{rect(0, 0, 100, 50), rect(0, 0, 10, 10)} << QList<int>{0, 1} << 0;
    QTest::newRow("hole poking out by noise")
        << Loops{rect(0, 0, 100, 50), rect(-noise, 20, 10, 30)} << QList<int>{0, 1} << 0;
    QTest::newRow("plates overlapping by noise")
        << Loops{rect(0, 0, 200, 10), rect(95, 10 - noise, 105, 290 + noise),
                 rect(0, 290, 200, 300)}
        << QList<int>{0, 0, 0} << 0;
    QTest::newRow("plates with a gap of noise")
        << Loops{rect(0, 0, 100, 10), rect(100 + noise, 0, 200, 10)} << QList<int>{0, 0} << 0;
    QTest::newRow("the same outline twice")
        << Loops{rect(0, 0, 100, 50), rect(0, 0, 100, 50)} << QList<int>{0, -1} << 1;
    QTest::newRow("a hole drawn twice inside a plate")
        << Loops{rect(0, 0, 100, 50), rect(10, 10, 20, 20), rect(10, 10, 20, 20)}
        << QList<int>{0, 1, -1} << 1;
    // A plate in a touching hole, and a plate in that plate's touching hole.
    QTest::newRow("islands touching their holes")
        << Loops{rect(0, 0, 100, 100), rect(0, 10, 80, 90), rect(0, 20, 60, 80),
                 rect(0, 30, 40, 70)}
        << QList<int>{0, 1, 2, 3} << 0;
    // A free plate inside the hole of a touching pair, and a touching pair inside a free hole.
    QTest::newRow("free loops and touching groups inside each other")
        << Loops{rect(0, 0, 100, 100),   rect(0, 10, 80, 90),    rect(20, 30, 40, 50),
                 rect(200, 0, 300, 100), rect(210, 10, 290, 90), rect(220, 20, 250, 50),
                 rect(250, 20, 280, 50)}
        << QList<int>{0, 1, 2, 0, 1, 2, 2} << 0;
    QTest::newRow("a free hole in a plate of a touching pair")
        << Loops{rect(0, 0, 100, 10), rect(100, 0, 200, 10), rect(150, 2, 160, 8)}
        << QList<int>{0, 0, 1} << 0;
}

void TestOutlineNesting::depthsOfTouchingLoops() {
    QFETCH(Loops, loops);
    QFETCH(QList<int>, depths);
    QFETCH(int, repeated);
    const NestedOutlines nested = OutlineNesting::nest(loops, 3e-4, false);
    QCOMPARE(depthsByOrigin(nested, loops.size()), depths);
    QCOMPARE(static_cast<int>(std::count_if(
                 nested.clashes.begin(), nested.clashes.end(),
                 [](const LoopClash& c) { return c.kind == LoopClash::Kind::Repeated; })),
             repeated);
    QCOMPARE(static_cast<int>(nested.clashes.size()), repeated);
}

void TestOutlineNesting::crossingLoopsAreLeftOutWithTheirPlace() {
    // Two plates crossing, a hole in the first, and a plate apart that stays.
    const Loops loops{rect(0, 0, 100, 50), rect(50, 25, 150, 75), rect(300, 0, 400, 50)};
    const NestedOutlines nested = OutlineNesting::nest(loops, 3e-4, false);
    QCOMPARE(depthsByOrigin(nested, loops.size()), (QList<int>{-1, -1, 0}));
    QCOMPARE(nested.clashes.size(), std::size_t{1});
    const LoopClash& clash = nested.clashes[0];
    QCOMPARE(clash.kind, LoopClash::Kind::Crossing);
    QCOMPARE(std::min(clash.loop, clash.other), 0);
    QCOMPARE(std::max(clash.loop, clash.other), 1);
    const bool onCrossing = (clash.where == Point{100, 25}) || (clash.where == Point{50, 50});
    QVERIFY2(onCrossing,
             qPrintable(QStringLiteral("%1, %2").arg(clash.where.x).arg(clash.where.y)));
}

void TestOutlineNesting::crossingLoopsJoinIntoTheirUnion() {
    // Two C shapes overlapping into a ring: the union is an outline with a hole.
    const Loops loops{
        {{0, 0}, {60, 0}, {60, 10}, {10, 10}, {10, 90}, {60, 90}, {60, 100}, {0, 100}},
        {{40, 0}, {100, 0}, {100, 100}, {40, 100}, {40, 90}, {90, 90}, {90, 10}, {40, 10}}};
    const NestedOutlines nested = OutlineNesting::nest(loops, 1e-4, true);
    QCOMPARE(nested.loops.size(), std::size_t{2});
    double area = 0;
    for (std::size_t i = 0; i < nested.loops.size(); ++i)
        area += (nested.depth[i] % 2 == 0 ? 1 : -1) *
                std::abs(LoopChecks::doubleArea(nested.loops[i])) / 2;
    QCOMPARE(area, 100.0 * 100 - 80 * 80);
    QVERIFY(!nested.clashes.empty());
    for (const LoopClash& clash : nested.clashes) QCOMPARE(clash.kind, LoopClash::Kind::Joined);
}

void TestOutlineNesting::contactsWithinTheTolerance() {
    // Far apart, a gap of twice the tolerance, a gap of half of it, and crossing.
    const Loops loops{rect(0, 0, 10, 10), rect(10.002, 0, 20, 10), rect(20.0005, 0, 30, 10),
                      rect(25, 5, 35, 15), rect(100, 100, 110, 110)};
    bool complete = false;
    const auto pairs = LoopChecks::contacts(loops, 1e-3, 1'000'000, &complete);
    QVERIFY(complete);
    const std::vector<std::pair<int, int>> expected{{1, 2}, {2, 3}};
    QCOMPARE(pairs, expected);
    // Too little work allowed: it says it gave up rather than answering in part.
    QVERIFY(LoopChecks::contacts(loops, 1e-3, 2, &complete).empty());
    QVERIFY(!complete);
}

QTEST_GUILESS_MAIN(TestOutlineNesting)
#include "test_outline_nesting.moc"
