// Seams of an outline (a segment walked once each way) and what they change: found wherever they
// lie in the list, never confused with a segment walked twice the same way or with a boundary
// shared by two figures, and left out of the perimeter while area and moments stay.
#include <QtTest>

#include <cmath>
#include <numbers>
#include <vector>

#include "core/section/SeamEdges.h"
#include "core/section/SectionProperties.h"
#include "core/shapes/ShapeOutlines.h"

using namespace kuvanto;

Q_DECLARE_METATYPE(std::vector<kuvanto::Point>)

namespace {

// A square ring 0..10 with a 2..8 hole as one outline, cut along y = 2 from x = 0 to 2.
const std::vector<Point> kKeyholeRing{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 2}, {2, 2},
                                      {2, 8}, {8, 8},  {8, 2},   {2, 2},  {0, 2}};

// The keyhole ring with its first edge cut into `parts` segments, so that the seam lies far
// down a long list.
std::vector<Point> longKeyholeRing(int parts) {
    std::vector<Point> points{kKeyholeRing.front()};
    for (int i = 1; i < parts; ++i) points.push_back({10.0 * i / parts, 0});
    points.insert(points.end(), kKeyholeRing.begin() + 1, kKeyholeRing.end());
    return points;
}

}  // namespace

class TestSeamEdges : public QObject {
    Q_OBJECT
private slots:
    void found_data() {
        QTest::addColumn<std::vector<Point>>("points");
        QTest::addColumn<bool>("closeLoop");
        QTest::addColumn<QList<qsizetype>>("expected");

        QTest::newRow("rectangle has none")
            << std::vector<Point>{{0, 0}, {4, 0}, {4, 2}, {0, 2}, {0, 0}} << true
            << QList<qsizetype>{};
        QTest::newRow("keyhole ring, seam inside the list")
            << kKeyholeRing << true << QList<qsizetype>{4, 9};
        // The same ring started on the cut: one half of the seam is the closing segment.
        QTest::newRow("keyhole ring, seam far down a long list")
            << longKeyholeRing(40) << true << QList<qsizetype>{43, 48};
        std::vector<Point> signedZero = kKeyholeRing;
        signedZero[4] = {-0.0, 2};
        QTest::newRow("seam with negative zero at one end")
            << signedZero << true << QList<qsizetype>{4, 9};
        QTest::newRow("seam through the closing segment")
            << std::vector<Point>{{0, 2}, {0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 2},
                                  {2, 2}, {2, 8}, {8, 8},  {8, 2},   {2, 2}}
            << true << QList<qsizetype>{5, 10};
        QTest::newRow("open list does not close")
            << std::vector<Point>{{0, 2}, {0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 2},
                                  {2, 2}, {2, 8}, {8, 8},  {8, 2},   {2, 2}}
            << false << QList<qsizetype>{};
        QTest::newRow("walked twice the same way is no seam")
            << std::vector<Point>{{0, 0}, {4, 0}, {4, 4}, {0, 0}, {4, 0}, {4, -4}} << false
            << QList<qsizetype>{};
        QTest::newRow("walked three times pairs once")
            << std::vector<Point>{{0, 0}, {4, 0}, {0, 0}, {4, 0}, {4, 4}} << false
            << QList<qsizetype>{0, 1};
        QTest::newRow("spike walked straight back, negative zero equals zero")
            << std::vector<Point>{{0, 0}, {5, 0}, {5, 5}, {-0.0, 0}, {3, 1}, {0, -0.0}} << true
            << QList<qsizetype>{3, 4};
    }
    void found() {
        QFETCH(std::vector<Point>, points);
        QFETCH(bool, closeLoop);
        QFETCH(QList<qsizetype>, expected);
        const SeamEdges seams(points, closeLoop);
        QList<qsizetype> got;
        for (std::size_t i : seams.indices()) got << static_cast<qsizetype>(i);
        QCOMPARE(got, expected);
    }

    // The ring's perimeter is its two boundaries; area and moments are those of the ring.
    void perimeterLeavesOutTheSeam() {
        const auto ring = allProperties(kKeyholeRing);
        QVERIFY(ring);
        QCOMPARE((*ring)[Property::Perimeter], 40.0 + 24.0);
        QCOMPARE((*ring)[Property::Area], 100.0 - 36.0);
        QCOMPARE((*ring)[Property::MomentX], (std::pow(10.0, 4) - std::pow(6.0, 4)) / 12);

        // A shipped pipe: the perimeter of the two polygons that approximate its circles.
        const auto pipe = ShapeOutlines::pipe(114.3, 4.5);
        std::vector<Point> points;
        for (const PlanePoint& p : pipe) points.push_back({p.x, p.y});
        const auto props = allProperties(points);
        QVERIFY(props);
        double rings = 0;
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            const Point a = points[i], b = points[i + 1];
            if (std::fabs(std::hypot(a.x, a.y) - std::hypot(b.x, b.y)) > 1e-9) continue;  // radial
            rings += std::hypot(b.x - a.x, b.y - a.y);
        }
        QVERIFY(std::fabs((*props)[Property::Perimeter] - rings) < 1e-9 * rings);
        QVERIFY(std::fabs((*props)[Property::Perimeter] - std::numbers::pi * (114.3 + 105.3)) <
                0.01);
    }
};

QTEST_APPLESS_MAIN(TestSeamEdges)
#include "test_seam_edges.moc"
