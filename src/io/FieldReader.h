// Splits comma-separated text into fields taken two at a time, as the coordinate files, the
// insertion files and the text form of the tables are read: fields end at a comma or a line end
// (CR LF, LF or CR), blanks around a field are dropped, a field in double quotes keeps its commas
// and "" stands for one quote inside it, blank lines give no field, and a line with one field
// takes its partner from the next line.
#pragma once

#include <string>
#include <string_view>

namespace kuvanto {

class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    // The next field; false at the end of the text.
    bool nextField(std::string& field);
    // The next pair; false when the text ends before a whole pair (a lone last field is dropped).
    bool nextPair(std::string& first, std::string& second);
    // The same without copies: a plain field is a view into the text; a quoted field is decoded
    // into its scratch string and viewed there (valid until the scratch is used again).
    bool nextField(std::string_view& field, std::string& scratch);
    bool nextPair(std::string_view& first, std::string_view& second, std::string& firstScratch,
                  std::string& secondScratch);

    // The next pair when it is a whole line of two plain decimal numbers ("-12.5,3": no blanks,
    // quotes, plus sign or exponent, at most 15 digits each) and the reader stands at the start
    // of a line: reads it as nextPair would, sets x and y to the numbers as parseNumeric reads
    // them, and returns true. Otherwise reads nothing and returns false. Coordinate files are
    // mostly such lines, and this reads them in one step.
    bool nextNumberPair(std::string_view& first, std::string_view& second, double& x, double& y);

    // Where the next field is looked for, as an offset into the text.
    std::size_t position() const { return pos_; }

private:
    void skipLineEnd();
    void readQuoted(std::string& field);

    std::string_view text_;
    std::size_t pos_ = 0;
    bool afterComma_ = false;  // the last field ended at a comma: a field follows on this line
};

// A cell text as a field: quoted (inner quotes doubled) when it holds a comma, a double quote, a
// line break or blanks at either end, otherwise as it stands.
std::string quoteField(std::string_view cell);
// The same, appended to `out` (the writers build whole files in one string).
void appendField(std::string& out, std::string_view cell);

}  // namespace kuvanto
