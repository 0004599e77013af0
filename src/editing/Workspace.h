// The open section and its working state: both coordinate tables, the result table, the undo
// snapshots, the drawing colours and the last coordinate file. Every command's logic lives here
// as a function that tests call without a window; the widgets only collect input and show
// results. Files live in the working folder given at construction.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "core/CoordTable.h"
#include "core/ResultTable.h"
#include "io/ColorFile.h"
#include "io/UndoStore.h"

namespace kuvanto {

class Workspace {
public:
    explicit Workspace(QString folder);

    CoordTable addGrid;
    CoordTable subtractedGrid;
    ResultTable resultGrid;
    DrawColors colors;
    QString dataFileName;

    QString folder() const { return folder_; }
    QString path(const QString& name) const;  // a file in the working folder
    UndoStore& undo() { return undo_; }

    // Start-up: reset the tables and the result table, load the colours from "cl.ini", and take
    // the first snapshot. False (and `error`) when the snapshot cannot be written.
    bool start(QString* error = nullptr);

    // Snapshot after a change / the undo command.
    bool saveUndo(QString* error = nullptr);
    bool undoRestore(QString* error = nullptr);

    // Direct editing: the text form written to "buf.txt" and returned for the dialog (nothing
    // when the buffer cannot be written); applying the edited text writes it back with a line end,
    // reads it into the tables and takes a snapshot. The tables are never changed when the buffer
    // cannot be written or read.
    std::optional<QString> directEditText(QString* error = nullptr);
    bool applyDirectEdit(const QString& text, QString* error = nullptr);

    // The result table back to its fresh state (a coordinate cell was edited).
    void resetResults();

    // Erase everything without asking: tables and result table reset, result hidden, snapshot.
    void allDel();

    // Why the latest snapshot could not be written; empty when it was. Commands whose own work
    // succeeded report a failed snapshot through this instead of failing themselves.
    QString snapshotError() const { return snapshotError_; }
    // Takes in the outcome of a snapshot being written in the background once its worker is
    // done (a failure becomes snapshotError()). True when there was one to take in; false while
    // it is still being written or when there is none.
    bool collectBackgroundSnapshot();

    // Reading a coordinate file: the file is read first; only when it could be read are the
    // tables erased (with a snapshot) and refilled, then a snapshot is taken. `onSkip` gets the
    // message of each of the first kShownSkippedPairs pairs that are not two numbers; when there
    // were more, it gets one last message that counts them. False (and `error`) when unreadable.
    static constexpr int kShownSkippedPairs = 3;
    bool readCsv(const QString& path, const std::function<void(const QString&)>& onSkip,
                 QString* error = nullptr);
    bool writeCsv(const QString& path, QString* error = nullptr) const;

    // The calculation run behind the result tab.
    bool runCalculation();
    // Whether the result table holds the results of a successful run (export and print allowed).
    bool hasResults() const { return hasResults_; }

    bool exportResult(const QString& path, QString* error = nullptr) const;

    // The colour file.
    void loadColors();
    bool saveColors(const DrawColors& colors, QString* error = nullptr);

private:
    QString folder_;
    UndoStore undo_;
    bool hasResults_ = false;
    QString snapshotError_;
};

}  // namespace kuvanto
