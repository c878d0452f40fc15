#include "audio/little_endian.h"

namespace audio {

uint16_t readUInt16LE(ConstByteSpan data, size_t offset) {
    return static_cast<uint16_t>(data[offset] | (data[offset + 1] << 8));
}

uint32_t readUInt32LE(ConstByteSpan data, size_t offset) {
    return static_cast<uint32_t>(data[offset]) | (static_cast<uint32_t>(data[offset + 1]) << 8) |
           (static_cast<uint32_t>(data[offset + 2]) << 16) |
           (static_cast<uint32_t>(data[offset + 3]) << 24);
}

void appendString(ByteBuffer& bytes, std::string_view ascii) {
    bytes.insert(bytes.end(), ascii.begin(), ascii.end());
}

void appendUInt16LE(ByteBuffer& bytes, uint16_t value) {
    bytes.push_back(static_cast<uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void appendUInt32LE(ByteBuffer& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<uint8_t>(value >> shift));
}

}  // namespace audio
