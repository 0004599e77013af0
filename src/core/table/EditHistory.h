// The many-level undo and redo of both coordinate tables. The history keeps a copy of the tables
// as last recorded; recording compares the tables with it and keeps only the rows that differ
// (the span between the unchanged rows at the top and at the bottom), before and after. A one-cell
// edit in a table of a million rows is therefore a step of a few bytes, while a command that
// replaced the whole table (a file read, direct editing) keeps the whole table. The steps are
// bounded in bytes; the oldest go first. A step of a whole new table (a large file read) can be
// made on a worker thread, so that the user does not wait for the history's copy of the table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "core/table/CoordTable.h"

namespace kuvanto {

class EditHistory {
public:
    static constexpr std::size_t kDefaultLimitBytes = std::size_t{512} << 20;

    // Forgets every step and takes the tables as the recorded state. Recording, undo and redo
    // mark the tables unchanged (CoordTable::markUnchanged) when they equal the recorded state,
    // so that the next recording compares only the rows changed since.
    void reset(CoordTable& add, CoordTable& subtracted);

    // Records the change from the recorded state to the tables as one step and makes the tables
    // the recorded state. A new step clears the steps that could be redone. Nothing is recorded
    // when the tables equal the recorded state. True when a step was recorded.
    bool record(CoordTable& add, CoordTable& subtracted);
    // Records a step that changes no row: something kept beside the tables (the materials of the
    // figures) changed, and undo and redo are to stop at it. The tables must be the recorded
    // state (record was called after their last change).
    void recordBesideTables();

    // Which tables a step changed: that of the latest undo (the step redo would put back) or of the
    // latest redo (the step undo would take back); none when there is no such step.
    struct StepTables {
        bool added = false;
        bool subtracted = false;
    };
    StepTables undoneStepTables() const;
    StepTables redoneStepTables() const;

    // The tables as recorded, for a step made away from the tables.
    struct RecordedTables {
        CoordTable add;
        CoordTable subtracted;
    };
    class PreparedStep;
    // Records a step whose rows are compared and copied elsewhere: the tables as they are now
    // become the recorded state at once (its id is given out now), and the state recorded
    // before is returned for prepareStep, which a worker runs with its own copy of the tables
    // as they are now (read from the same file text); commitPrepared then puts the step in
    // place. Until it is committed, record, undo, redo and reset must not be called; the
    // counts and the state id already count the step.
    RecordedTables expect(CoordTable& add, CoordTable& subtracted);
    bool expecting() const { return expecting_; }
    static PreparedStep prepareStep(RecordedTables before, RecordedTables now);
    void commitPrepared(PreparedStep prepared);

    class Change;
    // The changes record, undo and redo made to the recorded state since the last call, in
    // order: applied to copies of the tables as they were recorded then, they make the copies
    // the recorded state now, at the cost of the rows each changed (the snapshot files are
    // written from such copies). `known` is false after reset or when more changes were made
    // than are kept: the copies must then be made again. A prepared step is not among them:
    // whoever expected it makes its copies from the same source.
    struct Changes {
        bool known = true;
        std::vector<Change> list;
    };
    Changes takeChanges();

    bool canUndo() const { return undoSteps_ > 0 || expecting_; }
    bool canRedo() const { return !expecting_ && undoSteps_ < steps_.size(); }
    int undoCount() const { return static_cast<int>(undoSteps_) + (expecting_ ? 1 : 0); }
    int redoCount() const { return expecting_ ? 0 : static_cast<int>(steps_.size() - undoSteps_); }

    // Puts the tables back to the state before the latest step (after the next undone step). The
    // tables must be the recorded state (record was called after their last change). False when
    // there is nothing to undo (redo).
    bool undo(CoordTable& add, CoordTable& subtracted);
    bool redo(CoordTable& add, CoordTable& subtracted);

    // Names the state the tables are in as far as the history knows it: equal numbers, equal
    // states (the same place in the history).
    std::uint64_t stateId() const {
        if (expecting_) return expectedId_;
        return undoSteps_ == 0 ? baseId_ : steps_[undoSteps_ - 1]->id;
    }

    // The bytes the steps take, and the bound above which the oldest steps are dropped.
    std::size_t bytes() const { return bytes_; }
    void setLimitBytes(std::size_t limit);
    // Steps dropped to keep within the bound since the last call; the count starts again at 0.
    int takeDroppedSteps();

private:
    // The rows [first, first + removed) of one table replaced by `rows` rows whose cell texts
    // are stored one after the other in `texts` (lengths in `lengths`, two per row).
    struct RowSpan {
        int first = 0;
        int rows = 0;
        std::string texts;
        std::vector<std::uint32_t> lengths;
        std::size_t bytes() const { return texts.capacity() + lengths.capacity() * 4; }
    };
    // One table's change: the rows before and after.
    struct TableChange {
        RowSpan before;
        RowSpan after;
        bool empty() const { return before.rows == 0 && after.rows == 0; }
    };
    struct Step {
        TableChange add;
        TableChange subtracted;
        std::size_t bytes = 0;
        std::uint64_t id = 0;
    };

    // The rows where `now` differs from `recorded`; only the rows inside `now`'s change window
    // when its mark is `recordedMark`.
    static TableChange diff(const CoordTable& recorded, const CoordTable& now,
                            std::uint64_t recordedMark);
    // Marks both tables unchanged, now that they equal the recorded copies.
    void markRecorded(CoordTable& add, CoordTable& subtracted);
    static RowSpan copyRows(const CoordTable& table, int first, int count);
    // Puts a step in place after the steps that can be undone, ending the redo steps.
    void push(Step step);
    // Replaces the rows `remove` describes by the rows of `insert` (both start at the same row).
    static void replaceRows(CoordTable& table, const RowSpan& remove, const RowSpan& insert);
    void dropOldest();

    CoordTable recordedAdd_;
    CoordTable recordedSubtracted_;
    std::uint64_t addMark_ = 0;  // the marks of the tables when they last equalled the copies
    std::uint64_t subtractedMark_ = 0;
    // Steps are shared with the changes handed out by takeChanges and never change.
    std::deque<std::shared_ptr<const Step>> steps_;
    std::size_t undoSteps_ = 0;  // steps_[0, undoSteps_) can be undone, the rest redone
    std::size_t bytes_ = 0;
    std::size_t limit_ = kDefaultLimitBytes;
    int dropped_ = 0;
    std::uint64_t baseId_ = 0;  // the state before the oldest step
    std::uint64_t nextId_ = 1;
    bool expecting_ = false;  // a step given out by expect() awaits commitPrepared()
    std::uint64_t expectedId_ = 0;
    Changes changes_{false, {}};  // since the last takeChanges
    static constexpr std::size_t kKeptChanges = 256;
    void noteChange(const std::shared_ptr<const Step>& step, bool forward);

public:
    // A step made by prepareStep, with the recorded state it leads to.
    class PreparedStep {
    private:
        friend class EditHistory;
        Step step;
        RecordedTables recorded;
    };

    // One change of the recorded state: a step done (record, redo) or undone.
    class Change {
    public:
        void apply(CoordTable& add, CoordTable& subtracted) const;

    private:
        friend class EditHistory;
        std::shared_ptr<const Step> step_;
        bool forward_ = true;
    };
};

}  // namespace kuvanto
