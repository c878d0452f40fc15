#pragma once
// A constant-tempo grid fitted to the beats around one moment of a song, when those beats are
// steady enough to trust. Pure and thread-safe; never fails.

#include <optional>
#include <span>

namespace renderer {

struct BeatGrid {
    double anchorSeconds = 0.0;  // a beat onset, in file seconds
    double periodSeconds = 0.0;  // one beat

    double tempoBpm() const { return 60.0 / periodSeconds; }
    // The grid's beat onset nearest to `seconds`.
    double nearestOnset(double seconds) const;
};

// Beats fewer than this around a moment say nothing about its tempo.
inline constexpr int minimumGridBeats = 6;
// How far one beat interval may stray from the median interval, as a fraction of it.
inline constexpr double steadyIntervalTolerance = 0.05;

// Least-squares grid through the up to 8 beats before and 8 from `aroundSeconds` on (`beats`
// ascending, in seconds). None when fewer than minimumGridBeats beats are there, or when any of
// their intervals strays from the median interval by more than steadyIntervalTolerance.
std::optional<BeatGrid> steadyBeatGrid(std::span<const double> beats, double aroundSeconds);

}  // namespace renderer
