// The principal axes, the moduli per extreme fibre and the plastic block, per figure and for the
// combined section, against values computed independently with exact arithmetic (fractions, and
// 80-digit decimals where a root enters; tests/core/section/data/section-axes-reference.py writes
// SectionAxesCases.inc): the worked Z-section and rectangle, random sections with holes and
// overlaps, and small figures far from the origin. Also the invariants Iu + Iv = Ix + Iy and the
// angle of a rotated tall rectangle, round-off of symmetric sections shown as 0 while true tiny
// values keep their digits, the principal angle of nearly equal principal moments at both sides
// of its rounding threshold, and the rows the result table shows.
#include <QtTest>

#include <cmath>
#include <limits>
#include <numbers>

#include "core/section/Calculation.h"
#include "core/section/PlasticModuli.h"
#include "core/section/PrincipalAxes.h"

#include "../CoordTableBuilder.h"

using namespace kuvanto;

namespace {

struct ReferenceCase {
    const char* name;
    const char* added;       // figures "x,y;x,y;..." separated by "|"
    const char* subtracted;  // likewise
    const char* expected;    // "head:symbol=value, ..." with head 総合 or the figure's index
};

const ReferenceCase kReferenceCases[] = {
#include "SectionAxesCases.inc"
};

QStringList tableRows(const QString& figures) {
    QStringList rows;
    if (figures.isEmpty()) return rows;
    const QStringList list = figures.split('|');
    for (int i = 0; i < list.size(); ++i) {
        if (i > 0) rows << "|";
        rows << list[i].split(';');
    }
    return rows;
}

std::optional<Property> propertyOf(const QString& symbol) {
    for (Property p : kAllProperties) {
        if (QString::fromUtf8(propertySymbol(p).data(),
                              static_cast<qsizetype>(propertySymbol(p).size())) == symbol)
            return p;
    }
    return std::nullopt;
}

// The size against which a value is judged: 1e-9 of it. Moments, moduli and radii are judged
// against their column's own scale, positions against the section's size and distance from the
// origin, the angle against half a turn.
double scaleOf(Property p, const SectionProperties& v) {
    switch (p) {
        case Property::PrincipalAngle:
            return 180;
        case Property::PlasticAxisX:
        case Property::PlasticAxisY:
            return std::fabs(v[Property::CentroidX]) + std::fabs(v[Property::CentroidY]) +
                   std::sqrt(std::fabs(v[Property::Area]));
        case Property::ProductMoment:
        case Property::AxisProductMoment:
            return std::fabs(v[Property::MomentX]) + std::fabs(v[Property::MomentY]) +
                   std::fabs(v[Property::AxisMomentX]) + std::fabs(v[Property::AxisMomentY]);
        default:
            return 0;  // relative to the value itself
    }
}

std::vector<ColumnValues> calculate(const QStringList& added, const QStringList& subtracted) {
    ResultTable result;
    resetResultTable(result);
    std::vector<ColumnValues> values;
    const bool ok =
        runCalculation(test::coordTableOf(added, test::EntryRow::With),
                       test::coordTableOf(subtracted, test::EntryRow::With), result, &values);
    if (!ok) values.clear();
    return values;
}

QStringList rotatedRectangle(double degrees, double cx, double cy) {
    const double a = degrees * std::numbers::pi / 180;
    QStringList rows;
    for (auto [x, y] : {std::pair{-10.0, -40.0}, {10.0, -40.0}, {10.0, 40.0}, {-10.0, 40.0}}) {
        const double rx = cx + x * std::cos(a) - y * std::sin(a);
        const double ry = cy + x * std::sin(a) + y * std::cos(a);
        rows << QString("%1,%2").arg(rx, 0, 'g', 17).arg(ry, 0, 'g', 17);
    }
    return rows;
}

QString pointText(double x, double y) {
    return QString("%1,%2").arg(x, 0, 'g', 17).arg(y, 0, 'g', 17);
}

// A width x height rectangle about the origin turned by `degrees`, as a user would paste it.
QStringList turnedRectangle(double width, double height, double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    QStringList rows;
    for (auto [x, y] : {std::pair{-width / 2, -height / 2},
                        {width / 2, -height / 2},
                        {width / 2, height / 2},
                        {-width / 2, height / 2}})
        rows << pointText(x * std::cos(a) - y * std::sin(a), x * std::sin(a) + y * std::cos(a));
    return rows;
}

// A T of a 100 x 10 flange on a 10 x 90 web, symmetric about x = cx, its foot at y = cy.
QStringList farTee(double cx, double cy) {
    QStringList rows;
    for (auto [x, y] : {std::pair{-5.0, 0.0},
                        {5.0, 0.0},
                        {5.0, 90.0},
                        {50.0, 90.0},
                        {50.0, 100.0},
                        {-50.0, 100.0},
                        {-50.0, 90.0},
                        {-5.0, 90.0}})
        rows << pointText(cx + x, cy + y);
    return rows;
}

// An I-section of 0.2 x 0.4 m with a 0.008 m web and 0.013 m flanges, centred on the origin.
QStringList metreI() {
    const double b = 0.2, h = 0.4, web = 0.008, flange = 0.013;
    QStringList rows;
    for (auto [x, y] : {std::pair{-b / 2, -h / 2},
                        {b / 2, -h / 2},
                        {b / 2, -h / 2 + flange},
                        {web / 2, -h / 2 + flange},
                        {web / 2, h / 2 - flange},
                        {b / 2, h / 2 - flange},
                        {b / 2, h / 2},
                        {-b / 2, h / 2},
                        {-b / 2, h / 2 - flange},
                        {-web / 2, h / 2 - flange},
                        {-web / 2, -h / 2 + flange},
                        {-b / 2, -h / 2 + flange}})
        rows << pointText(x, y);
    return rows;
}

// The largest distance of the rows' points from the line through `centre` at `degrees`.
double farthestFrom(const QStringList& rows, Point centre, double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    double farthest = 0;
    for (const QString& row : rows) {
        const double dx = row.section(',', 0, 0).toDouble() - centre.x;
        const double dy = row.section(',', 1, 1).toDouble() - centre.y;
        farthest = std::max(farthest, std::fabs(dy * std::cos(a) - dx * std::sin(a)));
    }
    return farthest;
}
}  // namespace

class TestSectionAxes : public QObject {
    Q_OBJECT
private slots:
    void matchesExactArithmetic_data() {
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("subtracted");
        QTest::addColumn<QString>("expected");
        for (const ReferenceCase& c : kReferenceCases)
            QTest::newRow(c.name) << QString(c.added) << QString(c.subtracted)
                                  << QString::fromUtf8(c.expected);
    }
    void matchesExactArithmetic() {
        QFETCH(QString, added);
        QFETCH(QString, subtracted);
        QFETCH(QString, expected);
        const auto values = calculate(tableRows(added), tableRows(subtracted));
        QVERIFY(!values.empty());
        for (const QString& item : expected.split(", ")) {
            const QString head = item.section(':', 0, 0);
            const QString symbol = item.section(':', 1).section('=', 0, 0);
            const double want = item.section('=', 1).toDouble();
            const auto property = propertyOf(symbol);
            QVERIFY2(property, qPrintable(symbol));
            const ColumnValues& column = head == QString::fromUtf8("総合")
                                             ? values.back()
                                             : values[static_cast<std::size_t>(head.toInt())];
            const double got = column.values[*property];
            const double scale = std::max(std::fabs(want), scaleOf(*property, column.values));
            QVERIFY2(std::fabs(got - want) <= 1e-9 * scale, qPrintable(QString("%1 %2: %3, want %4")
                                                                           .arg(head, symbol)
                                                                           .arg(got, 0, 'g', 17)
                                                                           .arg(want, 0, 'g', 17)));
        }
        // Mohr's circle keeps the sum of the moments, in every column.
        for (const ColumnValues& column : values) {
            const SectionProperties& v = column.values;
            const double sum = v[Property::MomentX] + v[Property::MomentY];
            QVERIFY(std::fabs(v[Property::MajorMoment] + v[Property::MinorMoment] - sum) <=
                    1e-12 * std::fabs(sum));
        }
    }

    // The hand values of the worked Z-section, as a textbook gives them.
    void zSection() {
        const auto values =
            calculate({"-1,-6", "5,-6", "5,-4", "1,-4", "1,6", "-5,6", "-5,4", "-1,4"}, {});
        QCOMPARE(values.size(), std::size_t{2});
        const SectionProperties& v = values.back().values;
        QCOMPARE(std::round(v[Property::MomentX] * 100) / 100, 693.33);
        QCOMPARE(std::round(v[Property::MomentY] * 100) / 100, 173.33);
        QCOMPARE(v[Property::ProductMoment], -240.0);
        QCOMPARE(std::round(v[Property::MajorMoment] * 10) / 10, 787.2);
        QCOMPARE(std::round(v[Property::MinorMoment] * 10) / 10, 79.5);
        QCOMPARE(std::round(v[Property::PrincipalAngle] * 100) / 100, 21.35);
    }

    // A tall rectangle (Ix > Iy) turned by alpha counter-clockwise has its major axis at alpha,
    // wherever it lies; the angle is reported in (-90, 90].
    void rotatedRectangleAngle_data() {
        QTest::addColumn<double>("alpha");
        QTest::addColumn<double>("theta");
        QTest::addColumn<double>("centre");
        QTest::newRow("unturned") << 0.0 << 0.0 << 0.0;
        QTest::newRow("30 degrees") << 30.0 << 30.0 << 0.0;
        QTest::newRow("-45 degrees far away") << -45.0 << -45.0 << 25000.0;
        QTest::newRow("89 degrees") << 89.0 << 89.0 << 0.0;
        QTest::newRow("a quarter turn") << 90.0 << 90.0 << 10.0;
        QTest::newRow("120 degrees is -60") << 120.0 << -60.0 << 0.0;
    }
    void rotatedRectangleAngle() {
        QFETCH(double, alpha);
        QFETCH(double, theta);
        QFETCH(double, centre);
        const auto values = calculate(rotatedRectangle(alpha, centre, -centre), {});
        QVERIFY(!values.empty());
        for (const ColumnValues& column : values) {
            QVERIFY2(std::fabs(column.values[Property::PrincipalAngle] - theta) < 1e-9,
                     qPrintable(QString::number(column.values[Property::PrincipalAngle], 'g', 17)));
            // The plastic modulus about u is the unturned rectangle's: 20 * 80^2 / 4.
            if (column.kind == ColumnKind::Combined)
                QVERIFY(std::fabs(column.values[Property::PlasticModulusU] - 32000) < 1e-6);
        }
    }

    // Values that are 0 for a symmetric section come out of double arithmetic as rounding; within
    // the computation's own rounding bound they show 0, while a true value far smaller than the
    // section but well above that bound keeps its digits.
    void roundOffShowsAsZero_data() {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("shown");
        const QString zero = "0.0000E0";
        QTest::newRow("Ixy of a T far from the origin") << farTee(-500, -700) << "Ixy" << zero;
        QTest::newRow("Ixy of an I in metres") << metreI() << "Ixy" << zero;
        QTest::newRow("Ixy' of an I in metres") << metreI() << "Ixy'" << zero;
        QTest::newRow("x_bar of an I in metres") << metreI() << "x_bar"
                                                 << "0";
        QTest::newRow("x_p of an I in metres") << metreI() << "x_p"
                                               << "0";
        QTest::newRow("Ixy of a square turned 30 degrees")
            << turnedRectangle(100, 100, 30) << "Ixy" << zero;
        QTest::newRow("x_bar of a square turned 30 degrees")
            << turnedRectangle(100, 100, 30) << "x_bar"
            << "0";
        QTest::newRow("a real centroid of 1e-9 far above rounding")
            << QStringList{pointText(-0.5 + 1e-9, 4.5), pointText(0.5 + 1e-9, 4.5),
                           pointText(0.5 + 1e-9, 5.5), pointText(-0.5 + 1e-9, 5.5)}
            << "x_bar"
            << "1.0000E-9";
        QTest::newRow("a real product of 8e-11 far above rounding")
            << QStringList{"0,0", "1,0", pointText(1 + 1e-9, 1), pointText(1e-9, 1)} << "Ixy"
            << "8.3333E-11";
        QTest::newRow("the T's plastic axis stays where it is") << farTee(-500, -700) << "x_p"
                                                                << "-500";
    }
    void roundOffShowsAsZero() {
        QFETCH(QStringList, added);
        QFETCH(QString, symbol);
        QFETCH(QString, shown);
        ResultTable result;
        resetResultTable(result);
        std::vector<ColumnValues> values;
        QVERIFY(runCalculation(test::coordTableOf(added, test::EntryRow::With),
                               test::coordTableOf({}, test::EntryRow::With), result, &values));
        const auto property = propertyOf(symbol);
        QVERIFY(property);
        for (int col = 2; col < result.cols(); ++col) {
            if (isCombinedOnlyProperty(*property) && col < result.cols() - 1) continue;
            QCOMPARE(QString::fromStdString(result.text(*property, col)), shown);
        }
        // The calculator's JSON takes the same values.
        if (shown == "0" || shown == "0.0000E0") QCOMPARE(values.back().values[*property], 0.0);
    }

    // The angle of a figure whose principal moments nearly agree is named as long as they differ
    // by more than rounding can make, and the moduli Zu and Zv are always measured from the axes
    // the angle names. A 100 x 100 (1 + 1e-12) rectangle turned 30 degrees has its axes at 30
    // degrees (exact arithmetic: 30.00018); a square's difference is rounding, so u is the X axis.
    void nearlyEqualPrincipalMoments_data() {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<double>("theta");
        QTest::newRow("moments 2e-10 apart") << turnedRectangle(100, 100 * (1 + 1e-10), 30) << 30.0;
        QTest::newRow("moments 2e-12 apart") << turnedRectangle(100, 100 * (1 + 1e-12), 30) << 30.0;
        QTest::newRow("a square: rounding only") << turnedRectangle(100, 100, 30) << 0.0;
        QTest::newRow("a square far away")
            << QStringList{"1000,1000", "1100,1000", "1100,1100", "1000,1100"} << 0.0;
    }
    void nearlyEqualPrincipalMoments() {
        QFETCH(QStringList, added);
        QFETCH(double, theta);
        const auto values = calculate(added, {});
        QVERIFY(!values.empty());
        const SectionProperties& v = values.back().values;
        QVERIFY2(std::fabs(v[Property::PrincipalAngle] - theta) < 1e-3,
                 qPrintable(QString::number(v[Property::PrincipalAngle], 'g', 17)));
        const Point centre{v[Property::CentroidX], v[Property::CentroidY]};
        const double angle = v[Property::PrincipalAngle];
        const double major = v[Property::MajorMoment] / farthestFrom(added, centre, angle);
        const double minor = v[Property::MinorMoment] / farthestFrom(added, centre, angle + 90);
        QVERIFY(std::fabs(v[Property::MajorModulus] - major) <= 1e-12 * major);
        QVERIFY(std::fabs(v[Property::MinorModulus] - minor) <= 1e-12 * minor);
    }

    // The angle's rule at both sides of its threshold: half the difference of the principal
    // moments against sqrt(2) times the moments' rounding bound.
    void principalAngleThreshold_data() {
        QTest::addColumn<double>("product");
        QTest::addColumn<double>("bound");
        QTest::addColumn<double>("theta");
        const double product = -1e-3;  // with Ix = Iy: the axes at 45 degrees
        QTest::newRow("no rounding") << product << 0.0 << 45.0;
        QTest::newRow("just above the bound") << product << 0.99 * 1e-3 / std::sqrt(2.0) << 45.0;
        QTest::newRow("just below the bound") << product << 1.01 * 1e-3 / std::sqrt(2.0) << 0.0;
        QTest::newRow("moments the same") << 0.0 << 0.0 << 0.0;
        QTest::newRow("a bound that overflowed")
            << product << std::numeric_limits<double>::infinity() << 45.0;
    }
    void principalAngleThreshold() {
        QFETCH(double, product);
        QFETCH(double, bound);
        QFETCH(double, theta);
        const PrincipalAxes axes(8.5e6, 8.5e6, product, bound);
        QVERIFY(std::fabs(axes.angleDegrees() - theta) < 1e-9);
        QCOMPARE(axes.cosine(), std::cos(theta * std::numbers::pi / 180));
        QCOMPARE(axes.majorMoment(), 8.5e6 + std::fabs(product));
    }

    // The new rows as the table shows them: a figure column has "-" in the plastic block, a
    // subtracted figure shows negative moments and an unsigned angle.
    void shownRows() {
        ResultTable result;
        resetResultTable(result);
        QVERIFY(runCalculation(
            test::coordTableOf({"0,0", "50,0", "50,100", "0,100"}, test::EntryRow::With),
            test::coordTableOf({"10,10", "30,10", "30,20", "10,20"}, test::EntryRow::With),
            result));
        QCOMPARE(result.text(resultRow(Property::ProductMoment) - 1, 0), std::string("[主軸]"));
        QCOMPARE(result.text(resultRow(Property::TopModulusX) - 1, 0),
                 std::string("[縁端別断面係数]"));
        QCOMPARE(result.text(resultRow(Property::PlasticAxisX) - 1, 0), std::string("[塑性]"));
        QCOMPARE(result.text(Property::PrincipalAngle, 1), std::string("θ"));
        QCOMPARE(result.text(Property::PlasticModulusX, 2), std::string("-"));
        QCOMPARE(result.text(Property::PlasticModulusX, 3), std::string("-"));
        QCOMPARE(result.text(Property::MajorMoment, 3), std::string("-6.6667E3"));
        QCOMPARE(result.text(Property::PrincipalAngle, 3), std::string("90"));
        QCOMPARE(result.text(Property::ShapeFactorX, 2), std::string("-"));
        QCOMPARE(result.text(resultRow(Property::PlasticAxisX) - 2, 4), std::string());
        QCOMPARE(result.rowHeightTwips(resultRow(Property::PlasticAxisX) - 2), 150);
        QCOMPARE(result.row(), kMaterialFirstRow - 1);  // the last row shown
    }
};

QTEST_APPLESS_MAIN(TestSectionAxes)
#include "test_section_axes.moc"
