// Captions, symbols and value texts of the torsion and shear block. Lengths and centre
// coordinates are written with three decimals, section constants in the exponent format of the
// result table, the estimated errors in per cent.
#include "core/torsion/TorsionRows.h"

#include "core/NumberText.h"

// Marks a text of the core for translation without changing it.
#include "core/TranslationMarker.h"

namespace kuvanto {

namespace {

struct Caption {
    TorsionRow row;
    std::string_view item;
    std::string_view symbol;
};

// The polar moment Ip of the rows above is a purely geometric quantity; J is the torsion
// constant, which equals Ip only for round sections, so the captions keep them apart.
constexpr Caption kCaptions[] = {
    {TorsionRow::TorsionConstant, QT_TRANSLATE_NOOP("TorsionRows", "サンブナンねじり定数"), "J"},
    {TorsionRow::WarpingConstant, QT_TRANSLATE_NOOP("TorsionRows", "曲げねじり定数"), "Iw"},
    {TorsionRow::ShearCentreX, QT_TRANSLATE_NOOP("TorsionRows", "せん断中心X"), "x_s"},
    {TorsionRow::ShearCentreY, QT_TRANSLATE_NOOP("TorsionRows", "せん断中心Y"), "y_s"},
    {TorsionRow::ShearCentreOffsetX, QT_TRANSLATE_NOOP("TorsionRows", "図心からのせん断中心X"),
     "x_s-x_bar"},
    {TorsionRow::ShearCentreOffsetY, QT_TRANSLATE_NOOP("TorsionRows", "図心からのせん断中心Y"),
     "y_s-y_bar"},
    {TorsionRow::TrefftzCentreX, QT_TRANSLATE_NOOP("TorsionRows", "せん断中心X(Trefftz)"),
     "x_s_trefftz"},
    {TorsionRow::TrefftzCentreY, QT_TRANSLATE_NOOP("TorsionRows", "せん断中心Y(Trefftz)"),
     "y_s_trefftz"},
    {TorsionRow::ShearAreaX, QT_TRANSLATE_NOOP("TorsionRows", "せん断断面積X"), "Asx"},
    {TorsionRow::ShearAreaY, QT_TRANSLATE_NOOP("TorsionRows", "せん断断面積Y"), "Asy"},
    {TorsionRow::ShearAreaMajor, QT_TRANSLATE_NOOP("TorsionRows", "せん断断面積(主軸u)"), "Asu"},
    {TorsionRow::ShearAreaMinor, QT_TRANSLATE_NOOP("TorsionRows", "せん断断面積(主軸v)"), "Asv"},
    {TorsionRow::PoissonRatio, QT_TRANSLATE_NOOP("TorsionRows", "ポアソン比"), "ν"},
    {TorsionRow::Elements, QT_TRANSLATE_NOOP("TorsionRows", "要素数"), "elements"},
    {TorsionRow::ErrorTorsionConstant, QT_TRANSLATE_NOOP("TorsionRows", "推定誤差(J)"), "%"},
    {TorsionRow::ErrorWarpingConstant, QT_TRANSLATE_NOOP("TorsionRows", "推定誤差(Iw)"), "%"},
};

std::string valueText(TorsionRow row, const TorsionResult& result) {
    const TorsionValues& v = result.values;
    switch (row) {
        case TorsionRow::TorsionConstant:
            return expText(v.torsionConstant);
        case TorsionRow::WarpingConstant:
            return expText(v.warpingConstant);
        case TorsionRow::ShearCentreX:
            return format000(v.shearCentreX);
        case TorsionRow::ShearCentreY:
            return format000(v.shearCentreY);
        case TorsionRow::ShearCentreOffsetX:
            return format000(v.shearCentreX - v.centroidX);
        case TorsionRow::ShearCentreOffsetY:
            return format000(v.shearCentreY - v.centroidY);
        case TorsionRow::TrefftzCentreX:
            return format000(v.trefftzCentreX);
        case TorsionRow::TrefftzCentreY:
            return format000(v.trefftzCentreY);
        case TorsionRow::ShearAreaX:
            return expText(v.shearAreaX);
        case TorsionRow::ShearAreaY:
            return expText(v.shearAreaY);
        case TorsionRow::ShearAreaMajor:
            return expText(v.shearAreaMajor);
        case TorsionRow::ShearAreaMinor:
            return expText(v.shearAreaMinor);
        case TorsionRow::PoissonRatio:
            return numText(result.poissonRatio);
        case TorsionRow::Elements:
            return std::to_string(v.elements);
        case TorsionRow::ErrorTorsionConstant:
            return format000(100 * result.errorJ);
        case TorsionRow::ErrorWarpingConstant:
            return format000(100 * result.errorIw);
    }
    return {};
}

}  // namespace

std::vector<TorsionRowText> TorsionRows::texts(const TorsionResult& result) {
    std::vector<TorsionRowText> rows;
    for (const Caption& caption : kCaptions)
        rows.push_back({caption.row, caption.item, caption.symbol, valueText(caption.row, result)});
    return rows;
}

}  // namespace kuvanto
