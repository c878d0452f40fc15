#pragma once
// Songs whose beats are known to the sample: a kick on every beat, a snare on every second,
// a hi-hat between beats and a chord under it all, after a short silence. `beatSeconds` holds
// the file time of every kick's first sample. Deterministic; 44.1 kHz stereo.

#include <vector>

#include "tests/support/generated_audio.h"

namespace testsupport {

struct BeatSong {
    Samples samples;
    std::vector<double> beatSeconds;
};

// `tempoBpm` at the start, gliding linearly to `endTempoBpm` at the end (the same by default);
// the first beat falls `firstBeatSeconds` into the file, after silence.
BeatSong beatSong(double seconds, double tempoBpm, double firstBeatSeconds,
                  double endTempoBpm = 0.0);

// Slowly swelling chords with no attack and no beat.
Samples beatlessPad(double seconds);

}  // namespace testsupport
