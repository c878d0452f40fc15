#pragma once
// Room for a whole song in one buffer. Fresh memory reaches the process a page at a time on
// first touch, and on a virtual machine every 4 KiB page can cost microseconds: filling a
// 40 MB buffer took longer than reading the song into it. Where the system offers huge pages
// on request, a large buffer asks for them.

#include <cstddef>
#include <vector>

namespace audio {

// Asks for huge pages for the whole 2 MiB blocks inside [data, data + bytes); does nothing
// for small ranges or where the system refuses. Call before the memory is first touched.
void adviseHugePages(void* data, size_t bytes);

// Reserves room for `count` elements, backed by huge pages where possible.
template <typename Element>
void reserveLargeBuffer(std::vector<Element>& buffer, size_t count) {
    if (count <= buffer.capacity()) return;
    buffer.reserve(count);
    adviseHugePages(buffer.data() + buffer.size(), (count - buffer.size()) * sizeof(Element));
}

}  // namespace audio
