// The huge-page advice for large buffers: madvise(MADV_HUGEPAGE) over the 2 MiB-aligned part of
// the buffer, on systems that have it; a no-op elsewhere. A refusal (no transparent huge pages,
// memory not from an anonymous mapping) is of no consequence and is ignored.
#include "core/base/LargeBuffers.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace kuvanto {

void preferHugePages(const void* data, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (data == nullptr || bytes < kLargeBufferBytes) return;
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (begin + bytes) & ~(kHugePage - 1);
    if (last <= first) return;
    ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

}  // namespace kuvanto
