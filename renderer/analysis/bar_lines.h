#pragma once
// Which beat of a trusted grid starts the bars, read over the whole song from several kinds of
// evidence: where the harmony changes (a new chord, a new bass note; only where bars differ from
// each other), where the song hits hardest low down (the kick on the one), which pair of beats
// the kicks fall on (one and three), and where the song's first onset falls (songs and loops
// most often open on their one). Each tells a beat only when it clearly stands out; the bars are
// found when at least two tell and all that tell agree, or, in a loop tiled (a recording that
// repeats itself exactly every few bars), from the opening alone. Pure and thread-safe; never
// fails.

#include "renderer/analysis/beat_grid.h"
#include "renderer/analysis/onset_envelope.h"

namespace renderer {

struct BarEvidence {
    BarLines lines;
    // 0 to 1: how far the chosen beat of the bar stands out from the next best.
    double confidence = 0.0;
};

// Bars of four beats on `grid`, from the interleaved stereo `samples` and the `envelope` the grid
// was found in.
BarEvidence findBarLines(ConstSampleSpan samples, const OnsetEnvelope& envelope,
                         const BeatGrid& grid);

}  // namespace renderer
