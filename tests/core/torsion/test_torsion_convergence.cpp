// J and Iw of the shipped H, I, channel and angle parts at the default mesh against converged
// values: torsion-converged.csv (made by bench/torsion's kuvanto-torsion-converged) holds them,
// computed on meshes halved until J and Iw changed by less than 0.001 %. Every part of those
// categories must be in the table, and each must come within 0.1 % at the default mesh, with J
// between its lower and upper bounds and errors estimated no smaller than they are.
#include <QFile>
#include <QTest>
#include <cmath>
#include <set>

#include "core/shapes/OutlineInsertion.h"
#include "core/torsion/TorsionAnalysis.h"
#include "io/ShippedLibrary.h"

using namespace kuvanto;

class TestTorsionConvergence : public QObject {
    Q_OBJECT
private slots:
    void defaultMeshWithinATenthPerCent();
};

void TestTorsionConvergence::defaultMeshWithinATenthPerCent() {
    QFile file(QStringLiteral(KUVANTO_FIXTURES "/torsion-converged.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    file.readLine();  // heading
    std::set<std::string> checked;
    while (!file.atEnd()) {
        const QStringList cells = QString::fromUtf8(file.readLine()).trimmed().split(u',');
        if (cells.size() < 3) continue;
        const std::string name = cells[0].toStdString();
        const double convergedJ = cells[1].toDouble();
        const double convergedIw = cells[2].toDouble();
        const std::optional<LibraryPart> part =
            ShippedLibrary::findPart(ShippedLibrary::folder(), name);
        QVERIFY2(part, name.c_str());
        CoordTable added;
        insertOutline(added, 1, part->outline, {0, 0}, {0, 0});
        const TorsionOutcome outcome =
            TorsionAnalysis::run(TorsionAnalysis::figuresOf(added, CoordTable()), {});
        QVERIFY2(outcome.status == TorsionStatus::Ok, name.c_str());
        const TorsionValues& v = outcome.result.values;
        const double errorJ = std::abs(v.torsionConstant - convergedJ) / convergedJ;
        const double errorIw = std::abs(v.warpingConstant - convergedIw) / convergedIw;
        QVERIFY2(errorJ < 1e-3 && errorIw < 1e-3,
                 qPrintable(QStringLiteral("%1: J off by %2, Iw by %3")
                                .arg(cells[0])
                                .arg(errorJ)
                                .arg(errorIw)));
        // The bounds hold the converged J (known to about 1e-5) within 0.2 %, and the estimated
        // errors are no smaller than the true ones.
        const double known = 1e-5;
        QVERIFY2(v.torsionConstantLower <= convergedJ * (1 + known) &&
                     convergedJ * (1 - known) <= v.torsionConstant &&
                     v.torsionConstant - v.torsionConstantLower < 2e-3 * convergedJ,
                 qPrintable(QStringLiteral("%1: J %2 in [%3, %4]")
                                .arg(cells[0])
                                .arg(convergedJ, 0, 'g', 10)
                                .arg(v.torsionConstantLower, 0, 'g', 10)
                                .arg(v.torsionConstant, 0, 'g', 10)));
        QVERIFY2(
            outcome.result.errorJ + known >= errorJ && outcome.result.errorIw + known >= errorIw,
            qPrintable(QStringLiteral("%1: estimated %2 and %3, true %4 and %5")
                           .arg(cells[0])
                           .arg(outcome.result.errorJ)
                           .arg(outcome.result.errorIw)
                           .arg(errorJ)
                           .arg(errorIw)));
        checked.insert(name);
    }
    int parts = 0;
    for (const LibraryCategory& category : ShippedLibrary::categories(ShippedLibrary::folder())) {
        const std::string& data = category.entry.file;
        if (data != "h-shapes.csv" && data != "i-shapes.csv" && data != "channels.csv" &&
            data != "equal-angles.csv")
            continue;
        for (const std::string& part : category.parts) {
            QVERIFY2(checked.count(part), part.c_str());
            ++parts;
        }
    }
    QVERIFY(parts > 0);
}

QTEST_GUILESS_MAIN(TestTorsionConvergence)
#include "test_torsion_convergence.moc"
