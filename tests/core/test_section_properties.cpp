// The section property formulas of one figure: the worked rectangle in both orientations and
// without its closing vertex, a triangle below the X axis, a parallelogram with an edge whose
// end coordinates sum to zero, and the figures that cannot be computed.
#include <QtTest>

#include <cmath>
#include <vector>

#include "core/SectionProperties.h"

using namespace kuvanto;

Q_DECLARE_METATYPE(std::vector<double>)

namespace {

std::vector<double> xs(std::initializer_list<std::pair<double, double>> pts) {
    std::vector<double> v;
    for (auto p : pts) v.push_back(p.first);
    return v;
}
std::vector<double> ys(std::initializer_list<std::pair<double, double>> pts) {
    std::vector<double> v;
    for (auto p : pts) v.push_back(p.second);
    return v;
}

#define POLY(...) xs({__VA_ARGS__}) << ys({__VA_ARGS__})

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
    QTest::addColumn<std::vector<double>>("xs");
    QTest::addColumn<std::vector<double>>("ys");
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
    QFETCH(std::vector<double>, xs);
    QFETCH(std::vector<double>, ys);
    QFETCH(std::vector<double>, expected);
    const auto props = allProperties(xs, ys);
    QVERIFY(props);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const double tolerance = 1e-9 * std::max(1.0, std::fabs(expected[i]));
        if (std::fabs((*props)[i] - expected[i]) > tolerance)
            QFAIL(qPrintable(
                QString("%1 is %2, expected %3")
                    .arg(QString::fromUtf8(kPropertySymbols[i].data(), int(kPropertySymbols[i].size())))
                    .arg((*props)[i], 0, 'g', 17)
                    .arg(expected[i], 0, 'g', 17)));
    }
    QCOMPARE(xs.front(), xs.back());  // closed in place
    QCOMPARE(ys.front(), ys.back());
}

void TestSectionProperty::failures_data() {
    QTest::addColumn<std::vector<double>>("xs");
    QTest::addColumn<std::vector<double>>("ys");
    QTest::newRow("single vertex") << POLY({3, 4});
    QTest::newRow("two vertices") << POLY({0, 0}, {1, 1});
    QTest::newRow("collinear") << POLY({0, 0}, {1, 1}, {2, 2}, {0, 0});
    QTest::newRow("symmetric bow-tie") << POLY({0, 0}, {100, 100}, {100, 0}, {0, 100});
    // Lobes of unequal size: the area and the centroidal moments take opposite signs.
    QTest::newRow("unequal bow-tie") << POLY({0, 0}, {100, 10}, {100, 0}, {0, 11});
    QTest::newRow("empty") << std::vector<double>{} << std::vector<double>{};
}

void TestSectionProperty::failures() {
    QFETCH(std::vector<double>, xs);
    QFETCH(std::vector<double>, ys);
    QVERIFY(!allProperties(xs, ys));
}

void TestSectionProperty::bySymbol() {
    std::vector<double> xs{0, 100, 100, 0};
    std::vector<double> ys{0, 0, 200, 200};
    QCOMPARE(sectionProperty("x_bar", xs, ys), 50.0);
    QCOMPARE(xs.size(), std::size_t(5));  // closed by the first call, not again
    QCOMPARE(sectionProperty("len", xs, ys), 600.0);
    QCOMPARE(xs.size(), std::size_t(5));
    QVERIFY_THROWS_EXCEPTION(CalcError, sectionProperty("IX", xs, ys));
    std::vector<double> lineX{0, 1, 2};
    std::vector<double> lineY{0, 0, 0};
    QVERIFY_THROWS_EXCEPTION(CalcError, sectionProperty("A", lineX, lineY));
}

QTEST_APPLESS_MAIN(TestSectionProperty)
#include "test_section_properties.moc"
