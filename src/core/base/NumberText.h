// Number text: the one place where numbers become cell text and cell text becomes numbers.
// cells of every table hold text; the strict test tells vertex rows from other rows, the lenient
// reading serves dialog fields and result cells, and the writers below produce the exact texts
// the tables, files and result view show. Also the rounding rules and the helpers that compare
// values as their decimal text reads (maxValue, minValue) and convert angles.
#pragma once

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace kuvanto {

// Strict numeric text: optional blanks around, optional sign, digits with an optional point and
// fraction (at least one digit in all), optional exponent ("E"/"e", optional sign, digits).
// "inf", "nan", hexadecimal and grouping separators are not numbers, nor is a number beyond the
// double range ("1e400"); one below it ("1e-400") reads as zero. Blanks are spaces and tabs.
bool isNumericText(std::string_view text);

// Strict test and conversion in one pass: the value, or nothing when the text is not numeric.
std::optional<double> parseNumeric(std::string_view text);

// The longest leading numeric part of the text (after leading blanks): "7." reads 7, "12abc"
// reads 12, "1e" reads 1; nothing when there is none ("", "-", ".", "abc"). A part beyond the
// double range reads as an infinity of its sign.
std::optional<double> leadingNumeric(std::string_view text);

// Lenient reading: the longest leading numeric part of the text (after leading blanks); text
// without one reads as 0. Never fails.
double lenientValue(std::string_view text);

// Shortest text of at most 15 significant digits: "." as point, leading "-", no trailing zeros or
// point, exponent form ("1E-05", "1.5E+16") when the decimal exponent is below -4 or at least 15.
// A negative zero is written "0". Non-finite values are never passed here by the calculation
// (they would be written "inf", "-inf", "nan").
std::string numText(double value);

// Result-table exponent format "0.0000E-0": 12345.678 -> "1.2346E4", 0.00012 -> "1.2000E-4",
// -2500 -> "-2.5000E3", 0 -> "0.0000E0". The mantissa rounds halves away from zero.
std::string expText(double value);

// Value rounded to three decimals (halves to even) written as its shortest text:
// 12.5, 100, 0.333, -28.868.
std::string fixed3Text(double value);

// A result cell of the three-decimal kind (centroid, perimeter, radii): fixed3Text for zero and
// for magnitudes of 1 and more; a smaller value would lose its digits to the three decimals and
// is written to five significant digits in the exponent form instead (0.0028250 -> "2.8250E-3").
std::string lengthCellText(double value);

// Display pattern "0.000" (status bar, lists): always three decimals, halves away from zero.
std::string format000(double value);

// Rounds to the given count of decimals, halves to the even neighbour, deciding the tie on the
// value's 15-significant-digit decimal text (so 2.675 counts as a tie, as the user typed it).
double roundHalfEven(double value, int decimals);

// Whether a reads as a larger number than b once both are rounded to 15 significant digits.
bool textGreater(double a, double b);

// The larger / smaller of two values compared as the numbers their 15-digit decimal texts read
// as; on a tie the second argument is returned. Values further apart than 2e-14 of the larger
// magnitude round to different texts in the same order, so only closer pairs need the rounding.
// Inline: the formulas call these for every edge.
inline double maxValue(double a, double b) {
    if (a == b) return b;
    if (std::fabs(a - b) > 2e-14 * std::max(std::fabs(a), std::fabs(b))) return a > b ? a : b;
    return textGreater(a, b) ? a : b;
}

inline double minValue(double a, double b) {
    if (a == b) return b;
    if (std::fabs(a - b) > 2e-14 * std::max(std::fabs(a), std::fabs(b))) return a < b ? a : b;
    return textGreater(b, a) ? a : b;
}

// Angle conversions between degrees and radians.
double degreesToRadians(double degrees);
double radiansToDegrees(double radians);

}  // namespace kuvanto
