// The transformed section of figures of several materials, through the calculation run: worked
// composite sections (two yield strengths side by side, aluminium beside copper, a concrete-filled
// box, a steel I under a concrete slab, a flitch beam) against values worked out by hand with
// exact rational arithmetic (python3 fractions), never with this program; a section of one
// material against the geometric values to the last bit; and the block's cells when a figure has
// no material or no figure has one.
#include <QtTest>

#include <cmath>
#include <cstring>

#include "core/section/Calculation.h"

#include "../CoordTableBuilder.h"

using namespace kuvanto;

namespace {

using Expected = QMap<QString, double>;

CoordTable gridOf(const QStringList& rows) {
    return test::coordTableOf(rows, test::EntryRow::With);
}

// The rows of a rectangle from (x0, y0) to (x1, y1), with a separator before it unless first.
QStringList rect(double x0, double y0, double x1, double y1, bool first = false) {
    QStringList rows;
    if (!first) rows << "|";
    const auto row = [](double x, double y) { return QString("%1,%2").arg(x).arg(y); };
    rows << row(x0, y0) << row(x1, y0) << row(x1, y1) << row(x0, y1);
    return rows;
}

// "NAME,E,nu,fy,rho" per material, "加算,N,NAME" or "減算,N,NAME" per figure.
SectionMaterials materialsOf(const QStringList& materials, const QStringList& assignments) {
    SectionMaterials out;
    for (const QString& line : materials) {
        const QStringList f = line.split(',');
        const bool set = out.setMaterial({f[0].toStdString(), f[1].toDouble(), f[2].toDouble(),
                                          f[3].toDouble(), f[4].toDouble(), ""});
        if (!set) qFatal("bad material in a test: %s", qPrintable(line));
    }
    for (const QString& line : assignments) {
        const QStringList f = line.split(',');
        const TableKind kind = f[0] == "加算" ? TableKind::Added : TableKind::Subtracted;
        if (!out.assign(kind, f[1].toInt(), f[2].toStdString()))
            qFatal("bad assignment in a test: %s", qPrintable(line));
    }
    return out;
}

Property propertyOf(const QString& key) {
    for (Property p : kAllProperties) {
        if (QString::fromUtf8(propertyEntry(p).key) == key) return p;
    }
    qFatal("no property %s", qPrintable(key));
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

const QString kSteel = "steel,205000,0.3,235,7.85";
const QString kConcrete = "concrete,22669,0.2,24,2.3";

}  // namespace

class TestCompositeSection : public QObject {
    Q_OBJECT
private slots:
    void workedSections_data();
    void workedSections();
    void oneMaterialIsTheGeometricSection_data();
    void oneMaterialIsTheGeometricSection();
    void blockOnlyWithMaterials();
    void figureWithoutMaterial();
    void roundOffOfSymmetricSections();
};

void TestCompositeSection::workedSections_data() {
    QTest::addColumn<QStringList>("add");
    QTest::addColumn<QStringList>("subtracted");
    QTest::addColumn<QStringList>("materials");
    QTest::addColumn<QStringList>("assignments");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<Expected>("expected");

    // Half the force 50·5000 + 80·5000 lies left of x = 50 + 75000 / 8000; about y = 50 each
    // half rectangle has the first moment 2500 · 25.
    QTest::newRow("yield strengths 50 and 80 side by side")
        << (rect(0, 0, 50, 100, true) + rect(50, 0, 100, 100)) << QStringList()
        << QStringList{"soft,1000,0.3,50,1", "hard,1000,0.3,80,2"}
        << QStringList{"加算,1,soft", "加算,2,hard"} << ""
        << Expected{
               {"x_pf", 59.375}, {"y_pf", 50}, {"Mpx", 16.25},         {"Mpy", 15.546875},
               {"A_t", 1e4},     {"EA", 1e7},  {"mass_per_metre", 15}, {"Myx", 25e6 / 3 * 1e-6}};

    // A_t / A_Al = 30 (1 + 18.5 / 10.4) = 867 / 10.4.
    QTest::newRow("aluminium and copper bars")
        << (rect(0, 0, 15, 2, true) + rect(15, 0, 30, 2)) << QStringList()
        << QStringList{"aluminium,10.4e6,0.3,0,2.7", "copper,18.5e6,0.3,0,8.9"}
        << QStringList{"加算,1,aluminium", "加算,2,copper"} << "aluminium"
        << Expected{{"A_t", 83.36538461538461}, {"EA", 867e6}, {"E_ref", 10.4e6}};

    // A 200 box of 10 mm walls filled with concrete: EI = Es (200⁴ - 180⁴) / 12 + Ec 180⁴ / 12.
    QTest::newRow("concrete-filled box")
        << (rect(-100, -100, 100, 100, true) + rect(-90, -90, 90, 90))
        << rect(-90, -90, 90, 90, true) << QStringList{kSteel, kConcrete}
        << QStringList{"加算,1,steel", "加算,2,concrete", "減算,1,steel"} << ""
        << Expected{{"E_ref", 205000},
                    {"A_t", 11182.807804878048},
                    {"x_t", 0},
                    {"y_t", 0},
                    {"Ix_t", 55526914.406504065},
                    {"Iy_t", 55526914.406504065},
                    {"EIx", 11383017453333.334},
                    {"EA", 2292475600},
                    {"mass_per_metre", 134.18},
                    {"x_pf", 0},
                    {"y_pf", 0},
                    {"Mpx", 162.362},
                    {"Myx", 130.48824885528455}};

    // H 400x200x8x13 under a slab 1000 x 120: the slab counts 1000 · Ec / Es wide.
    const QStringList steelWithSlab = rect(-100, 0, 100, 13, true) + rect(-4, 13, 4, 387) +
                                      rect(-100, 387, 100, 400) + rect(-500, 400, 500, 520);
    const QStringList slabAssignments{"加算,1,steel", "加算,2,steel", "加算,3,steel",
                                      "加算,4,concrete"};
    const Expected slabSection{
        {"A_t", 21461.658536585364}, {"y_t", 360.75697102490204},  {"x_t", 0},
        {"Ix_t", 587971760.6359285}, {"Iy_t", 1123154168.7154472}, {"EIx", 120534210930365.33}};
    QTest::newRow("steel I under a concrete slab")
        << steelWithSlab << QStringList() << QStringList{kSteel, kConcrete} << slabAssignments << ""
        << slabSection;
    // Against the concrete the transformed values change, the stiffness and the centroid do not.
    QTest::newRow("steel I under a concrete slab, concrete the reference")
        << steelWithSlab << QStringList() << QStringList{kSteel, kConcrete} << slabAssignments
        << "concrete"
        << Expected{{"E_ref", 22669},
                    {"A_t", 21461.658536585364 * 205000 / 22669},
                    {"y_t", 360.75697102490204},
                    {"EIx", 120534210930365.33}};

    // Two timbers 50 x 200 and a steel plate 10 x 200 between them; the timber, on two figures,
    // is the reference. The plate yields first: 235 Ix_t / (n · 100).
    QTest::newRow("flitch beam") << (rect(0, 0, 50, 200, true) + rect(50, 0, 60, 200) +
                                     rect(60, 0, 110, 200))
                                 << QStringList() << QStringList{"timber,10500,0.4,30,0.5", kSteel}
                                 << QStringList{"加算,1,timber", "加算,2,steel", "加算,3,timber"}
                                 << ""
                                 << Expected{{"E_ref", 10500},
                                             {"A_t", 59047.619047619046},
                                             {"x_t", 55},
                                             {"y_t", 100},
                                             {"Ix_t", 196825396.82539684},
                                             {"Iy_t", 22492063.492063493},
                                             {"EIx", 2066666666666.6667},
                                             {"Myx", 23.691056910569106}};
}

void TestCompositeSection::workedSections() {
    QFETCH(QStringList, add);
    QFETCH(QStringList, subtracted);
    QFETCH(QStringList, materials);
    QFETCH(QStringList, assignments);
    QFETCH(QString, reference);
    QFETCH(Expected, expected);

    SectionMaterials section = materialsOf(materials, assignments);
    section.setReferenceName(reference.toStdString());
    ResultTable result;
    resetResultTable(result);
    std::vector<ColumnValues> values;
    CompositeSection composite;
    QVERIFY(runCalculation(gridOf(add), gridOf(subtracted), section, result, &values, &composite));
    QCOMPARE(QString::fromStdString(composite.problem), QString());
    const SectionProperties& combined = values.back().values;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const double value = combined[propertyOf(it.key())];
        const double tolerance = 1e-12 * std::max(1.0, std::fabs(it.value()));
        if (!(std::fabs(value - it.value()) <= tolerance))
            QFAIL(qPrintable(QString("%1: %2, expected %3")
                                 .arg(it.key())
                                 .arg(value, 0, 'g', 17)
                                 .arg(it.value(), 0, 'g', 17)));
    }
}

void TestCompositeSection::oneMaterialIsTheGeometricSection_data() {
    QTest::addColumn<QStringList>("add");
    QTest::addColumn<QStringList>("subtracted");

    QTest::newRow("rectangle with a hole")
        << rect(0, 0, 100, 200, true) << rect(25, 50, 75, 150, true);
    // Unsymmetric, far from the origin, so that the principal axes turn and the sums round.
    QTest::newRow("angle far from the origin with a hole")
        << (QStringList{"10000.5,20000.25", "10090.5,20000.25", "10090.5,20009.25",
                        "10009.5,20009.25", "10009.5,20130.75", "10000.5,20130.75"} +
            rect(10060.125, 20000.25, 10070.375, 20020.5))
        << rect(10002.5, 20100.5, 10005.5, 20110.5, true);
}

void TestCompositeSection::oneMaterialIsTheGeometricSection() {
    QFETCH(QStringList, add);
    QFETCH(QStringList, subtracted);

    const CoordTable added = gridOf(add), cut = gridOf(subtracted);
    QStringList assignments;
    for (int i = 1; i <= add.count("|") + 1; ++i) assignments << QString("加算,%1,steel").arg(i);
    for (int i = 1; i <= subtracted.count("|") + 1; ++i)
        assignments << QString("減算,%1,steel").arg(i);
    const SectionMaterials materials = materialsOf({kSteel}, assignments);

    ResultTable plain, withMaterials;
    resetResultTable(plain);
    resetResultTable(withMaterials);
    std::vector<ColumnValues> plainValues, values;
    QVERIFY(runCalculation(added, cut, plain, &plainValues));
    QVERIFY(runCalculation(added, cut, materials, withMaterials, &values));
    const SectionProperties& g = plainValues.back().values;
    const SectionProperties& c = values.back().values;

    // The geometric rows do not change with materials.
    for (int row = 0; row < kMaterialFirstRow; ++row) {
        for (int col = 0; col < plain.cols(); ++col)
            QCOMPARE(withMaterials.text(row, col), plain.text(row, col));
    }
    const double e = 205000, fy = 235;
    const std::pair<Property, double> same[] = {
        {Property::StiffnessCentroidX, g[Property::CentroidX]},
        {Property::StiffnessCentroidY, g[Property::CentroidY]},
        {Property::TransformedArea, g[Property::Area]},
        {Property::TransformedMomentX, g[Property::MomentX]},
        {Property::TransformedMomentY, g[Property::MomentY]},
        {Property::TransformedProduct, g[Property::ProductMoment]},
        {Property::TransformedAngle, g[Property::PrincipalAngle]},
        {Property::TransformedMajorMoment, g[Property::MajorMoment]},
        {Property::TransformedMinorMoment, g[Property::MinorMoment]},
        {Property::AxialStiffness, e * g[Property::Area]},
        {Property::BendingStiffnessX, e * g[Property::MomentX]},
        {Property::BendingStiffnessY, e * g[Property::MomentY]},
        {Property::ForcePlasticAxisX, g[Property::PlasticAxisX]},
        {Property::ForcePlasticAxisY, g[Property::PlasticAxisY]},
        {Property::PlasticMomentX, g[Property::PlasticModulusX] * (fy * 1e-6)},
        {Property::PlasticMomentY, g[Property::PlasticModulusY] * (fy * 1e-6)},
    };
    for (const auto& [property, expected] : same) {
        if (!sameBits(c[property], expected))
            QFAIL(qPrintable(QString("%1: %2, geometric %3")
                                 .arg(propertyEntry(property).key)
                                 .arg(c[property], 0, 'g', 17)
                                 .arg(expected, 0, 'g', 17)));
    }
    QCOMPARE(c[Property::CompositeMass] > 0, true);
}

void TestCompositeSection::blockOnlyWithMaterials() {
    const CoordTable added = gridOf(rect(0, 0, 100, 200, true)), cut = gridOf({});
    ResultTable result;
    resetResultTable(result);
    QVERIFY(runCalculation(added, cut, result));
    // Without materials the block stays empty and is not in use; listed materials that no
    // figure carries change nothing.
    const SectionMaterials listedOnly = materialsOf({kSteel}, {});
    ResultTable listed;
    resetResultTable(listed);
    QVERIFY(runCalculation(added, cut, listedOnly, listed));
    for (const ResultTable* table : {&result, &listed}) {
        for (int row = kMaterialFirstRow; row < ResultTable::kRows; ++row) {
            QVERIFY(!resultRowInUse(*table, row));
            for (int col = 2; col < table->cols(); ++col) QCOMPARE(table->text(row, col), "");
        }
    }
    QVERIFY(resultRowInUse(result, resultRow(Property::Area)));

    ResultTable withSteel;
    resetResultTable(withSteel);
    QVERIFY(runCalculation(added, cut, materialsOf({kSteel}, {"加算,1,steel"}), withSteel));
    QVERIFY(resultRowInUse(withSteel, kMaterialFirstRow));
    QCOMPARE(withSteel.text(Property::ModularRatio, 2), "1");
    QCOMPARE(withSteel.text(Property::ModularRatio, 3), "-");
    QCOMPARE(withSteel.text(Property::AxialStiffness, 2), "-");
    QCOMPARE(withSteel.text(Property::AxialStiffness, 3), "4.1000E9");
}

void TestCompositeSection::figureWithoutMaterial() {
    // A filled box whose core has no material: no composite value may be guessed.
    const CoordTable added = gridOf(rect(-100, -100, 100, 100, true) + rect(-90, -90, 90, 90));
    const CoordTable cut = gridOf(rect(-90, -90, 90, 90, true));
    const SectionMaterials materials = materialsOf({kSteel}, {"加算,1,steel", "減算,1,steel"});
    ResultTable result;
    resetResultTable(result);
    CompositeSection composite;
    QVERIFY(runCalculation(added, cut, materials, result, nullptr, &composite));
    QVERIFY(!composite.problem.empty());
    QVERIFY(resultRowInUse(result, kMaterialFirstRow));
    const int combined = result.cols() - 1;
    for (Property p :
         {Property::TransformedArea, Property::AxialStiffness, Property::BendingStiffnessX,
          Property::PlasticMomentX, Property::CompositeMass})
        QCOMPARE(result.text(p, combined), "-");
    QCOMPARE(result.text(Property::ModularRatio, 3), "-");
    // The geometric rows are there as ever.
    QCOMPARE(result.text(Property::Area, combined), "4.0000E4");
}

// A filled tube of polygons whose coordinates are rounded: its transformed product, the stiffness
// centroid and the plastic axes are 0 up to rounding and shown as 0, and no principal angle is
// named for moments equal up to rounding, as in the geometric block.
void TestCompositeSection::roundOffOfSymmetricSections() {
    auto circle = [](double radius, bool first) {
        QStringList rows;
        if (!first) rows << "|";
        for (int i = 0; i < 96; ++i) {
            const double angle = 2 * 3.14159265358979323846 * i / 96;
            rows << QString("%1,%2")
                        .arg(std::round(radius * std::cos(angle) * 1000) / 1000, 0, 'g', 17)
                        .arg(std::round(radius * std::sin(angle) * 1000) / 1000, 0, 'g', 17);
        }
        return rows;
    };
    const CoordTable added = gridOf(circle(150, true) + circle(140, false));
    const CoordTable cut = gridOf(circle(140, true));
    const SectionMaterials materials =
        materialsOf({kSteel, kConcrete}, {"加算,1,steel", "加算,2,concrete", "減算,1,steel"});
    ResultTable result;
    resetResultTable(result);
    QVERIFY(runCalculation(added, cut, materials, result));
    const int combined = result.cols() - 1;
    for (Property p :
         {Property::StiffnessCentroidX, Property::StiffnessCentroidY, Property::TransformedAngle,
          Property::ForcePlasticAxisX, Property::ForcePlasticAxisY})
        QCOMPARE(result.text(p, combined), "0");
    QCOMPARE(std::stod(result.text(Property::TransformedProduct, combined)), 0.0);
}

QTEST_APPLESS_MAIN(TestCompositeSection)
#include "test_composite_section.moc"
