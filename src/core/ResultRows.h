// The rows of the result table, described once: for every row its kind (the header, a property's
// value row, a spacer or a heading), its item text and symbol, the property it shows with its key
// and number format, the columns that show it and the block of the printed sheet it lands in. The
// table reset, the calculation, the result view, the export, the printed sheet and the JSON of the
// calculator all read their rows from here, so a new property is one row below plus its formula.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/TranslationMarker.h"

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
    Count  // not a property: the number of them
};
inline constexpr std::size_t kPropertyCount = static_cast<std::size_t>(Property::Count);

enum class RowKind {
    Header,   // item, symbol and column heads
    Value,    // one property: a number in every value column
    Spacer,   // a thin empty row before a heading
    Heading,  // the name of the block of rows below it
};

enum class NumberFormat {
    None,      // not a value row
    Exponent,  // "1.2346E4"
    Fixed3,    // three decimals: positions, lengths and radii
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
};

struct ResultRowSpec {
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
    static constexpr ResultRowSpec header(const char* item, const char* symbol) {
        return {RowKind::Header, Property::Count, item, symbol};
    }
    static constexpr ResultRowSpec value(Property property, const char* label, const char* symbol,
                                         const char* key, NumberFormat format, SheetBlock sheet,
                                         RowColumns columns = RowColumns::All) {
        return {RowKind::Value, property, label, symbol, key, format, columns, sheet};
    }
    static constexpr ResultRowSpec spacer() {
        return {RowKind::Spacer, Property::Count,  "", "", "", NumberFormat::None,
                RowColumns::All, SheetBlock::None, 150};
    }
    static constexpr ResultRowSpec heading(const char* label) {
        return {RowKind::Heading, Property::Count, label};
    }
};

inline constexpr std::array kResultRowSpecs = {
    ResultRowSpec::header(QT_TRANSLATE_NOOP("ResultRows", "項目"),
                          QT_TRANSLATE_NOOP("ResultRows", "記号")),
    ResultRowSpec::value(Property::Area, QT_TRANSLATE_NOOP("ResultRows", "面積"), "A", "A",
                         NumberFormat::Exponent, SheetBlock::General),
    ResultRowSpec::value(Property::CentroidX, QT_TRANSLATE_NOOP("ResultRows", "図心X"), "x_bar",
                         "x_bar", NumberFormat::Fixed3, SheetBlock::General),
    ResultRowSpec::value(Property::CentroidY, QT_TRANSLATE_NOOP("ResultRows", "図心Y"), "y_bar",
                         "y_bar", NumberFormat::Fixed3, SheetBlock::General),
    ResultRowSpec::value(Property::Perimeter, QT_TRANSLATE_NOOP("ResultRows", "周辺長"), "L", "len",
                         NumberFormat::Fixed3, SheetBlock::General),
    ResultRowSpec::spacer(),
    ResultRowSpec::heading(QT_TRANSLATE_NOOP("ResultRows", "[図心回り]")),
    ResultRowSpec::value(Property::MomentX, QT_TRANSLATE_NOOP("ResultRows", "断面2次モーメントX"),
                         "Ix", "Ix", NumberFormat::Exponent, SheetBlock::Centroidal),
    ResultRowSpec::value(Property::MomentY, QT_TRANSLATE_NOOP("ResultRows", "断面2次モーメントY"),
                         "Iy", "Iy", NumberFormat::Exponent, SheetBlock::Centroidal),
    ResultRowSpec::value(Property::ModulusX, QT_TRANSLATE_NOOP("ResultRows", "断面係数X"), "Zx",
                         "Zx", NumberFormat::Exponent, SheetBlock::Centroidal),
    ResultRowSpec::value(Property::ModulusY, QT_TRANSLATE_NOOP("ResultRows", "断面係数Y"), "Zy",
                         "Zy", NumberFormat::Exponent, SheetBlock::Centroidal),
    ResultRowSpec::value(Property::PolarMoment,
                         QT_TRANSLATE_NOOP("ResultRows", "断面2次極モーメント"), "Ip", "Ip",
                         NumberFormat::Exponent, SheetBlock::Centroidal),
    ResultRowSpec::value(Property::RadiusX, QT_TRANSLATE_NOOP("ResultRows", "断面2次半径X"), "ix",
                         "ix", NumberFormat::Fixed3, SheetBlock::Centroidal),
    ResultRowSpec::value(Property::RadiusY, QT_TRANSLATE_NOOP("ResultRows", "断面2次半径Y"), "iy",
                         "iy", NumberFormat::Fixed3, SheetBlock::Centroidal),
    ResultRowSpec::spacer(),
    ResultRowSpec::heading(QT_TRANSLATE_NOOP("ResultRows", "[座標軸回り]")),
    ResultRowSpec::value(Property::AxisMomentX,
                         QT_TRANSLATE_NOOP("ResultRows", "断面2次モーメントX"), "Ix'", "Ix'",
                         NumberFormat::Exponent, SheetBlock::CoordinateAxes),
    ResultRowSpec::value(Property::AxisMomentY,
                         QT_TRANSLATE_NOOP("ResultRows", "断面2次モーメントY"), "Iy'", "Iy'",
                         NumberFormat::Exponent, SheetBlock::CoordinateAxes),
    ResultRowSpec::value(Property::AxisModulusX, QT_TRANSLATE_NOOP("ResultRows", "断面係数X"),
                         "Zx'", "Zx'", NumberFormat::Exponent, SheetBlock::CoordinateAxes),
    ResultRowSpec::value(Property::AxisModulusY, QT_TRANSLATE_NOOP("ResultRows", "断面係数Y"),
                         "Zy'", "Zy'", NumberFormat::Exponent, SheetBlock::CoordinateAxes),
    ResultRowSpec::value(Property::AxisPolarMoment,
                         QT_TRANSLATE_NOOP("ResultRows", "断面2次極モーメント"), "Ip'", "Ip'",
                         NumberFormat::Exponent, SheetBlock::CoordinateAxes),
    ResultRowSpec::value(Property::AxisRadiusX, QT_TRANSLATE_NOOP("ResultRows", "断面2次半径X"),
                         "ix'", "ix'", NumberFormat::Fixed3, SheetBlock::CoordinateAxes),
    ResultRowSpec::value(Property::AxisRadiusY, QT_TRANSLATE_NOOP("ResultRows", "断面2次半径Y"),
                         "iy'", "iy'", NumberFormat::Fixed3, SheetBlock::CoordinateAxes),
};

inline constexpr int kResultRowCount = static_cast<int>(kResultRowSpecs.size());
inline constexpr int kHeaderRow = 0;

// The row that shows a property.
constexpr int resultRow(Property property) {
    for (int row = 0; row < kResultRowCount; ++row) {
        const ResultRowSpec& spec = kResultRowSpecs[static_cast<std::size_t>(row)];
        if (spec.kind == RowKind::Value && spec.property == property) return row;
    }
    return -1;
}

// The description of a property's row.
constexpr const ResultRowSpec& propertySpec(Property property) {
    return kResultRowSpecs[static_cast<std::size_t>(resultRow(property))];
}

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
    for (const ResultRowSpec& spec : kResultRowSpecs) {
        if (spec.kind != RowKind::Value) {
            if (spec.property != Property::Count || spec.format != NumberFormat::None) return false;
            continue;
        }
        if (spec.property != static_cast<Property>(next) || spec.format == NumberFormat::None)
            return false;
        if (std::string_view(spec.symbol).empty() || std::string_view(spec.key).empty())
            return false;
        ++next;
    }
    return next == kPropertyCount;
}

constexpr bool keysAreUnique() {
    for (std::size_t i = 0; i < kResultRowSpecs.size(); ++i) {
        for (std::size_t j = i + 1; j < kResultRowSpecs.size(); ++j) {
            const std::string_view a = kResultRowSpecs[i].key;
            if (!a.empty() && a == std::string_view(kResultRowSpecs[j].key)) return false;
        }
    }
    return true;
}

// Spacers are blank, headings carry a text and nothing else.
constexpr bool blankRowsAreBlank() {
    for (const ResultRowSpec& spec : kResultRowSpecs) {
        const bool blankSymbol = std::string_view(spec.symbol).empty();
        if (spec.kind == RowKind::Spacer && (!std::string_view(spec.label).empty() || !blankSymbol))
            return false;
        if (spec.kind == RowKind::Heading && (std::string_view(spec.label).empty() || !blankSymbol))
            return false;
    }
    return true;
}

}  // namespace detail

static_assert(kResultRowSpecs[kHeaderRow].kind == RowKind::Header,
              "the first row of the result table is its header");
static_assert(detail::valueRowsFollowProperties(),
              "every property needs exactly one value row, in the order of enum Property");
static_assert(detail::keysAreUnique(), "two rows share a property key");
static_assert(detail::blankRowsAreBlank(), "a spacer row with text or a heading without");
}  // namespace kuvanto
