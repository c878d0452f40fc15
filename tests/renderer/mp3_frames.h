#pragma once
// Reads the frame headers of an MP3 file held in memory, independently of any decoder.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mp3frames {

// Bit rate in kbps of every MPEG-1 Layer III 44.1 kHz frame, in order: an ID3v2 tag at the
// start is skipped and an ID3v1 tag ("TAG") ends the walk. Nothing when the bytes at the
// end of a frame do not start another such frame.
inline std::optional<std::vector<int>> bitRatesKbps(const std::string& bytes) {
    constexpr int kKbps[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
    size_t offset = 0;
    if (bytes.starts_with("ID3") && bytes.size() >= 10) {  // 10-byte header, syncsafe size
        size_t size = 0;
        for (int k = 6; k < 10; ++k) size = (size << 7) | (static_cast<uint8_t>(bytes[k]) & 0x7F);
        offset = 10 + size;
    }
    std::vector<int> rates;
    while (offset + 4 <= bytes.size() && bytes.compare(offset, 3, "TAG") != 0) {
        const auto byte = [&](size_t k) { return static_cast<uint8_t>(bytes[offset + k]); };
        const bool mpeg1Layer3 = byte(0) == 0xFF && (byte(1) & 0xFE) == 0xFA;
        const bool at44100 = ((byte(2) >> 2) & 0x3) == 0;
        const int kbps = kKbps[byte(2) >> 4];
        if (!mpeg1Layer3 || !at44100 || kbps == 0) return std::nullopt;
        rates.push_back(kbps);
        offset += static_cast<size_t>(144 * kbps * 1000 / 44100 + ((byte(2) >> 1) & 0x1));
    }
    return rates;
}

}  // namespace mp3frames
