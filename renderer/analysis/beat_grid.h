#pragma once
// A song's beat grid: one tempo and one phase for the whole song, found with evidence from all
// of it, and trusted only when the song's onsets keep to it from one stretch to the next and
// each half of the song keeps its tempo. Pads,
// speech, ambient sound and songs whose tempo drifts get no grid. Pure and thread-safe; never
// fails.

#include <optional>

#include "renderer/base/constants.h"

namespace renderer {

struct BeatGrid {
    double anchorSeconds = 0.0;  // a beat onset, in file seconds
    double periodSeconds = 0.0;  // one beat

    double tempoBpm() const { return 60.0 / periodSeconds; }
    // The grid's beat onset nearest to `seconds`.
    double nearestOnset(double seconds) const;
};

// Where a trusted grid's bars start.
struct BarLines {
    double firstDownbeatSeconds = 0.0;  // file seconds, a beat of the grid
    int beatsPerBar = 4;

    // The bar line nearest to `seconds` on `grid`.
    double nearestOnset(const BeatGrid& grid, double seconds) const;
};

// What the analysis of one song found. The confidences and the tempo are measured on every song
// with enough sound; `grid` and `bars` are there only when their confidence reaches
// trustedConfidence.
struct SongBeats {
    std::optional<BeatGrid> grid;
    std::optional<BarLines> bars;
    double confidence = 0.0;        // 0 to 1, of the grid
    double barConfidence = 0.0;     // 0 to 1, of the bar lines; 0 without a trusted grid
    double tempoBpm = 0.0;          // the best constant tempo found, 0 when none could be measured
    double firstBeatSeconds = 0.0;  // of a trusted grid: its first beat from the analysed start
};

// A grid, and bars on it, are trusted from this confidence on.
inline constexpr double trustedConfidence = 0.5;

// The beats of frames [firstFrame, endFrame) of the interleaved stereo `samples` (clamped to the
// song): pass the song from its first note on, so that silence before it is not analysed.
SongBeats analyseSongBeats(ConstSampleSpan samples, long long firstFrame, long long endFrame);

}  // namespace renderer
