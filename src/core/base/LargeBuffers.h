// Large buffers (a file's text, the numbers and cell spans of a table of a million rows) are
// touched page by page as they are first filled, and on a virtual machine each 4 KiB page fault
// costs several microseconds: filling 50 MB that way takes longer than parsing it. Asking the
// kernel for huge pages on such a buffer before it is first written makes that one fault per
// 2 MiB instead. The request is only advice: where the system has no transparent huge pages it
// changes nothing, and the buffer behaves as any other.
#pragma once

#include <cstddef>

namespace kuvanto {

// Buffers smaller than this are left alone: they would not fill one huge page.
inline constexpr std::size_t kLargeBufferBytes = std::size_t{4} << 20;

// Advises huge pages for the whole pages inside [data, data + bytes) when the range is at least
// kLargeBufferBytes long. Call it after reserving the memory and before writing to it.
void preferHugePages(const void* data, std::size_t bytes);

}  // namespace kuvanto
