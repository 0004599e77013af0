// The clipboard text of table cells, in the form spreadsheets exchange: the rows of a block
// separated by a line end, the cells of a row by a tab. Copy builds it from the selected block
// with CR LF line ends, which every spreadsheet reads; paste takes LF, CR LF and CR line ends alike
// (spreadsheets on Linux put LF on the clipboard) and writes the text into a table from its
// current cell, growing the table when the block reaches beyond its end.
#pragma once

#include <string>
#include <string_view>

#include "core/table/CoordTable.h"
#include "core/table/RowOperations.h"

namespace kuvanto {

// The selected block of the table, cells as they stand: rows joined by "\r\n", cells by "\t".
std::string copyText(const CoordTable& grid);

// What the user is told about a paste.
enum class PasteNote {
    none,
    noText,       // the clipboard holds no text: nothing pasted
    singleLine,   // a text without a line end holds no row of the block: nothing pasted
    onlyYColumn,  // a block two columns wide at the Y column: its first field of each line only
};

// Pastes `text` at the current cell. Every line end (CR LF, LF or CR) ends a line; text without
// a line end is refused. The block covers rows row .. row + n (n = the count of line ends) and
// one column, or two when the text holds a tab and the current column is X; the table grows so
// that a row follows the block, and the block is left selected. Fields outside the block are
// dropped, cells without a field keep their text, and the empty text after a final line end
// changes nothing. `refused` is set when nothing was pasted; `note`, when given, says why, or
// that only the Y column was written.
RowChange pasteText(CoordTable& grid, std::string_view text, PasteNote* note = nullptr);

}  // namespace kuvanto
