// The many-level undo and redo of both coordinate tables. The history keeps a copy of the tables
// as last recorded; recording compares the tables with it and keeps only the rows that differ
// (the span between the unchanged rows at the top and at the bottom), before and after. A one-cell
// edit in a table of a million rows is therefore a step of a few bytes, while a command that
// replaced the whole table (a file read, direct editing) keeps the whole table. The steps are
// bounded in bytes; the oldest go first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
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

    // Which tables a step changed: that of the latest undo (the step redo would put back) or of the
    // latest redo (the step undo would take back); none when there is no such step.
    struct StepTables {
        bool added = false;
        bool subtracted = false;
    };
    StepTables undoneStepTables() const;
    StepTables redoneStepTables() const;

    bool canUndo() const { return undoSteps_ > 0; }
    bool canRedo() const { return undoSteps_ < steps_.size(); }
    int undoCount() const { return static_cast<int>(undoSteps_); }
    int redoCount() const { return static_cast<int>(steps_.size() - undoSteps_); }

    // Puts the tables back to the state before the latest step (after the next undone step). The
    // tables must be the recorded state (record was called after their last change). False when
    // there is nothing to undo (redo).
    bool undo(CoordTable& add, CoordTable& subtracted);
    bool redo(CoordTable& add, CoordTable& subtracted);

    // Names the state the tables are in as far as the history knows it: equal numbers, equal
    // states (the same place in the history).
    std::uint64_t stateId() const { return undoSteps_ == 0 ? baseId_ : steps_[undoSteps_ - 1].id; }

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
    // Replaces the rows `remove` describes by the rows of `insert` (both start at the same row).
    static void replaceRows(CoordTable& table, const RowSpan& remove, const RowSpan& insert);
    void dropOldest();

    CoordTable recordedAdd_;
    CoordTable recordedSubtracted_;
    std::uint64_t addMark_ = 0;  // the marks of the tables when they last equalled the copies
    std::uint64_t subtractedMark_ = 0;
    std::deque<Step> steps_;
    std::size_t undoSteps_ = 0;  // steps_[0, undoSteps_) can be undone, the rest redone
    std::size_t bytes_ = 0;
    std::size_t limit_ = kDefaultLimitBytes;
    int dropped_ = 0;
    std::uint64_t baseId_ = 0;  // the state before the oldest step
    std::uint64_t nextId_ = 1;
};

}  // namespace kuvanto
