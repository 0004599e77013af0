// The shear stresses under Vx, Vy and T against closed forms: a solid and a hollow circle under a
// torque (τ = T·r/J at the rims), a rectangle under Vy against the elasticity solution for its ν,
// the web of an I section against V·Q/(I·t), the resultants of the stresses (Vx, Vy, and no
// moment about the shear centre for a channel under Vy), and the same section moved and turned
// with its loads turned alike. Also the recovery itself (a quadratic function's gradient comes back
// exactly) and the sections where the shear is left out.
#include <QtTest>

#include <cmath>
#include <numbers>

#include "PolygonTables.h"
#include "core/base/NumberText.h"
#include "core/section/Calculation.h"
#include "core/stress/SectionStress.h"
#include "core/torsion/TorsionAnalysis.h"

using namespace kuvanto;
using kuvanto::test::tableOf;

namespace {

using Polygon = std::vector<Point>;

struct Solved {
    TorsionResult torsion;
    SectionStress stress;
};

// The stresses as the calculator computes them: the combined properties, the outline and the
// torsion analysis of the same tables.
Solved solve(const std::vector<Polygon>& added, const std::vector<Polygon>& subtracted,
             const LoadCase& loads, double nu = 0.3) {
    Solved solved;
    const CoordTable addTable = tableOf(added), subTable = tableOf(subtracted);
    ResultTable result;
    resetResultTable(result);
    std::vector<ColumnValues> values;
    if (!runCalculation(addTable, subTable, result, &values)) return solved;
    TorsionOptions options;
    options.poissonRatio = nu;
    const TorsionOutcome outcome =
        TorsionAnalysis::run(TorsionAnalysis::figuresOf(addTable, subTable), options);
    if (outcome.status != TorsionStatus::Ok) return solved;
    solved.torsion = outcome.result;
    solved.stress = SectionStress::compute(materialBoundary(SectionOutline::of(addTable, subTable)),
                                           BendingProperties::of(values.back().values), loads,
                                           ShearStressField::of(outcome.result));
    return solved;
}

LoadCase loadsOf(double vx, double vy, double t, double n = 0, double mx = 0, double my = 0) {
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

Polygon circle(double radius, int vertices, Point centre = {}) {
    Polygon p;
    for (int i = 0; i <= vertices; ++i) {
        const double angle = 2 * std::numbers::pi * (i % vertices) / vertices;
        p.push_back({centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
    }
    return p;
}

// An I section of depth h, flange width b, web tw and flanges tf, centred on the origin.
Polygon iSection(double h, double b, double tw, double tf) {
    const double x = b / 2, y = h / 2, w = tw / 2, f = y - tf;
    return {{-x, -y}, {x, -y}, {x, -f}, {w, -f},  {w, f},   {x, f},  {x, y},
            {-x, y},  {-x, f}, {-w, f}, {-w, -f}, {-x, -f}, {-x, -y}};
}

// A channel opening towards +x: depth 200, flanges 80 × 12, web 8, its back on x = 0.
const Polygon kChannel{{0, 0},    {80, 0},   {80, 12}, {8, 12}, {8, 188},
                       {80, 188}, {80, 200}, {0, 200}, {0, 0}};

// The value of a component at the sampled point nearest to p.
double valueNear(const SectionStress& stress, StressComponent component, Point p) {
    std::size_t best = 0;
    double nearest = INFINITY;
    const std::vector<Point> points = stress.points();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double d = std::hypot(points[i].x - p.x, points[i].y - p.y);
        if (d < nearest) {
            nearest = d;
            best = i;
        }
    }
    return stress.values(component)[best];
}

// ∫τ_zx dA, ∫τ_zy dA and ∫((x − c.x)·τ_zy − (y − c.y)·τ_zx) dA over the field's triangles, with
// the values linear between the nodes.
std::array<double, 3> resultants(const SectionStress& stress, Point c) {
    const ShearStressField& field = *stress.sampledField();
    const auto zx = stress.values(StressComponent::ShearZX);
    const auto zy = stress.values(StressComponent::ShearZY);
    std::array<double, 3> sum{};
    for (const auto& t : field.triangles()) {
        const Point a = field.nodes()[t[0]], b = field.nodes()[t[1]], d = field.nodes()[t[2]];
        const double area = ((b.x - a.x) * (d.y - a.y) - (d.x - a.x) * (b.y - a.y)) / 2;
        // Edge midpoints: exact for the products of two linear functions.
        for (int k = 0; k < 3; ++k) {
            const int i = t[k], j = t[(k + 1) % 3];
            const Point p = {(field.nodes()[i].x + field.nodes()[j].x) / 2,
                             (field.nodes()[i].y + field.nodes()[j].y) / 2};
            const double sx = (zx[i] + zx[j]) / 2, sy = (zy[i] + zy[j]) / 2;
            sum[0] += area / 3 * sx;
            sum[1] += area / 3 * sy;
            sum[2] += area / 3 * ((p.x - c.x) * sy - (p.y - c.y) * sx);
        }
    }
    return sum;
}

// τ_zy of a rectangle |x| ≤ a, |y| ≤ b under Vy, from the elasticity solution with Poisson's
// ratio nu: the elementary parabola plus the series of the stress function φ, ∇²φ = c·x,
// c = ν/(1 + ν)·V/I, φ = 0 on the outline.
double rectangleShear(double a, double b, double nu, double v, Point p) {
    const double inertia = 2 * a * std::pow(2 * b, 3) / 12;
    const double c = nu / (1 + nu) * v / inertia;
    double series = 0;
    for (int n = 1; n <= 400; ++n) {
        const double k = n * std::numbers::pi / a;
        if (k * b > 700) break;
        series += 2 * (n % 2 ? -1 : 1) / (k * k) * std::cos(k * p.x) * std::cosh(k * p.y) /
                  std::cosh(k * b);
    }
    return v * (b * b - p.y * p.y) / (2 * inertia) + c * (3 * p.x * p.x - a * a) / 6 - c * series;
}

Point turned(Point p, double angle, Point shift) {
    const double c = std::cos(angle), s = std::sin(angle);
    return {c * p.x - s * p.y + shift.x, s * p.x + c * p.y + shift.y};
}

}  // namespace

class ShearStressTest : public QObject {
    Q_OBJECT

private slots:
    void torqueOnCircles_data();
    void torqueOnCircles();
    void rectangleUnderShearMatchesElasticity_data();
    void rectangleUnderShearMatchesElasticity();
    void webOfISectionMatchesShearFlow();
    void resultantsBalanceTheLoads();
    void invariantUnderMovingAndTurning();
    void recoveryIsExactForQuadratics();
    void shearLeftOutWithReason();
    void fieldKeepsTheExactCaseWithoutShear();
};

void ShearStressTest::torqueOnCircles_data() {
    QTest::addColumn<double>("inner");
    QTest::newRow("solid") << 0.0;
    QTest::newRow("hollow") << 30.0;
}

void ShearStressTest::torqueOnCircles() {
    QFETCH(double, inner);
    const double outer = 50, torque = 2e6;
    std::vector<Polygon> holes;
    // Fine polygons: along a polygon's edge the warping is not zero, and with coarse edges the
    // stress at the rim would differ from the circle's by more than the recovery's error.
    if (inner > 0) holes.push_back(circle(inner, 256));
    const Solved s = solve({circle(outer, 256)}, holes, loadsOf(0, 0, torque));
    QVERIFY(s.stress.has(StressComponent::Shear));
    const double j = s.torsion.values.torsionConstant;
    const auto tau = s.stress.extremes(StressComponent::Shear);
    QVERIFY2(std::abs(tau->max / (torque * outer / j) - 1) < 0.01,
             qPrintable(QStringLiteral("%1 against %2").arg(tau->max).arg(torque * outer / j)));
    QVERIFY(std::abs(std::hypot(tau->maxAt.x, tau->maxAt.y) - outer) < 0.01);
    if (inner > 0) {
        QVERIFY(std::abs(tau->min / (torque * inner / j) - 1) < 0.01);
    } else {
        QVERIFY(tau->min < 0.02 * tau->max);  // zero at the centre
    }
    // A counter-clockwise torque: at (R, 0) the stress points along +y.
    QVERIFY(valueNear(s.stress, StressComponent::ShearZY, {outer, 0}) > 0);
    // Pure shear: σ_vM = √3·τ, σ_1 = τ, σ_3 = −τ.
    const auto vm = s.stress.extremes(StressComponent::VonMises);
    QCOMPARE(vm->max, std::sqrt(3.0) * tau->max);
    const auto s3 = s.stress.extremes(StressComponent::Principal3);
    QVERIFY(std::abs(s3->min + tau->max) < 1e-9 * tau->max);
}

void ShearStressTest::rectangleUnderShearMatchesElasticity_data() {
    QTest::addColumn<double>("halfWidth");
    QTest::addColumn<double>("nu");
    QTest::newRow("square, nu 0.3") << 30.0 << 0.3;
    QTest::newRow("wide, nu 0.3") << 60.0 << 0.3;
    QTest::newRow("wide, nu 0") << 60.0 << 0.0;
}

void ShearStressTest::rectangleUnderShearMatchesElasticity() {
    QFETCH(double, halfWidth);
    QFETCH(double, nu);
    const double a = halfWidth, b = 30, v = 1e5;
    const Solved s = solve({rectangle(-a, -b, a, b)}, {}, loadsOf(0, v, 0), nu);
    QVERIFY(s.stress.has(StressComponent::ShearZY));
    // The largest τ_zy at the ends of the neutral axis, the value at the centre.
    const auto zy = s.stress.extremes(StressComponent::ShearZY);
    const double edge = rectangleShear(a, b, nu, v, {a, 0});
    QVERIFY2(std::abs(zy->max / edge - 1) < 0.01,
             qPrintable(QStringLiteral("%1 against %2").arg(zy->max).arg(edge)));
    QVERIFY(std::abs(std::abs(zy->maxAt.x) - a) < 1e-9 && std::abs(zy->maxAt.y) < 0.1 * b);
    const double centre = rectangleShear(a, b, nu, v, {0, 0});
    QVERIFY(std::abs(valueNear(s.stress, StressComponent::ShearZY, {0, 0}) / centre - 1) < 0.01);
    // τ_zx is odd in x and y and small against τ_zy; none at all with ν = 0.
    const auto zx = s.stress.extremes(StressComponent::ShearZX);
    QVERIFY(std::abs(zx->max + zx->min) < 0.01 * zy->max);
    if (nu == 0) QVERIFY(zx->max < 0.005 * zy->max);
}

void ShearStressTest::webOfISectionMatchesShearFlow() {
    // H 400 × 200 × 8 × 13 without fillets.
    const double h = 400, b = 200, tw = 8, tf = 13, v = 2e5;
    const Solved s = solve({iSection(h, b, tw, tf)}, {}, loadsOf(0, v, 0));
    QVERIFY(s.stress.has(StressComponent::ShearZY));
    const double inertia = (b * h * h * h - (b - tw) * std::pow(h - 2 * tf, 3)) / 12;
    const double firstMoment = b * tf * (h / 2 - tf / 2) + tw * (h / 2 - tf) * (h / 2 - tf) / 2;
    const double shearFlow = v * firstMoment / (inertia * tw);
    const double atCentre = valueNear(s.stress, StressComponent::ShearZY, {0, 0});
    QVERIFY2(std::abs(atCentre / shearFlow - 1) < 0.02,
             qPrintable(QStringLiteral("%1 against %2").arg(atCentre).arg(shearFlow)));
    // The largest τ lies in the web.
    const auto tau = s.stress.extremes(StressComponent::Shear);
    QVERIFY(std::abs(tau->maxAt.x) <= tw / 2 + 1e-9);
}

void ShearStressTest::resultantsBalanceTheLoads() {
    // A channel: its shear centre lies behind the web, so shear through the centroid would twist
    // it; through the shear centre it does not.
    const double vx = 3e4, vy = 1e5, torque = 4e6;
    for (const LoadCase& loads :
         {loadsOf(vx, 0, 0), loadsOf(0, vy, 0), loadsOf(0, 0, torque), loadsOf(vx, vy, torque)}) {
        const Solved s = solve({kChannel}, {}, loads);
        QVERIFY(s.stress.has(StressComponent::ShearZX));
        const Point centre{s.torsion.values.shearCentreX, s.torsion.values.shearCentreY};
        QVERIFY(centre.x < 0);
        const auto [fx, fy, moment] = resultants(s.stress, centre);
        const double scale = std::hypot(vx, vy);
        QVERIFY(std::abs(fx - loads[LoadAction::ShearX]) < 2e-3 * scale);
        QVERIFY(std::abs(fy - loads[LoadAction::ShearY]) < 2e-3 * scale);
        // No twist from the shear forces: the moment about the shear centre is the torque alone.
        QVERIFY2(
            std::abs(moment - loads[LoadAction::Torque]) < 2e-3 * std::max(torque, scale * 200),
            qPrintable(QStringLiteral("%1").arg(moment)));
    }
}

void ShearStressTest::invariantUnderMovingAndTurning() {
    // A convex section without symmetry: at a re-entrant corner the shear stress is singular and
    // its peak depends on the mesh, so the comparison is made where every value is bounded.
    const Polygon quadrilateral{{0, 0}, {140, 10}, {110, 70}, {20, 90}, {0, 0}};
    const double angle = 0.6, vx = 2e4, vy = 8e4, torque = 3e6, mx = 4e7, my = -1e7, n = 5e4;
    const Point shift{1234.5, -678.25};
    const Solved plain = solve({quadrilateral}, {}, loadsOf(vx, vy, torque, n, mx, my));
    Polygon moved;
    for (const Point p : quadrilateral) moved.push_back(turned(p, angle, shift));
    // The force and moment vectors turn with the section; N and T are along z.
    const double c = std::cos(angle), sn = std::sin(angle);
    const Solved turnedSection = solve(
        {moved}, {},
        loadsOf(c * vx - sn * vy, sn * vx + c * vy, torque, n, c * mx - sn * my, sn * mx + c * my));
    for (const StressComponent component :
         {StressComponent::NormalZ, StressComponent::Shear, StressComponent::VonMises,
          StressComponent::Principal1, StressComponent::Principal3}) {
        const auto a = plain.stress.extremes(component),
                   b = turnedSection.stress.extremes(component);
        QVERIFY(a && b);
        const double scale = std::max(std::abs(a->max), std::abs(a->min));
        QVERIFY2(
            std::abs(a->max - b->max) < 0.01 * scale && std::abs(a->min - b->min) < 0.01 * scale,
            stressComponentEntry(component).key.data());
    }
    // The largest von Mises stress at the same point of the section.
    const Point at = turned(plain.stress.extremes(StressComponent::VonMises)->maxAt, angle, shift);
    const Point other = turnedSection.stress.extremes(StressComponent::VonMises)->maxAt;
    QVERIFY(std::hypot(at.x - other.x, at.y - other.y) < 10);
}

void ShearStressTest::recoveryIsExactForQuadratics() {
    // u = x² − 3xy + 2y² + x is quadratic: the 6-node elements hold it exactly, its gradient is
    // linear, and the patch fits give it back at every node, on the outline as inside.
    TorsionOptions options;
    const TorsionOutcome outcome =
        TorsionAnalysis::run(TorsionAnalysis::figuresOf(tableOf({kChannel}), tableOf({})), options);
    QCOMPARE(outcome.status, TorsionStatus::Ok);
    const TorsionField& field = *outcome.result.field;
    const auto shear = ShearStressField::of(outcome.result);
    const auto& nodes = shear->nodes();
    std::vector<double> u(nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const Point p = nodes[i];
        u[i] = p.x * p.x - 3 * p.x * p.y + 2 * p.y * p.y + p.x;
    }
    const auto gradient = ShearStressField::recoveredGradient(field, u);
    QCOMPARE(gradient.size(), nodes.size());
    double worst = 0;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const Point p = nodes[i];
        worst = std::max({worst, std::abs(gradient[i][0] - (2 * p.x - 3 * p.y + 1)),
                          std::abs(gradient[i][1] - (-3 * p.x + 4 * p.y))});
    }
    QVERIFY2(worst < 1e-8 * 400, qPrintable(QString::number(worst)));
}

void ShearStressTest::shearLeftOutWithReason() {
    // Two separate bars: the shear flow between them is undefined; σ_zz is still computed.
    const Solved parts =
        solve({rectangle(0, 0, 10, 50), rectangle(30, 0, 40, 50)}, {}, loadsOf(0, 1000, 0, 0, 1e5));
    QCOMPARE(parts.stress.status(), StressStatus::Ok);
    QVERIFY(parts.stress.has(StressComponent::NormalZ));
    QVERIFY(!parts.stress.has(StressComponent::Shear));
    QCOMPARE(parts.stress.shearNotice(),
             SectionStress::shearMessage(ShearStressField::Status::SeparateParts));
    // Without an analysis the notice says so; without shear actions there is none and τ = 0.
    const CoordTable table = tableOf({rectangle(0, 0, 10, 50)});
    ResultTable result;
    resetResultTable(result);
    std::vector<ColumnValues> values;
    QVERIFY(runCalculation(table, tableOf({}), result, &values));
    const auto boundary = materialBoundary(SectionOutline::of(table, tableOf({})));
    const BendingProperties section = BendingProperties::of(values.back().values);
    const SectionStress bare = SectionStress::compute(boundary, section, loadsOf(0, 0, 10));
    QVERIFY(!bare.has(StressComponent::Shear));
    QVERIFY(!bare.shearNotice().empty());
    const SectionStress noShear = SectionStress::compute(boundary, section, loadsOf(0, 0, 0, 1));
    QVERIFY(noShear.shearNotice().empty());
    QCOMPARE(noShear.extremes(StressComponent::Shear)->max, 0.0);
}

void ShearStressTest::fieldKeepsTheExactCaseWithoutShear() {
    // N and bending alone: with the field the nodes are sampled too, and the extremes stay those
    // of the outline, the smallest σ_vM the zero on the neutral axis.
    const LoadCase loads = loadsOf(0, 0, 0, 2e4, 3e6, -1e6);
    const Solved withField = solve({kChannel}, {}, loads);
    QVERIFY(withField.stress.sampledField());
    QVERIFY(withField.stress.pointCount() > withField.stress.sampledField()->nodes().size());
    const CoordTable table = tableOf({kChannel});
    ResultTable result;
    resetResultTable(result);
    std::vector<ColumnValues> values;
    QVERIFY(runCalculation(table, tableOf({}), result, &values));
    const SectionStress outline =
        SectionStress::compute(materialBoundary(SectionOutline::of(table, tableOf({}))),
                               BendingProperties::of(values.back().values), loads);
    for (const StressComponentEntry& entry : kStressComponents) {
        const auto a = withField.stress.extremes(entry.component);
        const auto b = outline.extremes(entry.component);
        QVERIFY(a && b);
        QCOMPARE(a->max, b->max);
        QCOMPARE(a->min, b->min);
    }
    QCOMPARE(withField.stress.extremes(StressComponent::VonMises)->min, 0.0);
}

QTEST_APPLESS_MAIN(ShearStressTest)
#include "test_shear_stress.moc"
