// Helpers shared by the file-format tests: coordinate tables written and compared as compact
// texts ("x|y;x|y", the data rows without the entry row) and raw file access.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include "CoodGrid.h"

namespace kuvanto::test {

// The data rows of a table as "x|y;x|y". A table whose last row is not an empty entry row shows
// that row behind "!" so that a broken invariant fails the comparison.
inline QString Dump(const CoodGrid& grid) {
    QStringList rows;
    const int last = grid.Rows() - 1;
    for (int r = 1; r < last; ++r) {
        rows << QString::fromStdString(grid.Text(r, 0)) + '|' +
                    QString::fromStdString(grid.Text(r, 1));
    }
    QString dump = rows.join(';');
    if (last >= 1 && (!grid.Text(last, 0).empty() || !grid.Text(last, 1).empty())) {
        dump += '!' + QString::fromStdString(grid.Text(last, 0)) + '|' +
                QString::fromStdString(grid.Text(last, 1));
    }
    return dump;
}

// Resets the table and fills it from "x|y;x|y", with an empty entry row behind unless told not.
inline void Fill(CoodGrid& grid, const QString& rows, bool entry_row = true) {
    Init_Cood_Grid(grid);
    const QStringList list = rows.isEmpty() ? QStringList() : rows.split(';');
    grid.Set_Rows(static_cast<int>(list.size()) + (entry_row ? 2 : 1));
    for (int i = 0; i < list.size(); ++i) {
        const QStringList cells = list[i].split('|');
        grid.Set_Text(i + 1, 0, cells.value(0).toStdString());
        grid.Set_Text(i + 1, 1, cells.value(1).toStdString());
    }
}

inline QByteArray Read_Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool Write_Bytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline std::string Std(const QString& text) {
    return text.toStdString();
}

}  // namespace kuvanto::test
