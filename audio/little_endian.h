#pragma once
// Little-endian integers and ASCII tags in byte buffers, as RIFF/WAVE files hold them.
// The readers require `offset + size <= data.size()`; callers check that first.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace audio {

using ByteBuffer = std::vector<uint8_t>;
using ConstByteSpan = std::span<const uint8_t>;

uint16_t readUInt16LE(ConstByteSpan data, size_t offset);
uint32_t readUInt32LE(ConstByteSpan data, size_t offset);

void appendString(ByteBuffer& bytes, std::string_view ascii);
void appendUInt16LE(ByteBuffer& bytes, uint16_t value);
void appendUInt32LE(ByteBuffer& bytes, uint32_t value);

}  // namespace audio
