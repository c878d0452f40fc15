#pragma once
// Moves a cut from its zero crossing to just before the nearest beat or bar line of its song's
// grid: 0 to 25 ms ahead of the onset, so the cut never falls into the attack, and on a zero
// crossing inside that window. Pure and thread-safe; never fails.

#include <optional>
#include <string_view>

#include "renderer/analysis/beat_grid.h"
#include "renderer/base/constants.h"

namespace renderer {

// The longest move onto a beat, in seconds, whatever the tempo; half a beat is the other bound.
inline constexpr double maximumSnapSeconds = 0.35;
// The longest move onto a bar line; half a bar is the other bound.
inline constexpr double maximumBarSnapSeconds = 1.2;
// How far before a beat's onset a snapped cut may lie, in frames (24.99 ms).
inline constexpr long long snapWindowFrames = 1102;

// What a cut may move to.
enum class SnapUnit { beat, bar };

// Why a cut stayed where it was.
inline constexpr std::string_view snapOff = "off";
inline constexpr std::string_view snapNoSteadyBeat = "no steady beat";
inline constexpr std::string_view snapTooFar = "too far";
// What a moved cut lies just before.
inline constexpr std::string_view snappedToBeat = "beat";
inline constexpr std::string_view snappedToBar = "bar";

struct BeatSnap {
    long long frame = 0;             // where the cut lies now
    std::optional<double> tempoBpm;  // of the song's grid, when it has a trusted one
    std::string_view keptBecause;    // empty when the cut moved
    std::string_view snappedTo;      // "beat" or "bar" when it moved
};

// `cutFrame` is the zero-crossing cut in the interleaved stereo `samples`; `beats` the song's
// analysis (beat_grid.h). Without a trusted grid, or with a move longer than the bounds, the cut
// stays at `cutFrame`. A bar line asked for where the bars are not trusted, or lie too far,
// gives the beat instead.
BeatSnap snapToGrid(ConstSampleSpan samples, long long cutFrame, const SongBeats& beats,
                    SnapUnit unit);

}  // namespace renderer
