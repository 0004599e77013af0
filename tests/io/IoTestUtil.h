// Helpers shared by the file-format tests: coordinate tables written and compared as compact
// texts ("x|y;x|y", the data rows without the entry row) and raw file access.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include "core/table/CoordTable.h"

namespace kuvanto::test {

// The data rows of a table as "x|y;x|y". A table whose last row is not an empty entry row shows
// that row behind "!" so that a broken invariant fails the comparison.
inline QString dump(const CoordTable& grid) {
    QStringList rows;
    const int last = grid.rows() - 1;
    for (int r = 1; r < last; ++r) {
        rows << QString::fromStdString(grid.text(r, 0)) + '|' +
                    QString::fromStdString(grid.text(r, 1));
    }
    QString dump = rows.join(';');
    if (last >= 1 && (!grid.text(last, 0).empty() || !grid.text(last, 1).empty())) {
        dump += '!' + QString::fromStdString(grid.text(last, 0)) + '|' +
                QString::fromStdString(grid.text(last, 1));
    }
    return dump;
}

// Resets the table and fills it from "x|y;x|y", with an empty entry row behind unless told not.
inline void fill(CoordTable& grid, const QString& rows, bool entryRow = true) {
    resetCoordTable(grid);
    const QStringList list = rows.isEmpty() ? QStringList() : rows.split(';');
    grid.setRows(static_cast<int>(list.size()) + (entryRow ? 2 : 1));
    for (int i = 0; i < list.size(); ++i) {
        const QStringList cells = list[i].split('|');
        grid.setText(i + 1, 0, cells.value(0).toStdString());
        grid.setText(i + 1, 1, cells.value(1).toStdString());
    }
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline std::string toStd(const QString& text) {
    return text.toStdString();
}

}  // namespace kuvanto::test
