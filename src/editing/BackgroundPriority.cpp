// The lower priority of background threads: a nice value of 10 for the calling thread on Linux,
// where it weighs about a tenth of the interface thread's share of a busy core.
#include "editing/BackgroundPriority.h"

#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace kuvanto {

void lowerThreadPriority() {
#if defined(__linux__)
    // A refusal (a sandbox that forbids it) leaves the thread as it was, which is harmless.
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 10);
#endif
}

}  // namespace kuvanto
