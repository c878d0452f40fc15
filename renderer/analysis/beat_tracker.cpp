#include "renderer/analysis/beat_tracker.h"

#include <algorithm>
#include <cmath>
#include <utility>

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

// The strongest onset within a step of `step`.
double strengthNear(const std::vector<double>& onsetStrength, double step) {
    const auto last = static_cast<long long>(onsetStrength.size()) - 1;
    const long long centre = std::llround(step);
    double strongest = 0.0;
    for (long long i = std::max(0LL, centre - 1); i <= std::min(last, centre + 1); ++i) {
        strongest = std::max(strongest, onsetStrength[static_cast<size_t>(i)]);
    }
    return strongest;
}

double meanStrengthNear(const std::vector<double>& onsetStrength,
                        const std::vector<double>& steps) {
    if (steps.empty()) return 0.0;
    double sum = 0.0;
    for (const double step : steps) sum += strengthNear(onsetStrength, step);
    return sum / static_cast<double>(steps.size());
}

// The mean onset strength on the beats over the median onset strength.
double beatSalience(const std::vector<double>& onsetStrength,
                    const std::vector<double>& beatSteps) {
    std::vector<double> sorted = onsetStrength;
    const auto middle = sorted.begin() + std::ssize(sorted) / 2;
    std::nth_element(sorted.begin(), middle, sorted.end());
    const double mean = meanStrengthNear(onsetStrength, beatSteps);
    return *middle > 0.0 ? mean / *middle : (mean > 0.0 ? kMinimumBeatSalience : 0.0);
}

// The tracker sometimes takes a fast song at half its tempo (170 BPM as 85), on the beats that
// carry the snare. Then the onsets halfway between its beats are kicks, about 0.4 as strong as
// those on them; at a true slow tempo they are off-beat accents, about 0.25 as strong.
constexpr double kFastestDoubledTempoBpm = 180.0;
constexpr double kHalfwayStrengthForDouble = 0.35;

void doubleAHalvedTempo(const std::vector<double>& onsetStrength, std::vector<double>& beatSteps) {
    if (beatSteps.size() < 2) return;
    const double meanPeriodSteps =
        (beatSteps.back() - beatSteps.front()) / static_cast<double>(beatSteps.size() - 1);
    const double doubledBpm = 2.0 * 60.0 * targetSampleRate / (meanPeriodSteps * kStepFrames);
    if (doubledBpm > kFastestDoubledTempoBpm) return;
    std::vector<double> halfway;
    for (size_t i = 1; i < beatSteps.size(); ++i) {
        halfway.push_back((beatSteps[i - 1] + beatSteps[i]) / 2.0);
    }
    if (meanStrengthNear(onsetStrength, halfway) <
        kHalfwayStrengthForDouble * meanStrengthNear(onsetStrength, beatSteps)) {
        return;
    }
    std::vector<double> doubled;
    for (size_t i = 0; i < beatSteps.size(); ++i) {
        doubled.push_back(beatSteps[i]);
        if (i < halfway.size()) doubled.push_back(halfway[i]);
    }
    beatSteps = std::move(doubled);
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
    doubleAHalvedTempo(onsetStrength, beatSteps);

    std::vector<double> beats;
    beats.reserve(beatSteps.size());
    for (const double step : beatSteps) {
        beats.push_back(static_cast<double>(firstFrame) / targetSampleRate +
                        step * kStepFrames / targetSampleRate + beatTrackerLatencySeconds);
    }
    return beats;
}

}  // namespace renderer
