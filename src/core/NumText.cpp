// Number text: the grammar of numeric cell text, its strict and lenient readings, the writers of
// the shortest text, the exponent and the three-decimal formats, and decimal rounding. Every tie
// is decided on the value's 15-significant-digit decimal text, so that a value reads and rounds
// as the digits the user sees, not as its binary neighbour. Parsing goes through std::from_chars
// and writing through std::to_chars: both are locale-free and fast enough for million-row tables.
#include "NumText.h"

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

bool Is_Blank(char c) {
    return c == ' ' || c == '\t';
}
bool Is_Digit(char c) {
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

Scan Scan_Number(std::string_view s, std::size_t begin) {
    Scan r;
    std::size_t i = begin;
    const std::size_t n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        r.negative = s[i] == '-';
        ++i;
    }
    r.body = i;
    std::size_t mantissa_digits = 0;
    while (i < n && Is_Digit(s[i])) {
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
        ++mantissa_digits;
    }
    if (i < n && s[i] == '.') {
        std::size_t j = i + 1;
        long scale = r.scale;
        std::size_t frac_digits = 0;
        while (j < n && Is_Digit(s[j])) {
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
        if (mantissa_digits + frac_digits > 0) {
            i = j;
            r.scale = scale;
            mantissa_digits += frac_digits;
        }
    }
    if (mantissa_digits == 0) return r;
    r.found = true;

    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool exp_negative = false;
        if (j < n && (s[j] == '+' || s[j] == '-')) {
            exp_negative = s[j] == '-';
            ++j;
        }
        const std::size_t exp_start = j;
        long exponent = 0;
        while (j < n && Is_Digit(s[j])) {
            if (exponent < 100000000) exponent = exponent * 10 + (s[j] - '0');
            ++j;
        }
        if (j > exp_start) {
            i = j;
            r.scale += exp_negative ? -exponent : exponent;
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

Dec15 To_Dec15(double value) {
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

std::string Non_Finite_Text(double value) {
    if (std::isnan(value)) return "nan";
    return value < 0 ? "-inf" : "inf";
}

// The digits of round(|value| × 10^decimals) decided on the 15-digit text, as an integer text
// (possibly with leading zeros, empty for zero). Halves go to the even neighbour or away from
// zero.
std::string Rounded_Units(const Dec15& d, int decimals, bool half_even) {
    const int keep = d.e + 1 + decimals;  // digits in front of the rounding position
    if (keep < 0) return {};
    std::string units(d.d, static_cast<std::size_t>(std::min(keep, 15)));
    if (keep > 15) units.append(static_cast<std::size_t>(keep - 15), '0');
    if (keep >= 15) return units;

    const char next = d.d[keep];
    bool up = false;
    if (half_even) {
        bool tail = false;
        for (int k = keep + 1; k < 15; ++k) tail = tail || d.d[k] != '0';
        const bool last_odd = !units.empty() && ((units.back() - '0') % 2 == 1);
        up = next > '5' || (next == '5' && (tail || last_odd));
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

bool All_Zero(const std::string& digits) {
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

// Rounds a double to 15 significant digits (the number its shortest text reads as).
double Round15(double value) {
    if (!std::isfinite(value) || value == 0) return value;
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    double r = value;
    std::from_chars(buf, res.ptr, r);
    return r;
}

}  // namespace

std::optional<double> Parse_Numeric(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && Is_Blank(text[begin])) ++begin;
    while (end > begin && Is_Blank(text[end - 1])) --end;
    if (begin == end) return std::nullopt;

    // Fast path for the usual cell text: sign, at most 19 digits with a point, no exponent.
    {
        const char* p = text.data() + begin;
        const char* const last = text.data() + end;
        const bool negative = *p == '-';
        if (*p == '-' || *p == '+') ++p;
        std::uint64_t mantissa = 0;
        const char* const int_start = p;
        while (p < last && Is_Digit(*p) && p - int_start < 19)
            mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
        const long int_digits = p - int_start;
        long frac_digits = 0;
        if (p < last && *p == '.') {
            const char* const frac_start = ++p;
            while (p < last && Is_Digit(*p) && int_digits + (p - frac_start) < 19)
                mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
            frac_digits = p - frac_start;
        }
        if (p == last && int_digits + frac_digits > 0 && frac_digits <= 22 &&
            mantissa <= (std::uint64_t{1} << 53)) {
            // Both operands are exact doubles, so the one division rounds correctly.
            const double value = static_cast<double>(mantissa) / kPow10[frac_digits];
            return negative ? -value : value;
        }
    }
    const Scan scan = Scan_Number(text, begin);
    if (!scan.found || scan.end != end) return std::nullopt;
    return Convert(text, scan);
}

bool Is_Numeric_Text(std::string_view text) {
    return Parse_Numeric(text).has_value();
}

std::optional<double> Leading_Numeric(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && Is_Blank(text[begin])) ++begin;
    const Scan scan = Scan_Number(text, begin);
    if (!scan.found) return std::nullopt;
    if (auto value = Convert(text, scan)) return value;
    return scan.negative ? -HUGE_VAL : HUGE_VAL;
}

double Lenient_Value(std::string_view text) {
    return Leading_Numeric(text).value_or(0.0);
}

std::string Num_Text(double value) {
    if (!std::isfinite(value)) return Non_Finite_Text(value);
    if (value == 0) return "0";
    const Dec15 d = To_Dec15(value);
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
        const int int_len = d.e + 1;
        if (k <= int_len) {
            s.append(d.d, static_cast<std::size_t>(k));
            s.append(static_cast<std::size_t>(int_len - k), '0');
        } else {
            s.append(d.d, static_cast<std::size_t>(int_len));
            s += '.';
            s.append(d.d + int_len, static_cast<std::size_t>(k - int_len));
        }
    } else {
        s += "0.";
        s.append(static_cast<std::size_t>(-d.e - 1), '0');
        s.append(d.d, static_cast<std::size_t>(k));
    }
    return s;
}

std::string Exp_Text(double value) {
    if (!std::isfinite(value)) return Non_Finite_Text(value);
    if (value == 0) return "0.0000E0";
    const Dec15 d = To_Dec15(value);
    // Five significant digits: the mantissa rounded to four decimals, halves away from zero.
    std::string mant = Rounded_Units(d, 4 - d.e, false);
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

double Round_Half_Even(double value, int decimals) {
    if (!std::isfinite(value) || value == 0) return value;
    const Dec15 d = To_Dec15(value);
    if (d.e + 1 + decimals >= 15) return value;  // no digit of the text lies behind the position
    const std::string units = Rounded_Units(d, decimals, true);
    if (units.empty() || All_Zero(units)) return 0.0;
    std::string text = units;
    text += 'e';
    text += std::to_string(-decimals);
    double r = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), r);
    return d.negative ? -r : r;
}

std::string Fixed3_Text(double value) {
    return Num_Text(Round_Half_Even(value, 3));
}

std::string Fmt_000(double value) {
    if (!std::isfinite(value)) return Non_Finite_Text(value);
    if (value == 0) return "0.000";
    const Dec15 d = To_Dec15(value);
    std::string units = Rounded_Units(d, 3, false);
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

bool Text_Greater(double a, double b) {
    return Round15(a) > Round15(b);
}

double Deg_to_Rad(double degrees) {
    return degrees / 360 * 6.28318530717958;
}

double Rad_to_Deg(double radians) {
    return radians / 6.28318530717958 * 360;
}

}  // namespace kuvanto
