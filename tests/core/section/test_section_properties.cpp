// The section property formulas of one figure: the worked rectangle in both orientations and
// without its closing vertex, a triangle below the X axis, a parallelogram with an edge whose
// end coordinates sum to zero, and the figures that cannot be computed.
#include <QtTest>

#include <cmath>
#include <vector>

#include "../../WorkedSections.h"
#include "core/base/NumberText.h"
#include "core/base/Point.h"
#include "core/section/SectionProperties.h"

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

// The worked 100 × 200 rectangle with its lower left corner at the origin: all 18 values.
const test::WorkedValues& kRectValues = test::kRectangle.combined;
const std::vector<double> kRect{kRectValues.area,           kRectValues.centroidX,
                                kRectValues.centroidY,      *kRectValues.perimeter,
                                kRectValues.momentX,        kRectValues.momentY,
                                kRectValues.modulusX(),     kRectValues.modulusY(),
                                kRectValues.polarMoment(),  kRectValues.radiusX(),
                                kRectValues.radiusY(),      kRectValues.axisMomentX,
                                kRectValues.axisMomentY,    kRectValues.axisModulusX(),
                                kRectValues.axisModulusY(), kRectValues.axisPolarMoment(),
                                kRectValues.axisRadiusX(),  kRectValues.axisRadiusY()};

// Exact values of a polygon whose coordinates are decimals of at most three places, computed with
// integers in thousandths: twice the area, six times the first moments and twelve times the
// second moments about the axes, then the centroidal moments as exact fractions.
struct ExactFigure {
    using Int = __int128;
    Int area2 = 0, sx6 = 0, sy6 = 0, ixx12 = 0, iyy12 = 0;  // in powers of a thousandth
    std::vector<std::pair<Int, Int>> vertices;

    explicit ExactFigure(const QStringList& rows) {
        for (const QString& row : rows) {
            const QStringList xy = row.split(',');
            vertices.emplace_back(thousandths(xy[0]), thousandths(xy[1]));
        }
        const std::size_t n = vertices.size();
        for (std::size_t k = 0; k < n; ++k) {
            const auto [x0, y0] = vertices[k];
            const auto [x1, y1] = vertices[(k + 1) % n];
            const Int cross = x1 * y0 - x0 * y1;  // clockwise positive
            area2 += cross;
            sx6 += (x0 + x1) * cross;
            sy6 += (y0 + y1) * cross;
            ixx12 += (y0 * y0 + y0 * y1 + y1 * y1) * cross;
            iyy12 += (x0 * x0 + x0 * x1 + x1 * x1) * cross;
        }
    }
    static Int thousandths(const QString& text) {
        const QStringList parts = text.trimmed().split('.');
        const bool negative = text.trimmed().startsWith('-');
        Int whole = 0;
        for (QChar c : parts[0])
            if (c.isDigit()) whole = whole * 10 + c.digitValue();
        Int fraction = 0;
        const QString decimals = (parts.value(1) + "000").left(3);
        for (QChar c : decimals) fraction = fraction * 10 + c.digitValue();
        const Int value = whole * 1000 + fraction;
        return negative ? -value : value;
    }
    static long double ratio(Int num, Int den, int thousandthPowers) {
        long double value = static_cast<long double>(num) / static_cast<long double>(den);
        for (int i = 0; i < thousandthPowers; ++i) value /= 1000;
        return value;
    }
    // Signed as the formulas return them for a clockwise figure; the caller folds the sign.
    long double area() const { return ratio(area2, 2, 2); }
    long double centroidX() const { return ratio(sx6, 3 * area2, 1); }
    long double centroidY() const { return ratio(sy6, 3 * area2, 1); }
    // Ix = Ixx - A ybar^2 = (3 A2 Ixx12 - 2 Sy6^2) / (36 A2), exactly.
    long double momentX() const { return ratio(3 * area2 * ixx12 - 2 * sy6 * sy6, 36 * area2, 4); }
    long double momentY() const { return ratio(3 * area2 * iyy12 - 2 * sx6 * sx6, 36 * area2, 4); }
    long double axisMomentX() const { return ratio(ixx12, 12, 4); }
    long double axisMomentY() const { return ratio(iyy12, 12, 4); }
    // The largest distance of a vertex from the centroid: |3 A2 x - Sx6| / (3 A2), exactly.
    long double fibreX() const { return fibre(true); }
    long double fibreY() const { return fibre(false); }
    long double fibre(bool alongX) const {
        Int largest = 0;
        for (const auto& [x, y] : vertices) {
            Int d = 3 * area2 * (alongX ? x : y) - (alongX ? sx6 : sy6);
            if (d < 0) d = -d;
            if (d > largest) largest = d;
        }
        Int den = 3 * area2;
        if (den < 0) den = -den;
        return ratio(largest, den, 1);
    }
};

}  // namespace

class TestSectionProperty : public QObject {
    Q_OBJECT
private slots:
    void values_data();
    void values();
    void failures_data();
    void failures();
    void bySymbol();
    void farFiguresMatchExactArithmetic_data();
    void farFiguresMatchExactArithmetic();
};

void TestSectionProperty::values_data() {
    QTest::addColumn<Polygon>("vertices");
    QTest::addColumn<std::vector<double>>("expected");  // a prefix of the 18 values
    QTest::newRow("rectangle clockwise")
        << POLY({0, 0}, {0, 200}, {100, 200}, {100, 0}, {0, 0}) << kRect;
    QTest::newRow("rectangle counter-clockwise") << test::kRectangle100x200 << kRect;
    QTest::newRow("rectangle unclosed")
        << Polygon(test::kRectangle100x200.begin(), test::kRectangle100x200.end() - 1) << kRect;
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
    // Too small for double precision: the area is subnormal and the moments underflow to 0.
    QTest::newRow("square of side 1e-160")
        << POLY({0, 0}, {1e-160, 0}, {1e-160, 1e-160}, {0, 1e-160}, {0, 0});
    QTest::newRow("thin strip whose moments underflow")
        << POLY({0, 0}, {1e-100, 0}, {1e-100, 1e-100}, {0, 1e-100}, {0, 0});
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

void TestSectionProperty::farFiguresMatchExactArithmetic_data() {
    QTest::addColumn<QStringList>("rows");
    // A triangle of 0.0036 mm² near (-498, 457), as a small hole in a larger part.
    QTest::newRow("small triangle at (-498, 457)")
        << QStringList{"-498.021,457.013", "-497.961,457.013", "-498.021,457.133"};
    // A square millimetre a million millimetres out, given counter-clockwise.
    QTest::newRow("1 mm quadrilateral at (1e6, -1e6)") << QStringList{
        "1000000.001,-999999.5", "1000001.003,-999999.499", "1000000.998,-999998.497",
        "999999.997,-999998.502", "1000000.001,-999999.5"};
    // Ten micrometres across, a million times its size from the origin.
    QTest::newRow("0.01 mm figure at (1e4, 1e4)") << QStringList{
        "10000.003,10000.001", "10000.013,10000.002", "10000.011,10000.012", "10000.001,10000.009"};
}

void TestSectionProperty::farFiguresMatchExactArithmetic() {
    QFETCH(QStringList, rows);
    Polygon vertices;
    for (const QString& row : rows) {
        const QStringList xy = row.split(',');
        vertices.push_back(
            {*parseNumeric(xy[0].toStdString()), *parseNumeric(xy[1].toStdString())});
    }
    const auto props = allProperties(vertices);
    QVERIFY(props);
    const ExactFigure exact(rows);
    const long double sign = exact.area() < 0 ? -1 : 1;  // folded as for a clockwise figure
    const long double area = sign * exact.area();
    const long double ix = sign * exact.momentX(), iy = sign * exact.momentY();
    const long double ixAxis = sign * exact.axisMomentX(), iyAxis = sign * exact.axisMomentY();
    const long double cx = exact.fibreX(), cy = exact.fibreY();
    const struct {
        Property property;
        long double value;
    } expected[] = {
        {Property::Area, area},
        {Property::CentroidX, exact.centroidX()},
        {Property::CentroidY, exact.centroidY()},
        {Property::MomentX, ix},
        {Property::MomentY, iy},
        {Property::ModulusX, ix / cy},
        {Property::ModulusY, iy / cx},
        {Property::PolarMoment, ix + iy},
        {Property::RadiusX, std::sqrt(ix / area)},
        {Property::RadiusY, std::sqrt(iy / area)},
        {Property::AxisMomentX, ixAxis},
        {Property::AxisMomentY, iyAxis},
        {Property::AxisPolarMoment, ixAxis + iyAxis},
        {Property::AxisRadiusX, std::sqrt(ixAxis / area)},
        {Property::AxisRadiusY, std::sqrt(iyAxis / area)},
    };
    for (const auto& [property, value] : expected) {
        const bool fixed = property == Property::CentroidX || property == Property::CentroidY ||
                           property == Property::RadiusX || property == Property::RadiusY ||
                           property == Property::AxisRadiusX || property == Property::AxisRadiusY;
        const auto shown = [&](double v) { return fixed ? fixed3Text(v) : expText(v); };
        const std::string symbol(propertySymbol(property));
        QVERIFY2(shown((*props)[property]) == shown(static_cast<double>(value)),
                 qPrintable(QString("%1 shows %2, exactly %3")
                                .arg(QString::fromStdString(symbol),
                                     QString::fromStdString(shown((*props)[property])),
                                     QString::fromStdString(shown(static_cast<double>(value))))));
    }
}

QTEST_APPLESS_MAIN(TestSectionProperty)
#include "test_section_properties.moc"
