// Cuts on the beat: the grid read from the tracked beats, where a snapped cut lands against the
// beats a generated song really has, and when a cut must stay where it is.

#include "renderer/cut/beat_snap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "audio/wav_file.h"
#include "renderer/analysis/beat_grid.h"
#include "renderer/analysis/beat_tracker.h"
#include "renderer/cut/song_cut.h"
#include "tests/support/beat_songs.h"
#include "tests/support/test_files.h"

namespace renderer {
namespace {

using testsupport::BeatSong;

constexpr double kRate = 44100.0;

// Seconds from `cutSeconds` to the first true beat at or after it.
double secondsBeforeNextBeat(const std::vector<double>& beats, double cutSeconds) {
    const auto next = std::lower_bound(beats.begin(), beats.end(), cutSeconds);
    return next == beats.end() ? 1e9 : *next - cutSeconds;
}

bool justBeforeABeat(const std::vector<double>& beats, double cutSeconds) {
    const double ahead = secondsBeforeNextBeat(beats, cutSeconds);
    return ahead >= 0.0 && ahead <= 0.025;
}

std::vector<double> steadyBeats(double firstSeconds, double periodSeconds, int count) {
    std::vector<double> beats;
    for (int i = 0; i < count; ++i) beats.push_back(firstSeconds + i * periodSeconds);
    return beats;
}

// How many cuts moved, and how far each moved one lies before the next true beat.
struct SnapTally {
    int cuts = 0;
    std::vector<double> aheads;  // seconds, of the moved cuts

    void add(const std::vector<double>& trueBeats, double cutSeconds, bool moved) {
        ++cuts;
        if (moved) aheads.push_back(secondsBeforeNextBeat(trueBeats, cutSeconds));
    }
    // The share of moved cuts 0..25 ms before a true beat, printed with the median and 95th
    // percentile of how far before it they lie.
    double report(const std::string& what) {
        if (aheads.empty()) return 0.0;
        std::sort(aheads.begin(), aheads.end());
        const double share =
            static_cast<double>(std::upper_bound(aheads.begin(), aheads.end(), 0.025) -
                                aheads.begin()) /
            std::ssize(aheads);
        std::cout << what << ": moved " << aheads.size() << " of " << cuts << " cuts; "
                  << share * 100 << " % lie 0..25 ms before a true beat; median "
                  << aheads[aheads.size() / 2] * 1000 << " ms, 95th percentile "
                  << aheads[aheads.size() * 95 / 100] * 1000 << " ms before it\n";
        return share;
    }
};

TEST(BeatGrid, FitsSteadyBeatsThroughTheirJitterAndRefusesUnsteadyOnes) {
    // 128 BPM with the tracker's step-sized jitter: the fit lands far closer than a step.
    std::vector<double> jittery = steadyBeats(10.0, 60.0 / 128, 40);
    for (size_t i = 0; i < jittery.size(); ++i) jittery[i] += (i % 3 == 0 ? 0.0058 : -0.0029);
    const std::optional<BeatGrid> grid = steadyBeatGrid(jittery, 20.0);
    ASSERT_TRUE(grid);
    EXPECT_NEAR(grid->tempoBpm(), 128.0, 0.3);
    const double trueOnset = 10.0 + std::round((20.0 - 10.0) / (60.0 / 128)) * (60.0 / 128);
    EXPECT_NEAR(grid->nearestOnset(20.0), trueOnset, 0.003);

    // A beat 8 % late among the 16 around the cut; a beat skipped; too few beats.
    std::vector<double> late = steadyBeats(10.0, 0.5, 40);
    late[20] += 0.04;
    EXPECT_FALSE(steadyBeatGrid(late, 20.0));
    EXPECT_TRUE(steadyBeatGrid(late, 30.0)) << "a stray beat far from the cut does not count";
    std::vector<double> skipped = steadyBeats(10.0, 0.5, 40);
    skipped.erase(skipped.begin() + 19);
    EXPECT_FALSE(steadyBeatGrid(skipped, 19.6));
    EXPECT_FALSE(steadyBeatGrid(steadyBeats(10.0, 0.5, minimumGridBeats - 1), 11.0));
    EXPECT_TRUE(steadyBeatGrid(steadyBeats(10.0, 0.5, minimumGridBeats), 11.0));
}

TEST(BeatSnap, MovesWithinHalfABeatAndAtMostAThirdOfASecond) {
    // 70 BPM: half a beat (0.43 s) is more than the 0.35 s a cut may move.
    const BeatSong song = testsupport::beatSong(30.0, 70.0, 1.0);
    const double period = 60.0 / 70.0;
    const double beat = song.beatSeconds[10];
    const auto frameAt = [](double seconds) { return std::llround(seconds * kRate); };

    const BeatSnap after = snapToBeat(song.samples, frameAt(beat + 0.2), song.beatSeconds);
    EXPECT_EQ(after.keptBecause, "");
    ASSERT_TRUE(after.tempoBpm);
    EXPECT_NEAR(*after.tempoBpm, 70.0, 0.1);
    EXPECT_TRUE(justBeforeABeat(song.beatSeconds, after.frame / kRate)) << after.frame;
    EXPECT_LT(after.frame / kRate, beat);

    const long long midway = frameAt(beat + 0.45 * period);
    const BeatSnap tooFar = snapToBeat(song.samples, midway, song.beatSeconds);
    EXPECT_EQ(tooFar.keptBecause, snapTooFar);
    EXPECT_EQ(tooFar.frame, midway);
    EXPECT_TRUE(tooFar.tempoBpm);

    const BeatSnap none = snapToBeat(song.samples, midway, {});
    EXPECT_EQ(none.keptBecause, snapNoSteadyBeat);
    EXPECT_EQ(none.frame, midway);
    EXPECT_FALSE(none.tempoBpm);
}

TEST(BeatSnap, ABeatlessSongKeepsItsCuts) {
    const testsupport::Samples pad = testsupport::beatlessPad(40.0);
    EXPECT_TRUE(trackBeats(pad, 0, 30 * 44100).empty());
    const TrackJob track{"/pad.wav", "", "0:05.3", "0:31.7", ""};
    const EndingPlan plan{common::FinalEndingEffect::fade, common::normalFadeTailSeconds};
    const SongCut plain = cutSong(pad, track, 1, 1, plan);
    const SongCut snapped = cutSong(pad, track, 1, 1, plan, true);
    EXPECT_EQ(snapped.segment, plain.segment);
    EXPECT_EQ(snapped.analysis.beatSnap.start.keptBecause, snapNoSteadyBeat);
    EXPECT_EQ(snapped.analysis.beatSnap.end.keptBecause, snapNoSteadyBeat);
    EXPECT_EQ(plain.analysis.beatSnap.start.keptBecause, snapOff);
}

// Songs from 90 to 175 BPM in several phases, one whose tempo drifts, each cut at typed times
// that fall between beats. Prints the share of snapped cuts within 25 ms before a true beat and
// the median and 95th percentile of how far before it they lie.
TEST(BeatSnap, SnappedCutsLieJustBeforeATrueBeat) {
    struct Case {
        double tempoBpm, firstBeatSeconds, endTempoBpm;
    };
    const Case cases[] = {{90, 1.00, 0},  {97.5, 1.13, 0}, {104, 1.31, 0},  {112, 1.07, 0},
                          {124, 1.21, 0}, {128, 1.44, 0},  {138, 1.02, 0},  {150, 1.37, 0},
                          {163, 1.18, 0}, {175, 1.26, 0},  {118, 1.09, 130}};
    const char* const typedTimes[][2] = {{"0:02.37", "0:09.71"}, {"0:13.05", "0:41.52"}};
    SnapTally tally;
    for (const Case& c : cases) {
        const BeatSong song =
            testsupport::beatSong(50.0, c.tempoBpm, c.firstBeatSeconds, c.endTempoBpm);
        for (const auto& times : typedTimes) {
            const std::string where = std::to_string(c.tempoBpm) + " BPM, " + times[0];
            const SongCut cut =
                cutSong(song.samples, TrackJob{"/s.wav", "", times[0], times[1], ""}, 1, 1,
                        EndingPlan{}, true);
            for (const CutBeatSnap& snap :
                 {cut.analysis.beatSnap.start, cut.analysis.beatSnap.end}) {
                const double moved = std::abs(snap.toFileTime - snap.fromFileTime);
                EXPECT_LE(moved, std::min(maximumSnapSeconds, 30.0 / c.tempoBpm) + 1e-9) << where;
                tally.add(song.beatSeconds, snap.toFileTime, snap.keptBecause.empty());
                if (snap.tempoBpm) {
                    EXPECT_NEAR(*snap.tempoBpm, c.tempoBpm, c.endTempoBpm > 0 ? 12.0 : 1.0)
                        << where;
                }
            }
        }
    }
    EXPECT_GE(tally.report("generated songs"), 0.95);
    EXPECT_GE(static_cast<double>(tally.aheads.size()) / tally.cuts, 0.9) << "too many cuts stayed";
}

struct RecordedSong {
    std::filesystem::path source;
    std::vector<double> beats;
};

// A fixture of tests/renderer/cut/recorded_beats: "# source: PATH (...)", comments, then one
// beat time a line.
RecordedSong recordedSong(const std::string& name) {
    std::ifstream file(std::string(TUNEWRIGHT_SOURCE_DIR) + "/tests/renderer/cut/recorded_beats/" +
                       name + ".txt");
    RecordedSong song;
    const std::string sourceTag = "# source: ";
    for (std::string line; std::getline(file, line);) {
        if (line.starts_with(sourceTag)) {
            song.source =
                line.substr(sourceTag.size(), line.find(' ', sourceTag.size()) - sourceTag.size());
        } else if (!line.starts_with("#")) {
            song.beats.push_back(std::stod(line));
        }
    }
    return song;
}

// Two tracker songs of a game's music, with beats marked by an independent tool: cuts every
// 2.9 s over their first minute, each with its own beat analysis around it.
TEST(BeatSnap, CutsInRecordedSongsLieJustBeforeTheirMarkedBeats) {
    SnapTally tally;
    for (const char* name : {"goin_march", "pingus-3"}) {
        const RecordedSong song = recordedSong(name);
        ASSERT_TRUE(std::filesystem::exists(song.source))
            << song.source << " is missing: install pingus-data (scripts/install-deps)";
        const testsupport::TemporaryFolder folder;
        ASSERT_EQ(testsupport::convertWithFfmpeg(song.source, folder / "song.wav",
                                                 {"-t", "60", "-ar", "44100", "-ac", "2"}),
                  "");
        const testsupport::Samples samples = audio::loadWav(folder / "song.wav").samples;
        const long long context = 15 * 44100;
        for (double seconds = 3.1; seconds < 56.0; seconds += 2.9) {
            const long long frame = std::llround(seconds * kRate);
            const BeatSnap snap =
                snapToBeat(samples, frame, trackBeats(samples, frame - context, frame + context));
            tally.add(song.beats, snap.frame / kRate, snap.keptBecause.empty());
        }
    }
    EXPECT_GE(tally.report("recorded songs"), 0.95);
    EXPECT_GE(static_cast<double>(tally.aheads.size()) / tally.cuts, 0.5) << "too many cuts stayed";
}

}  // namespace
}  // namespace renderer
