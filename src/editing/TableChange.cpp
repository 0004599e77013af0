// The one place where the program's changes of the tables become undo steps.
#include "editing/TableChange.h"

namespace kuvanto {

TableChange::TableChange(Workspace& work) : work_(work), atStart_(work.tablesState()) {}

TableChange::~TableChange() {
    end();
}

bool TableChange::end() {
    if (ended_) return false;
    ended_ = true;
    // A snapshot of tables that are recorded already (by a change held inside this one, by undo)
    // would add nothing; one that is due writes its file even when the history finds no step in
    // it, so that the newest snapshot file is always the tables as they stand.
    const bool changed = work_.tablesState() != atStart_ && !work_.tablesRecorded();
    if (!done_ && !changed) return false;
    work_.saveUndo();
    return true;
}

}  // namespace kuvanto
