// The copy of both coordinate tables that large undo snapshots are written from. Copying a table
// of a million rows after every typed cell would cost the user tens of milliseconds each time;
// instead the copy is made once (or read by the snapshot worker from the text the tables were
// read from) and then kept equal to the tables by the changes the edit history hands out, which
// cost only the rows they changed. The changes are queued on the interface thread and applied by
// the snapshot worker just before it makes the text, so the interface thread never waits for
// either.
#pragma once

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
    void follow(std::vector<EditHistory::Change> changes);
    // The text form of the tables with every change queued so far applied (the snapshot worker;
    // its jobs run one after the other, so one thread at a time).
    std::string text();

private:
    std::mutex mutex_;  // guards queued_
    std::vector<EditHistory::Change> queued_;
    std::shared_ptr<const std::string> fileText_;  // read into the tables by the first text()
    CoordTable add_;
    CoordTable subtracted_;
};

}  // namespace kuvanto
