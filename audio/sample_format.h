#pragma once
// The one sample format every reader converts to: interleaved signed 16-bit stereo at
// targetSampleRate. Frame f is samples 2f (left) and 2f + 1 (right).

#include <cstdint>
#include <span>

namespace audio {

inline constexpr int targetSampleRate = 44100;  // frames per second
inline constexpr int targetChannels = 2;

using SampleSpan = std::span<int16_t>;
using ConstSampleSpan = std::span<const int16_t>;

}  // namespace audio
