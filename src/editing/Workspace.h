// The open section and its working state: both coordinate tables, the result table, the undo
// history and its snapshot files, the drawing colours and the last coordinate file. Every command's
// logic lives here as a function that tests call without a window; the widgets only collect input
// and show results. Files live in the working folder given at construction.
#pragma once

#include <QString>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "core/section/ResultTable.h"
#include "core/section/SectionMaterials.h"
#include "core/table/CoordTable.h"
#include "core/table/EditHistory.h"
#include "core/torsion/TorsionAnalysis.h"
#include "editing/SnapshotMirror.h"
#include "io/ColorFile.h"
#include "io/SessionSlot.h"
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
    // The materials of the section and which figure carries which: read and written with the
    // coordinate file, kept in the snapshots and the direct-editing buffer, and put back with
    // the tables by undo, redo and recovery.
    SectionMaterials materials;
    // The reference material of the composite block as the user chose it by name; empty (or a
    // name the section does not list) takes the material most figures carry.
    std::string referenceMaterial;

    QString folder() const { return folder_; }
    QString path(const QString& name) const;  // a file in the working folder
    UndoStore& undo() { return undo_; }
    const EditHistory& history() const { return history_; }
    // This running copy's folder of undo snapshots (the working folder, or a subfolder of its
    // own when another copy runs on the same working folder).
    QString snapshotFolder() const { return session_.folder(); }

    // Start-up: reset the tables and the result table, load the colours from "cl.ini", and take
    // the first snapshot. When the previous run of this snapshot folder ended abnormally, its
    // last tables are kept for restoreRecovery first. False (and `error`) when the snapshot
    // cannot be written.
    bool start(QString* error = nullptr);

    // Snapshot after a change: the change becomes a step of the undo history (a new change ends
    // the steps that could be redone) and the tables are written to the next snapshot file. The
    // program's changes take it through a TableChange, which knows when one is due.
    bool saveUndo(QString* error = nullptr);
    // Names the state of the tables: every change of cells or rows, and a table put in place of
    // another, gives a new state.
    struct TablesState {
        std::uint64_t addRevision = 0;
        std::uint64_t addMark = 0;
        std::uint64_t subtractedRevision = 0;
        std::uint64_t subtractedMark = 0;
        bool operator==(const TablesState&) const = default;
    };
    TablesState tablesState() const;
    // Whether the tables are as the last snapshot (or undo, redo, file read) left them.
    bool tablesRecorded() const { return tablesState() == recordedState_; }
    // Undo and redo one step. False when there is no step to undo (redo); a failed snapshot write
    // is reported through snapshotError() and does not stop the step.
    bool undoRestore(QString* error = nullptr);
    bool redo(QString* error = nullptr);
    // A change not yet recorded counts: undo records it first and takes it back.
    bool canUndo() const { return history_.canUndo() || !tablesRecorded(); }
    bool canRedo() const { return history_.canRedo(); }
    // Undo steps dropped to keep the history within its memory bound since the last call.
    int takeDroppedUndoSteps() { return history_.takeDroppedSteps(); }

    // Whether the tables differ from the last file read or written (or from the empty start).
    bool modified() const { return history_.stateId() != savedState_; }
    // The tables as they are now were written to a file (or read from one).
    void markSaved() { savedState_ = history_.stateId(); }

    // Puts `now` in place of the materials as one undo step of its own, with its snapshot; an
    // edit of the tables not recorded yet becomes a step before it. False, and no step, when
    // `now` equals the materials.
    bool changeMaterials(SectionMaterials now, QString* error = nullptr);

    // Recovery after an abnormal end: whether the previous run left tables that are not empty,
    // putting them in place of the tables (an undoable step), and forgetting them.
    bool hasRecovery() const { return recovery_ != nullptr; }
    // The program is asked to end from outside (a logout, a shutdown): the snapshot of the tables
    // as they stand is finished on disk, and when they hold unsaved work they are left to be
    // offered at the next start as after an abnormal end.
    void endForSignal();
    bool restoreRecovery();
    void dropRecovery() { recovery_.reset(); }

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
    // Whether the result table holds the results of a successful run on the tables and
    // materials as they are now, so that showing the results again needs no new run.
    bool resultsCurrent() const;

    // The torsion and shear block of the result table, after a successful calculation: the
    // analysis of the tables' section with the options, its results (or its message in place of
    // them) written into the block. The window runs the same steps on a worker thread:
    // torsionFigures() on the interface thread, TorsionAnalysis::run on the worker and
    // writeTorsion() back on the interface thread. Nothing is written without results.
    TorsionOutcome runTorsion(const TorsionOptions& options);
    // With `options`, the figures' materials and the reference material go there too (a section
    // whose figures carry materials is analysed as one of several materials).
    std::vector<SectionFigure> torsionFigures(TorsionOptions* options = nullptr) const;
    void writeTorsion(const TorsionOutcome& outcome);

    bool exportResult(const QString& path, QString* error = nullptr) const;
    // The same with `appended` (UTF-8, CR LF lines: the stresses' block) after the table.
    bool exportResult(const QString& path, const std::string& appended, QString* error) const;

    // The colour file.
    void loadColors();
    bool saveColors(const DrawColors& colors, QString* error = nullptr);

private:
    struct Tables {
        CoordTable add;
        CoordTable subtracted;
        SectionMaterials materials;
    };
    // The materials belong to the state of the tables the history has just recorded, undone or
    // redone to: noted after recording, put back after undo and redo.
    void noteMaterials();
    void restoreMaterials();
    // The materials now belong to the tables as they are (read with them, put back with them).
    void takeMaterialsAsTheyAre();
    // Writes the tables to the next snapshot file; large tables from the mirror on a worker
    // thread. The tables must be the history's recorded state.
    bool writeSnapshot(QString* error);
    void keepRecovery();
    // The tables as they are now are what the history holds.
    void noteRecorded() { recordedState_ = tablesState(); }
    // Puts the step of a large file read in place once its worker has made it; with `wait`,
    // waits for the worker first (every use of the history but its counts needs the step).
    void settleHistory(bool wait = true);

    QString folder_;
    SessionSlot session_;
    UndoStore undo_;
    // The copy of the tables that large snapshots are written from, while the tables are large.
    std::shared_ptr<SnapshotMirror> mirror_;
    EditHistory history_;
    // The step of a large file read, made by a worker from the file's text (declared after the
    // history, so that it is waited for before the history goes).
    std::future<EditHistory::PreparedStep> historyStep_;
    std::unique_ptr<Tables> recovery_;
    std::uint64_t savedState_ = 0;
    TablesState recordedState_;
    // The materials of each state of the history that had any, by its state id.
    std::map<std::uint64_t, SectionMaterials> materialsByState_;
    // The figures the assignments were last known to belong to, to move them along with their
    // figures when rows are inserted or deleted (only kept while some figure has a material).
    SectionMaterials::Fingerprints figurePrints_;
    bool hasResults_ = false;
    // What the last successful run computed from.
    TablesState calculatedState_;
    SectionMaterials calculatedMaterials_;
    std::string calculatedReference_;
    QString snapshotError_;
};

}  // namespace kuvanto
