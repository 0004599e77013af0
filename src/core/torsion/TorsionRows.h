// The rows of the torsion and shear block as the result views show them: heading, then per row
// its caption, symbol and the text of its value for the combined section.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/TranslationMarker.h"
#include "core/torsion/TorsionResult.h"

namespace kuvanto {

enum class TorsionRow {
    TorsionConstant,
    WarpingConstant,
    ShearCentreX,
    ShearCentreY,
    ShearCentreOffsetX,
    ShearCentreOffsetY,
    TrefftzCentreX,
    TrefftzCentreY,
    ShearAreaX,
    ShearAreaY,
    ShearAreaMajor,
    ShearAreaMinor,
    PoissonRatio,
    Elements,
    ErrorTorsionConstant,
    ErrorWarpingConstant,
};

struct TorsionRowText {
    TorsionRow row;
    std::string_view item;
    std::string_view symbol;
    std::string value;
};

class TorsionRows {
public:
    // Translated where shown, as the rows' items are, with the context "TorsionRows".
    static constexpr std::string_view kHeading =
        QT_TRANSLATE_NOOP("TorsionRows", "[ねじり・せん断]");

    // Every row of the block with the value texts of the result.
    static std::vector<TorsionRowText> texts(const TorsionResult& result);
};

}  // namespace kuvanto
