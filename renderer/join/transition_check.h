#pragma once
// The measured entrance of one join: peak and RMS of the next song's first 0.20 s in the
// finished edit, as fractions of full scale (÷ 32767), and when it counts as dead air.

namespace renderer {

// A join is dead air when both values of its first 0.20 s are below these.
inline constexpr double deadAirThresholdPeak = 0.005;
inline constexpr double deadAirThresholdRMS = 0.0018;

struct TransitionCheck {
    int afterTrack = 0;  // 1-based number of the song that ends at the join
    double peakFirst020 = 0.0;
    double rmsFirst020 = 0.0;
};

}  // namespace renderer
