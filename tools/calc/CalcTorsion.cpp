// The torsion block of kuvanto-calc: the analysis of the tables' figures and its two outputs.
#include "CalcTorsion.h"

#include <QCoreApplication>

#include "core/torsion/TorsionRows.h"

namespace kuvanto {

TorsionOutcome CalcTorsion::run(const CoordTable& added, const CoordTable& subtracted, double nu,
                                double elementSize) {
    const std::vector<SectionFigure> figures = TorsionAnalysis::figuresOf(added, subtracted);
    TorsionOptions options;
    options.poissonRatio = nu;
    options.elementSize = elementSize;
    return TorsionAnalysis::run(figures, options);
}

std::string CalcTorsion::tableLines(const TorsionResult& result, int columns) {
    const auto shown = [](std::string_view text) {
        return QCoreApplication::translate("TorsionRows", std::string(text).c_str()).toStdString();
    };
    std::string lines = "\n";
    lines += shown(TorsionRows::kHeading);
    lines += '\n';
    for (const TorsionRowText& row : TorsionRows::texts(result)) {
        lines += shown(row.item) + '\t' + std::string(row.symbol);
        for (int col = 1; col < columns; ++col) lines += '\t';
        lines += '\t' + row.value + '\n';
    }
    return lines;
}

QJsonObject CalcTorsion::jsonObject(const TorsionResult& result) {
    const TorsionValues& v = result.values;
    QJsonObject error;
    error.insert(QStringLiteral("J"), result.errorJ);
    error.insert(QStringLiteral("Iw"), result.errorIw);
    QJsonObject torsion;
    torsion.insert(QStringLiteral("J"), v.torsionConstant);
    torsion.insert(QStringLiteral("Iw"), v.warpingConstant);
    torsion.insert(QStringLiteral("x_s"), v.shearCentreX);
    torsion.insert(QStringLiteral("y_s"), v.shearCentreY);
    torsion.insert(QStringLiteral("x_s_trefftz"), v.trefftzCentreX);
    torsion.insert(QStringLiteral("y_s_trefftz"), v.trefftzCentreY);
    torsion.insert(QStringLiteral("Asx"), v.shearAreaX);
    torsion.insert(QStringLiteral("Asy"), v.shearAreaY);
    torsion.insert(QStringLiteral("nu"), result.poissonRatio);
    torsion.insert(QStringLiteral("elements"), v.elements);
    torsion.insert(QStringLiteral("estimated_error"), error);
    return torsion;
}

}  // namespace kuvanto
