#include "renderer/effects/tape_stop.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "renderer/effects/effect_frames.h"
#include "renderer/effects/varispeed_read.h"

namespace renderer {
namespace {

// The level falls over this last part of the stop: by then the pitch is low enough that a
// fade is what a listener expects, and it ends on silence instead of a held sample.
constexpr double kFadeShare = 0.25;

}  // namespace

std::vector<float> tapeStop(ConstSampleSpan song, long long endFrame, double seconds) {
    const long long frames = effectFrames(seconds);
    if (frames == 0) return {};
    const long long start = std::max(0LL, endFrame);
    // Speed cos(πu/2) over u = k / (frames − 1) in [0, 1]: it leaves normal speed without a
    // kink and reaches standstill on the last frame; the read position is its integral.
    const double steps = static_cast<double>(std::max(frames - 1, 1LL));
    std::vector<double> positions(static_cast<size_t>(frames));
    for (long long k = 0; k < frames; ++k) {
        const double u = static_cast<double>(k) / steps;
        positions[static_cast<size_t>(k)] =
            static_cast<double>(start) +
            steps * 2.0 / std::numbers::pi * std::sin(std::numbers::pi / 2.0 * u);
    }
    std::vector<float> output = readAlong(songBefore(song, start + frames), positions);
    for (long long k = 0; k < frames; ++k) {
        const double u = static_cast<double>(k) / steps;
        const double fade = std::min(1.0, (1.0 - u) / kFadeShare);
        scaleFrame(output, k, std::sin(std::numbers::pi / 2.0 * fade));
    }
    return output;
}

}  // namespace renderer
