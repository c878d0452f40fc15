#pragma once
// The "scratch" at a song's end: baby scratches of its last beat, the beat before `endFrame`.
// The record moves forward over the first half of that beat and back again, four strokes of a
// quarter beat each (forward, back, forward, back); each stroke starts and ends at standstill
// and peaks at π times normal speed in its middle. Reads only audio before endFrame (where the
// song runs out, silence). Starts and ends on silence through 2 ms ramps. Interleaved stereo in;
// round(beatSeconds × 44100) frames of interleaved stereo float in 16-bit units out, not
// clamped (none for a beat that is not above 0). Pure and thread-safe.

#include <vector>

#include "renderer/base/constants.h"

namespace renderer {

inline constexpr int scratchStrokes = 4;
inline constexpr double scratchStrokeBeats = 0.5;  // of the song's audio that a stroke covers

std::vector<float> scratch(ConstSampleSpan song, long long endFrame, double beatSeconds);

}  // namespace renderer
