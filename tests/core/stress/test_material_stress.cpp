// The stresses of a section of two materials against the hand transformed section: a stiff plate
// under a softer block, the block's stress n times the transformed section's, each material's
// extremes on its own region and its von Mises stress against its yield strength; with a shear
// action the shear-dependent values are left out.
#include <QtTest>

#include "PolygonTables.h"
#include "core/base/NumberText.h"
#include "core/section/Calculation.h"
#include "core/stress/StressCases.h"

using namespace kuvanto;
using kuvanto::test::tableOf;

namespace {

std::vector<Point> rectangle(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}};
}

}  // namespace

class MaterialStressTest : public QObject {
    Q_OBJECT

private slots:
    void plateUnderBlock();
};

void MaterialStressTest::plateUnderBlock() {
    // Plate A 100 × 10 (E 200 000, fy 235) under block B 100 × 100 (E 20 000, fy 30), reference
    // A: n_B = 0.1, transformed area 2000, centroid of stiffness y = 32.5,
    // I_t = 100·10³/12 + 1000·27.5² + 0.1·(100·100³/12 + 10000·27.5²).
    const CoordTable added = tableOf({rectangle(0, 0, 100, 10), rectangle(0, 10, 100, 110)});
    const CoordTable subtracted = tableOf({});
    SectionMaterials materials;
    QVERIFY(materials.setMaterial({"A", 200000, 0.3, 235, 7.85, {}}));
    QVERIFY(materials.setMaterial({"B", 20000, 0.2, 30, 2.3, {}}));
    QVERIFY(materials.assign(TableKind::Added, 1, "A"));
    QVERIFY(materials.assign(TableKind::Added, 2, "B"));
    materials.setReferenceName("A");
    const double inertia =
        100 * 1000 / 12.0 + 1000 * 27.5 * 27.5 + 0.1 * (100 * 1e6 / 12 + 10000 * 27.5 * 27.5);
    const double moment = 2e7, axial = 5e4;
    LoadCase loads;
    loads[LoadAction::MomentX] = moment;
    loads[LoadAction::AxialForce] = axial;
    LoadCase withShear = loads;
    withShear[LoadAction::ShearY] = 1000;

    const StressCases run =
        StressCases::compute(added, subtracted, materials, {loads, withShear}, nullptr, nullptr);
    QVERIFY(run.sectionOk);
    QCOMPARE(run.materialStresses.size(), std::size_t(2));
    const std::vector<MaterialStress>& perMaterial = run.materialStresses[0];
    QCOMPARE(perMaterial.size(), std::size_t(2));
    auto stressAt = [&](double n, double y) {
        return n * (axial / 2000 + moment * (y - 32.5) / inertia);
    };
    const MaterialStress& a = perMaterial[0];
    const MaterialStress& b = perMaterial[1];
    QCOMPARE(a.name, std::string("A"));
    QCOMPARE(b.ratio, 0.1);
    QVERIFY(qFuzzyCompare(a.normal->min, stressAt(1, 0)));
    QVERIFY(qFuzzyCompare(a.normal->max, stressAt(1, 10)));
    QVERIFY(qFuzzyCompare(b.normal->max, stressAt(0.1, 110)));
    QVERIFY(qFuzzyCompare(b.normal->min, stressAt(0.1, 10)));
    QCOMPARE(b.normal->maxAt.y, 110.0);
    QVERIFY(qFuzzyCompare(*b.utilisation, std::abs(stressAt(0.1, 110)) / 30));
    QVERIFY(qFuzzyCompare(*a.utilisation, std::abs(stressAt(1, 0)) / 235));
    // The case's own stresses are the transformed section's (the reference material's).
    const auto whole = run.stresses[0]->extremes(StressComponent::NormalZ);
    QVERIFY(qFuzzyCompare(whole->max, stressAt(1, 110)));

    // With a shear force: σ_zz per material stays, σ_vM and the ratio are left out.
    const MaterialStress& sheared = run.materialStresses[1][1];
    QVERIFY(sheared.normal && !sheared.vonMises && !sheared.utilisation);
    QCOMPARE(run.stresses[1]->shearNotice(),
             SectionStress::shearMessage(ShearStressField::Status::Materials));
}

QTEST_APPLESS_MAIN(MaterialStressTest)
#include "test_material_stress.moc"
