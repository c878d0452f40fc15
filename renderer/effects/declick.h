#pragma once
// The de-click ramps of an effect's pieces that start or end inside a waveform: linear, 2 ms
// (88 frames) long, or half the piece when it is shorter. Pure and thread-safe.

#include "renderer/base/constants.h"

namespace renderer {

inline constexpr long long declickFrames = static_cast<long long>(targetSampleRate * 0.002);

// The gain of frame `frame` of a piece `frames` long: k / n over its first n frames and
// (frames − 1 − k) / n over its last n, so its first and last frames are silent; 1 between.
double declickGain(long long frame, long long frames);

}  // namespace renderer
