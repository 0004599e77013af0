// Building and placing the tab- and carriage-return-separated text of a block of cells.
#include "core/table/ClipboardText.h"

#include <algorithm>

namespace kuvanto {

std::string copyText(const CoordTable& grid) {
    const IndexRange rows = selectedRows(grid);
    const IndexRange cols = selectedCols(grid);
    std::string out;
    for (int r = rows.first; r <= rows.last; ++r) {
        if (r > rows.first) out += "\r\n";
        for (int c = cols.first; c <= cols.last; ++c) {
            if (c > cols.first) out += '\t';
            out += grid.text(r, c);
        }
    }
    return out;
}

RowChange pasteText(CoordTable& grid, std::string_view text, PasteNote* note) {
    RowChange change;
    const auto tell = [note](PasteNote what) {
        if (note) *note = what;
    };
    tell(PasteNote::none);
    if (text.empty()) {
        tell(PasteNote::noText);
        change.refused = true;
        return change;
    }
    // One line end, whatever the platform wrote: CR LF and a lone LF become CR.
    std::string s;
    s.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        s += text[i] == '\n' ? '\r' : text[i];
    }
    const auto n = static_cast<int>(std::count(s.begin(), s.end(), '\r'));
    if (n == 0) {
        tell(PasteNote::singleLine);
        change.refused = true;
        return change;
    }
    if (grid.row() < 1) {  // the header row is never written
        change.refused = true;
        return change;
    }
    const bool twoWide = s.find('\t') != std::string::npos;
    const int r = grid.row();
    const int c = grid.col();
    // A block two columns wide cannot start at the Y column: only that column is written.
    const int lastCol = std::min(c + (twoWide ? 1 : 0), 1);
    if (twoWide && c == 1) tell(PasteNote::onlyYColumn);
    grid.setRow(r);
    grid.setCol(c);
    const int h = r + n;
    if (grid.rows() <= h + 1) {
        change.at = grid.rows();
        change.appended = h + 2 - grid.rows();
        grid.setRows(h + 2);
    }
    grid.setRowSel(h);
    grid.setColSel(lastCol);

    std::size_t lineStart = 0;
    for (int i = 0; i <= n; ++i) {
        const std::size_t lineEnd = std::min(s.find('\r', lineStart), s.size());
        const std::string_view line(s.data() + lineStart, lineEnd - lineStart);
        // The empty text after a final line end is no line of the block.
        if (i == n && line.empty()) break;
        std::size_t fieldStart = 0;
        for (int col = c; col <= lastCol; ++col) {
            const std::size_t fieldEnd = std::min(line.find('\t', fieldStart), line.size());
            grid.setText(r + i, col, std::string(line.substr(fieldStart, fieldEnd - fieldStart)));
            if (fieldEnd >= line.size()) break;
            fieldStart = fieldEnd + 1;
        }
        lineStart = lineEnd + 1;
    }
    return change;
}

}  // namespace kuvanto
