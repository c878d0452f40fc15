#include "common/uuid.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <random>

namespace common {

std::string makeUuidString() {
    static thread_local std::random_device device;
    std::array<uint8_t, 16> bytes{};
    for (size_t i = 0; i < bytes.size(); i += 4) {
        const uint32_t word = device();
        for (size_t k = 0; k < 4; ++k) bytes[i + k] = static_cast<uint8_t>(word >> (8 * k));
    }
    bytes[6] = static_cast<uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4
    bytes[8] = static_cast<uint8_t>((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant

    std::string text;
    text.reserve(36);
    char hex[3];
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text.push_back('-');
        std::snprintf(hex, sizeof hex, "%02X", bytes[i]);
        text.append(hex);
    }
    return text;
}

}  // namespace common
