// Unit handling, layer choice and fault texts of the DXF import.
#include "io/DxfImport.h"

#include <QCoreApplication>
#include <algorithm>

#include "core/base/NumberText.h"

namespace kuvanto {

namespace {}  // namespace

double DxfImport::unitFactor(DrawingUnit unit) {
    switch (unit) {
        case DrawingUnit::Millimetre:
            return 1;
        case DrawingUnit::Centimetre:
            return 10;
        case DrawingUnit::Metre:
            return 1000;
        case DrawingUnit::Inch:
            return 25.4;
    }
    return 1;
}

DrawingUnit DxfImport::unitOfDrawing(const CadDrawing& drawing) {
    switch (drawing.unitCode) {
        case 1:
            return DrawingUnit::Inch;
        case 5:
            return DrawingUnit::Centimetre;
        case 6:
            return DrawingUnit::Metre;
        default:
            return DrawingUnit::Millimetre;
    }
}

bool DxfImport::parseUnit(const QString& text, DrawingUnit* unit) {
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("mm"))
        *unit = DrawingUnit::Millimetre;
    else if (t == QLatin1String("cm"))
        *unit = DrawingUnit::Centimetre;
    else if (t == QLatin1String("m"))
        *unit = DrawingUnit::Metre;
    else if (t == QLatin1String("inch") || t == QLatin1String("in"))
        *unit = DrawingUnit::Inch;
    else
        return false;
    return true;
}

bool DxfImport::outline(const CadDrawing& drawing, const DxfImportOptions& options,
                        std::vector<LayerOutlines>& layers, QString* error) {
    const double factor = unitFactor(options.unit) * options.scale;
    ChordRule rule;
    if (options.chordError > 0 && factor > 0) rule.chordError = options.chordError / factor;
    if (DrawingSections::outlineLayers(drawing, rule, layers, options.pointLimit)) return true;
    if (error)
        *error =
            QCoreApplication::translate("DxfImport", "この弦の誤差では図面の点が%1個を超えます。")
                .arg(options.pointLimit);
    return false;
}

SectionFigures DxfImport::figures(const std::vector<LayerOutlines>& layers,
                                  const DxfImportOptions& options) {
    std::vector<const LayerOutlines*> chosen;
    for (const LayerOutlines& layer : layers)
        if (options.layers.empty() || std::find(options.layers.begin(), options.layers.end(),
                                                layer.name) != options.layers.end())
            chosen.push_back(&layer);
    return DrawingSections::figures(chosen, unitFactor(options.unit) * options.scale, options.join);
}

QString DxfImport::clashText(const FigureClash& clash) {
    const QString where = QStringLiteral("(%1, %2)")
                              .arg(QString::fromStdString(format000(clash.where.x)),
                                   QString::fromStdString(format000(clash.where.y)));
    const QString layer = QString::fromStdString(clash.layer);
    const QString other = QString::fromStdString(clash.otherLayer);
    switch (clash.kind) {
        case LoopClash::Kind::Crossing:
            return QCoreApplication::translate("DxfImport",
                                               "画層「%1」の輪郭と画層「%2」の輪郭が %3 "
                                               "で交差しています。両方を除外しました")
                .arg(layer, other, where);
        case LoopClash::Kind::Repeated:
            return QCoreApplication::translate(
                       "DxfImport",
                       "画層「%1」の輪郭 %3 は画層「%2」の輪郭と同じです。一度だけ読みました")
                .arg(layer, other, where);
        case LoopClash::Kind::Joined:
            return QCoreApplication::translate("DxfImport",
                                               "画層「%1」の輪郭と画層「%2」の輪郭が %3 "
                                               "で交差しています。一つの図形に結合しました")
                .arg(layer, other, where);
    }
    return where;
}

QString DxfImport::problemText(const LoopProblem& problem, double factor) {
    const QString where = QStringLiteral("(%1, %2)")
                              .arg(QString::fromStdString(format000(problem.where.x * factor)),
                                   QString::fromStdString(format000(problem.where.y * factor)));
    switch (problem.kind) {
        case LoopProblem::Kind::OpenEnd:
            return QCoreApplication::translate("DxfImport", "開いた輪郭の端 %1").arg(where);
        case LoopProblem::Kind::Branch:
            return QCoreApplication::translate("DxfImport", "3本以上の線が集まる点 %1").arg(where);
        case LoopProblem::Kind::SelfIntersection:
            return QCoreApplication::translate("DxfImport", "自己交差する輪郭 %1").arg(where);
        case LoopProblem::Kind::Degenerate:
            return QCoreApplication::translate("DxfImport", "面積のない輪郭 %1").arg(where);
        case LoopProblem::Kind::TooComplex:
            return QCoreApplication::translate("DxfImport", "検査できない複雑な輪郭 %1").arg(where);
    }
    return where;
}

}  // namespace kuvanto
