#pragma once
// One MPEG-1 Layer III frame as LAME writes it (44.1 kHz, no CRC): where it lies in a stream,
// where its main data area starts, how far back into earlier frames its audio data begins
// (the bit reservoir) and the block type of every granule. Pure; never reads past the bytes
// it is given.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace renderer {

inline constexpr int kSamplesPerMp3Frame = 1152;  // per channel

struct Mp3Frame {
    size_t offset = 0;          // of its 4-byte header in the stream
    size_t size = 0;            // header, side information and main data area
    size_t mainDataOffset = 0;  // first byte after the side information
    int mainDataBegin = 0;      // bytes before mainDataOffset, in earlier main data areas
    int audioDataBits = 0;      // part2_3_length of every granule and channel
    int channels = 2;
    // blockTypes[granule][channel]: 0 long, 1 start, 2 short, 3 stop.
    std::array<std::array<int, 2>, 2> blockTypes{};

    size_t end() const { return offset + size; }
    size_t mainDataSize() const { return end() - mainDataOffset; }
    size_t audioDataBytes() const { return static_cast<size_t>(audioDataBits + 7) / 8; }
};

// The frame whose header starts at `offset`, or nothing when no whole MPEG-1 Layer III frame
// without CRC starts there.
std::optional<Mp3Frame> parseMp3Frame(std::span<const uint8_t> stream, size_t offset);

// Every frame of a stream that holds nothing but frames, back to back from its first byte;
// nothing when anything else is found (a cut-off last frame included).
std::optional<std::vector<Mp3Frame>> parseMp3Frames(std::span<const uint8_t> stream);

// Whether the transform overlap of two granules that follow each other cancels: after a long
// or stop block comes a long or start block, after a start or short block a short or stop.
bool blockTypesMayFollow(int earlier, int later);

}  // namespace renderer
