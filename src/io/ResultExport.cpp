// Result export: one line per row of the result table, tab-separated, for spreadsheets and
// documents. Value rows give every column, heading rows their item text alone, spacer rows an
// empty line; a row with items but no figure value (a table never calculated) gives no line.
#include "io/ResultExport.h"

#include "io/TextFile.h"

namespace kuvanto {

std::string exportResultText(const ResultTable& result) {
    std::string out;
    for (int r = 0; r < ResultTable::kRows; ++r) {
        if (!result.text(r, 2).empty()) {
            for (int c = 0; c < result.cols(); ++c) {
                if (c > 0) out.push_back('\t');
                out.append(result.text(r, c));
            }
        } else if (result.text(r, 0).empty()) {
            // spacer row: an empty line
        } else if (result.text(r, 1).empty()) {
            out.append(result.text(r, 0));
        } else {
            continue;
        }
        out.append("\r\n");
    }
    return out;
}

bool writeExportResult(const QString& path, const ResultTable& result, QString* error) {
    return writeTextFile(path, exportResultText(result), FileEncoding::Cp932OrUtf8, error);
}

}  // namespace kuvanto
