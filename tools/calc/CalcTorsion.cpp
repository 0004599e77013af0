// The torsion block of kuvanto-calc: the analysis of the tables' figures and its JSON object.
#include "CalcTorsion.h"

#include <QJsonValue>

namespace kuvanto {

TorsionOutcome CalcTorsion::run(const CoordTable& added, const CoordTable& subtracted, double nu,
                                double elementSize) {
    const std::vector<SectionFigure> figures = TorsionAnalysis::figuresOf(added, subtracted);
    TorsionOptions options;
    options.poissonRatio = nu;
    options.elementSize = elementSize;
    return TorsionAnalysis::run(figures, options);
}

QJsonObject CalcTorsion::jsonObject(const TorsionResult& result) {
    const TorsionValues& v = result.values;
    // null when the estimate was left out for a mesh too large to refine.
    auto estimate = [&result](double value) {
        return result.errorEstimated ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
    };
    QJsonObject error;
    error.insert(QStringLiteral("J"), estimate(result.errorJ));
    error.insert(QStringLiteral("Iw"), estimate(result.errorIw));
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
