#pragma once
// The "echoFade" ending: the tail is replaced by seven decaying repeats of the 0.32 s of
// audio just before it. In place on an interleaved 16-bit stereo buffer; never fails,
// allocates nothing.

#include <array>

#include "renderer/base/constants.h"

namespace renderer {

struct EchoTap {
    double delaySeconds;  // after the start of the tail
    double gain;
};

inline constexpr std::array<EchoTap, 7> echoTaps{{
    {0.0, 0.56},
    {0.42, 0.36},
    {0.88, 0.23},
    {1.38, 0.145},
    {1.95, 0.09},
    {2.6, 0.055},
    {3.3, 0.03},
}};

// Frames before the tail that the echo repeats: truncate(targetSampleRate × 0.32) = 14112.
inline constexpr long long echoSourceFrames = static_cast<long long>(targetSampleRate * 0.32);

// truncate(targetSampleRate × delaySeconds) in double precision: 1.38 s is 60857 frames.
long long echoTapDelayFrames(const EchoTap& tap);

// Replaces frames [startFrame, end) with the taps' repeats of the source — the up to
// 14112 frames before startFrame, tilted from 1.0 down to 0.78 across its length — under
// the envelope (1 − k / (tail − 1))^1.3. Returns the tail's length in seconds. Returns
// 0.0 and changes nothing for a tail of 11025 frames or fewer (noEndingStartFrame always
// is) or a negative start; a source of 3528 frames or fewer falls back to
// applyFinalFade and returns its result.
double applyEchoFade(SampleSpan samples, long long startFrame);

}  // namespace renderer
