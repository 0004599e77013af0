// Field splitting for the comma-separated files. The text is one stream of fields: a comma or a
// line end closes a field, a line end right after a comma closes an empty field, and a line end
// with nothing before it on its line (a blank line) gives no field at all. Fields are returned
// two at a time by nextPair, so a line with a single field pairs up with the next line's first.
#include "io/FieldReader.h"

namespace kuvanto {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
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

}  // namespace

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
