#include "renderer/join/join_qc.h"

#include <algorithm>

#include "renderer/analysis/signal_analysis.h"
#include "renderer/base/render_error.h"

namespace renderer {

TransitionCheck measureJoin(ConstSampleSpan output, long long joinFrame, int afterTrack) {
    const auto sampleCount = static_cast<long long>(output.size());
    const long long first = std::min(joinFrame * targetChannels, sampleCount);
    const long long end = std::min((joinFrame + joinCheckFrames) * targetChannels, sampleCount);
    const ConstSampleSpan window =
        output.subspan(static_cast<size_t>(first), static_cast<size_t>(std::max(end - first, 0LL)));
    return TransitionCheck{afterTrack, peakValue(window), segmentRMS(window)};
}

bool isDeadAir(const TransitionCheck& check) {
    return check.rmsFirst020 < deadAirThresholdRMS && check.peakFirst020 < deadAirThresholdPeak;
}

std::vector<TransitionCheck> checkJoins(const FinishedEdit& edit,
                                        std::span<const long long> joinFrames) {
    std::vector<TransitionCheck> checks;
    const auto sampleCount = static_cast<long long>(edit.sampleCount());
    for (size_t j = 0; j < joinFrames.size(); ++j) {
        const long long joinFrame = joinFrames[j];
        // Only the window is read out of the edit.
        const long long first = std::min(joinFrame * targetChannels, sampleCount);
        const long long end = std::min((joinFrame + joinCheckFrames) * targetChannels, sampleCount);
        std::vector<int16_t> window(static_cast<size_t>(end - first));
        edit.copySamples(static_cast<size_t>(first), window);
        checks.push_back(measureJoin(window, 0, static_cast<int>(j) + 1));
    }
    if (std::any_of(checks.begin(), checks.end(), isDeadAir)) {
        throw RenderError(
            "QC rejected a join because the next song entrance looked like dead air.");
    }
    return checks;
}

}  // namespace renderer
