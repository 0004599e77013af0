// The open section and its working state: both coordinate tables, the result table, the undo
// snapshots, the drawing colours and the last coordinate file. Every command's logic lives here
// as a function that tests call without a window; the widgets only collect input and show
// results. Files live in the working folder given at construction.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "ColorFile.h"
#include "CoodGrid.h"
#include "ResultGrid.h"
#include "UndoStore.h"

namespace kuvanto {

class Workspace {
public:
    explicit Workspace(QString folder);

    CoodGrid Add_Grid;
    CoodGrid Sbtrt_Grid;
    ResultGrid Result_Grid;
    DrawColors Colors;
    QString Data_File_Name;

    QString Folder() const { return folder_; }
    QString Path(const QString& name) const;  // a file in the working folder
    UndoStore& Undo() { return undo_; }

    // Start-up: reset the tables and the result table, load the colours from "cl.ini", and take
    // the first snapshot. False (and `error`) when the snapshot cannot be written.
    bool Start(QString* error = nullptr);

    // Snapshot after a change / the undo command.
    bool Save_Undo(QString* error = nullptr);
    bool Undo_Restore(QString* error = nullptr);

    // Direct editing: the text form written to "buf.txt" and returned for the dialog (nothing
    // when the buffer cannot be written); applying the edited text writes it back with a line end,
    // reads it into the tables and takes a snapshot. The tables are never changed when the buffer
    // cannot be written or read.
    std::optional<QString> Direct_Edit_Text(QString* error = nullptr);
    bool Apply_Direct_Edit(const QString& text, QString* error = nullptr);

    // Erase everything without asking: tables and result table reset, result hidden, snapshot.
    void All_Del();

    // Why the latest snapshot could not be written; empty when it was. Commands whose own work
    // succeeded report a failed snapshot through this instead of failing themselves.
    QString Snapshot_Error() const { return snapshot_error_; }

    // Reading a coordinate file: the file is read first; only when it could be read are the
    // tables erased (with a snapshot) and refilled, then a snapshot is taken. `on_skip` gets the
    // message of every pair that is not two numbers. False (and `error`) when unreadable.
    bool Read_Csv(const QString& path, const std::function<void(const QString&)>& on_skip,
                  QString* error = nullptr);
    bool Write_Csv(const QString& path, QString* error = nullptr) const;

    // The calculation run behind the result tab.
    bool Calc1();
    // Whether the result table holds the results of a successful run (export and print allowed).
    bool Has_Results() const { return has_results_; }

    bool Export_Result(const QString& path, QString* error = nullptr) const;

    // The colour file.
    void Load_Colors();
    bool Save_Colors(const DrawColors& colors, QString* error = nullptr);

private:
    QString folder_;
    UndoStore undo_;
    bool has_results_ = false;
    QString snapshot_error_;
};

}  // namespace kuvanto
