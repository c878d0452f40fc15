#include "renderer/cut/beat_snap.h"

#include <algorithm>
#include <cmath>

#include "renderer/analysis/zero_crossing.h"

namespace renderer {
namespace {

// The zero-crossing search spans [centre − radius, centre + radius]: the window before the
// onset, ending two frames short of it (the crossing frame starts the new sign).
constexpr long long kSearchRadiusFrames = (snapWindowFrames - 2) / 2;
constexpr long long kCentreBeforeOnsetFrames = snapWindowFrames - kSearchRadiusFrames;

// The cut just before `onsetSeconds`, when that is no further from `cutFrame` than `reach`.
std::optional<long long> cutBefore(ConstSampleSpan samples, long long cutFrame, double onsetSeconds,
                                   double reachSeconds) {
    const auto onsetFrame = static_cast<long long>(std::llround(onsetSeconds * targetSampleRate));
    // The radius is given in seconds and truncated to frames; half a frame more keeps it whole.
    const long long frame = nearestZeroCrossingFrame(
        samples, onsetFrame - kCentreBeforeOnsetFrames,
        (static_cast<double>(kSearchRadiusFrames) + 0.5) / targetSampleRate);
    const double moveSeconds = static_cast<double>(std::abs(frame - cutFrame)) / targetSampleRate;
    if (moveSeconds > reachSeconds) return std::nullopt;
    return frame;
}

}  // namespace

BeatSnap snapToGrid(ConstSampleSpan samples, long long cutFrame, const SongBeats& beats,
                    SnapUnit unit) {
    if (!beats.grid) return {cutFrame, std::nullopt, snapNoSteadyBeat, {}};
    const BeatGrid& grid = *beats.grid;
    // The onset whose window lies nearest the cut.
    const double centre =
        static_cast<double>(cutFrame + kCentreBeforeOnsetFrames) / targetSampleRate;
    if (unit == SnapUnit::bar && beats.bars) {
        const double bar = grid.periodSeconds * beats.bars->beatsPerBar;
        if (const auto frame = cutBefore(samples, cutFrame, beats.bars->nearestOnset(grid, centre),
                                         std::min(bar / 2.0, maximumBarSnapSeconds))) {
            return {*frame, grid.tempoBpm(), {}, snappedToBar};
        }
    }
    if (const auto frame = cutBefore(samples, cutFrame, grid.nearestOnset(centre),
                                     std::min(grid.periodSeconds / 2.0, maximumSnapSeconds))) {
        return {*frame, grid.tempoBpm(), {}, snappedToBeat};
    }
    return {cutFrame, grid.tempoBpm(), snapTooFar, {}};
}

}  // namespace renderer
