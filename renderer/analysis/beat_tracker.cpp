#include "renderer/analysis/beat_tracker.h"

#include <algorithm>
#include <vector>

#include "dsp/tempotracking/TempoTrackV2.h"

namespace renderer {
namespace {

// The tracker works on steps of 11.6 ms: four envelope values summed.
constexpr size_t kValuesPerStep = 4;
// It needs a few seconds to settle on a tempo at all.
constexpr double kShortestSeconds = 4.0;
// The tempo it leans to when the onsets allow two readings; the grid decides the octave on
// evidence afterwards.
constexpr double kLeaningTempoBpm = 120.0;

}  // namespace

double trackedBeatPeriod(const OnsetEnvelope& envelope) {
    const double stepSeconds = envelope.hopSeconds * kValuesPerStep;
    std::vector<double> steps(envelope.strength.size() / kValuesPerStep);
    if (static_cast<double>(steps.size()) * stepSeconds < kShortestSeconds) return 0.0;
    for (size_t i = 0; i < steps.size(); ++i) {
        for (size_t k = 0; k < kValuesPerStep; ++k) {
            steps[i] += envelope.strength[i * kValuesPerStep + k];
        }
    }
    // Steps per second, one step per increment: the tracker reads its tempi in steps.
    TempoTrackV2 tracker(static_cast<float>(1.0 / stepSeconds), 1);
    // The tracker writes one beat period per value into a vector of that size.
    std::vector<double> periods(steps.size(), 0.0);
    std::vector<double> tempi;
    tracker.calculateBeatPeriod(steps, periods, tempi, kLeaningTempoBpm, false);
    std::vector<double> beats;
    tracker.calculateBeats(steps, periods, beats);
    if (beats.size() < 4) return 0.0;
    std::vector<double> intervals;
    for (size_t i = 1; i < beats.size(); ++i) intervals.push_back(beats[i] - beats[i - 1]);
    const auto middle = intervals.begin() + std::ssize(intervals) / 2;
    std::nth_element(intervals.begin(), middle, intervals.end());
    return *middle * stepSeconds;
}

}  // namespace renderer
