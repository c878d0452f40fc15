#pragma once
// Moves a cut from its zero crossing to just before the nearest beat: 0 to 25 ms ahead of the
// beat's onset, so the cut never falls into the attack, and on a zero crossing inside that
// window. Pure and thread-safe; never fails.

#include <optional>
#include <span>
#include <string_view>

#include "renderer/base/constants.h"

namespace renderer {

// The longest move, in seconds, whatever the tempo; half a beat is the other bound.
inline constexpr double maximumSnapSeconds = 0.35;
// How far before a beat's onset a snapped cut may lie, in frames (24.99 ms).
inline constexpr long long snapWindowFrames = 1102;

// Why a cut stayed where it was.
inline constexpr std::string_view snapOff = "off";
inline constexpr std::string_view snapNoSteadyBeat = "no steady beat";
inline constexpr std::string_view snapTooFar = "too far";

struct BeatSnap {
    long long frame = 0;             // where the cut lies now
    std::optional<double> tempoBpm;  // of the steady beat around the cut, when there is one
    std::string_view keptBecause;    // empty when the cut moved to the beat
};

// `cutFrame` is the zero-crossing cut in the interleaved stereo `samples`; `beats` the beat
// onsets around it in file seconds, ascending (beat_tracker.h). With no steady beat there, or
// a move longer than half a beat or maximumSnapSeconds, the cut stays at `cutFrame`.
BeatSnap snapToBeat(ConstSampleSpan samples, long long cutFrame, std::span<const double> beats);

}  // namespace renderer
