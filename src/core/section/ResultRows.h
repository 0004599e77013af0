// The rows of the result table, described once: for every row its kind (the header, a property's
// value row, a spacer or a heading), its item text and symbol, the property it shows with its key
// and number format, the columns that show it and the block of the printed sheet it lands in. The
// table reset, the calculation, the result view, the export, the printed sheet and the JSON of the
// calculator all read their rows from here, so a new property is one row below plus its formula.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/base/TranslationMarker.h"

namespace kuvanto {

// The properties in the order the result table shows them. The value rows below name each of them
// once, in this order (checked when compiling).
enum class Property {
    Area,
    CentroidX,
    CentroidY,
    Perimeter,
    MomentX,  // about the horizontal axis through the centroid
    MomentY,
    ModulusX,
    ModulusY,
    PolarMoment,
    RadiusX,  // radius of gyration
    RadiusY,
    AxisMomentX,  // about the X axis (y = 0)
    AxisMomentY,
    AxisModulusX,
    AxisModulusY,
    AxisPolarMoment,
    AxisRadiusX,
    AxisRadiusY,
    ProductMoment,      // integral of (x - x_bar)(y - y_bar) dA
    AxisProductMoment,  // integral of x y dA
    PrincipalAngle,     // degrees from the X axis to the major axis u, in (-90, 90]
    MajorMoment,        // Iu, about the major principal axis
    MinorMoment,        // Iv
    MajorModulus,
    MinorModulus,
    MajorRadius,
    MinorRadius,
    TopModulusX,  // Ix over the distance to the top fibre
    BottomModulusX,
    RightModulusY,
    LeftModulusY,
    PlasticAxisX,  // x of the plastic neutral axis parallel to Y (combined section only)
    PlasticAxisY,  // y of the plastic neutral axis parallel to X
    PlasticModulusX,
    PlasticModulusY,
    ShapeFactorX,  // plastic over elastic modulus
    ShapeFactorY,
    PlasticModulusU,  // about the principal axes
    PlasticModulusV,
    // The torsion and shear block (combined section only), filled by the finite-element analysis
    // after the calculation, not by it.
    TorsionConstant,       // J, Saint-Venant's torsion constant
    TorsionConstantLower,  // J's lower bound, from the stress function
    TorsionConstantUpper,  // J's upper bound, from the warping function
    WarpingConstant,       // Iw, about the shear centre
    ShearCentreX,
    ShearCentreY,
    ShearCentreOffsetX,  // shear centre less centroid
    ShearCentreOffsetY,
    TrefftzCentreX,  // the shear centre from the warping function alone
    TrefftzCentreY,
    ShearAreaX,
    ShearAreaY,
    ShearAreaMajor,  // along the principal axes
    ShearAreaMinor,
    PoissonRatio,
    ElementCount,
    TorsionConstantError,  // estimated relative error in per cent
    WarpingConstantError,
    ShearCentreError,  // the shear centre's estimated error over the polar radius of gyration
    ShearAreaError,
    TorsionNotice,  // the analysis's notices as text, "-" when it has none
    // The block of a section of several materials (combined section only, but for the modular
    // ratio of each figure), filled only when its figures carry materials.
    ModularRatio,  // n = E / E_ref of a figure
    ReferenceModulus,
    TransformedArea,  // the figures' areas times their modular ratios
    StiffnessCentroidX,
    StiffnessCentroidY,
    TransformedMomentX,
    TransformedMomentY,
    TransformedProduct,
    TransformedAngle,
    TransformedMajorMoment,
    TransformedMinorMoment,
    AxialStiffness,     // EA, N
    BendingStiffnessX,  // EIx, N·mm²
    BendingStiffnessY,
    CompositeMass,      // kg/m, from each figure's density
    ForcePlasticAxisX,  // the plastic neutral axes by the balance of fy·A
    ForcePlasticAxisY,
    PlasticMomentX,  // kN·m
    PlasticMomentY,
    PlasticMomentU,
    PlasticMomentV,
    YieldMomentX,  // the moment at which the first material yields, kN·m
    YieldMomentY,
    // The stiffnesses of the torsion and shear analysis of several materials, written with the
    // torsion block after its analysis, not by the calculation.
    TorsionStiffness,       // GJ, N·mm²
    CompositeShearCentreX,  // the shear centre of the section of several materials
    CompositeShearCentreY,
    WarpingStiffness,  // EIw, N·mm⁴
    ShearStiffnessX,   // GAs, N
    ShearStiffnessY,
    Count  // not a property: the number of them
};
inline constexpr std::size_t kPropertyCount = static_cast<std::size_t>(Property::Count);
// The eighteen basic properties come first: a figure whose basic values cannot be computed has no
// result, while a later value that has no answer shows "-".
inline constexpr std::size_t kBasicPropertyCount =
    static_cast<std::size_t>(Property::ProductMoment);
// The properties the calculation gives; the torsion and shear block follows them.
inline constexpr std::size_t kGeometricPropertyCount =
    static_cast<std::size_t>(Property::TorsionConstant);

constexpr bool isTorsionProperty(Property property) {
    return static_cast<std::size_t>(property) >= kGeometricPropertyCount &&
           property < Property::ModularRatio;
}

// The rows of a section of several materials.
constexpr bool isMaterialProperty(Property property) {
    return property >= Property::ModularRatio && property != Property::Count;
}

// The rows of several materials that the torsion analysis fills: empty until it has run.
constexpr bool isCompositeTorsionProperty(Property property) {
    return property >= Property::TorsionStiffness && property != Property::Count;
}

enum class RowKind {
    Header,   // item, symbol and column heads
    Value,    // one property: a number in every value column
    Spacer,   // a thin empty row before a heading
    Heading,  // the name of the block of rows below it
};

enum class NumberFormat {
    None,      // not a value row
    Exponent,  // "1.2346E4"
    Length,    // positions, lengths and radii: three decimals, below 1 the exponent form
    Decimals,  // plain three decimals: the principal angle in degrees and the shape factors
    Integer,   // a count: "1234"
    Text,      // a text the analysis writes itself (its notices)
};

// The value columns that show the property; the others show "-".
enum class RowColumns {
    All,           // every figure column and the combined column
    CombinedOnly,  // the combined column "総合" alone
};

// The block of the printed sheet that shows the row's combined value.
enum class SheetBlock {
    None,
    General,         // "[全般]"
    Centroidal,      // "[図心回り]"
    CoordinateAxes,  // "[座標軸回り]"
    PrincipalAxes,   // "[主軸]"
    ExtremeFibres,   // "[縁端別断面係数]"
    Plastic,         // "[塑性]"
    Torsion,         // "[ねじり・せん断]"
    TorsionError,    // "[ねじり・せん断の推定誤差]"
    Composite,       // "[複合断面]", only when figures carry materials
};

struct ResultRowEntry {
    RowKind kind = RowKind::Spacer;
    Property property = Property::Count;  // value rows only
    const char* label = "";               // the item column's text (marked for translation)
    const char* symbol = "";              // the symbol column's text
    const char* key = "";  // the property's key: JSON and the selector of sectionProperty
    NumberFormat format = NumberFormat::None;
    RowColumns columns = RowColumns::All;
    SheetBlock sheet = SheetBlock::None;
    int heightTwips = 0;  // 0: the default row height

    // The rows of each kind, as the table below writes them.
    static constexpr ResultRowEntry header(const char* item, const char* symbol) {
        return {RowKind::Header, Property::Count, item, symbol};
    }
    static constexpr ResultRowEntry value(Property property, const char* label, const char* symbol,
                                          const char* key, NumberFormat format, SheetBlock sheet,
                                          RowColumns columns = RowColumns::All) {
        return {RowKind::Value, property, label, symbol, key, format, columns, sheet};
    }
    static constexpr ResultRowEntry spacer() {
        return {RowKind::Spacer, Property::Count,  "", "", "", NumberFormat::None,
                RowColumns::All, SheetBlock::None, 150};
    }
    static constexpr ResultRowEntry heading(const char* label) {
        return {RowKind::Heading, Property::Count, label};
    }
};

inline constexpr std::array kResultRows = {
    ResultRowEntry::header(QT_TRANSLATE_NOOP("ResultRows", "項目"),
                           QT_TRANSLATE_NOOP("ResultRows", "記号")),
    ResultRowEntry::value(Property::Area, QT_TRANSLATE_NOOP("ResultRows", "面積"), "A", "A",
                          NumberFormat::Exponent, SheetBlock::General),
    ResultRowEntry::value(Property::CentroidX, QT_TRANSLATE_NOOP("ResultRows", "図心X"), "x_bar",
                          "x_bar", NumberFormat::Length, SheetBlock::General),
    ResultRowEntry::value(Property::CentroidY, QT_TRANSLATE_NOOP("ResultRows", "図心Y"), "y_bar",
                          "y_bar", NumberFormat::Length, SheetBlock::General),
    ResultRowEntry::value(Property::Perimeter, QT_TRANSLATE_NOOP("ResultRows", "周辺長"), "L",
                          "len", NumberFormat::Length, SheetBlock::General),
    ResultRowEntry::spacer(),
    ResultRowEntry::heading(QT_TRANSLATE_NOOP("ResultRows", "[図心回り]")),
    ResultRowEntry::value(Property::MomentX, QT_TRANSLATE_NOOP("ResultRows", "断面2次モーメントX"),
                          "Ix", "Ix", NumberFormat::Exponent, SheetBlock::Centroidal),
    ResultRowEntry::value(Property::MomentY, QT_TRANSLATE_NOOP("ResultRows", "断面2次モーメントY"),
                          "Iy", "Iy", NumberFormat::Exponent, SheetBlock::Centroidal),
    ResultRowEntry::value(Property::ModulusX, QT_TRANSLATE_NOOP("ResultRows", "断面係数X"), "Zx",
                          "Zx", NumberFormat::Exponent, SheetBlock::Centroidal),
    ResultRowEntry::value(Property::ModulusY, QT_TRANSLATE_NOOP("ResultRows", "断面係数Y"), "Zy",
                          "Zy", NumberFormat::Exponent, SheetBlock::Centroidal),
    ResultRowEntry::value(Property::PolarMoment,
                          QT_TRANSLATE_NOOP("ResultRows", "断面2次極モーメント"), "Ip", "Ip",
                          NumberFormat::Exponent, SheetBlock::Centroidal),
    ResultRowEntry::value(Property::RadiusX, QT_TRANSLATE_NOOP("ResultRows", "断面2次半径X"), "ix",
                          "ix", NumberFormat::Length, SheetBlock::Centroidal),
    ResultRowEntry::value(Property::RadiusY, QT_TRANSLATE_NOOP("ResultRows", "断面2次半径Y"), "iy",
                          "iy", NumberFormat::Length, SheetBlock::Centroidal),
    ResultRowEntry::spacer(),
    ResultRowEntry::heading(QT_TRANSLATE_NOOP("ResultRows", "[座標軸回り]")),
    ResultRowEntry::value(Property::AxisMomentX,
                          QT_TRANSLATE_NOOP("ResultRows", "断面2次モーメントX"), "Ix'", "Ix'",
                          NumberFormat::Exponent, SheetBlock::CoordinateAxes),
    ResultRowEntry::value(Property::AxisMomentY,
                          QT_TRANSLATE_NOOP("ResultRows", "断面2次モーメントY"), "Iy'", "Iy'",
                          NumberFormat::Exponent, SheetBlock::CoordinateAxes),
    ResultRowEntry::value(Property::AxisModulusX, QT_TRANSLATE_NOOP("ResultRows", "断面係数X"),
                          "Zx'", "Zx'", NumberFormat::Exponent, SheetBlock::CoordinateAxes),
    ResultRowEntry::value(Property::AxisModulusY, QT_TRANSLATE_NOOP("ResultRows", "断面係数Y"),
                          "Zy'", "Zy'", NumberFormat::Exponent, SheetBlock::CoordinateAxes),
    ResultRowEntry::value(Property::AxisPolarMoment,
                          QT_TRANSLATE_NOOP("ResultRows", "断面2次極モーメント"), "Ip'", "Ip'",
                          NumberFormat::Exponent, SheetBlock::CoordinateAxes),
    ResultRowEntry::value(Property::AxisRadiusX, QT_TRANSLATE_NOOP("ResultRows", "断面2次半径X"),
                          "ix'", "ix'", NumberFormat::Length, SheetBlock::CoordinateAxes),
    ResultRowEntry::value(Property::AxisRadiusY, QT_TRANSLATE_NOOP("ResultRows", "断面2次半径Y"),
                          "iy'", "iy'", NumberFormat::Length, SheetBlock::CoordinateAxes),
    ResultRowEntry::spacer(),
    ResultRowEntry::heading(QT_TRANSLATE_NOOP("ResultRows", "[主軸]")),
    ResultRowEntry::value(Property::ProductMoment,
                          QT_TRANSLATE_NOOP("ResultRows", "断面相乗モーメント"), "Ixy", "Ixy",
                          NumberFormat::Exponent, SheetBlock::PrincipalAxes),
    ResultRowEntry::value(Property::AxisProductMoment,
                          QT_TRANSLATE_NOOP("ResultRows", "断面相乗モーメント(座標軸)"), "Ixy'",
                          "Ixy'", NumberFormat::Exponent, SheetBlock::PrincipalAxes),
    ResultRowEntry::value(Property::PrincipalAngle, QT_TRANSLATE_NOOP("ResultRows", "主軸角"), "θ",
                          "theta", NumberFormat::Decimals, SheetBlock::PrincipalAxes),
    ResultRowEntry::value(Property::MajorMoment,
                          QT_TRANSLATE_NOOP("ResultRows", "主断面2次モーメントU"), "Iu", "Iu",
                          NumberFormat::Exponent, SheetBlock::PrincipalAxes),
    ResultRowEntry::value(Property::MinorMoment,
                          QT_TRANSLATE_NOOP("ResultRows", "主断面2次モーメントV"), "Iv", "Iv",
                          NumberFormat::Exponent, SheetBlock::PrincipalAxes),
    ResultRowEntry::value(Property::MajorModulus, QT_TRANSLATE_NOOP("ResultRows", "断面係数U"),
                          "Zu", "Zu", NumberFormat::Exponent, SheetBlock::PrincipalAxes),
    ResultRowEntry::value(Property::MinorModulus, QT_TRANSLATE_NOOP("ResultRows", "断面係数V"),
                          "Zv", "Zv", NumberFormat::Exponent, SheetBlock::PrincipalAxes),
    ResultRowEntry::value(Property::MajorRadius, QT_TRANSLATE_NOOP("ResultRows", "断面2次半径U"),
                          "iu", "iu", NumberFormat::Length, SheetBlock::PrincipalAxes),
    ResultRowEntry::value(Property::MinorRadius, QT_TRANSLATE_NOOP("ResultRows", "断面2次半径V"),
                          "iv", "iv", NumberFormat::Length, SheetBlock::PrincipalAxes),
    ResultRowEntry::spacer(),
    ResultRowEntry::heading(QT_TRANSLATE_NOOP("ResultRows", "[縁端別断面係数]")),
    ResultRowEntry::value(Property::TopModulusX, QT_TRANSLATE_NOOP("ResultRows", "断面係数X上縁"),
                          "Zx_top", "Zx_top", NumberFormat::Exponent, SheetBlock::ExtremeFibres),
    ResultRowEntry::value(Property::BottomModulusX,
                          QT_TRANSLATE_NOOP("ResultRows", "断面係数X下縁"), "Zx_bottom",
                          "Zx_bottom", NumberFormat::Exponent, SheetBlock::ExtremeFibres),
    ResultRowEntry::value(Property::RightModulusY, QT_TRANSLATE_NOOP("ResultRows", "断面係数Y右縁"),
                          "Zy_right", "Zy_right", NumberFormat::Exponent,
                          SheetBlock::ExtremeFibres),
    ResultRowEntry::value(Property::LeftModulusY, QT_TRANSLATE_NOOP("ResultRows", "断面係数Y左縁"),
                          "Zy_left", "Zy_left", NumberFormat::Exponent, SheetBlock::ExtremeFibres),
    ResultRowEntry::spacer(),
    ResultRowEntry::heading(QT_TRANSLATE_NOOP("ResultRows", "[塑性]")),
    ResultRowEntry::value(Property::PlasticAxisX, QT_TRANSLATE_NOOP("ResultRows", "塑性中立軸X"),
                          "x_p", "x_p", NumberFormat::Length, SheetBlock::Plastic,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::PlasticAxisY, QT_TRANSLATE_NOOP("ResultRows", "塑性中立軸Y"),
                          "y_p", "y_p", NumberFormat::Length, SheetBlock::Plastic,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::PlasticModulusX,
                          QT_TRANSLATE_NOOP("ResultRows", "塑性断面係数X"), "Zpx", "Zpx",
                          NumberFormat::Exponent, SheetBlock::Plastic, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::PlasticModulusY,
                          QT_TRANSLATE_NOOP("ResultRows", "塑性断面係数Y"), "Zpy", "Zpy",
                          NumberFormat::Exponent, SheetBlock::Plastic, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::ShapeFactorX, QT_TRANSLATE_NOOP("ResultRows", "形状係数X"),
                          "fx", "fx", NumberFormat::Decimals, SheetBlock::Plastic,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::ShapeFactorY, QT_TRANSLATE_NOOP("ResultRows", "形状係数Y"),
                          "fy", "fy", NumberFormat::Decimals, SheetBlock::Plastic,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::PlasticModulusU,
                          QT_TRANSLATE_NOOP("ResultRows", "塑性断面係数U"), "Zpu", "Zpu",
                          NumberFormat::Exponent, SheetBlock::Plastic, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::PlasticModulusV,
                          QT_TRANSLATE_NOOP("ResultRows", "塑性断面係数V"), "Zpv", "Zpv",
                          NumberFormat::Exponent, SheetBlock::Plastic, RowColumns::CombinedOnly),
    ResultRowEntry::spacer(),
    ResultRowEntry::heading(QT_TRANSLATE_NOOP("ResultRows", "[ねじり・せん断]")),
    // Ip above is the polar moment of the area; J equals it for round sections only, so the
    // captions keep the two apart.
    ResultRowEntry::value(Property::TorsionConstant,
                          QT_TRANSLATE_NOOP("ResultRows", "サンブナンねじり定数"), "J", "J",
                          NumberFormat::Exponent, SheetBlock::Torsion, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::TorsionConstantLower,
                          QT_TRANSLATE_NOOP("ResultRows", "ねじり定数の下限"), "J_lower", "J_lower",
                          NumberFormat::Exponent, SheetBlock::Torsion, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::TorsionConstantUpper,
                          QT_TRANSLATE_NOOP("ResultRows", "ねじり定数の上限"), "J_upper", "J_upper",
                          NumberFormat::Exponent, SheetBlock::Torsion, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::WarpingConstant,
                          QT_TRANSLATE_NOOP("ResultRows", "曲げねじり定数"), "Iw", "Iw",
                          NumberFormat::Exponent, SheetBlock::Torsion, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::ShearCentreX, QT_TRANSLATE_NOOP("ResultRows", "せん断中心X"),
                          "x_s", "x_s", NumberFormat::Length, SheetBlock::Torsion,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::ShearCentreY, QT_TRANSLATE_NOOP("ResultRows", "せん断中心Y"),
                          "y_s", "y_s", NumberFormat::Length, SheetBlock::Torsion,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::ShearCentreOffsetX,
                          QT_TRANSLATE_NOOP("ResultRows", "図心からのせん断中心X"), "x_s-x_bar",
                          "x_s_from_centroid", NumberFormat::Length, SheetBlock::Torsion,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::ShearCentreOffsetY,
                          QT_TRANSLATE_NOOP("ResultRows", "図心からのせん断中心Y"), "y_s-y_bar",
                          "y_s_from_centroid", NumberFormat::Length, SheetBlock::Torsion,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::TrefftzCentreX,
                          QT_TRANSLATE_NOOP("ResultRows", "せん断中心X(Trefftz)"), "x_s_trefftz",
                          "x_s_trefftz", NumberFormat::Length, SheetBlock::Torsion,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::TrefftzCentreY,
                          QT_TRANSLATE_NOOP("ResultRows", "せん断中心Y(Trefftz)"), "y_s_trefftz",
                          "y_s_trefftz", NumberFormat::Length, SheetBlock::Torsion,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::ShearAreaX, QT_TRANSLATE_NOOP("ResultRows", "せん断断面積X"),
                          "Asx", "Asx", NumberFormat::Exponent, SheetBlock::Torsion,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::ShearAreaY, QT_TRANSLATE_NOOP("ResultRows", "せん断断面積Y"),
                          "Asy", "Asy", NumberFormat::Exponent, SheetBlock::Torsion,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::ShearAreaMajor,
                          QT_TRANSLATE_NOOP("ResultRows", "せん断断面積(主軸u)"), "Asu", "Asu",
                          NumberFormat::Exponent, SheetBlock::Torsion, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::ShearAreaMinor,
                          QT_TRANSLATE_NOOP("ResultRows", "せん断断面積(主軸v)"), "Asv", "Asv",
                          NumberFormat::Exponent, SheetBlock::Torsion, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::PoissonRatio, QT_TRANSLATE_NOOP("ResultRows", "ポアソン比"),
                          "ν", "nu", NumberFormat::Decimals, SheetBlock::Torsion,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::ElementCount, QT_TRANSLATE_NOOP("ResultRows", "要素数"), "n",
                          "elements", NumberFormat::Integer, SheetBlock::Torsion,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(
        Property::TorsionConstantError, QT_TRANSLATE_NOOP("ResultRows", "推定誤差(J)"), "%",
        "error_J", NumberFormat::Decimals, SheetBlock::TorsionError, RowColumns::CombinedOnly),
    ResultRowEntry::value(
        Property::WarpingConstantError, QT_TRANSLATE_NOOP("ResultRows", "推定誤差(Iw)"), "%",
        "error_Iw", NumberFormat::Decimals, SheetBlock::TorsionError, RowColumns::CombinedOnly),
    ResultRowEntry::value(
        Property::ShearCentreError, QT_TRANSLATE_NOOP("ResultRows", "推定誤差(せん断中心)"), "%",
        "error_s", NumberFormat::Decimals, SheetBlock::TorsionError, RowColumns::CombinedOnly),
    ResultRowEntry::value(
        Property::ShearAreaError, QT_TRANSLATE_NOOP("ResultRows", "推定誤差(せん断断面積)"), "%",
        "error_As", NumberFormat::Decimals, SheetBlock::TorsionError, RowColumns::CombinedOnly),
    // Too long for a cell of the sheet's block: the sheet writes it below the block.
    ResultRowEntry::value(Property::TorsionNotice, QT_TRANSLATE_NOOP("ResultRows", "注記"), "※",
                          "notices", NumberFormat::Text, SheetBlock::None,
                          RowColumns::CombinedOnly),
    ResultRowEntry::spacer(),
    ResultRowEntry::heading(QT_TRANSLATE_NOOP("ResultRows", "[複合断面]")),
    ResultRowEntry::value(Property::ModularRatio, QT_TRANSLATE_NOOP("ResultRows", "ヤング係数比"),
                          "n_E", "n_E", NumberFormat::Decimals, SheetBlock::None),
    ResultRowEntry::value(Property::ReferenceModulus,
                          QT_TRANSLATE_NOOP("ResultRows", "基準ヤング係数"), "E_ref", "E_ref",
                          NumberFormat::Exponent, SheetBlock::Composite, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::TransformedArea, QT_TRANSLATE_NOOP("ResultRows", "換算断面積"),
                          "A_t", "A_t", NumberFormat::Exponent, SheetBlock::Composite,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::StiffnessCentroidX, QT_TRANSLATE_NOOP("ResultRows", "剛心X"),
                          "x_t", "x_t", NumberFormat::Length, SheetBlock::Composite,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::StiffnessCentroidY, QT_TRANSLATE_NOOP("ResultRows", "剛心Y"),
                          "y_t", "y_t", NumberFormat::Length, SheetBlock::Composite,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::TransformedMomentX,
                          QT_TRANSLATE_NOOP("ResultRows", "換算断面2次モーメントX"), "Ix_t", "Ix_t",
                          NumberFormat::Exponent, SheetBlock::Composite, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::TransformedMomentY,
                          QT_TRANSLATE_NOOP("ResultRows", "換算断面2次モーメントY"), "Iy_t", "Iy_t",
                          NumberFormat::Exponent, SheetBlock::Composite, RowColumns::CombinedOnly),
    ResultRowEntry::value(
        Property::TransformedProduct, QT_TRANSLATE_NOOP("ResultRows", "換算断面相乗モーメント"),
        "Ixy_t", "Ixy_t", NumberFormat::Exponent, SheetBlock::Composite, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::TransformedAngle, QT_TRANSLATE_NOOP("ResultRows", "換算主軸角"),
                          "θ_t", "theta_t", NumberFormat::Decimals, SheetBlock::Composite,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::TransformedMajorMoment,
                          QT_TRANSLATE_NOOP("ResultRows", "換算主断面2次モーメントU"), "Iu_t",
                          "Iu_t", NumberFormat::Exponent, SheetBlock::Composite,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::TransformedMinorMoment,
                          QT_TRANSLATE_NOOP("ResultRows", "換算主断面2次モーメントV"), "Iv_t",
                          "Iv_t", NumberFormat::Exponent, SheetBlock::Composite,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::AxialStiffness, QT_TRANSLATE_NOOP("ResultRows", "軸剛性(N)"),
                          "EA", "EA", NumberFormat::Exponent, SheetBlock::Composite,
                          RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::BendingStiffnessX,
                          QT_TRANSLATE_NOOP("ResultRows", "曲げ剛性X(N·mm²)"), "EIx", "EIx",
                          NumberFormat::Exponent, SheetBlock::Composite, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::BendingStiffnessY,
                          QT_TRANSLATE_NOOP("ResultRows", "曲げ剛性Y(N·mm²)"), "EIy", "EIy",
                          NumberFormat::Exponent, SheetBlock::Composite, RowColumns::CombinedOnly),
    ResultRowEntry::value(
        Property::CompositeMass, QT_TRANSLATE_NOOP("ResultRows", "単位長さ質量(kg/m)"), "m",
        "mass_per_metre", NumberFormat::Length, SheetBlock::Composite, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::ForcePlasticAxisX,
                          QT_TRANSLATE_NOOP("ResultRows", "塑性中立軸X(耐力)"), "x_pf", "x_pf",
                          NumberFormat::Length, SheetBlock::Composite, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::ForcePlasticAxisY,
                          QT_TRANSLATE_NOOP("ResultRows", "塑性中立軸Y(耐力)"), "y_pf", "y_pf",
                          NumberFormat::Length, SheetBlock::Composite, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::PlasticMomentX,
                          QT_TRANSLATE_NOOP("ResultRows", "全塑性モーメントX(kN·m)"), "Mpx", "Mpx",
                          NumberFormat::Exponent, SheetBlock::Composite, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::PlasticMomentY,
                          QT_TRANSLATE_NOOP("ResultRows", "全塑性モーメントY(kN·m)"), "Mpy", "Mpy",
                          NumberFormat::Exponent, SheetBlock::Composite, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::PlasticMomentU,
                          QT_TRANSLATE_NOOP("ResultRows", "全塑性モーメントU(kN·m)"), "Mpu", "Mpu",
                          NumberFormat::Exponent, SheetBlock::Composite, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::PlasticMomentV,
                          QT_TRANSLATE_NOOP("ResultRows", "全塑性モーメントV(kN·m)"), "Mpv", "Mpv",
                          NumberFormat::Exponent, SheetBlock::Composite, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::YieldMomentX,
                          QT_TRANSLATE_NOOP("ResultRows", "降伏モーメントX(kN·m)"), "Myx", "Myx",
                          NumberFormat::Exponent, SheetBlock::Composite, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::YieldMomentY,
                          QT_TRANSLATE_NOOP("ResultRows", "降伏モーメントY(kN·m)"), "Myy", "Myy",
                          NumberFormat::Exponent, SheetBlock::Composite, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::TorsionStiffness,
                          QT_TRANSLATE_NOOP("ResultRows", "ねじり剛性(N·mm²)"), "GJ", "GJ",
                          NumberFormat::Exponent, SheetBlock::None, RowColumns::CombinedOnly),
    ResultRowEntry::value(
        Property::CompositeShearCentreX, QT_TRANSLATE_NOOP("ResultRows", "複合断面のせん断中心X"),
        "x_s_t", "x_s_t", NumberFormat::Length, SheetBlock::None, RowColumns::CombinedOnly),
    ResultRowEntry::value(
        Property::CompositeShearCentreY, QT_TRANSLATE_NOOP("ResultRows", "複合断面のせん断中心Y"),
        "y_s_t", "y_s_t", NumberFormat::Length, SheetBlock::None, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::WarpingStiffness,
                          QT_TRANSLATE_NOOP("ResultRows", "曲げねじり剛性(N·mm⁴)"), "EIw", "EIw",
                          NumberFormat::Exponent, SheetBlock::None, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::ShearStiffnessX,
                          QT_TRANSLATE_NOOP("ResultRows", "せん断剛性X(N)"), "GAsx", "GAsx",
                          NumberFormat::Exponent, SheetBlock::None, RowColumns::CombinedOnly),
    ResultRowEntry::value(Property::ShearStiffnessY,
                          QT_TRANSLATE_NOOP("ResultRows", "せん断剛性Y(N)"), "GAsy", "GAsy",
                          NumberFormat::Exponent, SheetBlock::None, RowColumns::CombinedOnly),
};

inline constexpr int kResultRowCount = static_cast<int>(kResultRows.size());
inline constexpr int kHeaderRow = 0;

// The row that shows a property.
constexpr int resultRow(Property property) {
    for (int row = 0; row < kResultRowCount; ++row) {
        const ResultRowEntry& entry = kResultRows[static_cast<std::size_t>(row)];
        if (entry.kind == RowKind::Value && entry.property == property) return row;
    }
    return -1;
}

// The description of a property's row.
constexpr const ResultRowEntry& propertyEntry(Property property) {
    return kResultRows[static_cast<std::size_t>(resultRow(property))];
}

// The first row of the torsion and shear block: the spacer before its heading. The rows from here
// on stay empty until the analysis has run and give no export lines until then.
inline constexpr int kTorsionFirstRow = resultRow(Property::TorsionConstant) - 2;
// The first row of the block of several materials (its spacer), the last block of the table. Its
// rows stay empty and give no export lines unless the section's figures carry materials.
inline constexpr int kMaterialFirstRow = resultRow(Property::ModularRatio) - 2;

// Every property in order, for loops over all of them.
inline constexpr std::array<Property, kPropertyCount> kAllProperties = [] {
    std::array<Property, kPropertyCount> all{};
    for (std::size_t i = 0; i < kPropertyCount; ++i) all[i] = static_cast<Property>(i);
    return all;
}();

namespace detail {

// The value rows name every property once, in the order of the enum, and nothing else does.
constexpr bool valueRowsFollowProperties() {
    std::size_t next = 0;
    for (const ResultRowEntry& entry : kResultRows) {
        if (entry.kind != RowKind::Value) {
            if (entry.property != Property::Count || entry.format != NumberFormat::None)
                return false;
            continue;
        }
        if (entry.property != static_cast<Property>(next) || entry.format == NumberFormat::None)
            return false;
        if (std::string_view(entry.symbol).empty() || std::string_view(entry.key).empty())
            return false;
        ++next;
    }
    return next == kPropertyCount;
}

constexpr bool keysAreUnique() {
    for (std::size_t i = 0; i < kResultRows.size(); ++i) {
        for (std::size_t j = i + 1; j < kResultRows.size(); ++j) {
            const std::string_view a = kResultRows[i].key;
            if (!a.empty() && a == std::string_view(kResultRows[j].key)) return false;
        }
    }
    return true;
}

// Spacers are blank, headings carry a text and nothing else.
constexpr bool blankRowsAreBlank() {
    for (const ResultRowEntry& entry : kResultRows) {
        const bool blankSymbol = std::string_view(entry.symbol).empty();
        if (entry.kind == RowKind::Spacer &&
            (!std::string_view(entry.label).empty() || !blankSymbol))
            return false;
        if (entry.kind == RowKind::Heading &&
            (std::string_view(entry.label).empty() || !blankSymbol))
            return false;
    }
    return true;
}

}  // namespace detail

static_assert(kResultRows[kHeaderRow].kind == RowKind::Header,
              "the first row of the result table is its header");
static_assert(detail::valueRowsFollowProperties(),
              "every property needs exactly one value row, in the order of enum Property");
static_assert(detail::keysAreUnique(), "two rows share a property key");
static_assert(detail::blankRowsAreBlank(), "a spacer row with text or a heading without");
static_assert(kResultRows[kTorsionFirstRow].kind == RowKind::Spacer &&
                  kResultRows[kTorsionFirstRow + 1].kind == RowKind::Heading,
              "the torsion block opens with a spacer and its heading");
static_assert(kResultRows[kMaterialFirstRow].kind == RowKind::Spacer &&
                  kResultRows[kMaterialFirstRow + 1].kind == RowKind::Heading,
              "the block of several materials opens with a spacer and its heading");
}  // namespace kuvanto
