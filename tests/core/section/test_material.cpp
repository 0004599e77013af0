// Materials: the names a coordinate file can keep, the checks of the values, and the shipped
// list (valid, one entry per name, concrete moduli from the formula for their strength).
#include <QtTest>

#include <set>

#include "core/section/Material.h"
#include "core/section/SectionMaterials.h"

using namespace kuvanto;

class TestMaterial : public QObject {
    Q_OBJECT
private slots:
    void names_data();
    void names();
    void values_data();
    void values();
    void shippedList();
    void referenceIsTheMostCommon();
};

void TestMaterial::names_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("steel grade") << "SN490B" << true;
    QTest::newRow("Japanese") << "スギ無等級" << true;
    QTest::newRow("comma and quote") << "timber, \"glued\"" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("a number") << "400" << false;
    QTest::newRow("an exponent number") << " 1e5" << false;
    QTest::newRow("section marker") << "<<減算>>" << false;
    QTest::newRow("separator") << "|" << false;
    QTest::newRow("line break") << "a\r\nb" << false;
    QTest::newRow("tab") << "a\tb" << false;
    QTest::newRow("blank at the end") << "SS400 " << false;
}

void TestMaterial::names() {
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QCOMPARE(isValidMaterialName(name.toStdString()), valid);
}

void TestMaterial::values_data() {
    QTest::addColumn<double>("modulus");
    QTest::addColumn<double>("poisson");
    QTest::addColumn<double>("yield");
    QTest::addColumn<double>("density");
    QTest::addColumn<bool>("valid");
    QTest::newRow("steel") << 205000.0 << 0.3 << 235.0 << 7.85 << true;
    QTest::newRow("no strength or density") << 1.0 << 0.0 << 0.0 << 0.0 << true;
    QTest::newRow("zero modulus") << 0.0 << 0.3 << 235.0 << 7.85 << false;
    QTest::newRow("Poisson's ratio 0.5") << 205000.0 << 0.5 << 235.0 << 7.85 << false;
    QTest::newRow("negative Poisson's ratio") << 205000.0 << -0.1 << 235.0 << 7.85 << false;
    QTest::newRow("negative strength") << 205000.0 << 0.3 << -1.0 << 7.85 << false;
    QTest::newRow("infinite modulus") << qInf() << 0.3 << 235.0 << 7.85 << false;
    QTest::newRow("density not a number") << 205000.0 << 0.3 << 235.0 << qQNaN() << false;
}

void TestMaterial::values() {
    QFETCH(double, modulus);
    QFETCH(double, poisson);
    QFETCH(double, yield);
    QFETCH(double, density);
    QFETCH(bool, valid);
    const Material m{"m", modulus, poisson, yield, density, ""};
    QCOMPARE(!materialProblem(m).has_value(), valid);
    SectionMaterials list;
    QCOMPARE(list.setMaterial(m), valid);
    QCOMPARE(list.materials().size(), std::size_t(valid ? 1 : 0));
}

void TestMaterial::shippedList() {
    std::set<std::string> names;
    for (const Material& m : shippedMaterials()) {
        QVERIFY2(!materialProblem(m), m.name.c_str());
        QVERIFY2(!m.source.empty(), m.name.c_str());
        QVERIFY2(names.insert(m.name).second, m.name.c_str());
    }
    for (const char* name : {"SS400", "SN400B", "SN490B", "STK400", "STKR400", "A6063-T5"})
        QVERIFY2(names.count(name), name);
    // 3.35e4 (23/24)² (Fc/60)^(1/3), worked out apart from the program.
    QCOMPARE(concreteElasticModulus(23, 24), 22668.94590387348);
    for (const Material& m : shippedMaterials()) {
        if (m.name == "Fc21") QCOMPARE(m.elasticModulus, 21682.0);
        if (m.name == "Fc36") QCOMPARE(m.elasticModulus, 25949.0);
        if (m.name == "SN490B") QCOMPARE(m.yieldStrength, 325.0);
    }
    QCOMPARE((Material{"s", 205000, 0.3, 235, 7.85, ""}.shearModulus()), 205000 / 2.6);
}

void TestMaterial::referenceIsTheMostCommon() {
    SectionMaterials m;
    QVERIFY(!m.reference());
    m.setMaterial({"concrete", 22669, 0.2, 24, 2.3, ""});
    m.setMaterial({"steel", 205000, 0.3, 235, 7.85, ""});
    QVERIFY(!m.reference());  // listed, carried by no figure
    m.assign(TableKind::Added, 1, "steel");
    m.assign(TableKind::Added, 2, "concrete");
    QCOMPARE(m.reference()->name, "concrete");  // a tie: the first listed
    m.assign(TableKind::Subtracted, 1, "steel");
    QCOMPARE(m.reference()->name, "steel");
    m.setReferenceName("concrete");
    QCOMPARE(m.reference()->name, "concrete");
    m.setReferenceName("copper");  // not listed: back to the most common
    QCOMPARE(m.reference()->name, "steel");
    // Assigning an unlisted material is refused; an empty name takes the material away.
    QVERIFY(!m.assign(TableKind::Added, 3, "copper"));
    QVERIFY(m.assign(TableKind::Added, 2, ""));
    QVERIFY(!m.materialOf(TableKind::Added, 2));
    QCOMPARE(m.assignments().size(), std::size_t{2});
}

QTEST_APPLESS_MAIN(TestMaterial)
#include "test_material.moc"
