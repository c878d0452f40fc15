#include "renderer/analysis/zero_crossing.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "renderer/analysis/signal_analysis.h"

namespace renderer {
namespace {

long long radiusFrames(double radiusSeconds) {
    // Bounded before the conversion so that a huge or NaN radius cannot overflow it.
    const double frames = std::trunc(radiusSeconds * targetSampleRate);
    if (!(frames >= 1.0)) return 1;
    return static_cast<long long>(std::min(frames, 1e15));
}

bool isCrossing(double previous, double current) {
    return (previous <= 0.0 && current >= 0.0) || (previous >= 0.0 && current <= 0.0);
}

}  // namespace

long long nearestZeroCrossingFrame(ConstSampleSpan samples, long long targetFrame,
                                   double radiusSeconds) {
    const auto frames = static_cast<long long>(samples.size() / targetChannels);
    if (frames < 2) return 0;

    // Saturating bounds: any target, even the extremes of the type, stays defined.
    const long long radius = radiusFrames(radiusSeconds);
    constexpr long long kLowest = std::numeric_limits<long long>::min();
    const long long lo = targetFrame < kLowest + radius ? 1 : std::max(1LL, targetFrame - radius);
    const long long hi = targetFrame > frames - 2 - radius ? frames - 2 : targetFrame + radius;
    if (lo >= hi) return std::clamp(targetFrame, 0LL, frames - 1);

    long long quietestFrame = lo;
    double quietestLevel = std::numeric_limits<double>::infinity();
    long long bestCrossing = -1;
    long long bestDistance = std::numeric_limits<long long>::max();
    double previous = monoValue(samples, lo - 1);
    for (long long frame = lo; frame <= hi; ++frame) {
        const double current = monoValue(samples, frame);
        if (std::abs(current) < quietestLevel) {
            quietestLevel = std::abs(current);
            quietestFrame = frame;
        }
        if (isCrossing(previous, current)) {
            const long long distance =
                frame > targetFrame ? frame - targetFrame : targetFrame - frame;
            if (distance < bestDistance) {
                bestDistance = distance;
                bestCrossing = frame;
            }
        }
        previous = current;
    }
    return bestCrossing >= 0 ? bestCrossing : quietestFrame;
}

}  // namespace renderer
