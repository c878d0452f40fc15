#pragma once
// Evening out the songs' loudness and keeping the joined edit below full scale. Levels are
// RMS or peak values as fractions of full scale (see signal_analysis.h). Single-threaded.

#include <cstdint>
#include <span>
#include <vector>

#include "renderer/run/constants.h"

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

// Brings every segment with at least one frame and some level to the common target, then
// joins them back to back. Each segment's memory is released as soon as it is joined.
std::vector<int16_t> joinWithMatchedLevels(std::vector<std::vector<int16_t>> segments);

// Lowers the whole edit so its peak is at most peakCeiling (a quieter edit is left as it
// is) and returns the peak afterwards. Throws RenderError "Rendered audio is silent." for
// an empty edit or one whose peak is 0.
double normalizePeak(SampleSpan samples);

}  // namespace renderer
