// Copies of a coordinate table for the snapshots written in the background. A copy of a table of
// a million rows takes tens of megabytes; made in fresh memory each time, most of its cost is the
// system handing out and clearing pages. The copies are kept and reused once the writer has let
// go of them, so that a snapshot after each typed cell costs a copy into memory already in use.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "core/table/CoordTable.h"

namespace kuvanto {

class SnapshotCopies {
public:
    // A copy of the table that nobody else holds any more, or a new one.
    std::shared_ptr<const CoordTable> copyOf(const CoordTable& table);
    // Lets go of the kept copies (the tables became small).
    void clear() { copies_.clear(); }
    std::size_t kept() const { return copies_.size(); }

    // The writer holds at most two snapshots (the one it writes and one waiting), and one more
    // is being made: three copies cover a burst of edits.
    static constexpr std::size_t kKept = 3;

private:
    std::vector<std::shared_ptr<CoordTable>> copies_;
};

}  // namespace kuvanto
