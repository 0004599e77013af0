// Number text: the grammar of numeric cell text, its strict and lenient readings, the writers of
// the shortest text, the exponent and the three-decimal formats, and decimal rounding. Every tie
// is decided on the value's 15-significant-digit decimal text, so that a value reads and rounds
// as the digits the user sees, not as its binary neighbour. Parsing goes through std::from_chars
// and writing through std::to_chars: both are locale-free and fast enough for million-row tables.
#include "core/base/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace kuvanto {

namespace {

// Powers of ten that are exact doubles.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The longest numeric part that starts at `begin`: optional sign, digits with an optional point
// and fraction (at least one digit), optional exponent (taken only when it has digits). The scan
// also gathers the significant digits, so that short decimals (the common cell text) convert
// without a second pass.
struct Scan {
    bool found = false;  // at least one mantissa digit
    bool negative = false;
    std::size_t body = 0;        // first character after the sign
    std::size_t end = 0;         // one past the numeric part
    std::uint64_t mantissa = 0;  // up to 19 significant digits
    int digits = 0;              // significant digits gathered in `mantissa`
    bool truncated = false;      // more significant digits than `mantissa` holds
    long scale = 0;              // value = mantissa × 10^scale (before truncation)
};

Scan scanNumber(std::string_view s, std::size_t begin) {
    Scan r;
    std::size_t i = begin;
    const std::size_t n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        r.negative = s[i] == '-';
        ++i;
    }
    r.body = i;
    std::size_t mantissaDigits = 0;
    while (i < n && isDigit(s[i])) {
        const unsigned d = static_cast<unsigned>(s[i] - '0');
        if (r.mantissa != 0 || d != 0) {
            if (r.digits < 19) {
                r.mantissa = r.mantissa * 10 + d;
                ++r.digits;
            } else {
                r.truncated = true;
                ++r.scale;
            }
        }
        ++i;
        ++mantissaDigits;
    }
    if (i < n && s[i] == '.') {
        std::size_t j = i + 1;
        long scale = r.scale;
        std::size_t frac_digits = 0;
        while (j < n && isDigit(s[j])) {
            const unsigned d = static_cast<unsigned>(s[j] - '0');
            if (r.mantissa == 0 && d == 0) {
                --scale;
            } else if (r.digits < 19) {
                r.mantissa = r.mantissa * 10 + d;
                ++r.digits;
                --scale;
            } else {
                r.truncated = true;
            }
            ++j;
            ++frac_digits;
        }
        if (mantissaDigits + frac_digits > 0) {
            i = j;
            r.scale = scale;
            mantissaDigits += frac_digits;
        }
    }
    if (mantissaDigits == 0) return r;
    r.found = true;

    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < n && (s[j] == '+' || s[j] == '-')) {
            expNegative = s[j] == '-';
            ++j;
        }
        const std::size_t expStart = j;
        long exponent = 0;
        while (j < n && isDigit(s[j])) {
            if (exponent < 100000000) exponent = exponent * 10 + (s[j] - '0');
            ++j;
        }
        if (j > expStart) {
            i = j;
            r.scale += expNegative ? -exponent : exponent;
        }
    }
    r.end = i;
    return r;
}

// Converts a scanned numeric part. Nothing when it overflows the double range (or cannot be
// converted); an underflow reads as a zero of the right sign.
std::optional<double> Convert(std::string_view s, const Scan& scan) {
    double value = 0.0;
    if (scan.mantissa == 0) {
        value = 0.0;
    } else if (!scan.truncated && scan.mantissa <= (std::uint64_t{1} << 53) && scan.scale >= -22 &&
               scan.scale <= 22) {
        // Both operands are exact doubles, so one multiplication or division rounds correctly.
        const double m = static_cast<double>(scan.mantissa);
        value = scan.scale < 0 ? m / kPow10[-scan.scale] : m * kPow10[scan.scale];
    } else {
        const char* first = s.data() + scan.body;
        const char* last = s.data() + scan.end;
        const auto res = std::from_chars(first, last, value, std::chars_format::general);
        if (res.ec == std::errc::result_out_of_range) {
            const long magnitude = scan.digits - 1 + scan.scale;
            if (magnitude < 0) return scan.negative ? -0.0 : 0.0;
            return std::nullopt;
        }
        if (res.ec != std::errc() || res.ptr != last) return std::nullopt;
    }
    return scan.negative ? -value : value;
}

// A finite non-zero value as its 15 significant digits d[0..14] and decimal exponent e, so that
// |value| reads as d0.d1d2...d14 × 10^e.
struct Dec15 {
    char d[15];
    int e = 0;
    bool negative = false;
};

Dec15 toDec15(double value) {
    Dec15 r;
    r.negative = std::signbit(value);
    char buf[40];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    // Layout: d '.' 14 digits 'e' sign exponent-digits
    r.d[0] = buf[0];
    std::memcpy(r.d + 1, buf + 2, 14);
    int e = 0;
    for (const char* p = buf + 18; p < res.ptr; ++p) e = e * 10 + (*p - '0');
    r.e = buf[17] == '-' ? -e : e;
    return r;
}

std::string nonFiniteText(double value) {
    if (std::isnan(value)) return "nan";
    return value < 0 ? "-inf" : "inf";
}

// The digits of round(|value| × 10^decimals) decided on the 15-digit text, as an integer text
// (possibly with leading zeros, empty for zero). Halves go to the even neighbour or away from
// zero.
std::string roundedUnits(const Dec15& d, int decimals, bool halfEven) {
    const int keep = d.e + 1 + decimals;  // digits in front of the rounding position
    if (keep < 0) return {};
    std::string units(d.d, static_cast<std::size_t>(std::min(keep, 15)));
    if (keep > 15) units.append(static_cast<std::size_t>(keep - 15), '0');
    if (keep >= 15) return units;

    const char next = d.d[keep];
    bool up = false;
    if (halfEven) {
        bool tail = false;
        for (int k = keep + 1; k < 15; ++k) tail = tail || d.d[k] != '0';
        const bool lastOdd = !units.empty() && ((units.back() - '0') % 2 == 1);
        up = next > '5' || (next == '5' && (tail || lastOdd));
    } else {
        up = next >= '5';
    }
    if (up) {
        int k = static_cast<int>(units.size()) - 1;
        while (k >= 0 && units[k] == '9') units[k--] = '0';
        if (k >= 0)
            ++units[k];
        else
            units.insert(units.begin(), '1');
    }
    return units;
}

bool allZero(const std::string& digits) {
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

// Rounds a double to 15 significant digits (the number its shortest text reads as).
double round15(double value) {
    if (!std::isfinite(value) || value == 0) return value;
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    double r = value;
    std::from_chars(buf, res.ptr, r);
    return r;
}

}  // namespace

std::optional<double> parseNumeric(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    if (begin == end) return std::nullopt;

    // Fast path for the usual cell text: sign, at most 19 digits with a point, no exponent.
    {
        const char* p = text.data() + begin;
        const char* const last = text.data() + end;
        const bool negative = *p == '-';
        if (*p == '-' || *p == '+') ++p;
        std::uint64_t mantissa = 0;
        const char* const intStart = p;
        while (p < last && isDigit(*p) && p - intStart < 19)
            mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
        const long intDigits = p - intStart;
        long frac_digits = 0;
        if (p < last && *p == '.') {
            const char* const fracStart = ++p;
            while (p < last && isDigit(*p) && intDigits + (p - fracStart) < 19)
                mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
            frac_digits = p - fracStart;
        }
        if (p == last && intDigits + frac_digits > 0 && frac_digits <= 22 &&
            mantissa <= (std::uint64_t{1} << 53)) {
            // Both operands are exact doubles, so the one division rounds correctly.
            const double value = static_cast<double>(mantissa) / kPow10[frac_digits];
            return negative ? -value : value;
        }
    }
    const Scan scan = scanNumber(text, begin);
    if (!scan.found || scan.end != end) return std::nullopt;
    return Convert(text, scan);
}

bool isNumericText(std::string_view text) {
    return parseNumeric(text).has_value();
}

std::optional<double> leadingNumeric(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && isBlank(text[begin])) ++begin;
    const Scan scan = scanNumber(text, begin);
    if (!scan.found) return std::nullopt;
    if (auto value = Convert(text, scan)) return value;
    return scan.negative ? -HUGE_VAL : HUGE_VAL;
}

double lenientValue(std::string_view text) {
    return leadingNumeric(text).value_or(0.0);
}

std::string numText(double value) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    if (value == 0) return "0";
    const Dec15 d = toDec15(value);
    int k = 15;
    while (k > 1 && d.d[k - 1] == '0') --k;

    std::string s;
    s.reserve(24);
    if (d.negative) s += '-';
    if (d.e < -4 || d.e >= 15) {
        s += d.d[0];
        if (k > 1) {
            s += '.';
            s.append(d.d + 1, static_cast<std::size_t>(k - 1));
        }
        s += 'E';
        s += d.e < 0 ? '-' : '+';
        const int ae = std::abs(d.e);
        if (ae < 10) s += '0';
        s += std::to_string(ae);
    } else if (d.e >= 0) {
        const int intLen = d.e + 1;
        if (k <= intLen) {
            s.append(d.d, static_cast<std::size_t>(k));
            s.append(static_cast<std::size_t>(intLen - k), '0');
        } else {
            s.append(d.d, static_cast<std::size_t>(intLen));
            s += '.';
            s.append(d.d + intLen, static_cast<std::size_t>(k - intLen));
        }
    } else {
        s += "0.";
        s.append(static_cast<std::size_t>(-d.e - 1), '0');
        s.append(d.d, static_cast<std::size_t>(k));
    }
    return s;
}

std::string expText(double value) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    if (value == 0) return "0.0000E0";
    const Dec15 d = toDec15(value);
    // Five significant digits: the mantissa rounded to four decimals, halves away from zero.
    std::string mant = roundedUnits(d, 4 - d.e, false);
    int e = d.e;
    if (mant.size() > 5) {  // 9.99995 went up to 10.0000
        mant.resize(5);
        ++e;
    }
    std::string s;
    s.reserve(16);
    if (d.negative) s += '-';
    s += mant[0];
    s += '.';
    s.append(mant, 1, 4);
    s += 'E';
    s += std::to_string(e);
    return s;
}

double roundHalfEven(double value, int decimals) {
    if (!std::isfinite(value) || value == 0) return value;
    const Dec15 d = toDec15(value);
    if (d.e + 1 + decimals >= 15) return value;  // no digit of the text lies behind the position
    const std::string units = roundedUnits(d, decimals, true);
    if (units.empty() || allZero(units)) return 0.0;
    std::string text = units;
    text += 'e';
    text += std::to_string(-decimals);
    double r = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), r);
    return d.negative ? -r : r;
}

std::string fixed3Text(double value) {
    return numText(roundHalfEven(value, 3));
}

std::string lengthCellText(double value) {
    if (value != 0 && std::fabs(value) < 1) return expText(value);
    return fixed3Text(value);
}

std::string format000(double value) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    if (value == 0) return "0.000";
    const Dec15 d = toDec15(value);
    std::string units = roundedUnits(d, 3, false);
    const std::size_t lead = std::min(units.find_first_not_of('0'), units.size());
    units.erase(0, lead);
    if (units.empty()) return "0.000";
    if (units.size() < 4) units.insert(0, 4 - units.size(), '0');
    std::string s;
    if (d.negative) s += '-';
    s.append(units, 0, units.size() - 3);
    s += '.';
    s.append(units, units.size() - 3, 3);
    return s;
}

bool textGreater(double a, double b) {
    return round15(a) > round15(b);
}

namespace {

// 2 pi as the program has always taken it in its angle conversions, so that coordinates computed
// from typed angles stay the ones it has always given (the huge increment of a line at 90 degrees
// among them). Other angle work uses std::numbers::pi.
constexpr double kTwoPi = 6.28318530717958;

}  // namespace

double degreesToRadians(double degrees) {
    return degrees / 360 * kTwoPi;
}

double radiansToDegrees(double radians) {
    return radians / kTwoPi * 360;
}

}  // namespace kuvanto
