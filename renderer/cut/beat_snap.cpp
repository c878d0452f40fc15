#include "renderer/cut/beat_snap.h"

#include <algorithm>
#include <cmath>

#include "renderer/analysis/beat_grid.h"
#include "renderer/analysis/zero_crossing.h"

namespace renderer {
namespace {

// The zero-crossing search spans [centre − radius, centre + radius]: the window before the
// onset, ending two frames short of it (the crossing frame starts the new sign).
constexpr long long kSearchRadiusFrames = (snapWindowFrames - 2) / 2;
constexpr long long kCentreBeforeOnsetFrames = snapWindowFrames - kSearchRadiusFrames;

}  // namespace

BeatSnap snapToBeat(ConstSampleSpan samples, long long cutFrame, std::span<const double> beats) {
    const double cutSeconds = static_cast<double>(cutFrame) / targetSampleRate;
    const std::optional<BeatGrid> grid = steadyBeatGrid(beats, cutSeconds);
    if (!grid) return {cutFrame, std::nullopt, snapNoSteadyBeat};

    // The beat whose window lies nearest the cut.
    const double centreBefore = static_cast<double>(kCentreBeforeOnsetFrames) / targetSampleRate;
    const double onset = grid->nearestOnset(cutSeconds + centreBefore);
    const auto onsetFrame = static_cast<long long>(std::llround(onset * targetSampleRate));
    // The radius is given in seconds and truncated to frames; half a frame more keeps it whole.
    const long long frame = nearestZeroCrossingFrame(
        samples, onsetFrame - kCentreBeforeOnsetFrames,
        (static_cast<double>(kSearchRadiusFrames) + 0.5) / targetSampleRate);

    const double moveSeconds = static_cast<double>(std::abs(frame - cutFrame)) / targetSampleRate;
    if (moveSeconds > std::min(grid->periodSeconds / 2.0, maximumSnapSeconds)) {
        return {cutFrame, grid->tempoBpm(), snapTooFar};
    }
    return {frame, grid->tempoBpm(), {}};
}

}  // namespace renderer
