#pragma once
// The "tape stop" at a song's end: a turntable losing power. From `endFrame` on, the song plays
// on while its speed (and with it its pitch) falls from normal to standstill along a quarter
// cosine over `seconds`; the level fades out over the last quarter, so the output ends at 0.
// Its first frame is the song's frame at endFrame, so it continues the cut without a click.
// Reads only the `seconds` of audio after endFrame (less is read as silence). Interleaved
// stereo in; round(seconds × 44100) frames of interleaved stereo float in 16-bit units out,
// not clamped (none for a length that is not above 0). Pure and thread-safe.

#include <vector>

#include "renderer/base/constants.h"

namespace renderer {

// The length: one beat of a trusted grid, or this long without one.
inline constexpr double tapeStopBeats = 1.0;
inline constexpr double tapeStopSecondsWithoutGrid = 0.6;

std::vector<float> tapeStop(ConstSampleSpan song, long long endFrame, double seconds);

}  // namespace renderer
