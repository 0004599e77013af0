// The torsion and shear analysis of sections of several materials: a textbook pair of bars, a
// concrete-filled tube against the sum of its parts' closed forms, thin walls of two materials
// against beam theory, a layered rectangle's shear area against its exact shear stress, one
// material everywhere against the section of no material, and the figures the analysis refuses.
#include <QTest>
#include <cmath>
#include <numbers>

#include "core/torsion/TorsionAnalysis.h"

using namespace kuvanto;

namespace {

using Figures = std::vector<SectionFigure>;
using Materials = std::vector<Material>;

SectionFigure rectangle(double x, double y, double width, double height, int material,
                        int sign = 1) {
    return {{{x, y}, {x + width, y}, {x + width, y + height}, {x, y + height}}, sign, material};
}

SectionFigure circle(double radius, int sides, int material, int sign = 1) {
    SectionFigure figure{{}, sign, material};
    for (int i = 0; i < sides; ++i) {
        const double angle = 2 * std::numbers::pi * i / sides;
        figure.outline.push_back({radius * std::cos(angle), radius * std::sin(angle)});
    }
    return figure;
}

Material material(const char* name, double e, double nu) {
    return {name, e, nu, 0, 0, {}};
}

const Material kAluminium = material("Al", 10.4e6, 0.3);
const Material kCopper = material("Cu", 18.5e6, 0.3);
const Material kSteel = material("Steel", 205000, 0.3);
const Material kConcrete = material("Concrete", 24419, 0.2);

TorsionOutcome analyse(const Figures& figures, const Materials& materials, int reference,
                       double size = 0) {
    TorsionOptions options;
    options.materials = materials;
    if (reference >= 0) options.reference = materials[static_cast<std::size_t>(reference)];
    options.elementSize = size;
    return TorsionAnalysis::run(figures, options);
}

double relative(double value, double expected) {
    return std::abs(value - expected) / std::abs(expected);
}

enum class Quantity { TorsionConstant, WarpingConstant, ShearCentreX, ShearAreaY };

// Thin walls (centre lines b x h, thickness t): flanges of material 0, web of material 1.
Figures thinChannel(double b, double h, double t) {
    return {rectangle(-t / 2, h / 2 - t / 2, b + t / 2, t, 0),
            rectangle(-t / 2, -h / 2 - t / 2, b + t / 2, t, 0),
            rectangle(-t / 2, -h / 2 + t / 2, t, h - t, 1)};
}

Figures thinI(double b, double h, double t) {
    return {rectangle(-b / 2, h / 2 - t / 2, b, t, 0), rectangle(-b / 2, -h / 2 - t / 2, b, t, 0),
            rectangle(-t / 2, -h / 2 + t / 2, t, h - t, 1)};
}

}  // namespace

Q_DECLARE_METATYPE(Figures)
Q_DECLARE_METATYPE(Materials)
Q_DECLARE_METATYPE(Quantity)

class TestCompositeTorsion : public QObject {
    Q_OBJECT

private slots:
    void compositeSections_data();
    void compositeSections();
    void oneMaterialEverywhereIsTheAreaTimesItsModuli_data();
    void oneMaterialEverywhereIsTheAreaTimesItsModuli();
    void materialsFollowTheFigureAlgebra();
    void refusedMaterials_data();
    void refusedMaterials();
};

void TestCompositeTorsion::compositeSections_data() {
    QTest::addColumn<Figures>("figures");
    QTest::addColumn<Materials>("materials");
    QTest::addColumn<Quantity>("quantity");
    QTest::addColumn<double>("expected");  // against the first material
    QTest::addColumn<double>("tolerance");

    // The textbook gives 106.22; a finite-difference stress function of the same bars,
    // extrapolated from grids of 1/32 to 1/128 of the thickness, converges to 106.1167, and so
    // do J's bounds here: the textbook's figure is 0.1 % high.
    QTest::newRow("15 x 2 aluminium beside 15 x 2 copper: GJ / G_Al = 106.1167")
        << Figures{rectangle(0, 0, 15, 2, 0), rectangle(15, 0, 15, 2, 1)}
        << Materials{kAluminium, kCopper} << Quantity::TorsionConstant << 106.1167 << 5e-5;

    // Concentric circles do not warp: GJ = G_s J_s + G_c J_c. A 256-gon's J lies about 2e-4
    // below its circle's.
    const double pi = std::numbers::pi, outer = 150, inner = 141;
    const double tube = pi / 2 * (std::pow(outer, 4) - std::pow(inner, 4));
    const double core = pi / 2 * std::pow(inner, 4);
    QTest::newRow("concrete-filled tube: GJ = G_s J_s + G_c J_c")
        << Figures{circle(outer, 256, 0), circle(inner, 256, 0, -1), circle(inner, 256, 1)}
        << Materials{kSteel, kConcrete} << Quantity::TorsionConstant
        << tube + kConcrete.shearModulus() / kSteel.shearModulus() * core << 5e-4;

    // The flanges' shear flows carry E_f: e = 3 E_f b² / (E_w h + 6 E_f b) from the web's centre
    // line; the thin-wall theory itself is off by about t / b.
    const double b = 100, h = 200, t = 2;
    const Material flange = material("flange", 200000, 0.3), web = material("web", 70000, 0.3);
    QTest::newRow("thin channel, flanges stiffer than the web: e = 3 E_f b^2 / (E_w h + 6 E_f b)")
        << thinChannel(b, h, t) << Materials{flange, web} << Quantity::ShearCentreX
        << -3 * flange.elasticModulus * b * b /
               (web.elasticModulus * h + 6 * flange.elasticModulus * b)
        << 0.02;
    // Only the flanges warp: EIw = E_f t b³ h² / 24 whatever the web.
    QTest::newRow("thin I, web of another material: EIw = E_f t b^3 h^2 / 24")
        << thinI(2 * b, 2 * h, t) << Materials{web, flange} << Quantity::WarpingConstant
        << t * std::pow(2 * b, 3) * std::pow(2 * h, 2) / 24 << 0.01;
    // With ν = 0 the shear stress of layers across the depth is exact in beam theory,
    // τ = V ∫E y dA / (EI b); its energy ∫τ²/G dA = V² / GAs gives GAs / G_1 = 1525.685.
    QTest::newRow("layered rectangle 50 x 100, E 10:1, nu = 0: GAsy / G_1 = 1525.685")
        << Figures{rectangle(0, 0, 50, 50, 0), rectangle(0, 50, 50, 50, 1)}
        << Materials{material("stiff", 200000, 0), material("soft", 20000, 0)}
        << Quantity::ShearAreaY << 1525.685 << 1e-3;
}

void TestCompositeTorsion::compositeSections() {
    QFETCH(Figures, figures);
    QFETCH(Materials, materials);
    QFETCH(Quantity, quantity);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    const TorsionOutcome outcome = analyse(figures, materials, 0);
    QCOMPARE(outcome.status, TorsionStatus::Ok);
    const TorsionResult& result = outcome.result;
    const TorsionValues& v = result.values;
    const double value = quantity == Quantity::TorsionConstant   ? v.torsionConstant
                         : quantity == Quantity::WarpingConstant ? v.warpingConstant
                         : quantity == Quantity::ShearCentreX    ? v.shearCentreX
                                                                 : v.shearAreaY;
    QVERIFY2(relative(value, expected) < tolerance,
             qPrintable(
                 QStringLiteral("%1 against %2").arg(value, 0, 'g', 10).arg(expected, 0, 'g', 10)));
    // J's bounds hold the value, and the stresses can weigh each triangle by its material.
    QVERIFY(v.torsionConstantLower <= v.torsionConstant);
    QVERIFY(v.torsionConstantLower > (1 - 2e-3) * v.torsionConstant);
    QCOMPARE(result.referenceShearModulus, materials.front().shearModulus());
    QCOMPARE(result.field->moduli.shear.size(), result.field->mesh.triangles().size());
    QCOMPARE(result.field->moduli.referenceElasticModulus, materials.front().elasticModulus);
    QVERIFY(!TorsionAnalysis::notices(result).empty());
}

void TestCompositeTorsion::oneMaterialEverywhereIsTheAreaTimesItsModuli_data() {
    QTest::addColumn<Figures>("figures");
    // An unequal angle with a hole and a subtracted notch: nothing symmetric to hide a fault.
    QTest::newRow("angle with a hole") << Figures{
        rectangle(0, 0, 100, 12, 0), rectangle(0, 12, 10, 138, 0), rectangle(40, 3, 20, 5, 0, -1)};
    QTest::newRow("two figures touching along an edge")
        << Figures{rectangle(0, 0, 60, 10, 0), rectangle(25, 10, 10, 80, 0)};
}

void TestCompositeTorsion::oneMaterialEverywhereIsTheAreaTimesItsModuli() {
    QFETCH(Figures, figures);
    const TorsionOutcome composite = analyse(figures, {kSteel}, 0, 4);
    Figures plainFigures = figures;
    for (SectionFigure& figure : plainFigures) figure.material = -1;
    TorsionOptions options;
    options.poissonRatio = kSteel.poissonRatio;
    options.elementSize = 4;
    const TorsionOutcome plain = TorsionAnalysis::run(plainFigures, options);
    QCOMPARE(composite.status, TorsionStatus::Ok);
    QCOMPARE(plain.status, TorsionStatus::Ok);
    const TorsionValues& c = composite.result.values;
    const TorsionValues& p = plain.result.values;
    const std::pair<double, double> pairs[] = {
        {c.area, p.area},
        {c.torsionConstant, p.torsionConstant},
        {c.torsionConstantLower, p.torsionConstantLower},
        {c.warpingConstant, p.warpingConstant},
        {c.shearCentreX, p.shearCentreX},
        {c.shearCentreY, p.shearCentreY},
        {c.trefftzCentreX, p.trefftzCentreX},
        {c.shearAreaX, p.shearAreaX},
        {c.shearAreaY, p.shearAreaY},
        {c.shearAreaMajor, p.shearAreaMajor},
    };
    for (const auto& [value, expected] : pairs)
        QVERIFY2(
            relative(value, expected) < 1e-9,
            qPrintable(
                QStringLiteral("%1 against %2").arg(value, 0, 'g', 17).arg(expected, 0, 'g', 17)));
    QCOMPARE(c.elements, p.elements);
    QCOMPARE(composite.result.referenceShearModulus, kSteel.shearModulus());
}

void TestCompositeTorsion::materialsFollowTheFigureAlgebra() {
    // A steel tube drawn as an outer circle less an inner one, with a concrete core: the core is
    // concrete only. The same tube without the core is the ring alone, and the core alone is a
    // disc of concrete: GJ of the whole is the two added up.
    const Figures filled{circle(100, 128, 0), circle(90, 128, 0, -1), circle(90, 128, 1)};
    const Figures ring{circle(100, 128, 0), circle(90, 128, 0, -1)};
    const Figures disc{circle(90, 128, 1)};
    const Materials materials{kSteel, kConcrete};
    const TorsionOutcome whole = analyse(filled, materials, 0);
    const TorsionOutcome tube = analyse(ring, materials, 0);
    const TorsionOutcome core = analyse(disc, materials, 0);
    QCOMPARE(whole.status, TorsionStatus::Ok);
    QCOMPARE(tube.status, TorsionStatus::Ok);
    QCOMPARE(core.status, TorsionStatus::Ok);
    // The core alone has its own reference (steel, listed first): its J is the concrete's
    // transformed to steel.
    QVERIFY(relative(whole.result.values.torsionConstant,
                     tube.result.values.torsionConstant + core.result.values.torsionConstant) <
            2e-4);
    // Each triangle of the core is concrete, of the ring steel.
    const TorsionField& field = *whole.result.field;
    const double concrete = kConcrete.shearModulus() / kSteel.shearModulus();
    std::size_t steelTriangles = 0, concreteTriangles = 0;
    for (std::size_t e = 0; e < field.mesh.triangles().size(); ++e) {
        const auto& corners = field.mesh.triangles()[e].corners;
        Point centre{0, 0};
        for (const int corner : corners) {
            centre.x += field.mesh.points()[corner].x / 3;
            centre.y += field.mesh.points()[corner].y / 3;
        }
        const bool inCore = std::hypot(centre.x, centre.y) < 89;
        const double expected = inCore ? concrete : 1.0;
        QVERIFY(relative(field.moduli.shear[e], expected) < 1e-12);
        (inCore ? concreteTriangles : steelTriangles) += 1;
    }
    QVERIFY(steelTriangles > 0 && concreteTriangles > 0);
}

void TestCompositeTorsion::refusedMaterials_data() {
    QTest::addColumn<Figures>("figures");
    QTest::addColumn<int>("status");
    QTest::newRow("steel subtracted from a concrete figure")
        << Figures{rectangle(0, 0, 100, 100, 1), rectangle(40, 40, 20, 20, 0, -1)}
        << int(TorsionStatus::NegativeMaterial);
    // The counts add up to an empty hole, but the concrete subtracted was never there.
    QTest::newRow("a steel square's inside subtracted as concrete")
        << Figures{rectangle(0, 0, 100, 100, 0), rectangle(40, 40, 20, 20, 1, -1)}
        << int(TorsionStatus::NegativeMaterial);
    QTest::newRow("a figure without a material")
        << Figures{rectangle(0, 0, 100, 10, 0), rectangle(0, 10, 10, 90, -1)}
        << int(TorsionStatus::MissingMaterial);
    QTest::newRow("a material not in the list")
        << Figures{rectangle(0, 0, 100, 10, 0), rectangle(0, 10, 10, 90, 2)}
        << int(TorsionStatus::MissingMaterial);
}

void TestCompositeTorsion::refusedMaterials() {
    QFETCH(Figures, figures);
    QFETCH(int, status);
    const TorsionOutcome outcome = analyse(figures, {kSteel, kConcrete}, 0);
    QCOMPARE(int(outcome.status), status);
    QVERIFY(!TorsionAnalysis::message(outcome.status).empty());
}

QTEST_APPLESS_MAIN(TestCompositeTorsion)
#include "test_composite_torsion.moc"
