// The colour file "cl.ini": the three drawing colours on one line. The reader is forgiving about
// separators (blanks, commas, line ends) but strict about the numbers: anything short of three
// whole numbers that fit the colour type gives the fallback colours for all three.
#include "io/ColorFile.h"

#include <charconv>
#include <limits>
#include <optional>

#include "io/TextFile.h"

namespace kuvanto {

namespace {

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
}

// A signed decimal integer that fits 32 bits, or nothing.
std::optional<std::int32_t> parseInt(std::string_view token) {
    const bool plus = token.starts_with('+');
    if (plus) token.remove_prefix(1);
    if (token.empty() || (plus && token.front() == '-')) return std::nullopt;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (ec != std::errc() || end != token.data() + token.size()) return std::nullopt;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

void appendNumber(std::string& out, std::int32_t value) {
    if (value >= 0) out.push_back(' ');  // the sign position of a non-negative number
    out.append(std::to_string(value));
    out.push_back(' ');
}

}  // namespace

std::string colorFileText(const DrawColors& colors) {
    std::string out;
    appendNumber(out, colors.add);
    appendNumber(out, colors.subtracted);
    appendNumber(out, colors.grid);
    out.append("\r\n");
    return out;
}

DrawColors loadColorVal(const QString& path) {
    // Three numbers take a few dozen bytes; a file far larger than that is not a colour file
    // and is treated as an unreadable one, without reading it.
    constexpr std::size_t kLargestColorFile = 64 * 1024;
    const std::optional<std::string> text = readTextFile(path, nullptr, kLargestColorFile);
    if (!text) return kFallbackColors;
    return parseColorText(*text);
}

DrawColors parseColorText(std::string_view text) {
    std::string_view rest = text;
    std::int32_t values[3];
    for (auto& value : values) {
        std::size_t start = 0;
        while (start < rest.size() && isSeparator(rest[start])) ++start;
        std::size_t end = start;
        while (end < rest.size() && !isSeparator(rest[end])) ++end;
        const std::optional<std::int32_t> number = parseInt(rest.substr(start, end - start));
        if (!number) return kFallbackColors;
        value = *number;
        rest.remove_prefix(end);
    }
    return DrawColors{values[0], values[1], values[2]};
}

bool saveColorVal(const QString& path, const DrawColors& colors, QString* error) {
    return writeTextFile(path, colorFileText(colors), FileEncoding::Cp932, error);
}

}  // namespace kuvanto
