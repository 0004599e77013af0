// Steps as row spans: recording finds the first and the last row where the tables differ from
// the recorded copy and keeps those rows' texts before and after; undo and redo put one span in
// place of the other, in the tables and in the recorded copy alike, so the two stay equal.
#include "core/table/EditHistory.h"

#include <algorithm>
#include <utility>

namespace kuvanto {

namespace {

bool sameRow(const CoordTable& a, int rowA, const CoordTable& b, int rowB) {
    return a.textView(rowA, 0) == b.textView(rowB, 0) && a.textView(rowA, 1) == b.textView(rowB, 1);
}

}  // namespace

void EditHistory::reset(CoordTable& add, CoordTable& subtracted) {
    recordedAdd_ = add;
    recordedSubtracted_ = subtracted;
    markRecorded(add, subtracted);
    steps_.clear();
    undoSteps_ = 0;
    bytes_ = 0;
    expecting_ = false;
    changes_ = {false, {}};  // copies made before no longer follow
    baseId_ = nextId_++;
}

EditHistory::RowSpan EditHistory::copyRows(const CoordTable& table, int first, int count) {
    RowSpan span;
    span.first = first;
    span.rows = count;
    std::size_t size = 0;
    for (int r = first; r < first + count; ++r)
        size += table.textView(r, 0).size() + table.textView(r, 1).size();
    span.texts.reserve(size);
    span.lengths.reserve(static_cast<std::size_t>(count) * 2);
    for (int r = first; r < first + count; ++r) {
        for (int c = 0; c < 2; ++c) {
            const std::string_view text = table.textView(r, c);
            span.texts.append(text);
            span.lengths.push_back(static_cast<std::uint32_t>(text.size()));
        }
    }
    return span;
}

void EditHistory::markRecorded(CoordTable& add, CoordTable& subtracted) {
    addMark_ = add.markUnchanged();
    subtractedMark_ = subtracted.markUnchanged();
}

EditHistory::TableChange EditHistory::diff(const CoordTable& recorded, const CoordTable& now,
                                           std::uint64_t recordedMark) {
    const int before = recorded.rows();
    const int after = now.rows();
    const int shorter = std::min(before, after);
    // Rows outside the table's change window are known to be the recorded ones.
    const CoordTable::ChangeWindow& window = now.changeWindow();
    const bool windowHolds = window.mark != 0 && window.mark == recordedMark;
    int top = windowHolds ? std::min(window.changedFrom, shorter) : 0;
    while (top < shorter && sameRow(recorded, top, now, top)) ++top;
    if (top == before && top == after) return {};
    // The unchanged rows at the bottom; row 0 stays inside the changed span when it changed, so
    // that the span never starts above the header.
    const int bottomLimit = shorter - std::max(top, 1);
    int bottom = windowHolds ? std::clamp(window.unchangedTail, 0, std::max(bottomLimit, 0)) : 0;
    while (bottom < bottomLimit && sameRow(recorded, before - 1 - bottom, now, after - 1 - bottom))
        ++bottom;
    TableChange change;
    change.before = copyRows(recorded, top, before - top - bottom);
    change.after = copyRows(now, top, after - top - bottom);
    return change;
}

void EditHistory::replaceRows(CoordTable& table, const RowSpan& remove, const RowSpan& insert) {
    const int first = remove.first;
    const int common = std::min(remove.rows, insert.rows);
    if (insert.rows > remove.rows) {
        table.insertRows(first + common, insert.rows - remove.rows);
    } else if (remove.rows > insert.rows) {
        table.removeRows(first + common, remove.rows - insert.rows);
    }
    std::size_t offset = 0;
    for (int i = 0; i < insert.rows; ++i) {
        for (int c = 0; c < 2; ++c) {
            const std::uint32_t length = insert.lengths[static_cast<std::size_t>(i) * 2 + c];
            table.setText(first + i, c, std::string_view(insert.texts).substr(offset, length));
            offset += length;
        }
    }
    table.touch();
}

bool EditHistory::record(CoordTable& add, CoordTable& subtracted) {
    Step step;
    step.add = diff(recordedAdd_, add, addMark_);
    step.subtracted = diff(recordedSubtracted_, subtracted, subtractedMark_);
    markRecorded(add, subtracted);
    if (step.add.empty() && step.subtracted.empty()) return false;
    step.id = nextId_++;
    replaceRows(recordedAdd_, step.add.before, step.add.after);
    replaceRows(recordedSubtracted_, step.subtracted.before, step.subtracted.after);
    push(std::move(step));
    noteChange(steps_.back(), true);
    return true;
}

void EditHistory::recordBesideTables() {
    Step step;
    step.id = nextId_++;
    push(std::move(step));
    noteChange(steps_.back(), true);
}

void EditHistory::push(Step step) {
    step.bytes = sizeof(Step) + step.add.before.bytes() + step.add.after.bytes() +
                 step.subtracted.before.bytes() + step.subtracted.after.bytes();
    // A new change: the undone steps can no longer be redone.
    while (steps_.size() > undoSteps_) {
        bytes_ -= steps_.back()->bytes;
        steps_.pop_back();
    }
    bytes_ += step.bytes;
    steps_.push_back(std::make_shared<const Step>(std::move(step)));
    ++undoSteps_;
    while (bytes_ > limit_ && steps_.size() > 1) dropOldest();
}

EditHistory::RecordedTables EditHistory::expect(CoordTable& add, CoordTable& subtracted) {
    // The tables as they are now are the recorded state from here on, as far as their change
    // windows go; the copies of it arrive with the prepared step.
    markRecorded(add, subtracted);
    expecting_ = true;
    expectedId_ = nextId_++;
    return {std::move(recordedAdd_), std::move(recordedSubtracted_)};
}

EditHistory::PreparedStep EditHistory::prepareStep(RecordedTables before, RecordedTables now) {
    PreparedStep prepared;
    // Copies made apart from the tables carry no change window: every row is compared.
    prepared.step.add = diff(before.add, now.add, 0);
    prepared.step.subtracted = diff(before.subtracted, now.subtracted, 0);
    prepared.recorded = std::move(now);
    return prepared;
}

void EditHistory::commitPrepared(PreparedStep prepared) {
    if (!expecting_) return;
    expecting_ = false;
    recordedAdd_ = std::move(prepared.recorded.add);
    recordedSubtracted_ = std::move(prepared.recorded.subtracted);
    // The id was given out when the step was expected; a step that changed nothing still
    // takes it, so that the state named then stays the state the history is in.
    prepared.step.id = expectedId_;
    push(std::move(prepared.step));
}

bool EditHistory::undo(CoordTable& add, CoordTable& subtracted) {
    // A change no command recorded becomes a step of its own first, so that it is not lost.
    record(add, subtracted);
    if (!canUndo()) return false;
    const Step& step = *steps_[--undoSteps_];
    for (CoordTable* table : {&add, &recordedAdd_})
        replaceRows(*table, step.add.after, step.add.before);
    for (CoordTable* table : {&subtracted, &recordedSubtracted_})
        replaceRows(*table, step.subtracted.after, step.subtracted.before);
    markRecorded(add, subtracted);
    noteChange(steps_[undoSteps_], false);
    return true;
}

EditHistory::StepTables EditHistory::undoneStepTables() const {
    if (!canRedo()) return {};
    const Step& step = *steps_[undoSteps_];
    return {!step.add.empty(), !step.subtracted.empty()};
}

EditHistory::StepTables EditHistory::redoneStepTables() const {
    if (!canUndo()) return {};
    // A step still being prepared from a file read changes both tables.
    if (expecting_) return {true, true};
    const Step& step = *steps_[undoSteps_ - 1];
    return {!step.add.empty(), !step.subtracted.empty()};
}

bool EditHistory::redo(CoordTable& add, CoordTable& subtracted) {
    if (!canRedo()) return false;
    // A change made since the undo that no command recorded would be overwritten: it is
    // recorded instead, which ends the redo steps as any new change does.
    if (record(add, subtracted)) return false;
    const Step& step = *steps_[undoSteps_++];
    for (CoordTable* table : {&add, &recordedAdd_})
        replaceRows(*table, step.add.before, step.add.after);
    for (CoordTable* table : {&subtracted, &recordedSubtracted_})
        replaceRows(*table, step.subtracted.before, step.subtracted.after);
    markRecorded(add, subtracted);
    noteChange(steps_[undoSteps_ - 1], true);
    return true;
}

void EditHistory::setLimitBytes(std::size_t limit) {
    limit_ = limit;
    while (bytes_ > limit_ && steps_.size() > 1 && undoSteps_ > 0) dropOldest();
}

void EditHistory::dropOldest() {
    if (undoSteps_ == 0) return;
    bytes_ -= steps_.front()->bytes;
    baseId_ = steps_.front()->id;
    steps_.pop_front();
    --undoSteps_;
    ++dropped_;
}

void EditHistory::noteChange(const std::shared_ptr<const Step>& step, bool forward) {
    if (!changes_.known) return;
    if (changes_.list.size() >= kKeptChanges) {
        changes_ = {false, {}};
        return;
    }
    Change change;
    change.step_ = step;
    change.forward_ = forward;
    changes_.list.push_back(std::move(change));
}

EditHistory::Changes EditHistory::takeChanges() {
    return std::exchange(changes_, Changes{});
}

void EditHistory::Change::apply(CoordTable& add, CoordTable& subtracted) const {
    const Step& step = *step_;
    if (forward_) {
        replaceRows(add, step.add.before, step.add.after);
        replaceRows(subtracted, step.subtracted.before, step.subtracted.after);
    } else {
        replaceRows(add, step.add.after, step.add.before);
        replaceRows(subtracted, step.subtracted.after, step.subtracted.before);
    }
}

int EditHistory::takeDroppedSteps() {
    const int dropped = dropped_;
    dropped_ = 0;
    return dropped;
}

}  // namespace kuvanto
