#pragma once
// The "echo out" at a song's end: its last beat, the beat before `endFrame`, repeated as a
// delay fed with that beat would: four repeats, one per beat, at 0.5, 0.25, 0.125 and 0.0625
// of the song's level (echoOutGains), the last fading linearly to silence. Each repeat sits
// under 2 ms de-click ramps, so the output starts on silence. Meant to play over the next
// song's first beats. Reads only audio before endFrame (where the song has less than a beat,
// the repeats are that much shorter). Interleaved stereo in; 4 × round(beatSeconds × 44100)
// frames of interleaved stereo float in 16-bit units out (none for a beat that is not above
// 0). Pure and thread-safe.

#include <array>
#include <vector>

#include "renderer/base/constants.h"

namespace renderer {

inline constexpr std::array<double, 4> echoOutGains{0.5, 0.25, 0.125, 0.0625};
// The length: a beat a repeat.
inline constexpr double echoOutBeats = static_cast<double>(echoOutGains.size());

std::vector<float> echoOut(ConstSampleSpan song, long long endFrame, double beatSeconds);

}  // namespace renderer
