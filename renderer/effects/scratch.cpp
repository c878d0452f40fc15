#include "renderer/effects/scratch.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "renderer/effects/declick.h"
#include "renderer/effects/effect_frames.h"
#include "renderer/effects/varispeed_read.h"

namespace renderer {

std::vector<float> scratch(ConstSampleSpan song, long long endFrame, double beatSeconds) {
    const long long frames = effectFrames(beatSeconds);
    if (frames == 0) return {};
    const auto beatStart = static_cast<double>(std::max(0LL, endFrame - frames));
    const double strokeFrames = static_cast<double>(frames) / scratchStrokes;
    const double span = scratchStrokeBeats * static_cast<double>(frames);
    std::vector<double> positions(static_cast<size_t>(frames));
    for (long long k = 0; k < frames; ++k) {
        const double strokes = static_cast<double>(k) / strokeFrames;
        const double stroke = std::floor(strokes);
        // Half a cosine: the hand stops at each turn, so the direction changes without a jump.
        const double along = (1.0 - std::cos(std::numbers::pi * (strokes - stroke))) / 2.0;
        const bool forward = static_cast<long long>(stroke) % 2 == 0;
        positions[static_cast<size_t>(k)] = beatStart + span * (forward ? along : 1.0 - along);
    }
    std::vector<float> output = readAlong(songBefore(song, endFrame), positions);
    for (long long k = 0; k < frames; ++k) scaleFrame(output, k, declickGain(k, frames));
    return output;
}

}  // namespace renderer
