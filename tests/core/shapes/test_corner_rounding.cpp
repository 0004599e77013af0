// Corner rounding: the direction and rotation helpers, the segment crossing test, the fillets of
// the worked corners (rectangle corners in all three cases, the flipped corner, the 60° corner),
// the refusals, and the replacement of the corner row in the table.
#include <QtTest>

#include <cmath>
#include <numbers>

#include "../GeneratorTestUtil.h"
#include "core/base/NumberText.h"
#include "core/shapes/CornerRounding.h"

using namespace kuvanto;
using namespace kuvanto::test;

Q_DECLARE_METATYPE(kuvanto::FilletProblem)

namespace {

QString textOf(Point p) {
    return QString::fromStdString(fixed3Text(p.x) + "," + fixed3Text(p.y));
}

QStringList textsOf(const Fillet& f) {
    QStringList out;
    for (const Point& p : f.vertices) out << textOf(p);
    return out;
}

CoordTable squareTable() {
    return tableOf({"0,0", "50,0", "50,50", "0,50", "0,0", "|", ""});
}

Fillet filletAt(const CornerSource& s, double radius, double divisions, bool flipped) {
    auto value = [](const std::string& t) { return lenientValue(t); };
    return computeFillet({value(s.cornerX), value(s.cornerY)}, {value(s.startX), value(s.startY)},
                         {value(s.endX), value(s.endY)}, radius, divisions, flipped);
}

}  // namespace

class TestCornerRounding : public QObject {
    Q_OBJECT
private slots:
    void helpers();
    void crossing_data();
    void crossing();
    void interiorCorner();
    void firstVertexKeepsFigureClosed();
    void firstVertexOfAnOpenFigure();
    void flipMovesTheFilletInside();
    void sixtyDegreeCorner();
    void arcAcrossPlusX();
    void refused_data();
    void refused();
    void cornerWithoutNeighbours();
};

void TestCornerRounding::helpers() {
    QCOMPARE(vectorAngle(0, 0), 90.0);
    QCOMPARE(vectorAngle(0, -3), 270.0);
    QVERIFY(std::fabs(vectorAngle(-1, -1) - 225) < 1e-9);
    QVERIFY(std::fabs(vectorAngle(1, -1) - 315) < 1e-9);
    QVERIFY(vectorAngle(1, -1e-300) < 360);
    // The rotation uses the full-precision constant: a quarter turn of (1, 0) is (0, 1) to 1e-15.
    const Point p = rotated({1, 0}, 90);
    QVERIFY(std::fabs(p.x) < 1e-14 && std::fabs(p.y - 1) < 1e-15);
    const Point q = rotated({2, 1}, -90);
    QVERIFY(std::fabs(q.x - 1) < 1e-14 && std::fabs(q.y + 2) < 1e-14);
}

void TestCornerRounding::crossing_data() {
    QTest::addColumn<QList<double>>("xy");  // p, a, q, b
    QTest::addColumn<bool>("crosses");
    QTest::newRow("x shape") << QList<double>{0, 0, 2, 2, 0, 2, 2, 0} << true;
    QTest::newRow("vertical and horizontal") << QList<double>{1, -1, 1, 1, 0, 0, 2, 0} << true;
    QTest::newRow("touching at an end") << QList<double>{0, 0, 1, 1, 1, 1, 2, 0} << true;
    QTest::newRow("apart") << QList<double>{0, 0, 1, 0, 0, 1, 1, 1} << false;
    QTest::newRow("would meet beyond an end") << QList<double>{0, 0, 1, 1, 3, 0, 2, 1} << false;
    QTest::newRow("collinear overlapping") << QList<double>{0, 0, 2, 0, 1, 0, 3, 0} << true;
    QTest::newRow("collinear apart") << QList<double>{0, 0, 1, 0, 2, 0, 3, 0} << false;
}

void TestCornerRounding::crossing() {
    QFETCH(QList<double>, xy);
    QFETCH(bool, crosses);
    const Point p{xy[0], xy[1]}, a{xy[2], xy[3]}, q{xy[4], xy[5]}, b{xy[6], xy[7]};
    QCOMPARE(segmentsIntersect(p, a, q, b), crosses);
    QCOMPARE(segmentsIntersect(q, b, p, a), crosses);
}

void TestCornerRounding::interiorCorner() {
    CoordTable table = squareTable();
    const CornerSource source = readCorner(table, 2);
    QCOMPARE(source.kind, CornerCase::interior);
    const Fillet fillet = filletAt(source, 5, 36, false);
    QCOMPARE(textOf(fillet.centre), QString("45,5"));
    QCOMPARE(textsOf(fillet),
             (QStringList{"45,0", "45.868,0.076", "46.71,0.302", "47.5,0.67", "48.214,1.17",
                          "48.83,1.786", "49.33,2.5", "49.698,3.29", "49.924,4.132", "50,5"}));
    QVERIFY(applyFillet(table, 2, source, fillet));
    QCOMPARE(table.rows(), squareTable().rows() + 9);
    QCOMPARE(rowsOf(table).mid(0, 2), (QStringList{"0,0", "45,0"}));
    QCOMPARE(rowsOf(table).mid(10, 2), (QStringList{"50,5", "50,50"}));
    QCOMPARE(table.row(), 2);
}

void TestCornerRounding::firstVertexKeepsFigureClosed() {
    CoordTable table = squareTable();
    const CornerSource source = readCorner(table, 1);
    QCOMPARE(source.kind, CornerCase::first);
    QCOMPARE(QString::fromStdString(source.startX + "," + source.startY), QString("0,50"));
    QCOMPARE(QString::fromStdString(source.endX + "," + source.endY), QString("50,0"));
    QCOMPARE(source.closeRow, 5);
    const Fillet fillet = filletAt(source, 5, 36, false);
    QCOMPARE(textOf(fillet.vertices.front()), QString("0,5"));
    QCOMPARE(textOf(fillet.vertices.back()), QString("5,0"));
    QVERIFY(applyFillet(table, 1, source, fillet));
    QCOMPARE(rowsOf(table).value(13), QString("0,5"));  // the closing row, now row 14
    QCOMPARE(rowsOf(table).value(14), QString("|"));

    // The last vertex of an open figure takes the figure's first vertex as its end point.
    const CoordTable open = tableOf({"|", "0,0", "10,0", "10,10", "|"});
    const CornerSource last = readCorner(open, 4);
    QCOMPARE(last.kind, CornerCase::last);
    QCOMPARE(QString::fromStdString(last.endX + "," + last.endY), QString("0,0"));
}

// An open figure is valid (the calculation closes it): rounding its first corner takes the last
// vertex as the other neighbour and leaves it in place. The square loses only the corner's
// sliver: 25 less the nine 10° triangles of the fillet, 9 · 25/2 · sin 10°.
void TestCornerRounding::firstVertexOfAnOpenFigure() {
    CoordTable table = tableOf({"0,0", "50,0", "50,50", "0,50", "|", ""});
    const CornerSource source = readCorner(table, 1);
    QCOMPARE(source.kind, CornerCase::first);
    QCOMPARE(QString::fromStdString(source.startX + "," + source.startY), QString("0,50"));
    QCOMPARE(source.closeRow, -1);
    QVERIFY(applyFillet(table, 1, source, filletAt(source, 5, 36, false)));
    const QStringList rows = rowsOf(table);
    QCOMPARE(rows.mid(12, 2), (QStringList{"0,50", "|"}));
    double twiceArea = 0;
    for (int i = 0; i < 13; ++i) {
        const QStringList a = rows[i].split(','), b = rows[(i + 1) % 13].split(',');
        twiceArea += a[0].toDouble() * b[1].toDouble() - b[0].toDouble() * a[1].toDouble();
    }
    QVERIFY2(std::fabs(twiceArea / 2 - (2500 - (25 - 4.5 * 25 * std::sin(std::numbers::pi / 18)))) <
                 0.01,
             qPrintable(QString::number(twiceArea / 2)));
}

void TestCornerRounding::flipMovesTheFilletInside() {
    const CornerSource source = readCorner(squareTable(), 3);
    const Fillet outside = filletAt(source, 5, 36, false);
    QCOMPARE(textOf(outside.centre), QString("55,45"));
    const Fillet inside = filletAt(source, 5, 36, true);
    QCOMPARE(textOf(inside.centre), QString("45,45"));
    QCOMPARE(textOf(inside.vertices.front()), QString("50,45"));
    QCOMPARE(textOf(inside.vertices.back()), QString("45,50"));
    QCOMPARE(int(inside.vertices.size()), 10);
}

void TestCornerRounding::sixtyDegreeCorner() {
    const Fillet fillet = computeFillet({0, 0}, {10, 0}, {5, 8.660254}, 2, 36, false);
    QCOMPARE(textOf(fillet.centre), QString("3.464,2"));
    // From the tangent point on the start leg to the one on the end leg. The end point lies a
    // hair below 60°, so the arc spans a hair over 120° and its last step lands next to the
    // tangent point: the first two vertices are both (3.464, 0) once rounded.
    QCOMPARE(int(fillet.vertices.size()), 14);
    QCOMPARE(textOf(fillet.vertices[0]), QString("3.464,0"));
    QCOMPARE(textOf(fillet.vertices[1]), QString("3.464,0"));
    QCOMPARE(textOf(fillet.vertices.back()), QString("1.732,3"));
    // An exact 60° corner spans exactly 120°: no vertex repeats a tangent point.
    const double s = std::sqrt(3.0) * 5;
    QCOMPARE(int(computeFillet({0, 0}, {10, 0}, {5, s}, 2, 36, false).vertices.size()), 13);
}

void TestCornerRounding::arcAcrossPlusX() {
    // A corner pointing left: seen from the centre the arc runs through 0°, and it spans 120°.
    const Fillet fillet = computeFillet({0, 0}, {8.660254, 5}, {8.660254, -5}, 1, 36, false);
    QCOMPARE(fillet.problem, FilletProblem::none);
    QCOMPARE(int(fillet.vertices.size()), 13);  // 120° in steps of 10°
    for (const Point& p : fillet.vertices)
        QVERIFY(std::fabs(std::hypot(p.x - fillet.centre.x, p.y - fillet.centre.y) - 1) < 1e-9);
    QVERIFY(fillet.vertices.front().y > 0 && fillet.vertices.back().y < 0);
}

void TestCornerRounding::refused_data() {
    QTest::addColumn<QList<double>>("cornerStartEnd");
    QTest::addColumn<double>("radius");
    QTest::addColumn<double>("divisions");
    QTest::addColumn<FilletProblem>("problem");
    const QList<double> square{50, 0, 0, 0, 50, 50};
    QTest::newRow("zero divisions") << square << 5.0 << 0.0 << FilletProblem::unusableDivisions;
    QTest::newRow("720 divisions") << square << 5.0 << 720.0 << FilletProblem::unusableDivisions;
    QTest::newRow("negative radius") << square << -5.0 << 36.0 << FilletProblem::unusableRadius;
    QTest::newRow("zero radius") << square << 0.0 << 36.0 << FilletProblem::unusableRadius;
    QTest::newRow("infinite radius") << square << HUGE_VAL << 36.0 << FilletProblem::unusableRadius;
    QTest::newRow("end point on the corner")
        << QList<double>{0, 0, 10, 0, 0, 0} << 5.0 << 36.0 << FilletProblem::coincidentPoint;
    QTest::newRow("legs in one direction")
        << QList<double>{0, 0, 10, 0, 20, 0} << 5.0 << 36.0 << FilletProblem::collinearLegs;
    QTest::newRow("straight through")
        << QList<double>{0, 0, -10, 0, 20, 0} << 5.0 << 36.0 << FilletProblem::collinearLegs;
}

void TestCornerRounding::refused() {
    QFETCH(QList<double>, cornerStartEnd);
    QFETCH(double, radius);
    QFETCH(double, divisions);
    QFETCH(FilletProblem, problem);
    const auto& v = cornerStartEnd;
    const Fillet fillet =
        computeFillet({v[0], v[1]}, {v[2], v[3]}, {v[4], v[5]}, radius, divisions, false);
    QCOMPARE(fillet.problem, problem);
    CoordTable table = squareTable();
    QVERIFY(!applyFillet(table, 2, readCorner(table, 2), fillet));
    QCOMPARE(rowsOf(table), rowsOf(squareTable()));
}

void TestCornerRounding::cornerWithoutNeighbours() {
    const CoordTable table = tableOf({"|", "7,8", "|"});
    const CornerSource source = readCorner(table, 2);
    QCOMPARE(source.kind, CornerCase::none);
    QCOMPARE(QString::fromStdString(source.cornerX + "," + source.cornerY), QString("7,8"));
    QCOMPARE(QString::fromStdString(source.startX + "," + source.startY), QString("0,10"));
    QCOMPARE(QString::fromStdString(source.endX + "," + source.endY), QString("-10,20"));
}

QTEST_APPLESS_MAIN(TestCornerRounding)
#include "test_corner_rounding.moc"
