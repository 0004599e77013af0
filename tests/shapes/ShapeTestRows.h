// The data rows of a table as the shape tests compare them: "X,Y" per row, header left out,
// separator and entry rows as they stand ("<<図形区切り>>," and ",").
#pragma once

#include <QStringList>

#include "core/table/CoordTable.h"

namespace kuvanto::test {

inline QStringList rowsOf(const CoordTable& table) {
    QStringList out;
    for (int row = 1; row < table.rows(); ++row)
        out << QString::fromStdString(table.text(row, 0) + "," + table.text(row, 1));
    return out;
}

}  // namespace kuvanto::test
