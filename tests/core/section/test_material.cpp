// Materials: the names a coordinate file can keep, the checks of the values, and the shipped
// list (valid, one entry per name, concrete moduli from the formula for their strength).
#include <QtTest>

#include <set>

#include "core/section/Material.h"
#include "core/section/SectionMaterials.h"

#include "../CoordTableBuilder.h"

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
    void assignmentsFollowTheirFigures_data();
    void assignmentsFollowTheirFigures();
    void figureOfARow_data();
    void figureOfARow();
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

void TestMaterial::assignmentsFollowTheirFigures_data() {
    QTest::addColumn<QStringList>("before");  // the added table; each letter a figure
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("expected");  // "index=material" of the added table after

    // Figures a, b, c; a carries "A", c carries "C".
    const auto figure = [](int n) {
        return QStringList{QString("%1,0").arg(n), QString("%1,0").arg(n + 1),
                           QString("%1,1").arg(n)};
    };
    const QStringList a = figure(0), b = figure(10), c = figure(20), d = figure(30);
    const QStringList sep{"|"};
    const QStringList abc = a + sep + b + sep + c;
    QTest::newRow("unchanged") << abc << abc << "1=A 3=C";
    QTest::newRow("figure inserted in front") << abc << (d + sep + abc) << "2=A 4=C";
    QTest::newRow("figure appended") << abc << (abc + sep + d) << "1=A 3=C";
    QTest::newRow("figure without material deleted") << abc << (a + sep + c) << "1=A 2=C";
    QTest::newRow("figure with material deleted") << abc << (b + sep + c) << "2=C";
    QTest::newRow("vertex moved in place")
        << abc << (a + sep + b + sep + QStringList{"20,0", "21,0", "20,5"}) << "1=A 3=C";
    QTest::newRow("vertex moved while a figure is inserted")
        << abc << (d + sep + a + sep + b + sep + QStringList{"20,0", "21,0", "20,5"}) << "2=A";
}

void TestMaterial::assignmentsFollowTheirFigures() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QString, expected);
    SectionMaterials m;
    m.setMaterial({"A", 1, 0, 0, 0, ""});
    m.setMaterial({"C", 2, 0, 0, 0, ""});
    m.assign(TableKind::Added, 1, "A");
    m.assign(TableKind::Added, 3, "C");
    m.assign(TableKind::Subtracted, 1, "A");
    const CoordTable none = test::coordTableOf({"0,0", "1,0", "0,1"});
    m.followFigures(SectionMaterials::fingerprintsOf(test::coordTableOf(before), none),
                    SectionMaterials::fingerprintsOf(test::coordTableOf(after), none));
    QStringList got;
    for (const FigureMaterial& f : m.assignments()) {
        if (f.kind == TableKind::Added)
            got << QString("%1=%2").arg(f.index).arg(QString::fromStdString(f.name));
    }
    QCOMPARE(got.join(' '), expected);
    // The untouched table keeps its assignment.
    QVERIFY(m.materialOf(TableKind::Subtracted, 1));
}

void TestMaterial::figureOfARow_data() {
    QTest::addColumn<QStringList>("table");   // rows from 1; "|" a separator row
    QTest::addColumn<QList<int>>("figures");  // the figure of each row 1.., 0 for none

    const QStringList a{"0,0", "1,0", "0,1"}, b{"5,0", "6,0", "5,1"};
    // The last row is the empty entry row under the table.
    QTest::newRow("two figures") << (a + QStringList{"|"} + b)
                                 << QList<int>{1, 1, 1, 1, 2, 2, 2, 2};
    QTest::newRow("separators before, between and after")
        << (QStringList{"|"} + a + QStringList{"|", "|"} + b + QStringList{"|"})
        << QList<int>{1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 0};
    QTest::newRow("stray rows inside and before a figure")
        << (QStringList{","} + a + QStringList{",", "|"} + b)
        << QList<int>{1, 1, 1, 1, 1, 1, 2, 2, 2, 2};
    QTest::newRow("no figure") << QStringList{"|", ","} << QList<int>{0, 0, 0};
}

void TestMaterial::figureOfARow() {
    QFETCH(QStringList, table);
    QFETCH(QList<int>, figures);
    const CoordTable grid = test::coordTableOf(table, test::EntryRow::With);
    QCOMPARE(grid.rows() - 1, figures.size());
    for (int row = 1; row < grid.rows(); ++row) {
        const std::optional<int> figure = figureAtRow(grid, row);
        QCOMPARE(figure.value_or(0), figures[row - 1]);
    }
    // Outside the table: no figure.
    QVERIFY(!figureAtRow(grid, 0));
    QVERIFY(!figureAtRow(grid, grid.rows()));
}

QTEST_APPLESS_MAIN(TestMaterial)
#include "test_material.moc"
