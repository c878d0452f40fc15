#pragma once
// In-place level changes on interleaved 16-bit stereo buffers. Every new sample is stored
// through clampInt16; the buffer's length never changes. Never fail; nothing allocates
// except applyGain on a buffer of 65536 samples or more (one 128 KiB table per call).

#include <cstdint>
#include <limits>
#include <vector>

#include "renderer/base/constants.h"

namespace renderer {

// The start frame that means "no ending": every ending effect leaves the buffer alone.
inline constexpr long long noEndingStartFrame = std::numeric_limits<long long>::max();

// Frames of the shortest tail an ending effect will shape: truncate(0.25 s × rate) = 11025.
inline constexpr long long minimumEndingTailFrames =
    static_cast<long long>(targetSampleRate * 0.25);

// Scales every sample by `gain`. A gain that is not above 0 (or NaN) or exactly 1.0
// changes nothing.
void applyGain(SampleSpan samples, double gain);

// What applyGain makes of every 16-bit value v, at index v + 32768 (65536 entries).
std::vector<int16_t> gainTable(double gain);

// Linear de-click ramps of n = min(frames / 2, 176) frames: frame k of the head is scaled
// by k / n (so frame 0 becomes silent), frame k of the last n frames by 1 − k / n (so
// the last frame keeps 1/n). Fewer than 2 frames: nothing changes.
void applyMicroFades(SampleSpan samples);

// Fades linearly from 1.0 at `startFrame` to exactly 0.0 at the last frame and returns the
// fade's length in seconds. Returns 0.0 and changes nothing when the tail would be
// 11025 frames or shorter (noEndingStartFrame always is) or `startFrame` is negative.
double applyFinalFade(SampleSpan samples, long long startFrame);

}  // namespace renderer
