#include "renderer/analysis/signal_analysis.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace renderer {

double monoValue(ConstSampleSpan samples, long long frame) {
    if (frame < 0) return 0.0;
    const auto left = static_cast<size_t>(frame) * targetChannels;
    if (left + 1 >= samples.size()) return 0.0;
    return (static_cast<double>(samples[left]) + samples[left + 1]) * 0.5;
}

double frameRMS(ConstSampleSpan samples, long long firstFrame, long long frameCount) {
    const auto frames = static_cast<long long>(samples.size() / targetChannels);
    if (firstFrame < 0 || frameCount <= 0 || firstFrame >= frames) return 0.0;
    const long long end = firstFrame + std::min(frameCount, frames - firstFrame);
    double sum = 0.0;
    for (long long frame = firstFrame; frame < end; ++frame) {
        const double value = monoValue(samples, frame) / int16Max;
        sum += value * value;
    }
    return std::sqrt(sum / static_cast<double>(end - firstFrame));
}

double segmentRMS(ConstSampleSpan samples) {
    const size_t pairs = samples.size() / 2;
    if (pairs == 0) return 0.0;
    double sum = 0.0;
    for (size_t pair = 0; pair < pairs; ++pair) {
        const double mono = (static_cast<double>(samples[2 * pair]) + samples[2 * pair + 1]) * 0.5;
        const double value = mono / int16Max;
        sum += value * value;
    }
    return std::sqrt(sum / static_cast<double>(pairs));
}

double peakValue(ConstSampleSpan samples) {
    // The division is monotonic, so the largest integer magnitude gives the same answer
    // as dividing every sample, and the integer maximum vectorises.
    int largest = 0;
    for (const int16_t sample : samples) largest = std::max(largest, std::abs(int{sample}));
    return largest / int16Max;
}

}  // namespace renderer
