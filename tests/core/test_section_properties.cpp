// The section property formulas of one figure: the worked rectangle in both orientations and
// without its closing vertex, a triangle below the X axis, a parallelogram with an edge whose
// end coordinates sum to zero, and the figures that cannot be computed.
#include <QtTest>

#include <cmath>
#include <vector>

#include "core/Point.h"
#include "core/SectionProperties.h"

using namespace kuvanto;

using Polygon = std::vector<Point>;
Q_DECLARE_METATYPE(std::vector<double>)
Q_DECLARE_METATYPE(Polygon)

namespace {

#define POLY(...)   \
    Polygon {       \
        __VA_ARGS__ \
    }

const double r3 = 1.0 / 3.0;

// The 100 × 200 rectangle with its lower left corner at the origin.
const std::vector<double> kRect{20000,
                                50,
                                100,
                                600,
                                2e8 / 3,
                                5e7 / 3,
                                2e6 / 3,
                                1e6 / 3,
                                2.5e8 / 3,
                                std::sqrt(1e4 * r3),
                                std::sqrt(2500 * r3),
                                8e8 / 3,
                                2e8 / 3,
                                4e6 / 3,
                                2e6 / 3,
                                1e9 / 3,
                                std::sqrt(4e4 * r3),
                                std::sqrt(1e4 * r3)};

}  // namespace

class TestSectionProperty : public QObject {
    Q_OBJECT
private slots:
    void values_data();
    void values();
    void failures_data();
    void failures();
    void bySymbol();
};

void TestSectionProperty::values_data() {
    QTest::addColumn<Polygon>("vertices");
    QTest::addColumn<std::vector<double>>("expected");  // a prefix of the 18 values
    QTest::newRow("rectangle clockwise")
        << POLY({0, 0}, {0, 200}, {100, 200}, {100, 0}, {0, 0}) << kRect;
    QTest::newRow("rectangle counter-clockwise")
        << POLY({0, 0}, {100, 0}, {100, 200}, {0, 200}, {0, 0}) << kRect;
    QTest::newRow("rectangle unclosed") << POLY({0, 0}, {100, 0}, {100, 200}, {0, 200}) << kRect;
    // b·h³/36 = 60·60³/36; below the X axis at its lower half.
    QTest::newRow("triangle across the X axis")
        << POLY({10, -20}, {70, -20}, {10, 40}, {10, -20})
        << std::vector<double>{1800, 30, 0, 120 + std::sqrt(7200.0), 360000, 360000};
    // Its first edge, (0,-10) to (100,10), has Y values that sum to zero.
    QTest::newRow("parallelogram with a zero-sum edge")
        << POLY({0, -10}, {100, 10}, {100, 30}, {0, 10}, {0, -10})
        << std::vector<double>{2000, 50, 10};
    QTest::newRow("square about the origin")
        << POLY({-1, -1}, {1, -1}, {1, 1}, {-1, 1})
        << std::vector<double>{4, 0, 0, 8, 4 * r3, 4 * r3, 4 * r3, 4 * r3};
}

void TestSectionProperty::values() {
    QFETCH(Polygon, vertices);
    QFETCH(std::vector<double>, expected);
    const Polygon before = vertices;
    const auto props = allProperties(vertices);
    QVERIFY(props);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Property property = kAllProperties[i];
        const double tolerance = 1e-9 * std::max(1.0, std::fabs(expected[i]));
        if (std::fabs((*props)[property] - expected[i]) > tolerance) {
            const std::string_view symbol = propertySymbol(property);
            QFAIL(qPrintable(QString("%1 is %2, expected %3")
                                 .arg(QString::fromUtf8(symbol.data(), int(symbol.size())))
                                 .arg((*props)[property], 0, 'g', 17)
                                 .arg(expected[i], 0, 'g', 17)));
        }
    }
    QCOMPARE(vertices, before);  // the input is left as it was
}

void TestSectionProperty::failures_data() {
    QTest::addColumn<Polygon>("vertices");
    QTest::newRow("single vertex") << POLY({3, 4});
    QTest::newRow("two vertices") << POLY({0, 0}, {1, 1});
    QTest::newRow("collinear") << POLY({0, 0}, {1, 1}, {2, 2}, {0, 0});
    QTest::newRow("symmetric bow-tie") << POLY({0, 0}, {100, 100}, {100, 0}, {0, 100});
    // Lobes of unequal size: the area and the centroidal moments take opposite signs.
    QTest::newRow("unequal bow-tie") << POLY({0, 0}, {100, 10}, {100, 0}, {0, 11});
    QTest::newRow("empty") << Polygon{};
}

void TestSectionProperty::failures() {
    QFETCH(Polygon, vertices);
    QVERIFY(!allProperties(vertices));
}

void TestSectionProperty::bySymbol() {
    const Polygon open{{0, 0}, {100, 0}, {100, 200}, {0, 200}};
    QCOMPARE(sectionProperty("x_bar", open), 50.0);
    QCOMPARE(sectionProperty("len", open), 600.0);
    QCOMPARE(sectionProperty("Zx'", open), 4e6 / 3);
    QVERIFY_THROWS_EXCEPTION(CalcError, sectionProperty("IX", open));
    const Polygon line{{0, 0}, {1, 0}, {2, 0}};
    QVERIFY_THROWS_EXCEPTION(CalcError, sectionProperty("A", line));
}

QTEST_APPLESS_MAIN(TestSectionProperty)
#include "test_section_properties.moc"
