// Result export: one line per row of the result table, tab-separated, for spreadsheets and
// documents, placed by the row's kind: the header and value rows give every column, heading rows
// their item text alone, spacer rows an empty line; a row with items but no figure value (a table
// never calculated) gives no line, and the torsion block none before its analysis has run.
#include "io/ResultExport.h"

#include "io/TextFile.h"

namespace kuvanto {

std::string exportResultText(const ResultTable& result) {
    // A table never calculated has no figure column texts: its header and value rows give no
    // line.
    constexpr int kFirstFigureCol = 2;
    // The torsion block gives lines only once its analysis has filled the combined column, the
    // block of several materials only for a section with materials.
    std::string out;
    for (int r = 0; r < ResultTable::kRows; ++r) {
        if (!resultRowInUse(result, r)) continue;
        switch (kResultRows[static_cast<std::size_t>(r)].kind) {
            case RowKind::Header:
            case RowKind::Value:
                if (result.text(r, kFirstFigureCol).empty()) continue;
                for (int c = 0; c < result.cols(); ++c) {
                    if (c > 0) out.push_back('\t');
                    out.append(result.text(r, c));
                }
                break;
            case RowKind::Spacer:
                break;  // an empty line
            case RowKind::Heading:
                out.append(result.text(r, 0));
                break;
        }
        out.append("\r\n");
    }
    return out;
}

bool writeExportResult(const QString& path, const ResultTable& result, QString* error) {
    return writeTextFile(path, exportResultText(result), FileEncoding::Cp932OrUtf8, error);
}

bool writeExportResult(const QString& path, const ResultTable& result, const std::string& appended,
                       QString* error) {
    return writeTextFile(path, exportResultText(result) + appended, FileEncoding::Cp932OrUtf8,
                         error);
}

}  // namespace kuvanto
