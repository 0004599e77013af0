// A section built only with the generators, through the calculation: a 100 × 200 rectangle with
// its four corners rounded (r = 10, 90 divisions) and a circular hole of diameter 50 (360
// divisions) in the subtracted table. The combined area shown must match
// 100·200 − (4 − π)·10² − π·25² within one unit of its last shown digit.
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <numbers>

#include "core/base/NumberText.h"
#include "editing/Workspace.h"
#include "shapes/ShapeCommands.h"

using namespace kuvanto;

class TestGeneratedSection : public QObject {
    Q_OBJECT
private slots:
    void roundedRectangleWithHole();
};

void TestGeneratedSection::roundedRectangleWithHole() {
    QTemporaryDir folder;
    Workspace work(folder.path());
    QVERIFY(work.start());
    CoordTable& added = work.addGrid;
    QVERIFY(applyRectangle(work, added, {"0", "0", "100", "200"}).changed);

    // Round the corners from the last to the first, so the rows of the earlier ones stay put.
    // The upper right corner's legs point left and down: its fillet is built on the flipped side.
    for (int row = 4; row >= 1; --row) {
        const CornerSource source = readCorner(added, row);
        const auto value = [](const std::string& t) { return lenientValue(t); };
        const Fillet fillet =
            computeFillet({value(source.cornerX), value(source.cornerY)},
                          {value(source.startX), value(source.startY)},
                          {value(source.endX), value(source.endY)}, 10, 90, /*flipped=*/row == 3);
        QCOMPARE(fillet.problem, FilletProblem::none);
        const double cx = fillet.centre.x, cy = fillet.centre.y;
        // The centre lies 10 inside both edges of its corner.
        QVERIFY2(
            std::fabs(std::fabs(cx - 50) - 40) < 1e-9 && std::fabs(std::fabs(cy - 100) - 90) < 1e-9,
            qPrintable(QString("corner %1: centre %2, %3").arg(row).arg(cx).arg(cy)));
        QVERIFY(applyFillet(work, added, row, source, fillet).changed);
    }

    ArcInput hole;
    hole.centreX = 50;
    hole.centreY = 100;
    hole.diameter = 50;
    hole.divisions = 360;
    QVERIFY(applyArc(work, work.subtractedGrid, planArc(hole)).changed);

    QVERIFY(work.runCalculation());
    const ResultTable& result = work.resultGrid;
    const std::string shown = result.text(1, result.cols() - 1);  // "A" of "総合"
    const double value = lenientValue(shown);
    const int exponent = std::stoi(shown.substr(shown.find('E') + 1));
    const double lastDigit = std::pow(10.0, exponent - 4);  // "0.0000E-0": four decimals
    const double expected = 100.0 * 200 - (4 - std::numbers::pi) * 100 - std::numbers::pi * 625;
    qInfo("combined area %s, exact %.4f", shown.c_str(), expected);
    QVERIFY2(std::fabs(value - expected) <= lastDigit,
             qPrintable(QString("shown %1, expected %2").arg(shown.c_str()).arg(expected)));
}

QTEST_APPLESS_MAIN(TestGeneratedSection)
#include "test_generated_section.moc"
