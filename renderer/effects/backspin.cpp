#include "renderer/effects/backspin.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "renderer/effects/effect_frames.h"
#include "renderer/effects/varispeed_read.h"

namespace renderer {
namespace {

constexpr double kPeakSpeed = 3.0;
// The speed is kScale × u × (1 − u)³ over u in [0, 1]: a quick shove that peaks at u = 1/4
// (where u(1 − u)³ = 27/256) and a long glide out to standstill.
constexpr double kScale = kPeakSpeed * 256.0 / 27.0;
constexpr double kFadeStart = 0.5;

// The integral of u(1 − u)³ from 0 to u.
double travelled(double u) {
    const double rest = 1.0 - u;
    return 1.0 / 20.0 - std::pow(rest, 4) / 4.0 + std::pow(rest, 5) / 5.0;
}

}  // namespace

std::vector<float> backspin(ConstSampleSpan song, long long endFrame, double seconds) {
    const long long frames = effectFrames(seconds);
    if (frames == 0) return {};
    const ConstSampleSpan before = songBefore(song, endFrame);
    const auto lastFrame = static_cast<double>(std::max(0LL, endFrame) - 1);
    const double steps = static_cast<double>(std::max(frames - 1, 1LL));
    std::vector<double> positions(static_cast<size_t>(frames));
    for (long long k = 0; k < frames; ++k) {
        const double u = static_cast<double>(k) / steps;
        positions[static_cast<size_t>(k)] = lastFrame - steps * kScale * travelled(u);
    }
    std::vector<float> output = readAlong(before, positions);
    for (long long k = 0; k < frames; ++k) {
        const double u = static_cast<double>(k) / steps;
        const double fade = std::clamp((1.0 - u) / (1.0 - kFadeStart), 0.0, 1.0);
        scaleFrame(output, k, std::pow(std::sin(std::numbers::pi / 2.0 * fade), 2));
    }
    return output;
}

}  // namespace renderer
