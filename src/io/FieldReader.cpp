// Field splitting for the comma-separated files. The text is one stream of fields: a comma or a
// line end closes a field, a line end right after a comma closes an empty field, and a line end
// with nothing before it on its line (a blank line) gives no field at all. Fields are returned
// two at a time by nextPair, so a line with a single field pairs up with the next line's first.
#include "io/FieldReader.h"

#include <cstdint>

namespace kuvanto {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool needsQuotes(std::string_view cell) {
    if (cell.empty()) return false;
    if (isBlank(cell.front()) || isBlank(cell.back())) return true;
    // A plain loop: this runs for every cell of files with millions of rows.
    for (const char c : cell) {
        if (c == ',' || c == '"' || c == '\r' || c == '\n') return true;
    }
    return false;
}

// Powers of ten that are exact doubles.
constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Reads a plain decimal number ("-12.5", "3", "4.") of at most 15 digits from p on. With that
// few digits the digits are an exact integer and one division by an exact power of ten rounds
// correctly, as the strict numeric test of the cells reads it. Returns false, with p anywhere,
// for anything else.
bool readPlainNumber(const char*& p, const char* end, double& value) {
    const bool negative = p < end && *p == '-';
    if (negative) ++p;
    const char* const digits = p;
    std::uint64_t mantissa = 0;
    while (p < end && isDigit(*p)) mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
    const auto intDigits = p - digits;
    if (intDigits == 0) return false;
    long fracDigits = 0;
    if (p < end && *p == '.') {
        const char* const fraction = ++p;
        while (p < end && isDigit(*p)) mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
        fracDigits = p - fraction;
    }
    if (intDigits + fracDigits > 15) return false;
    value = static_cast<double>(mantissa) / kPow10[fracDigits];
    if (negative) value = -value;
    return true;
}

}  // namespace

bool FieldReader::nextNumberPair(std::string_view& first, std::string_view& second, double& x,
                                 double& y) {
    if (afterComma_) return false;
    const char* const begin = text_.data() + pos_;
    const char* const end = text_.data() + text_.size();
    const char* p = begin;
    if (!readPlainNumber(p, end, x) || p == end || *p != ',') return false;
    const char* const comma = p++;
    if (!readPlainNumber(p, end, y) || (p < end && !isLineEnd(*p))) return false;
    first = std::string_view(begin, static_cast<std::size_t>(comma - begin));
    second = std::string_view(comma + 1, static_cast<std::size_t>(p - comma - 1));
    pos_ = static_cast<std::size_t>(p - text_.data());
    if (pos_ < text_.size()) skipLineEnd();
    return true;
}

void FieldReader::skipLineEnd() {
    if (text_[pos_] == '\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    } else {
        ++pos_;
    }
}

void FieldReader::readQuoted(std::string& field) {
    const std::size_t n = text_.size();
    ++pos_;  // the opening quote
    field.clear();
    for (;;) {
        const std::size_t quote = text_.find('"', pos_);
        if (quote == std::string_view::npos) {  // unterminated: the field runs to the end
            field.append(text_.substr(pos_));
            pos_ = n;
            return;
        }
        field.append(text_.substr(pos_, quote - pos_));
        pos_ = quote + 1;
        if (pos_ < n && text_[pos_] == '"') {  // "" stands for one quote
            field.push_back('"');
            ++pos_;
            continue;
        }
        break;
    }
    // Anything between the closing quote and the delimiter is kept, blanks around it dropped.
    while (pos_ < n && isBlank(text_[pos_])) ++pos_;
    const std::size_t start = pos_;
    while (pos_ < n && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
    std::size_t end = pos_;
    while (end > start && isBlank(text_[end - 1])) --end;
    field.append(text_.substr(start, end - start));
}

bool FieldReader::nextField(std::string_view& field, std::string& scratch) {
    const std::size_t n = text_.size();
    for (;;) {
        while (pos_ < n && isBlank(text_[pos_])) ++pos_;
        if (pos_ >= n) {
            if (!afterComma_) return false;
            afterComma_ = false;  // "a," at the very end: an empty last field
            field = {};
            return true;
        }
        if (!isLineEnd(text_[pos_])) break;
        skipLineEnd();
        if (afterComma_) {
            afterComma_ = false;
            field = {};
            return true;
        }
        // A blank line: no field.
    }

    if (text_[pos_] == '"') {
        readQuoted(scratch);
        field = scratch;
    } else {
        const std::size_t start = pos_;
        while (pos_ < n && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
        std::size_t end = pos_;
        while (end > start && isBlank(text_[end - 1])) --end;
        field = text_.substr(start, end - start);
    }

    if (pos_ < n && text_[pos_] == ',') {
        ++pos_;
        afterComma_ = true;
    } else {
        if (pos_ < n) skipLineEnd();
        afterComma_ = false;
    }
    return true;
}

bool FieldReader::nextField(std::string& field) {
    std::string_view view;
    if (!nextField(view, field)) return false;
    if (view.data() != field.data()) field.assign(view);
    return true;
}

bool FieldReader::nextPair(std::string& first, std::string& second) {
    return nextField(first) && nextField(second);
}

bool FieldReader::nextPair(std::string_view& first, std::string_view& second,
                           std::string& firstScratch, std::string& secondScratch) {
    return nextField(first, firstScratch) && nextField(second, secondScratch);
}

void appendField(std::string& out, std::string_view cell) {
    if (!needsQuotes(cell)) {
        out.append(cell);
        return;
    }
    out.push_back('"');
    for (char c : cell) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

std::string quoteField(std::string_view cell) {
    std::string out;
    appendField(out, cell);
    return out;
}

}  // namespace kuvanto
