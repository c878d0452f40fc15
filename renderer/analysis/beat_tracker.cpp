#include "renderer/analysis/beat_tracker.h"

#include <algorithm>
#include <cmath>

#include "dsp/onsets/DetectionFunction.h"
#include "dsp/tempotracking/TempoTrackV2.h"

namespace renderer {
namespace {

constexpr int kStepFrames = 512;  // one detection-function value per step (11.6 ms)
constexpr int kWindowFrames = 1024;
// The first values describe the attack of the stretch itself, not of the music.
constexpr size_t kSettlingValues = 2;
// The tracker lays beats over any stretch, even one without a beat. Where there is one, the
// onset strength on the beats stands well above its median (10 to 25 times on drums); on a
// pad or noise it stays within about 1.5 times.
constexpr double kMinimumBeatSalience = 2.5;

// Mean of the strongest onset within a step of each beat, over the median onset strength.
double beatSalience(const std::vector<double>& onsetStrength,
                    const std::vector<double>& beatSteps) {
    if (beatSteps.empty()) return 0.0;
    const auto last = static_cast<long long>(onsetStrength.size()) - 1;
    double sum = 0.0;
    for (const double beat : beatSteps) {
        const long long step = std::llround(beat);
        double strongest = 0.0;
        for (long long i = std::max(0LL, step - 1); i <= std::min(last, step + 1); ++i) {
            strongest = std::max(strongest, onsetStrength[static_cast<size_t>(i)]);
        }
        sum += strongest;
    }
    std::vector<double> sorted = onsetStrength;
    const auto middle = sorted.begin() + std::ssize(sorted) / 2;
    std::nth_element(sorted.begin(), middle, sorted.end());
    const double mean = sum / static_cast<double>(beatSteps.size());
    return *middle > 0.0 ? mean / *middle : (mean > 0.0 ? kMinimumBeatSalience : 0.0);
}

// The tempo the tracker leans to when the onsets allow two readings. Its own default, 120 BPM,
// took songs of 155 and 175 BPM at half their tempo; dance music centres higher.
constexpr double kPreferredTempoBpm = 130.0;

DFConfig detectionConfig() {
    DFConfig config{};
    config.stepSize = kStepFrames;
    config.frameLength = kWindowFrames;
    config.DFType = DF_COMPLEXSD;
    config.dbRise = 3.0;
    config.adaptiveWhitening = false;
    config.whiteningRelaxCoeff = -1.0;
    config.whiteningFloor = -1.0;
    return config;
}

}  // namespace

std::vector<double> trackBeats(ConstSampleSpan samples, long long firstFrame, long long endFrame) {
    const auto frames = static_cast<long long>(samples.size() / targetChannels);
    firstFrame = std::clamp(firstFrame, 0LL, frames);
    endFrame = std::clamp(endFrame, firstFrame, frames);

    DetectionFunction detection(detectionConfig());
    std::vector<double> window(kWindowFrames);
    std::vector<double> onsetStrength;
    for (long long start = firstFrame; start + kWindowFrames <= endFrame; start += kStepFrames) {
        for (int i = 0; i < kWindowFrames; ++i) {
            const size_t sample = static_cast<size_t>(start + i) * targetChannels;
            window[static_cast<size_t>(i)] =
                (static_cast<double>(samples[sample]) + samples[sample + 1]) / 65536.0;
        }
        onsetStrength.push_back(detection.processTimeDomain(window.data()));
    }
    // The tracker needs a few seconds to settle on a tempo at all.
    if (onsetStrength.size() < kSettlingValues + 2 * targetSampleRate / kStepFrames) return {};
    onsetStrength.erase(onsetStrength.begin(), onsetStrength.begin() + kSettlingValues);

    TempoTrackV2 tracker(static_cast<float>(targetSampleRate), kStepFrames);
    // The tracker writes one beat period per value into a vector of that size.
    std::vector<double> beatPeriods(onsetStrength.size(), 0.0);
    std::vector<double> tempi;
    tracker.calculateBeatPeriod(onsetStrength, beatPeriods, tempi, kPreferredTempoBpm, false);
    std::vector<double> beatSteps;
    tracker.calculateBeats(onsetStrength, beatPeriods, beatSteps);

    if (beatSalience(onsetStrength, beatSteps) < kMinimumBeatSalience) return {};

    std::vector<double> beats;
    beats.reserve(beatSteps.size());
    for (const double step : beatSteps) {
        beats.push_back(static_cast<double>(firstFrame) / targetSampleRate +
                        step * kStepFrames / targetSampleRate + beatTrackerLatencySeconds);
    }
    return beats;
}

}  // namespace renderer
