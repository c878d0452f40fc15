#pragma once
// The "stutter" at a song's end: its last beat cut into repeats. Every slice replays the start
// of the beat before `endFrame`, for as long as the slice lasts; the slices shorten as the
// beat goes on (stutterSliceBeats), filling exactly one beat, each under 2 ms de-click ramps.
// Slice edges fall on round(beats so far × beat frames). Reads only audio before endFrame
// (where the song runs out, silence). Interleaved stereo in; round(beatSeconds × 44100) frames
// of interleaved stereo float in 16-bit units out (none for a beat that is not above 0). Pure
// and thread-safe.

#include <array>
#include <vector>

#include "renderer/base/constants.h"

namespace renderer {

// Half the beat in eighths, a quarter in sixteenths, the last quarter in thirty-seconds.
inline constexpr std::array<double, 16> stutterSliceBeats{
    1.0 / 8,  1.0 / 8,  1.0 / 8,  1.0 / 8,  1.0 / 16, 1.0 / 16, 1.0 / 16, 1.0 / 16,
    1.0 / 32, 1.0 / 32, 1.0 / 32, 1.0 / 32, 1.0 / 32, 1.0 / 32, 1.0 / 32, 1.0 / 32};

std::vector<float> stutter(ConstSampleSpan song, long long endFrame, double beatSeconds);

}  // namespace renderer
