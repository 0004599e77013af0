// One-level undo over whole snapshots of both tables, kept in two files that alternate
// ("udtxt1.txt", "udtxt2.txt" in the working folder). Undo reads the file before the latest one
// and makes it the latest, so undo and its reversal alternate. A snapshot that could not be
// written is never read back in place of the tables.
#pragma once

#include <QString>

#include "core/CoordTable.h"

namespace kuvanto {

class UndoStore {
public:
    explicit UndoStore(QString folder);

    // Start of the program: undoFile = "udtxt1.txt", then saveUndo (writes "udtxt2.txt").
    bool start(const CoordTable& add, const CoordTable& subtracted, QString* error = nullptr);

    // Switches undoFile to the other file and writes both tables to it.
    bool saveUndo(const CoordTable& add, const CoordTable& subtracted, QString* error = nullptr);

    // Reads the other file into the tables and saves a snapshot; when that file does not exist
    // (undo right after the first start), the tables are emptied instead. When it is unreadable
    // or known to be stale (its last write failed), the tables stay as they are and false is
    // returned with `error`. False with `error` also when the tables were restored but
    // the snapshot after it could not be written.
    bool undoRestore(CoordTable& add, CoordTable& subtracted, QString* error = nullptr);

    QString undoFile() const { return undoFile_; }  // "udtxt1.txt" or "udtxt2.txt"
    QString folder() const { return folder_; }

private:
    QString path(const QString& name) const;
    QString folder_;
    QString undoFile_ = QStringLiteral("udtxt1.txt");
    bool stale_[2] = {false, false};  // the slot's last write failed
};

}  // namespace kuvanto
