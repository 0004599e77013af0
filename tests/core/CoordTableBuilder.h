// Builds a coordinate table for a test from short row texts, so that a test states its rows in
// one line: "x,y" is a data row, "|" a separator row.
#pragma once

#include <QStringList>
#include <string>

#include "core/table/CoordTable.h"

namespace kuvanto::test {

enum class EntryRow { Without, With };

// The header and the given rows; with EntryRow::With an empty entry row follows them.
inline CoordTable coordTableOf(const QStringList& rows, EntryRow entry = EntryRow::Without) {
    CoordTable grid;
    grid.setRows(1);
    for (const QString& row : rows) {
        if (row == "|") {
            grid.appendRow(std::string(kSeparatorText), "");
        } else {
            const QStringList xy = row.split(',');
            grid.appendRow(xy.value(0).toStdString(), xy.value(1).toStdString());
        }
    }
    if (entry == EntryRow::With) grid.appendRow("", "");
    return grid;
}

}  // namespace kuvanto::test
