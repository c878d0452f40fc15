#pragma once
// Seconds and sample counts as frames of the renderer's sample form. Pure.

#include <cmath>

#include "renderer/base/constants.h"

namespace renderer {

// round(seconds × 44100), below 0 for a time before 0.
inline long long toFrames(double seconds) { return std::llround(seconds * targetSampleRate); }

// The frames of interleaved stereo audio.
inline long long songFrames(ConstSampleSpan song) {
    return static_cast<long long>(song.size() / targetChannels);
}

}  // namespace renderer
