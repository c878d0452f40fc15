#pragma once
// Fixed numbers every stage of the renderer shares.

#include <cstdint>
#include <span>

namespace renderer {

inline constexpr int targetSampleRate = 44100;  // frames per second
inline constexpr int targetChannels = 2;
inline constexpr double int16Max = 32767.0;

// Interleaved signed 16-bit stereo: frame f is samples 2f (left) and 2f + 1 (right).
using SampleSpan = std::span<int16_t>;
using ConstSampleSpan = std::span<const int16_t>;

}  // namespace renderer
