#pragma once
// Finds the beats of a stretch of a song with an onset detection function and a tempo tracker
// (Queen Mary DSP: complex spectral difference, then TempoTrackV2). Pure and thread-safe; never
// fails: a stretch too short to hold a beat, or whose beats do not stand out from the rest of
// its onsets (a pad, speech, noise), gives no beats.

#include <vector>

#include "renderer/base/constants.h"

namespace renderer {

// How much earlier than the true onsets the tracker reports its beats, measured on songs whose
// beats are known; added back to every beat.
inline constexpr double beatTrackerLatencySeconds = 0.022;

// The file times in seconds, ascending, of the beats in frames [firstFrame, endFrame) of the
// interleaved stereo `samples` (clamped to the song), latency corrected.
std::vector<double> trackBeats(ConstSampleSpan samples, long long firstFrame, long long endFrame);

}  // namespace renderer
