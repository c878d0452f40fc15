#pragma once
// UTF-8 decoding helpers for text that children print and for file names.

#include <cstddef>
#include <string_view>

namespace renderer {

// Length in bytes (1 to 4) of the well-formed UTF-8 sequence that starts at `offset`,
// or 0 when the bytes there are not one (overlong forms, surrogates and values above
// U+10FFFF are not well-formed).
size_t utf8SequenceLength(std::string_view bytes, size_t offset);

// True when every byte of `bytes` belongs to a well-formed UTF-8 sequence.
bool isValidUtf8(std::string_view bytes);

}  // namespace renderer
