#include "renderer/join/loudness.h"

#include <algorithm>
#include <iterator>

#include "renderer/analysis/signal_analysis.h"
#include "renderer/cut/gain_and_ramps.h"
#include "renderer/run/render_error.h"

namespace renderer {

double levelMatchTarget(std::span<const double> segmentRMSValues) {
    std::vector<double> levels;
    std::copy_if(segmentRMSValues.begin(), segmentRMSValues.end(), std::back_inserter(levels),
                 [](double value) { return value > 0.0; });
    if (levels.empty()) return defaultLoudnessTarget;
    std::sort(levels.begin(), levels.end());
    return levels[levels.size() / 2];
}

double levelMatchGain(double segmentRMSValue, double target) {
    if (!(segmentRMSValue > 0.0) || !(target > 0.0)) return 1.0;
    return std::clamp(target / segmentRMSValue, minimumLevelMatchGain, maximumLevelMatchGain);
}

std::vector<int16_t> joinWithMatchedLevels(std::vector<std::vector<int16_t>> segments) {
    std::vector<double> levels;
    size_t totalSamples = 0;
    for (const std::vector<int16_t>& segment : segments) {
        levels.push_back(segmentRMS(segment));
        totalSamples += segment.size();
    }
    const double target = levelMatchTarget(levels);

    std::vector<int16_t> output;
    output.reserve(totalSamples);
    for (size_t i = 0; i < segments.size(); ++i) {
        std::vector<int16_t> segment = std::move(segments[i]);
        if (segment.size() >= 2) applyGain(segment, levelMatchGain(levels[i], target));
        output.insert(output.end(), segment.begin(), segment.end());
    }  // each segment is freed here, before the next one is copied
    return output;
}

double normalizePeak(SampleSpan samples) {
    const double peak = peakValue(samples);
    if (samples.empty() || !(peak > 0.0)) throw RenderError("Rendered audio is silent.");
    if (peak > peakCeiling) applyGain(samples, peakCeiling / peak);
    return peakValue(samples);
}

}  // namespace renderer
