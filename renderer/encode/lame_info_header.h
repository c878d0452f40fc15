#pragma once
// The header frame LAME puts before the audio frames of a constant-bit-rate MP3: an "Info"
// tag (frame count, byte count, 100-entry seek table, quality) followed by LAME's extension
// (encoder delay and padding, music length, music CRC, tag CRC). Gapless decoders take the
// exact sample count from it. Pure.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "renderer/encode/mp3_frame.h"

namespace renderer {

// CRC-16 with the reflected polynomial 0xA001 and initial value `crc`, as the header uses.
uint16_t crc16Arc(std::span<const uint8_t> bytes, uint16_t crc = 0);

// True when `frame` of `stream` is such a header frame (its main data starts with "Info" or
// "Xing" and the LAME extension follows).
bool isLameInfoFrame(std::span<const uint8_t> stream, const Mp3Frame& frame);

// What a header frame says about the audio frames after it.
struct LameInfo {
    long long audioFrames = 0;
    int delaySamples = 0;
    int paddingSamples = 0;
};

// Nothing when `frame` is no such header frame or does not count its frames.
std::optional<LameInfo> readLameInfo(std::span<const uint8_t> stream, const Mp3Frame& frame);

// Rewrites the header frame `frames[0]` of `stream` for the audio frames after it, which
// decode to `samplesPerChannel` samples after LAME's start delay of 576: counts, seek table,
// delay and padding, music length and both CRCs. The peak and ReplayGain fields are cleared
// (they described only the audio of one piece). Throws RenderError when frames[0] is no such
// header or the padding does not fit its 12 bits.
void rewriteLameInfoHeader(std::span<uint8_t> stream, const std::vector<Mp3Frame>& frames,
                           long long samplesPerChannel);

inline constexpr int kLameStartDelaySamples = 576;

}  // namespace renderer
