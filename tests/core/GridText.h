// Small tables written as text for the editing tests: a table from "x,y" rows ("|" stands for a
// separator row) after the header, and the rows of a table back as such texts.
#pragma once

#include <QStringList>

#include "CoordTableBuilder.h"
#include "core/table/CoordTable.h"

namespace kuvanto {

inline CoordTable gridOf(const QStringList& rows) {
    return test::coordTableOf(rows);
}

inline QStringList rowsOf(const CoordTable& grid) {
    QStringList out;
    for (int r = 1; r < grid.rows(); ++r) {
        if (grid.isSeparatorRow(r) && grid.text(r, 1).empty()) {
            out << "|";
            continue;
        }
        out << QString::fromStdString(grid.text(r, 0)) + "," +
                   QString::fromStdString(grid.text(r, 1));
    }
    return out;
}

inline void selectRows(CoordTable& grid, int row, int rowSel, int col = 0, int colSel = 0) {
    grid.setRow(row);
    grid.setCol(col);
    grid.setRowSel(rowSel);
    grid.setColSel(colSel);
}

}  // namespace kuvanto
