// Reuse of snapshot copies: a copy whose only owner is this pool is free again. Copy assignment
// keeps the vectors' and the text's memory when it is large enough, so a reused copy costs one
// memcpy of the table and no page faults.
#include "editing/SnapshotCopies.h"

#include <atomic>

namespace kuvanto {

std::shared_ptr<const CoordTable> SnapshotCopies::copyOf(const CoordTable& table) {
    for (std::shared_ptr<CoordTable>& copy : copies_) {
        if (copy.use_count() != 1) continue;
        // The writer's last reads of the copy happen before its release of the shared pointer;
        // the fence makes them happen before the copy is written again here.
        std::atomic_thread_fence(std::memory_order_acquire);
        *copy = table;
        return copy;
    }
    auto copy = std::make_shared<CoordTable>(table);
    if (copies_.size() < kKept) copies_.push_back(copy);
    return copy;
}

}  // namespace kuvanto
