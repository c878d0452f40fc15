#include "audio/large_buffer.h"

#include <sys/mman.h>

#include <cstdint>

namespace audio {
namespace {

constexpr uintptr_t kHugePageBytes = uintptr_t{2} << 20;

}  // namespace

void adviseHugePages(void* data, size_t bytes) {
    const auto start = reinterpret_cast<uintptr_t>(data);
    const uintptr_t first = (start + kHugePageBytes - 1) & ~(kHugePageBytes - 1);
    const uintptr_t end = (start + bytes) & ~(kHugePageBytes - 1);
    if (end <= first) return;
    // Only advice: a system without huge pages keeps the buffer as it is.
    ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

}  // namespace audio
