// A change of the coordinate tables that becomes one undo step. Every command and every edit that
// changes the tables holds one while it works; when it ends it takes the snapshot (the undo step
// and its snapshot file) if the tables changed while it was held, or if done() says they did,
// and the tables are not recorded as they stand already. A change held inside another ends first
// and takes its own snapshot, so the outer one takes none for the same edit: a command's tables
// are recorded exactly once, whether its work is done by one model function, by several, or by
// a handler that changed the tables itself.
#pragma once

#include "editing/Workspace.h"

namespace kuvanto {

class TableChange {
public:
    explicit TableChange(Workspace& work);
    ~TableChange();
    TableChange(const TableChange&) = delete;
    TableChange& operator=(const TableChange&) = delete;

    // The tables were changed before this change was opened (the cell editor writes its text
    // first, erasing is always a step of its own): the snapshot is taken when it ends.
    void done() { done_ = true; }
    // Ends the change now rather than at the end of its scope; true when it took a snapshot.
    bool end();

private:
    Workspace& work_;
    Workspace::TablesState atStart_;
    bool done_ = false;
    bool ended_ = false;
};

}  // namespace kuvanto
