// The arc generator: the worked circles and arcs (step, vertex count, first and last angle,
// closing), the remainder test with its adjusted step, unusable division counts and ranges, and
// the one-insertion write with the current row.
#include <QtTest>

#include <cmath>
#include <numbers>

#include "../GeneratorTestUtil.h"
#include "core/base/NumberText.h"
#include "core/shapes/ArcGenerator.h"

using namespace kuvanto;
using namespace kuvanto::test;

Q_DECLARE_METATYPE(kuvanto::ArcDirection)
Q_DECLARE_METATYPE(kuvanto::ArcProblem)

namespace {

// The angle of a vertex of an arc around the origin, in degrees 0..360.
double angleOf(const ArcPlan& plan, std::size_t i) {
    double a = std::atan2(plan.ys[i], plan.xs[i]) * 180 / std::numbers::pi;
    if (a < -1e-9) a += 360;
    return std::fabs(a) < 1e-9 ? 0 : a;
}

}  // namespace

class TestArcGenerator : public QObject {
    Q_OBJECT
private slots:
    void plan_data();
    void plan();
    void refused_data();
    void refused();
    void insertion();
};

void TestArcGenerator::plan_data() {
    QTest::addColumn<double>("angle1");
    QTest::addColumn<double>("angle2");
    QTest::addColumn<double>("divisions");
    QTest::addColumn<ArcDirection>("direction");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("last");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<double>("unfitStep");  // 0: the step fitted
    const auto up = ArcDirection::ascending, down = ArcDirection::descending;
    QTest::newRow("circle n=36") << 0.0 << 360.0 << 36.0 << up << 37 << 0.0 << 0.0 << true << 0.0;
    QTest::newRow("circle n=7 becomes an octagon")
        << 0.0 << 360.0 << 7.0 << up << 9 << 0.0 << 0.0 << true << 360.0 / 7;
    QTest::newRow("circle n=100 ends on its first vertex")
        << 0.0 << 360.0 << 100.0 << up << 101 << 0.0 << 0.0 << true << 0.0;
    QTest::newRow("arc 30 to 130")
        << 30.0 << 130.0 << 36.0 << up << 11 << 30.0 << 130.0 << false << 0.0;
    QTest::newRow("arc 130 to 30 typed in reverse")
        << 130.0 << 30.0 << 36.0 << up << 11 << 30.0 << 130.0 << false << 0.0;
    QTest::newRow("arc 30 to 130 descending")
        << 30.0 << 130.0 << 36.0 << down << 11 << 130.0 << 30.0 << false << 0.0;
    QTest::newRow("half circle 180 to 360")
        << 180.0 << 360.0 << 36.0 << up << 19 << 180.0 << 0.0 << true << 0.0;
    QTest::newRow("0 to 90 with n=7")
        << 0.0 << 90.0 << 7.0 << up << 3 << 0.0 << 90.0 << false << 360.0 / 7;
    QTest::newRow("0 to 90 with n=100 ends at 90")
        << 0.0 << 90.0 << 100.0 << up << 27 << 0.0 << 90.0 << false << 3.6;
    QTest::newRow("0 to 60 with n=100 ends at 60 with a shorter last step")
        << 0.0 << 60.0 << 100.0 << up << 18 << 0.0 << 60.0 << false << 0.0;
    QTest::newRow("0 to 60 with n=64 ends at 60")
        << 0.0 << 60.0 << 64.0 << up << 12 << 0.0 << 60.0 << false << 0.0;
    QTest::newRow("60 to 360 with n=100 ends on the first vertex")
        << 60.0 << 360.0 << 100.0 << up << 85 << 60.0 << 0.0 << true << 0.0;
    QTest::newRow("60 to 0 descending with n=100 ends at 0")
        << 60.0 << 0.0 << 100.0 << down << 18 << 60.0 << 0.0 << false << 0.0;
    QTest::newRow("two turns do not close")
        << 0.0 << 720.0 << 36.0 << up << 73 << 0.0 << 0.0 << false << 0.0;
    QTest::newRow("equal angles that fit give one vertex")
        << 40.0 << 40.0 << 36.0 << up << 1 << 40.0 << 40.0 << false << 0.0;
}

void TestArcGenerator::plan() {
    QFETCH(double, angle1);
    QFETCH(double, angle2);
    QFETCH(double, divisions);
    QFETCH(ArcDirection, direction);
    QFETCH(int, count);
    QFETCH(double, first);
    QFETCH(double, last);
    QFETCH(bool, closes);
    QFETCH(double, unfitStep);
    ArcInput in;
    in.angle1 = angle1;
    in.angle2 = angle2;
    in.divisions = divisions;
    in.direction = direction;
    const ArcPlan plan = planArc(in);
    QCOMPARE(plan.problem, ArcProblem::none);
    QCOMPARE(int(plan.xs.size()), count);
    QVERIFY(std::fabs(angleOf(plan, 0) - first) < 1e-9);
    QVERIFY2(std::fabs(angleOf(plan, plan.xs.size() - 1) - last) < 1e-9,
             qPrintable(QString::number(angleOf(plan, plan.xs.size() - 1))));
    QCOMPARE(plan.closesFigure, closes);
    QCOMPARE(plan.unfitStep.has_value(), unfitStep != 0);
    if (plan.unfitStep) QCOMPARE(*plan.unfitStep, unfitStep);
    // Every vertex lies on the circle, one step apart.
    for (std::size_t i = 0; i < plan.xs.size(); ++i)
        QVERIFY(std::fabs(std::hypot(plan.xs[i], plan.ys[i]) - 25) < 1e-9);
}

void TestArcGenerator::refused_data() {
    QTest::addColumn<double>("angle1");
    QTest::addColumn<double>("angle2");
    QTest::addColumn<double>("divisions");
    QTest::addColumn<ArcProblem>("problem");
    QTest::newRow("zero divisions") << 0.0 << 360.0 << 0.0 << ArcProblem::unusableDivisions;
    QTest::newRow("negative divisions") << 0.0 << 360.0 << -5.0 << ArcProblem::unusableDivisions;
    QTest::newRow("720 divisions") << 0.0 << 360.0 << 720.0 << ArcProblem::unusableDivisions;
    QTest::newRow("equal angles off the step")
        << 7.0 << 7.0 << 36.0 << ArcProblem::equalAnglesUnfit;
    QTest::newRow("range of a billion degrees")
        << 0.0 << 1e9 << 36.0 << ArcProblem::tooManyVertices;
    QTest::newRow("infinite angle") << 0.0 << HUGE_VAL << 36.0 << ArcProblem::tooManyVertices;
}

void TestArcGenerator::refused() {
    QFETCH(double, angle1);
    QFETCH(double, angle2);
    QFETCH(double, divisions);
    QFETCH(ArcProblem, problem);
    ArcInput in;
    in.angle1 = angle1;
    in.angle2 = angle2;
    in.divisions = divisions;
    const ArcPlan plan = planArc(in);
    QCOMPARE(plan.problem, problem);
    CoordTable table = tableOf({"1,1", ""});
    QCOMPARE(insertArc(table, plan), -1);
    QCOMPARE(rowsOf(table), (QStringList{"1,1", ""}));
}

void TestArcGenerator::insertion() {
    // An open arc goes into the current figure; the current row returns to the row it was on.
    CoordTable table = tableOf({"0,0", "9,9", ""});
    table.setRow(2);
    ArcInput in;
    in.centreX = 100;
    in.angle1 = 0;
    in.angle2 = 90;
    in.divisions = 4;
    insertArc(table, planArc(in));
    QCOMPARE(rowsOf(table), (QStringList{"0,0", "125,0", "100,25", "9,9", ""}));
    QCOMPARE(table.row(), 4);

    // A closed circle ends with a separator row (current) and two more empty rows at the end.
    CoordTable circle = tableOf({""});
    ArcInput full;
    full.diameter = 2;
    full.divisions = 4;
    const int top = insertArc(circle, planArc(full));
    QCOMPARE(rowsOf(circle), (QStringList{"1,0", "0,1", "-1,0", "0,-1", "1,0", "|", "", "", ""}));
    QCOMPARE(circle.row(), 6);
    QCOMPARE(top, 1);
}

QTEST_APPLESS_MAIN(TestArcGenerator)
#include "test_arc_generator.moc"
