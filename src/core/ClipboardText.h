// The clipboard text of table cells, in the form spreadsheets exchange: the rows of a block
// separated by a carriage return, the cells of a row by a tab. Copy builds it from the selected
// block; paste writes such text into a table from its current cell, growing the table when the
// block reaches beyond its end.
#pragma once

#include <string>
#include <string_view>

#include "core/CoordTable.h"
#include "core/RowOperations.h"

namespace kuvanto {

// The selected block of the table, cells as they stand: rows joined by "\r", cells by "\t".
std::string copyText(const CoordTable& grid);

// Pastes `text` at the current cell. Line feeds are dropped first, so CR LF and CR line ends both
// work; text of a single line is refused. The block covers rows Row .. Row + n (n = the count of
// carriage returns) and one column, or two when the text holds a tab and the current column is X;
// the table grows so that a row follows the block, and the block is left selected. Fields outside
// the block are dropped, cells without a field keep their text, and the empty text after a final
// line end changes nothing. `refused` is set when nothing was pasted.
RowChange pasteText(CoordTable& grid, std::string_view text);

}  // namespace kuvanto
