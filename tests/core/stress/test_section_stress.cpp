// The stresses of a section under loads against closed forms: a rectangle under N, Mx and My
// together; a Z section under Mx and My, whose neutral axis is not parallel to the moment vector
// because its product of inertia is not zero; the same section moved and turned with its loads
// turned alike. Also the points the extremes are taken from (never a point outside the
// material), the components that follow from σ_zz when there is no shear, the envelope of
// several cases and the reading of the command line's actions.
#include <QtTest>

#include <cmath>
#include <numbers>

#include "PolygonTables.h"
#include "core/base/NumberText.h"
#include "core/section/Calculation.h"
#include "core/stress/SectionStress.h"
#include "core/stress/StressEnvelope.h"

using namespace kuvanto;
using kuvanto::test::tableOf;

namespace {

using Polygon = std::vector<Point>;

// The stresses as the calculator and the window compute them: the combined properties of the
// calculation and the material's outline of the same tables.
SectionStress stressOf(const std::vector<Polygon>& added, const std::vector<Polygon>& subtracted,
                       const LoadCase& loads) {
    const CoordTable addTable = tableOf(added), subTable = tableOf(subtracted);
    ResultTable result;
    resetResultTable(result);
    std::vector<ColumnValues> values;
    if (!runCalculation(addTable, subTable, result, &values)) return {};
    const SectionOutline outline = SectionOutline::of(addTable, subTable);
    return SectionStress::compute(materialBoundary(outline),
                                  BendingProperties::of(values.back().values), loads);
}

LoadCase loadsOf(double n, double mx, double my, double vx = 0, double vy = 0, double t = 0) {
    LoadCase loads;
    loads[LoadAction::AxialForce] = n;
    loads[LoadAction::MomentX] = mx;
    loads[LoadAction::MomentY] = my;
    loads[LoadAction::ShearX] = vx;
    loads[LoadAction::ShearY] = vy;
    loads[LoadAction::Torque] = t;
    return loads;
}

Polygon rectangle(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}};
}

// A Z section point-symmetric about the origin: web 10 × 80 on the y axis, flanges 50 × 10, the
// top one reaching to +x, the bottom one to −x. From its three rectangles (parallel axes):
// A = 1800, Ix = 2 460 000, Iy = 615 000, Ixy = 2 · 500 · 20 · 45 = 900 000.
const Polygon kZSection{{-5, -40}, {-5, 40}, {-5, 50},   {45, 50},   {45, 40}, {5, 40},
                        {5, -40},  {5, -50}, {-45, -50}, {-45, -40}, {-5, -40}};
constexpr double kZArea = 1800, kZIx = 2460000, kZIy = 615000, kZIxy = 900000;

// The textbook stress of unsymmetric bending about the centroid (x̄, ȳ):
// σ = N/A + [(Mx·Iy + My·Ixy)·Y − (My·Ix + Mx·Ixy)·X] / (Ix·Iy − Ixy²).
double textbookStress(const LoadCase& l, double a, double ix, double iy, double ixy, Point c,
                      Point p) {
    const double mx = l[LoadAction::MomentX], my = l[LoadAction::MomentY];
    const double x = p.x - c.x, y = p.y - c.y;
    return l[LoadAction::AxialForce] / a +
           ((mx * iy + my * ixy) * y - (my * ix + mx * ixy) * x) / (ix * iy - ixy * ixy);
}

Point turned(Point p, double angle, Point shift) {
    const double c = std::cos(angle), s = std::sin(angle);
    return {c * p.x - s * p.y + shift.x, s * p.x + c * p.y + shift.y};
}

bool near(double a, double b, double scale) {
    return std::abs(a - b) <= 1e-9 * scale;
}

// Whether one of the points is p, to rounding (the points where edges cross are computed).
bool containsPoint(const std::vector<Point>& points, Point p) {
    return std::any_of(points.begin(), points.end(),
                       [p](Point q) { return std::hypot(q.x - p.x, q.y - p.y) < 1e-9; });
}

}  // namespace

Q_DECLARE_METATYPE(kuvanto::LoadCase)
Q_DECLARE_METATYPE(std::vector<kuvanto::Point>)

class SectionStressTest : public QObject {
    Q_OBJECT

private slots:
    // Largest and smallest σ_zz against the textbook formula evaluated at every vertex.
    void closedForms_data() {
        QTest::addColumn<bool>("zSection");
        QTest::addColumn<LoadCase>("loads");
        QTest::addColumn<double>("expectedMax");  // NaN: from the formula over the vertices
        QTest::addColumn<double>("expectedMin");
        // Rectangle 100 × 200: N/A = 5, Mx·ymax/Ix = 2e7·100/(100·200³/12) = 30,
        // My·xmax/Iy = 5e6·50/(200·100³/12) = 15; a negative My puts +x in tension.
        QTest::newRow("rectangle N Mx My") << false << loadsOf(1e5, 2e7, -5e6) << 50.0 << -40.0;
        QTest::newRow("rectangle compression only") << false << loadsOf(-4e4, 0, 0) << -2.0 << -2.0;
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("Z Mx") << true << loadsOf(0, 1e6, 0) << nan << nan;
        QTest::newRow("Z My") << true << loadsOf(0, 0, 1e6) << nan << nan;
        QTest::newRow("Z N Mx My") << true << loadsOf(-9000, 3e6, -2e6) << nan << nan;
    }
    void closedForms() {
        QFETCH(bool, zSection);
        QFETCH(LoadCase, loads);
        QFETCH(double, expectedMax);
        QFETCH(double, expectedMin);
        const Polygon section = zSection ? kZSection : rectangle(0, 0, 100, 200);
        const SectionStress stress = stressOf({section}, {}, loads);
        QCOMPARE(stress.status(), StressStatus::Ok);
        const double a = zSection ? kZArea : 20000, ix = zSection ? kZIx : 100.0 * 8e6 / 12,
                     iy = zSection ? kZIy : 200.0 * 1e6 / 12, ixy = zSection ? kZIxy : 0;
        const Point c = zSection ? Point{0, 0} : Point{50, 100};
        if (std::isnan(expectedMax)) {
            expectedMax = -1e300;
            expectedMin = 1e300;
            for (const Point p : section) {
                expectedMax = std::max(expectedMax, textbookStress(loads, a, ix, iy, ixy, c, p));
                expectedMin = std::min(expectedMin, textbookStress(loads, a, ix, iy, ixy, c, p));
            }
        }
        const std::optional<StressExtremes> e = stress.extremes(StressComponent::NormalZ);
        QVERIFY(e);
        const double scale = std::max(std::abs(expectedMax), std::abs(expectedMin));
        QVERIFY2(near(e->max, expectedMax, scale), qPrintable(QString::number(e->max)));
        QVERIFY2(near(e->min, expectedMin, scale), qPrintable(QString::number(e->min)));
        // The reported points carry the reported values.
        QVERIFY(near(textbookStress(loads, a, ix, iy, ixy, c, e->maxAt), e->max, scale));
        QVERIFY(near(textbookStress(loads, a, ix, iy, ixy, c, e->minAt), e->min, scale));
        // Every sampled value follows the formula.
        const std::vector<double> values = stress.values(StressComponent::NormalZ);
        const std::vector<Point> points = stress.points();
        for (std::size_t i = 0; i < values.size(); ++i)
            QVERIFY(near(values[i], textbookStress(loads, a, ix, iy, ixy, c, points[i]), scale));
    }

    // Under Mx alone the Z section's neutral axis rises at tan α = Ixy / Iy (55.6°), not along
    // the moment vector (x); under My alone at tan α = Ix / Ixy.
    void zSectionNeutralAxis_data() {
        QTest::addColumn<LoadCase>("loads");
        QTest::addColumn<double>("slope");
        QTest::newRow("Mx") << loadsOf(0, 1e6, 0) << kZIxy / kZIy;
        QTest::newRow("My") << loadsOf(0, 0, -1e6) << kZIx / kZIxy;
        QTest::newRow("Mx with N") << loadsOf(5000, 1e6, 0) << kZIxy / kZIy;
    }
    void zSectionNeutralAxis() {
        QFETCH(LoadCase, loads);
        QFETCH(double, slope);
        const SectionStress stress = stressOf({kZSection}, {}, loads);
        const std::optional<NeutralAxis> axis = stress.neutralAxis();
        QVERIFY(axis);
        QVERIFY(near(axis->direction.y / axis->direction.x, slope, slope));
        // Its point has zero stress, and so has a point a section's width along it.
        const NormalStress& field = *stress.normal();
        const Point along{axis->point.x + 100 * axis->direction.x,
                          axis->point.y + 100 * axis->direction.y};
        QVERIFY(std::abs(field.at(axis->point)) < 1e-9 * std::abs(field.slopeY() * 50));
        QVERIFY(std::abs(field.at(along)) < 1e-9 * std::abs(field.slopeY() * 50));
    }

    // The Z section moved and turned, with the moment vector turned alike, carries the same
    // stresses at the same material points: the extremes keep their values and their points
    // move with the section.
    void invariantUnderMotion_data() {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<double>("shiftX");
        QTest::addColumn<double>("shiftY");
        QTest::newRow("moved") << 0.0 << 1000.0 << -300.0;
        QTest::newRow("turned 30") << 30.0 << 0.0 << 0.0;
        QTest::newRow("turned 135 and moved") << 135.0 << -2500.0 << 40.0;
    }
    void invariantUnderMotion() {
        QFETCH(double, degrees);
        QFETCH(double, shiftX);
        QFETCH(double, shiftY);
        const double angle = degrees * std::numbers::pi / 180;
        const LoadCase loads = loadsOf(-9000, 3e6, -2e6);
        Polygon moved;
        for (const Point p : kZSection) moved.push_back(turned(p, angle, {shiftX, shiftY}));
        const Point moment =
            turned({loads[LoadAction::MomentX], loads[LoadAction::MomentY]}, angle, {0, 0});
        const LoadCase movedLoads = loadsOf(loads[LoadAction::AxialForce], moment.x, moment.y);

        const SectionStress before = stressOf({kZSection}, {}, loads);
        const SectionStress after = stressOf({moved}, {}, movedLoads);
        const auto e0 = before.extremes(StressComponent::NormalZ);
        const auto e1 = after.extremes(StressComponent::NormalZ);
        QVERIFY(e0 && e1);
        const double scale = std::max(std::abs(e0->max), std::abs(e0->min));
        QVERIFY(near(e1->max, e0->max, 1e3 * scale));
        QVERIFY(near(e1->min, e0->min, 1e3 * scale));
        const Point maxAt = turned(e0->maxAt, angle, {shiftX, shiftY});
        const Point minAt = turned(e0->minAt, angle, {shiftX, shiftY});
        QVERIFY(std::hypot(e1->maxAt.x - maxAt.x, e1->maxAt.y - maxAt.y) < 1e-6);
        QVERIFY(std::hypot(e1->minAt.x - minAt.x, e1->minAt.y - minAt.y) < 1e-6);
        // Every vertex carries the same stress as before.
        for (const Point p : kZSection)
            QVERIFY(near(after.normal()->at(turned(p, angle, {shiftX, shiftY})),
                         before.normal()->at(p), 1e3 * scale));
    }

    // The extremes are taken at points of the material only: a notch flush with the outline hides
    // the corner it cuts away, and the points where a slot's edges cross the outline are
    // sampled.
    void extremesOnMaterialOnly_data() {
        QTest::addColumn<Polygon>("hole");
        QTest::addColumn<Polygon>("expectedPoints");  // the corners of the material
        QTest::newRow("corner cut off by a triangle flush with two edges")
            << Polygon{{60, 200}, {100, 150}, {100, 200}, {60, 200}}
            << Polygon{{0, 0}, {0, 200}, {60, 200}, {100, 0}, {100, 150}};
        QTest::newRow("notch flush with the corner")
            << rectangle(60, 150, 100, 200)
            << Polygon{{0, 0}, {0, 200}, {60, 150}, {60, 200}, {100, 0}, {100, 150}};
        QTest::newRow("slot across the right edge")
            << rectangle(80, 90, 130, 110) << Polygon{{0, 0},   {0, 200},  {80, 90},   {80, 110},
                                                      {100, 0}, {100, 90}, {100, 110}, {100, 200}};
        QTest::newRow("hole inside")
            << rectangle(20, 20, 80, 60) << Polygon{{0, 0},   {0, 200}, {20, 20}, {20, 60},
                                                    {80, 20}, {80, 60}, {100, 0}, {100, 200}};
    }
    void extremesOnMaterialOnly() {
        QFETCH(Polygon, hole);
        QFETCH(Polygon, expectedPoints);
        // A load whose largest stress would be at the cut-away top right corner (100, 200).
        const SectionStress stress =
            stressOf({rectangle(0, 0, 100, 200)}, {hole}, loadsOf(0, 1e7, -1e7, 0, 0, 0));
        QCOMPARE(stress.status(), StressStatus::Ok);
        // Besides the material's corners only the zeros of σ along its outline are sampled.
        const std::vector<double> values = stress.values(StressComponent::NormalZ);
        const std::vector<Point> points = stress.points();
        for (std::size_t i = 0; i < values.size(); ++i)
            if (!containsPoint(expectedPoints, points[i])) {
                // Any other point must be a sign change on an edge of the material.
                QVERIFY2(std::abs(values[i]) < 1e-9 * 1e3,
                         qPrintable(QStringLiteral("(%1, %2)").arg(points[i].x).arg(points[i].y)));
            }
        double expectedMax = -1e300, expectedMin = 1e300;
        for (const Point p : expectedPoints) {
            QVERIFY(containsPoint(stress.points(), p));
            expectedMax = std::max(expectedMax, stress.normal()->at(p));
            expectedMin = std::min(expectedMin, stress.normal()->at(p));
        }
        const auto e = stress.extremes(StressComponent::NormalZ);
        QVERIFY(near(e->max, expectedMax, 1e3));
        QVERIFY(near(e->min, expectedMin, 1e3));
        QVERIFY(containsPoint(expectedPoints, e->maxAt));
        QVERIFY(containsPoint(expectedPoints, e->minAt));
    }

    // Without Vx, Vy and T the shear is zero and every component follows from σ_zz; the
    // smallest von Mises stress is the zero on the neutral axis, found where it crosses the
    // outline. With any of them the components that need the shear are left uncomputed.
    void componentsWithoutShear() {
        const SectionStress stress = stressOf({rectangle(0, 0, 100, 200)}, {}, loadsOf(0, 2e7, 0));
        for (const StressComponentEntry& entry : kStressComponents)
            QVERIFY(stress.has(entry.component));
        const auto tau = stress.extremes(StressComponent::Shear);
        QCOMPARE(tau->max, 0.0);
        QCOMPARE(tau->min, 0.0);
        const auto vonMises = stress.extremes(StressComponent::VonMises);
        QVERIFY(near(vonMises->max, 30, 30));
        QCOMPARE(vonMises->min, 0.0);
        QVERIFY(near(vonMises->minAt.y, 100, 100));
        const auto first = stress.extremes(StressComponent::Principal1);
        QVERIFY(near(first->max, 30, 30));
        QCOMPARE(first->min, 0.0);
        const auto third = stress.extremes(StressComponent::Principal3);
        QVERIFY(near(third->min, -30, 30));
        QCOMPARE(third->max, 0.0);
    }
    void componentsWithShear_data() {
        QTest::addColumn<LoadCase>("loads");
        QTest::newRow("Vx") << loadsOf(0, 2e7, 0, 1000, 0, 0);
        QTest::newRow("Vy") << loadsOf(0, 2e7, 0, 0, -1000, 0);
        QTest::newRow("T") << loadsOf(0, 0, 0, 0, 0, 1e5);
    }
    void componentsWithShear() {
        QFETCH(LoadCase, loads);
        const SectionStress stress = stressOf({rectangle(0, 0, 100, 200)}, {}, loads);
        QCOMPARE(stress.status(), StressStatus::Ok);
        QVERIFY(stress.has(StressComponent::NormalZ));
        for (const StressComponentEntry& entry : kStressComponents) {
            QCOMPARE(stress.has(entry.component), !entry.needsShear);
            QCOMPARE(stress.extremes(entry.component).has_value(), !entry.needsShear);
        }
    }

    // A section without bending stiffness, or without an outline, gives no stresses at all.
    void noStresses() {
        BendingProperties line;  // Ix·Iy = Ixy²: all area on one line
        line.area = 100;
        line.momentX = 4;
        line.momentY = 9;
        line.product = 6;
        const std::vector<BoundarySegment> boundary{{{0, 0}, {1, 1}}};
        QCOMPARE(SectionStress::compute(boundary, line, loadsOf(1, 1, 1)).status(),
                 StressStatus::NoStiffness);
        line.product = 0;
        line.area = 0;
        QCOMPARE(SectionStress::compute(boundary, line, loadsOf(1, 1, 1)).status(),
                 StressStatus::NoStiffness);
        line.area = 100;
        const SectionStress empty = SectionStress::compute({}, line, loadsOf(1, 1, 1));
        QCOMPARE(empty.status(), StressStatus::NoSection);
        QVERIFY(!empty.extremes(StressComponent::NormalZ));
    }

    // The envelope keeps each component's largest and smallest value over the cases with the
    // case it comes from; a component some case could not compute has none.
    void envelope() {
        const Polygon section = rectangle(0, 0, 100, 200);
        StressEnvelope envelope;
        envelope.add(stressOf({section}, {}, loadsOf(1e5, 0, 0)));   // 5 everywhere
        envelope.add(stressOf({section}, {}, loadsOf(0, 2e7, 0)));   // ±30
        envelope.add(stressOf({section}, {}, loadsOf(0, 0, -5e6)));  // ±15
        QCOMPARE(envelope.caseCount(), 3);
        auto normal = envelope.of(StressComponent::NormalZ);
        QVERIFY(normal);
        QVERIFY(near(normal->extremes.max, 30, 30));
        QCOMPARE(normal->maxCase, 1);
        QVERIFY(near(normal->extremes.min, -30, 30));
        QCOMPARE(normal->minCase, 1);
        QVERIFY(near(normal->extremes.maxAt.y, 200, 200));
        QVERIFY(envelope.of(StressComponent::VonMises));

        envelope.add(stressOf({section}, {}, loadsOf(-1e6, 0, 0, 0, 500, 0)));  // −50, shear
        normal = envelope.of(StressComponent::NormalZ);
        QVERIFY(near(normal->extremes.min, -50, 50));
        QCOMPARE(normal->minCase, 3);
        QVERIFY(!envelope.of(StressComponent::VonMises));
        QVERIFY(!envelope.of(StressComponent::Shear));
        QVERIFY(!StressEnvelope().of(StressComponent::NormalZ));
    }

    void parseActions_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<LoadCase>("expected");
        QTest::newRow("all six") << "N=1000,Mx=2e6,My=-3.5,Vx=4,Vy=5,T=6" << true
                                 << loadsOf(1000, 2e6, -3.5, 4, 5, 6);
        QTest::newRow("some, any order") << "T=7,N=-1" << true << loadsOf(-1, 0, 0, 0, 0, 7);
        QTest::newRow("blanks around a number") << "Mx= 5 " << true << loadsOf(0, 5, 0);
        QTest::newRow("empty") << "" << false << LoadCase{};
        QTest::newRow("no value") << "N=" << false << LoadCase{};
        QTest::newRow("not a number") << "N=abc" << false << LoadCase{};
        QTest::newRow("not finite") << "N=nan" << false << LoadCase{};
        QTest::newRow("beyond double") << "Mx=1e400" << false << LoadCase{};
        QTest::newRow("unknown key") << "Q=1" << false << LoadCase{};
        QTest::newRow("key case") << "mx=1" << false << LoadCase{};
        QTest::newRow("twice") << "N=1,N=2" << false << LoadCase{};
        QTest::newRow("trailing comma") << "N=1," << false << LoadCase{};
        QTest::newRow("no equals") << "N" << false << LoadCase{};
    }
    void parseActions() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(LoadCase, expected);
        LoadCase loads = loadsOf(9, 9, 9, 9, 9, 9);
        std::string error;
        QCOMPARE(parseLoadActions(text.toStdString(), loads, &error), ok);
        if (ok) {
            QCOMPARE(loads, expected);
        } else {
            QVERIFY(!error.empty());
            QCOMPARE(loads, loadsOf(9, 9, 9, 9, 9, 9));  // left as it was
        }
    }
};

QTEST_APPLESS_MAIN(SectionStressTest)
#include "test_section_stress.moc"
