#pragma once
// The "backspin" at a song's end: a hand spinning the record back. From `endFrame`, the audio
// before it plays backwards, the speed rising from standstill to 3 times normal in the first
// quarter of `seconds` and easing back to standstill at the end, while the level fades out over
// the second half. Its first frame repeats the song's last frame before endFrame (the record
// caught under the hand), so it continues the cut without a click. Reads only audio before
// endFrame; where the song runs out, it reads silence. Interleaved stereo in;
// round(seconds × 44100) frames of interleaved stereo float in 16-bit units out, not clamped
// (none for a length that is not above 0). Pure and thread-safe.

#include <vector>

#include "renderer/base/constants.h"

namespace renderer {

// The length: two beats of a trusted grid, or this long without one.
inline constexpr double backspinBeats = 2.0;
inline constexpr double backspinSecondsWithoutGrid = 1.0;

std::vector<float> backspin(ConstSampleSpan song, long long endFrame, double seconds);

}  // namespace renderer
