// Result export: one line per row of the result table, tab-separated, for spreadsheets and
// documents. Value rows give every column, heading rows their item text alone, spacer rows an
// empty line; a row with items but no figure value (a table never calculated) gives no line.
#include "ResultExport.h"

#include "TextFile.h"

namespace kuvanto {

std::string Export_Result_Text(const ResultGrid& result) {
    std::string out;
    for (int r = 0; r < ResultGrid::kRows; ++r) {
        if (!result.Text(r, 2).empty()) {
            for (int c = 0; c < result.Cols(); ++c) {
                if (c > 0) out.push_back('\t');
                out.append(result.Text(r, c));
            }
        } else if (result.Text(r, 0).empty()) {
            // spacer row: an empty line
        } else if (result.Text(r, 1).empty()) {
            out.append(result.Text(r, 0));
        } else {
            continue;
        }
        out.append("\r\n");
    }
    return out;
}

bool Write_Export_Result(const QString& path, const ResultGrid& result, QString* error) {
    return Write_Text_File(path, Export_Result_Text(result), FileEncoding::Cp932OrUtf8, error);
}

}  // namespace kuvanto
