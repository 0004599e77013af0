// Unit handling, layer choice and fault texts of the DXF import.
#include "io/DxfImport.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "core/base/NumberText.h"

namespace kuvanto {

namespace {

constexpr std::size_t kPlacesShown = 10;

QString tr(const char* text) {
    return QCoreApplication::translate("DxfImport", text);
}

bool startsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The words for an ignored kind of entity.
QString kindText(const std::string& kind) {
    auto rest = [&](std::string_view prefix) {
        return QString::fromStdString(kind.substr(prefix.size()));
    };
    if (kind == kPaperSpaceKind) return tr("紙空間の要素");
    if (startsWith(kind, kMissingBlockKind))
        return tr("無いブロック「%1」の挿入").arg(rest(kMissingBlockKind));
    if (startsWith(kind, kNotInPlaneKind)) return tr("図面の面にない%1").arg(rest(kNotInPlaneKind));
    if (startsWith(kind, kDegenerateKind)) return tr("形をなさない%1").arg(rest(kDegenerateKind));
    if (startsWith(kind, kInvalidKind)) return tr("不正な%1").arg(rest(kInvalidKind));
    return QString::fromStdString(kind);
}

QString problemKindText(LoopProblem::Kind kind) {
    switch (kind) {
        case LoopProblem::Kind::OpenEnd:
            return tr("開いた輪郭の端");
        case LoopProblem::Kind::Branch:
            return tr("3本以上の線が集まる点");
        case LoopProblem::Kind::SelfIntersection:
            return tr("自己交差する輪郭");
        case LoopProblem::Kind::Degenerate:
            return tr("面積のない輪郭");
        case LoopProblem::Kind::TooComplex:
            return tr("検査できない複雑な輪郭");
    }
    return {};
}

QString fixed(double value, int decimals) {
    const QString text = QString::number(value, 'f', decimals);
    // No "-0.000".
    return text.startsWith('-') && text.mid(1).count(QRegularExpression("[1-9]")) == 0 ? text.mid(1)
                                                                                       : text;
}

}  // namespace

const std::vector<DrawingUnitInfo>& DxfImport::units() {
    static const std::vector<DrawingUnitInfo> table = {
        {DrawingUnit::Millimetre, 4, "mm", "millimetre millimeter", 1},
        {DrawingUnit::Centimetre, 5, "cm", "centimetre centimeter", 10},
        {DrawingUnit::Metre, 6, "m", "metre meter", 1000},
        {DrawingUnit::Inch, 1, "in", "inch inches", 25.4},
        {DrawingUnit::Foot, 2, "ft", "foot feet", 304.8},
        {DrawingUnit::Yard, 10, "yd", "yard yards", 914.4},
        {DrawingUnit::Mile, 3, "mi", "mile miles", 1'609'344},
        {DrawingUnit::Micrometre, 13, "um", "\u00b5m micrometre micrometer micron", 1e-3},
        {DrawingUnit::Nanometre, 12, "nm", "nanometre nanometer", 1e-6},
        {DrawingUnit::Decimetre, 14, "dm", "decimetre decimeter", 100},
        {DrawingUnit::Decametre, 15, "dam", "decametre decameter", 1e4},
        {DrawingUnit::Hectometre, 16, "hm", "hectometre hectometer", 1e5},
        {DrawingUnit::Kilometre, 7, "km", "kilometre kilometer", 1e6},
        {DrawingUnit::Gigametre, 17, "Gm", "gigametre gigameter", 1e12},
        {DrawingUnit::Angstrom, 11, "angstrom", "\u00c5", 1e-7},
        {DrawingUnit::Microinch, 8, "uin", "\u00b5in microinch", 25.4e-6},
        {DrawingUnit::Mil, 9, "mil", "thou", 0.0254},
        {DrawingUnit::AstronomicalUnit, 18, "au", "", 1.495978707e14},
        {DrawingUnit::LightYear, 19, "ly", "light-year", 9.4607304725808e18},
        {DrawingUnit::Parsec, 20, "pc", "parsec", 3.0856775814913673e19},
        {DrawingUnit::SurveyFoot, 21, "us-ft", "survey-foot", 1'200'000.0 / 3937},
        {DrawingUnit::SurveyInch, 22, "us-in", "survey-inch", 100'000.0 / 3937},
        {DrawingUnit::SurveyYard, 23, "us-yd", "survey-yard", 3'600'000.0 / 3937},
        {DrawingUnit::SurveyMile, 24, "us-mi", "survey-mile", 6'336'000'000.0 / 3937},
    };
    return table;
}

const DrawingUnitInfo& DxfImport::unitInfo(DrawingUnit unit) {
    const auto& table = units();
    const auto index = static_cast<std::size_t>(unit);
    return index < table.size() ? table[index] : table.front();
}

double DxfImport::unitFactor(DrawingUnit unit) {
    return unitInfo(unit).millimetres;
}

DrawingUnit DxfImport::unitOfDrawing(const CadDrawing& drawing) {
    for (const DrawingUnitInfo& info : units())
        if (info.code == drawing.unitCode) return info.unit;
    return DrawingUnit::Millimetre;
}

QString DxfImport::assumedUnitNotice(const CadDrawing& drawing) {
    for (const DrawingUnitInfo& info : units())
        if (info.code == drawing.unitCode) return {};
    if (drawing.unitCode == 0)
        return tr("図面は単位を示していません（$INSUNITS なし、または 0）。mm として読みます。");
    return tr("図面の単位コード $INSUNITS %1 はDXFに定義されていません。mm として読みます。")
        .arg(drawing.unitCode);
}

bool DxfImport::parseUnit(const QString& text, DrawingUnit* unit) {
    const QString t = text.trimmed();
    // An exact name first (Gm and mm differ by case), then any case.
    for (const Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive})
        for (const DrawingUnitInfo& info : units()) {
            QStringList names = QString::fromUtf8(info.aliases).split(' ', Qt::SkipEmptyParts);
            names << QString::fromLatin1(info.name);
            if (names.contains(t, sensitivity)) {
                *unit = info.unit;
                return true;
            }
        }
    return false;
}

QString DxfImport::unitNames() {
    QStringList names;
    for (const DrawingUnitInfo& info : units()) names << QString::fromLatin1(info.name);
    return names.join(QStringLiteral(", "));
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

bool DxfImport::chooses(const DxfImportOptions& options, const LayerOutlines& layer) {
    if (options.layers.empty()) return !layer.hidden || options.includeHidden;
    return std::find(options.layers.begin(), options.layers.end(), layer.name) !=
           options.layers.end();
}

QStringList DxfImport::readingNotices(const CadDrawing& drawing) {
    QStringList notices;
    if (drawing.endMarkMissing)
        notices << tr(
            "ファイルに終わりの印（0 EOF）がありません。最後のセクションまで読みました。");
    if (drawing.tiltedPlane)
        notices << tr("輪郭はすべて傾いた一つの面に描かれています。その面の座標で読みました。");
    return notices;
}

SectionFigures DxfImport::figures(const std::vector<LayerOutlines>& layers,
                                  const DxfImportOptions& options) {
    std::vector<const LayerOutlines*> chosen;
    for (const LayerOutlines& layer : layers)
        if (chooses(options, layer)) chosen.push_back(&layer);
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
        case LoopClash::Kind::Unchecked:
            return QCoreApplication::translate(
                "DxfImport",
                "輪郭の重なりが多すぎて検査できません。穴と外形は描かれたまま、重なりを検査せずに"
                "読みました");
        case LoopClash::Kind::Joined:
            return QCoreApplication::translate("DxfImport",
                                               "画層「%1」の輪郭と画層「%2」の輪郭が %3 "
                                               "で交差しています。一つの図形に結合しました")
                .arg(layer, other, where);
    }
    return where;
}

QString DxfImport::layerSummary(const LayerOutlines& layer, double factor) {
    QStringList parts;
    if (!layer.ignoredKinds.empty()) {
        QStringList kinds;
        for (const auto& [kind, count] : layer.ignoredKinds)
            kinds << QStringLiteral("%1 %2").arg(kindText(kind)).arg(count);
        parts << tr("読み込まない要素 %1").arg(kinds.join(QStringLiteral(", ")));
    }
    // Every open end's gap: the distance to the nearest other open end of the layer.
    std::vector<Point> openEnds;
    for (const LoopProblem& p : layer.problems)
        if (p.kind == LoopProblem::Kind::OpenEnd) openEnds.push_back(p.where);
    for (const LoopProblem::Kind kind :
         {LoopProblem::Kind::OpenEnd, LoopProblem::Kind::Branch,
          LoopProblem::Kind::SelfIntersection, LoopProblem::Kind::Degenerate,
          LoopProblem::Kind::TooComplex}) {
        std::vector<std::pair<Point, double>> shown;  // place, gap (-1: none)
        std::size_t count = 0;
        for (const LoopProblem& p : layer.problems) {
            if (p.kind != kind) continue;
            if (++count > kPlacesShown) continue;
            double gap = -1;
            if (kind == LoopProblem::Kind::OpenEnd)
                for (const Point& q : openEnds) {
                    const double d = std::hypot(q.x - p.where.x, q.y - p.where.y) * factor;
                    if (d > 0 && (gap < 0 || d < gap)) gap = d;
                }
            shown.emplace_back(Point{p.where.x * factor, p.where.y * factor}, gap);
        }
        if (count == 0) continue;
        // Enough decimals that two ends a gap apart print differently.
        int decimals = 3;
        for (const auto& [place, gap] : shown)
            if (gap > 0)
                decimals = std::max(decimals, static_cast<int>(std::ceil(-std::log10(gap))) + 1);
        decimals = std::min(decimals, 12);
        QStringList places;
        for (const auto& [place, gap] : shown) {
            QString text =
                QStringLiteral("(%1, %2)").arg(fixed(place.x, decimals), fixed(place.y, decimals));
            if (gap > 0) text += tr(" 隙間 %1").arg(QString::number(gap, 'g', 3));
            places << text;
        }
        QString part = QStringLiteral("%1 %2: %3")
                           .arg(problemKindText(kind))
                           .arg(count)
                           .arg(places.join(QStringLiteral(", ")));
        if (count > kPlacesShown) part += tr(" 他 %1").arg(count - kPlacesShown);
        parts << part;
    }
    if (parts.isEmpty()) return {};
    return tr("画層「%1」: %2")
        .arg(QString::fromStdString(layer.name), parts.join(QStringLiteral("; ")));
}

QString DxfImport::noSectionReason(const std::vector<LayerOutlines>& layers,
                                   const DxfImportOptions& options, const SectionFigures& figures) {
    if (!figures.added.empty() || !figures.subtracted.empty()) return {};
    std::size_t loops = 0, openEnds = 0, otherProblems = 0, paper = 0, ignored = 0, chosen = 0,
                hiddenLoops = 0;
    for (const LayerOutlines& layer : layers) {
        const auto onPaper = layer.ignoredKinds.find(std::string(kPaperSpaceKind));
        if (onPaper != layer.ignoredKinds.end()) paper += onPaper->second;
        if (!chooses(options, layer)) {
            if (layer.hidden && !layer.loops.empty()) ++hiddenLoops;
            continue;
        }
        ++chosen;
        loops += layer.loops.size();
        ignored += layer.ignored;
        for (const LoopProblem& p : layer.problems)
            ++(p.kind == LoopProblem::Kind::OpenEnd ? openEnds : otherProblems);
    }
    std::size_t crossings = 0;
    for (const FigureClash& clash : figures.clashes)
        if (clash.kind == LoopClash::Kind::Crossing) ++crossings;
    if (crossings > 0)
        return tr("閉じた輪郭がすべて他の輪郭と交差しています（%1組）。重なった輪郭を一つの図形に"
                  "するには結合を選んで下さい。")
            .arg(crossings);
    if (loops == 0 && openEnds > 0)
        return tr("閉じた輪郭がありません（開いた輪郭の端 %1 個）。").arg(openEnds);
    if (loops == 0 && otherProblems > 0)
        return tr("使える閉じた輪郭がありません（自己交差・面積のない輪郭など %1 個）。")
            .arg(otherProblems);
    if (loops == 0 && hiddenLoops > 0)
        return tr(
            "閉じた輪郭はすべてオフまたはフリーズの画層にあり、読みません。"
            "それらの画層も読むように選んで下さい。");
    if (chosen == 0 && !layers.empty()) return tr("読み込む画層が選ばれていません。");
    if (loops == 0 && paper > 0 && paper >= ignored)
        return tr("モデル空間に図形がありません（紙空間の要素 %1 個は読みません）。").arg(paper);
    if (loops == 0 && ignored > 0)
        return tr("輪郭になる図形がありません（読み込まない要素 %1 個）。").arg(ignored);
    return tr("図面に輪郭になる図形がありません。");
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
