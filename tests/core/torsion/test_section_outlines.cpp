// Welding of the outlines before meshing: a point within the welding distance of a point kept
// before it takes that point's coordinates, wherever the two lie in the welder's grid of cells
// (the same cell, across an edge or a corner of cells), the earliest kept point when several are
// near, and a point farther away stays as given.
#include <QTest>

#include "core/torsion/SectionOutlines.h"

using namespace kuvanto;

namespace {

// The points of the first figure span the unit square, so that the welding distance is 1e-9.
const double kDistance = SectionOutlines::weldDistance(1.0);

}  // namespace

Q_DECLARE_METATYPE(kuvanto::Point)

class TestSectionOutlines : public QObject {
    Q_OBJECT

private slots:
    void weldsToTheEarliestKeptPointNearby_data();
    void weldsToTheEarliestKeptPointNearby();
};

void TestSectionOutlines::weldsToTheEarliestKeptPointNearby_data() {
    QTest::addColumn<Point>("first");   // kept first (a vertex of the first figure)
    QTest::addColumn<Point>("second");  // kept next, when apart from the first
    QTest::addColumn<Point>("probe");   // a vertex of the second figure
    QTest::addColumn<Point>("welded");  // what the probe becomes

    const double d = kDistance;
    const Point far{0.75, 0.25};
    const Point a{0.25, 0.75};
    // 0.5 lies on an edge of the welder's cells (within a rounding error); points a third of the
    // distance either side are in different cells.
    const double edge = 0.5;
    QTest::newRow("within the distance in x and y")
        << a << far << Point{a.x + 0.6 * d, a.y - 0.6 * d} << a;
    QTest::newRow("across an edge in x")
        << Point{edge - 0.3 * d, 0.3} << far << Point{edge + 0.3 * d, 0.3}
        << Point{edge - 0.3 * d, 0.3};
    QTest::newRow("across an edge in y")
        << Point{0.3, edge + 0.4 * d} << far << Point{0.3, edge - 0.4 * d}
        << Point{0.3, edge + 0.4 * d};
    QTest::newRow("across a corner")
        << Point{edge - 0.3 * d, edge + 0.3 * d} << far << Point{edge + 0.3 * d, edge - 0.3 * d}
        << Point{edge - 0.3 * d, edge + 0.3 * d};
    QTest::newRow("beyond the distance in x")
        << a << far << Point{a.x + 1.5 * d, a.y} << Point{a.x + 1.5 * d, a.y};
    QTest::newRow("beyond the distance across an edge")
        << Point{edge - 0.8 * d, 0.3} << far << Point{edge + 0.8 * d, 0.3}
        << Point{edge + 0.8 * d, 0.3};
    QTest::newRow("earliest of two, left first")
        << a << Point{a.x + 1.5 * d, a.y} << Point{a.x + 0.75 * d, a.y} << a;
    QTest::newRow("earliest of two, right first")
        << Point{a.x + 1.5 * d, a.y} << a << Point{a.x + 0.75 * d, a.y}
        << Point{a.x + 1.5 * d, a.y};
    QTest::newRow("earliest of two across an edge")
        << Point{edge + 0.7 * d, 0.3} << Point{edge - 0.7 * d, 0.3} << Point{edge, 0.3}
        << Point{edge + 0.7 * d, 0.3};
}

void TestSectionOutlines::weldsToTheEarliestKeptPointNearby() {
    QFETCH(Point, first);
    QFETCH(Point, second);
    QFETCH(Point, probe);
    QFETCH(Point, welded);
    const std::vector<SectionFigure> figures{
        {{{0, 0}, {1, 0}, {1, 1}, first, second, {0, 1}}, 1},
        {{{0.1, 0.1}, {0.2, 0.1}, probe}, 1},
    };
    bool finite = false;
    const std::vector<SectionOutline> outlines = SectionOutlines::clean(figures, &finite);
    QVERIFY(finite);
    QCOMPARE(outlines.size(), std::size_t{2});
    QCOMPARE(outlines[0].points.size(), std::size_t{6});  // the first figure's points all kept
    QCOMPARE(outlines[1].points.size(), std::size_t{3});
    const Point got = outlines[1].points[2];
    QCOMPARE(got.x, welded.x);
    QCOMPARE(got.y, welded.y);
}

QTEST_APPLESS_MAIN(TestSectionOutlines)
#include "test_section_outlines.moc"
