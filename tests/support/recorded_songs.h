#pragma once
// Real recordings from Debian packages whose beats and bar lines are known apart from our analysis:
// game songs from their charts' tempo maps, sample loops from their lengths, and beatless pads and
// speech. The truth files in tests/renderer/analysis/recorded_beats are written by
// tools/recorded_beats/derive_truth.py, which also checked each grid against the audio's onsets;
// the audio itself stays in its package and is made here with ffmpeg when a test asks for it.

#include <string>
#include <vector>

#include "tests/support/generated_audio.h"
#include "tests/support/test_files.h"

namespace testsupport {

enum class RecordingKind { song, loop, module, beatless };

struct Recording {
    std::string name;
    RecordingKind kind = RecordingKind::song;
    std::string package;
    double tempoBpm = 0.0;  // 0 when beatless or changing
    bool constantTempo = false;
    int beatsPerBar = 4;        // 0 when beatless
    std::vector<double> beats;  // true beat onsets, seconds in the loaded audio
    std::vector<double> bars;   // true bar lines, seconds; a subset of beats
    // Whether the audio bears the bar lines out (the loudest low band falls on them, or the
    // bar line is a loop's first sample). Unconfirmed ones are the chart's or module's own:
    // right for the musicians, but not shown by the sound, as where a kick falls on every beat.
    bool barsConfirmed = false;
    // The package files the audio is made from, in mixing or joining order.
    std::vector<std::string> sources;
    // The length in seconds of the audio `beats` describe: the song, the pass of a loop, the
    // pad or the joined speech. Loops' beats and bars are given for kLoopSeconds of tiled passes.
    double lengthSeconds = 0.0;
    int loopBeats = 0;          // loops: beats in one pass
    double pauseSeconds = 0.0;  // joined speech: silence between its files
};

// Loops are tiled to whole passes of about this long, the length their beats are listed for.
inline constexpr double kLoopSeconds = 60.0;
// Passes of a loop tiled to about `seconds` (at least one).
int loopPasses(const Recording& loop, double seconds);

// Whether `seconds` lies 0 to 25 ms before one of the sorted true `onsets` (a beat, a bar line).
bool justBefore(const std::vector<double>& onsets, double seconds);
// Signed seconds from the true onset nearest to `seconds` to `seconds`.
double offsetFromNearest(const std::vector<double>& onsets, double seconds);

// Every truth file of that kind, sorted by name. Throws std::runtime_error on a malformed file.
std::vector<Recording> recordings(RecordingKind kind);
std::vector<Recording> recordings();  // all kinds

// The recording's audio as the tests use it: 44100 Hz interleaved stereo int16, made with the
// ffmpeg command line from the package files (stems mixed, loops tiled to about `seconds` in
// whole passes, speech joined with its pauses, anything longer cut to its first `seconds`), with
// `folder` for ffmpeg's output. When a package file is missing, `samples` is empty and `missing`
// says what to install, for GTEST_SKIP() << missing. Throws std::runtime_error when ffmpeg fails.
struct RecordingAudio {
    Samples samples;
    std::string missing;
};
RecordingAudio loadRecordingAudio(const Recording& recording, const TemporaryFolder& folder,
                                  double seconds);

}  // namespace testsupport
