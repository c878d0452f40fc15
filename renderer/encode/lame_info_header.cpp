#include "renderer/encode/lame_info_header.h"

#include <algorithm>
#include <array>
#include <string>

#include "renderer/base/render_error.h"

namespace renderer {
namespace {

enum InfoFlags : uint32_t { kFrameCount = 1, kByteCount = 2, kSeekTable = 4, kQuality = 8 };
constexpr size_t kSeekTableEntries = 100;

uint32_t readBigEndian32(std::span<const uint8_t> bytes, size_t at) {
    return (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) |
           (uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
}

void writeBigEndian(std::span<uint8_t> bytes, size_t at, uint32_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) {
        bytes[at + static_cast<size_t>(i)] =
            static_cast<uint8_t>(value >> (8 * (byteCount - 1 - i)));
    }
}

// Where the LAME extension starts, counted from the frame's first byte.
size_t lameExtensionOffset(std::span<const uint8_t> stream, const Mp3Frame& frame) {
    const size_t tag = frame.mainDataOffset - frame.offset;
    const uint32_t flags = readBigEndian32(stream, frame.mainDataOffset + 4);
    size_t at = tag + 8;
    if (flags & kFrameCount) at += 4;
    if (flags & kByteCount) at += 4;
    if (flags & kSeekTable) at += kSeekTableEntries;
    if (flags & kQuality) at += 4;
    return at;
}

constexpr size_t kDelayAndPadding = 21;  // within the LAME extension
constexpr size_t kPeak = 11;
constexpr size_t kReplayGainEnd = 19;
constexpr size_t kMusicLength = 28;
constexpr size_t kMusicCrc = 32;
constexpr size_t kTagCrc = 34;
constexpr size_t kExtensionSize = 36;

}  // namespace

uint16_t crc16Arc(std::span<const uint8_t> bytes, uint16_t crc) {
    // One table look-up a byte: the music CRC covers the whole edit.
    static constexpr std::array<uint16_t, 256> table = [] {
        std::array<uint16_t, 256> entries{};
        for (unsigned byte = 0; byte < 256; ++byte) {
            auto value = static_cast<uint16_t>(byte);
            for (int bit = 0; bit < 8; ++bit) {
                value = (value & 1) ? static_cast<uint16_t>((value >> 1) ^ 0xA001) : (value >> 1);
            }
            entries[byte] = value;
        }
        return entries;
    }();
    for (const uint8_t byte : bytes) {
        crc = static_cast<uint16_t>((crc >> 8) ^ table[(crc ^ byte) & 0xFF]);
    }
    return crc;
}

bool isLameInfoFrame(std::span<const uint8_t> stream, const Mp3Frame& frame) {
    if (frame.mainDataOffset + 8 > frame.end()) return false;
    const std::string tag(stream.begin() + static_cast<std::ptrdiff_t>(frame.mainDataOffset),
                          stream.begin() + static_cast<std::ptrdiff_t>(frame.mainDataOffset + 4));
    if (tag != "Info" && tag != "Xing") return false;
    return frame.offset + lameExtensionOffset(stream, frame) + kExtensionSize <= frame.end();
}

std::optional<LameInfo> readLameInfo(std::span<const uint8_t> stream, const Mp3Frame& frame) {
    if (!isLameInfoFrame(stream, frame)) return std::nullopt;
    if (!(readBigEndian32(stream, frame.mainDataOffset + 4) & kFrameCount)) return std::nullopt;
    const size_t delayAndPadding =
        frame.offset + lameExtensionOffset(stream, frame) + kDelayAndPadding;
    const uint32_t packed = (uint32_t{stream[delayAndPadding]} << 16) |
                            (uint32_t{stream[delayAndPadding + 1]} << 8) |
                            stream[delayAndPadding + 2];
    return LameInfo{readBigEndian32(stream, frame.mainDataOffset + 8),
                    static_cast<int>(packed >> 12), static_cast<int>(packed & 0xFFF)};
}

void rewriteLameInfoHeader(std::span<uint8_t> stream, const std::vector<Mp3Frame>& frames,
                           long long samplesPerChannel) {
    if (frames.empty() || !isLameInfoFrame(stream, frames[0])) {
        throw RenderError("The encoded edit has no LAME header frame.");
    }
    const Mp3Frame& header = frames[0];
    const auto audioFrames = static_cast<long long>(frames.size() - 1);
    const long long padding =
        audioFrames * kSamplesPerMp3Frame - kLameStartDelaySamples - samplesPerChannel;
    if (padding < 0 || padding > 0xFFF) {
        throw RenderError("The encoded edit's frames do not hold its samples.");
    }
    const size_t byteCount = frames.back().end() - header.offset;
    const std::span<uint8_t> frame = stream.subspan(header.offset, header.size);
    const uint32_t flags = readBigEndian32(frame, header.mainDataOffset - header.offset + 4);
    size_t at = header.mainDataOffset - header.offset + 8;
    if (flags & kFrameCount) {
        writeBigEndian(frame, at, static_cast<uint32_t>(audioFrames), 4);
        at += 4;
    }
    if (flags & kByteCount) {
        writeBigEndian(frame, at, static_cast<uint32_t>(byteCount), 4);
        at += 4;
    }
    if (flags & kSeekTable) {
        // Entry i: where the frame i % into the audio starts, in 256ths of the byte count.
        for (size_t i = 0; i < kSeekTableEntries; ++i) {
            const size_t target = static_cast<size_t>(audioFrames) * i / kSeekTableEntries;
            const size_t position = frames[1 + target].offset - header.offset;
            frame[at + i] = static_cast<uint8_t>(std::min<size_t>(255, position * 256 / byteCount));
        }
    }
    const size_t lame = lameExtensionOffset(stream, header);
    std::fill(frame.begin() + static_cast<std::ptrdiff_t>(lame + kPeak),
              frame.begin() + static_cast<std::ptrdiff_t>(lame + kReplayGainEnd), 0);
    writeBigEndian(frame, lame + kDelayAndPadding,
                   (uint32_t{kLameStartDelaySamples} << 12) | static_cast<uint32_t>(padding), 3);
    writeBigEndian(frame, lame + kMusicLength, static_cast<uint32_t>(byteCount), 4);
    const uint16_t musicCrc =
        crc16Arc(std::span<const uint8_t>(stream).subspan(header.end(), byteCount - header.size));
    writeBigEndian(frame, lame + kMusicCrc, musicCrc, 2);
    writeBigEndian(frame, lame + kTagCrc, crc16Arc(frame.first(lame + kTagCrc)), 2);
}

}  // namespace renderer
