// The copy of both coordinate tables that large undo snapshots are written from. Copying a table
// of a million rows after every typed cell would cost the user tens of milliseconds each time;
// instead the copy is made once (or read by the snapshot worker from the text the tables were
// read from) and then kept equal to the tables by the changes the edit history hands out, which
// cost only the rows they changed. The changes are queued on the interface thread and applied by
// the snapshot worker just before it makes the text, so the interface thread never waits for
// either.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/table/CoordTable.h"
#include "core/table/EditHistory.h"

namespace kuvanto {

class SnapshotMirror {
public:
    // From copies of the tables as they are now.
    SnapshotMirror(CoordTable add, CoordTable subtracted);
    // From the coordinate file's text the tables were read from; the worker reads it into the
    // mirror's tables when it first makes the text, and they come out as the tables read.
    explicit SnapshotMirror(std::shared_ptr<const std::string> fileText);
    SnapshotMirror(const SnapshotMirror&) = delete;
    SnapshotMirror& operator=(const SnapshotMirror&) = delete;

    // Queues the changes the tables went through since the mirror's state (the interface thread).
    // Returns the count of changes queued since the mirror was made: the position of the tables
    // as they are now, for text().
    std::size_t follow(std::vector<EditHistory::Change> changes);
    // The text form of the tables with the changes queued up to `position` applied (the snapshot
    // worker; its jobs run one after the other, so one thread at a time, and in the order of
    // their positions). A snapshot taken while an earlier one is still being written holds its
    // own state, not the changes queued after it.
    std::string text(std::size_t position);

private:
    std::mutex mutex_;  // guards queued_ and queuedCount_
    std::deque<EditHistory::Change> queued_;
    std::size_t queuedCount_ = 0;                  // changes queued since the mirror was made
    std::size_t appliedCount_ = 0;                 // of them, applied to the tables (the worker's)
    std::shared_ptr<const std::string> fileText_;  // read into the tables by the first text()
    CoordTable add_;
    CoordTable subtracted_;
};

}  // namespace kuvanto
