// The torsion block of kuvanto-calc: the analysis of the tables' figures and its JSON object.
#include "CalcTorsion.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonValue>
#include <cmath>

#include "core/torsion/TorsionRows.h"

namespace kuvanto {

TorsionOutcome CalcTorsion::run(const CoordTable& added, const CoordTable& subtracted, double nu,
                                double elementSize, const SectionMaterials& materials) {
    TorsionOptions options;
    options.poissonRatio = nu;
    options.elementSize = elementSize;
    const std::vector<SectionFigure> figures =
        TorsionAnalysis::figuresOf(added, subtracted, materials, options);
    return TorsionAnalysis::run(figures, options);
}

QJsonObject CalcTorsion::jsonObject(const TorsionResult& result) {
    const TorsionValues& v = result.values;
    // null when the estimate was left out for a mesh too large to refine.
    auto estimate = [&result](double value) {
        return result.errorEstimated && std::isfinite(value) ? QJsonValue(value)
                                                             : QJsonValue(QJsonValue::Null);
    };
    // null for a value of one connected section when the section has separate parts.
    auto connected = [&v](double value) {
        return v.parts > 1 ? QJsonValue(QJsonValue::Null) : QJsonValue(value);
    };
    QJsonObject error;
    error.insert(QStringLiteral("J"), estimate(result.errorJ));
    error.insert(QStringLiteral("Iw"), v.parts > 1 ? QJsonValue() : estimate(result.errorIw));
    error.insert(QStringLiteral("x_s"), v.parts > 1 ? QJsonValue() : estimate(result.errorCentre));
    error.insert(QStringLiteral("As"),
                 v.parts > 1 ? QJsonValue() : estimate(result.errorShearArea));
    QJsonArray notices;
    for (const TorsionNotice& notice : TorsionAnalysis::notices(result))
        notices.append(noticeText(notice));
    QJsonObject torsion;
    torsion.insert(QStringLiteral("J"), v.torsionConstant);
    torsion.insert(QStringLiteral("J_lower"), std::isfinite(v.torsionConstantLower)
                                                  ? QJsonValue(v.torsionConstantLower)
                                                  : QJsonValue(QJsonValue::Null));
    torsion.insert(QStringLiteral("J_upper"), v.torsionConstant);
    torsion.insert(QStringLiteral("Iw"),
                   connected(TorsionRows::value(Property::WarpingConstant, result)));
    torsion.insert(QStringLiteral("x_s"), connected(v.shearCentreX));
    torsion.insert(QStringLiteral("y_s"), connected(v.shearCentreY));
    torsion.insert(QStringLiteral("x_s_trefftz"), connected(v.trefftzCentreX));
    torsion.insert(QStringLiteral("y_s_trefftz"), connected(v.trefftzCentreY));
    torsion.insert(QStringLiteral("Asx"), connected(v.shearAreaX));
    torsion.insert(QStringLiteral("Asy"), connected(v.shearAreaY));
    torsion.insert(QStringLiteral("Asu"), connected(v.shearAreaMajor));
    torsion.insert(QStringLiteral("Asv"), connected(v.shearAreaMinor));
    torsion.insert(QStringLiteral("nu"), result.poissonRatio);
    torsion.insert(QStringLiteral("elements"), v.elements);
    torsion.insert(QStringLiteral("parts"), v.parts);
    torsion.insert(QStringLiteral("estimated_error"), error);
    torsion.insert(QStringLiteral("notices"), notices);
    return torsion;
}

QString CalcTorsion::noticeText(const TorsionNotice& notice) {
    const QString text =
        QCoreApplication::translate("TorsionAnalysis", std::string(notice.text).c_str());
    return text.contains(QLatin1String("%1")) ? text.arg(notice.number) : text;
}

}  // namespace kuvanto
