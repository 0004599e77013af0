// One-level undo over whole snapshots of both tables, kept in two files that alternate
// ("udtxt1.txt", "udtxt2.txt" in the working folder). Undo reads the file before the latest one
// and makes it the latest, so undo and its reversal alternate. A snapshot that could not be
// written is never read back in place of the tables.
#pragma once

#include <QString>

#include "CoodGrid.h"

namespace kuvanto {

class UndoStore {
  public:
    explicit UndoStore(QString folder);

    // Start of the program: Undo_File = "udtxt1.txt", then Save_Undo (writes "udtxt2.txt").
    bool Start(const CoodGrid& add, const CoodGrid& sbtrt, QString* error = nullptr);

    // Switches Undo_File to the other file and writes both tables to it.
    bool Save_Undo(const CoodGrid& add, const CoodGrid& sbtrt, QString* error = nullptr);

    // Reads the other file into the tables and saves a snapshot. When that file is missing,
    // unreadable or known to be stale (its last write failed), the tables stay as they are and
    // false is returned with `error`. False with `error` also when the tables were restored but
    // the snapshot after it could not be written.
    bool Undo_Restore(CoodGrid& add, CoodGrid& sbtrt, QString* error = nullptr);

    QString Undo_File() const { return undo_file_; }  // "udtxt1.txt" or "udtxt2.txt"
    QString Folder() const { return folder_; }

  private:
    QString Path(const QString& name) const;
    QString folder_;
    QString undo_file_ = QStringLiteral("udtxt1.txt");
    bool stale_[2] = {false, false};  // the slot's last write failed
};

}  // namespace kuvanto
