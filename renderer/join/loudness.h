#pragma once
// How far the songs' loudness is evened out and how high the joined edit may peak. Levels are
// RMS or peak values as fractions of full scale (see signal_analysis.h). Single-threaded.

#include <span>
#include <vector>

namespace renderer {

// Loudness all segments are brought to when none has any level.
inline constexpr double defaultLoudnessTarget = 0.05;
inline constexpr double minimumLevelMatchGain = 0.5;
inline constexpr double maximumLevelMatchGain = 2.0;
// Highest peak the finished edit may have.
inline constexpr double peakCeiling = 0.92;

// The upper median of the RMS values above 0 (the element at count / 2 once sorted), or
// defaultLoudnessTarget when there is none.
double levelMatchTarget(std::span<const double> segmentRMSValues);

// target / rms kept within [minimumLevelMatchGain, maximumLevelMatchGain]; 1.0 (no change)
// when either value is not above 0.
double levelMatchGain(double segmentRMSValue, double target);

// Each segment's levelMatchGain towards the levelMatchTarget of them all.
std::vector<double> levelMatchGains(std::span<const double> segmentRMSValues);

}  // namespace renderer
