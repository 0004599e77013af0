// The snapshot tables kept up to date by the history's changes; see SnapshotMirror.h.
#include "editing/SnapshotMirror.h"

#include <utility>

#include "io/CoordCsv.h"
#include "io/CoordText.h"

namespace kuvanto {

SnapshotMirror::SnapshotMirror(CoordTable add, CoordTable subtracted)
    : add_(std::move(add)), subtracted_(std::move(subtracted)) {}

SnapshotMirror::SnapshotMirror(std::shared_ptr<const std::string> fileText)
    : fileText_(std::move(fileText)) {}

std::size_t SnapshotMirror::follow(std::vector<EditHistory::Change> changes) {
    const std::lock_guard lock(mutex_);
    for (EditHistory::Change& change : changes) queued_.push_back(std::move(change));
    queuedCount_ += changes.size();
    return queuedCount_;
}

std::string SnapshotMirror::text(std::size_t position) {
    if (fileText_) {
        // Fresh tables filled from the text come out as the tables the file was read into.
        fillFromCsvText(fileText_, add_, subtracted_, {});
        fileText_.reset();
    }
    std::vector<EditHistory::Change> changes;
    {
        const std::lock_guard lock(mutex_);
        while (appliedCount_ < position && !queued_.empty()) {
            changes.push_back(std::move(queued_.front()));
            queued_.pop_front();
            ++appliedCount_;
        }
    }
    for (const EditHistory::Change& change : changes) change.apply(add_, subtracted_);
    return coordText(add_, subtracted_);
}

}  // namespace kuvanto
