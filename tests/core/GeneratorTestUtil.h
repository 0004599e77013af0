// Small helpers of the generator tests: a table built from "x,y" texts ("|" for a separator row)
// and a table's data rows read back in the same form.
#pragma once

#include <QStringList>

#include "core/table/CoordTable.h"

namespace kuvanto::test {

inline CoordTable tableOf(const QStringList& rows) {
    CoordTable table;
    table.setRows(1);
    for (const QString& row : rows) {
        if (row == "|") {
            table.appendRow(std::string(kSeparatorText), "");
        } else if (row.isEmpty()) {
            table.appendRow("", "");
        } else {
            const QStringList xy = row.split(',');
            table.appendRow(xy.value(0).toStdString(), xy.value(1).toStdString());
        }
    }
    table.setRow(1);
    return table;
}

inline QStringList rowsOf(const CoordTable& table) {
    QStringList out;
    for (int row = 1; row < table.rows(); ++row) {
        if (table.isSeparatorRow(row))
            out << "|";
        else if (table.text(row, 0).empty() && table.text(row, 1).empty())
            out << "";
        else
            out << QString::fromStdString(table.text(row, 0) + "," + table.text(row, 1));
    }
    return out;
}

}  // namespace kuvanto::test
