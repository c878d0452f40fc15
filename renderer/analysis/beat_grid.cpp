#include "renderer/analysis/beat_grid.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace renderer {
namespace {

constexpr std::ptrdiff_t kBeatsEachSide = 8;

}  // namespace

double BeatGrid::nearestOnset(double seconds) const {
    return anchorSeconds + periodSeconds * std::round((seconds - anchorSeconds) / periodSeconds);
}

std::optional<BeatGrid> steadyBeatGrid(std::span<const double> beats, double aroundSeconds) {
    const auto next = std::lower_bound(beats.begin(), beats.end(), aroundSeconds);
    const std::span<const double> near(
        std::max(beats.begin(), next - std::min(kBeatsEachSide, next - beats.begin())),
        next + std::min(kBeatsEachSide, beats.end() - next));
    if (std::ssize(near) < minimumGridBeats) return std::nullopt;

    std::vector<double> intervals;
    for (size_t i = 1; i < near.size(); ++i) intervals.push_back(near[i] - near[i - 1]);
    std::vector<double> sorted = intervals;
    std::nth_element(sorted.begin(), sorted.begin() + std::ssize(sorted) / 2, sorted.end());
    const double median = sorted[sorted.size() / 2];
    if (!(median > 0.0)) return std::nullopt;
    for (const double interval : intervals) {
        if (std::abs(interval - median) > steadyIntervalTolerance * median) return std::nullopt;
    }

    // Each beat's place on the grid is its index; the fit averages the tracker's step-sized
    // jitter out of both the period and the phase.
    const double n = static_cast<double>(near.size());
    double sumIndex = 0.0, sumTime = 0.0, sumIndexIndex = 0.0, sumIndexTime = 0.0;
    for (size_t i = 0; i < near.size(); ++i) {
        const auto index = static_cast<double>(i);
        sumIndex += index;
        sumTime += near[i];
        sumIndexIndex += index * index;
        sumIndexTime += index * near[i];
    }
    const double period =
        (n * sumIndexTime - sumIndex * sumTime) / (n * sumIndexIndex - sumIndex * sumIndex);
    return BeatGrid{(sumTime - period * sumIndex) / n, period};
}

}  // namespace renderer
