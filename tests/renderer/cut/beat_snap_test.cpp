// Cuts on the beat and on the bar: the bounds of a move, where snapped cuts land against the
// beats and bars a generated song really has, and the songs whose cuts must stay exactly where
// they are.

#include "renderer/cut/beat_snap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <string>

#include "renderer/analysis/beat_grid.h"
#include "renderer/cut/song_cut.h"
#include "tests/renderer/cut/cut_track.h"
#include "tests/support/beat_songs.h"

namespace renderer {
namespace {

using testsupport::BeatSong;
using testsupport::cutTrack;

constexpr double kRate = 44100.0;

long long frameAt(double seconds) { return std::llround(seconds * kRate); }

// Seconds from `cutSeconds` to the first true onset at or after it.
double secondsBeforeNext(const std::vector<double>& onsets, double cutSeconds) {
    const auto next = std::lower_bound(onsets.begin(), onsets.end(), cutSeconds);
    return next == onsets.end() ? 1e9 : *next - cutSeconds;
}

bool justBefore(const std::vector<double>& onsets, double cutSeconds) {
    const double ahead = secondsBeforeNext(onsets, cutSeconds);
    return ahead >= 0.0 && ahead <= 0.025;
}

// A song's beats as the analysis would report them, to test the snap alone.
SongBeats knownBeats(const BeatSong& song, double tempoBpm, bool withBars) {
    SongBeats beats;
    beats.grid = BeatGrid{song.beatSeconds.front(), 60.0 / tempoBpm};
    beats.confidence = 1.0;
    beats.tempoBpm = tempoBpm;
    if (withBars) beats.bars = BarLines{song.beatSeconds.front(), 4};
    return beats;
}

TEST(BeatSnap, MovesAtMostHalfABeatOrHalfABarAndFallsBackToTheBeat) {
    // 70 BPM: half a beat (0.43 s) is more than the 0.35 s a cut may move onto a beat, and half a
    // bar (1.71 s) more than the 1.2 s it may move onto a bar line.
    const BeatSong song = testsupport::beatSong(40.0, 70.0, 1.0);
    const double period = 60.0 / 70.0;
    const double beat = song.beatSeconds[10];
    const SongBeats beats = knownBeats(song, 70.0, true);

    const BeatSnap after = snapToGrid(song.samples, frameAt(beat + 0.2), beats, SnapUnit::beat);
    EXPECT_EQ(after.keptBecause, "");
    EXPECT_EQ(after.snappedTo, snappedToBeat);
    EXPECT_NEAR(after.tempoBpm.value_or(0.0), 70.0, 1e-9);
    EXPECT_TRUE(justBefore(song.beatSeconds, after.frame / kRate)) << after.frame;

    const long long midway = frameAt(beat + 0.45 * period);
    const BeatSnap tooFar = snapToGrid(song.samples, midway, beats, SnapUnit::beat);
    EXPECT_EQ(tooFar.keptBecause, snapTooFar);
    EXPECT_EQ(tooFar.frame, midway);

    // Bar lines at beats 8 and 12: a cut a beat after bar line 8 moves back onto it; one a beat
    // and a half after it lies more than 1.2 s from any bar line, so it takes its nearest beat.
    const std::vector<double> barLines = {song.beatSeconds[8], song.beatSeconds[12]};
    const BeatSnap onBar =
        snapToGrid(song.samples, frameAt(song.beatSeconds[9] + 0.05), beats, SnapUnit::bar);
    EXPECT_EQ(onBar.snappedTo, snappedToBar);
    EXPECT_TRUE(justBefore(barLines, onBar.frame / kRate)) << onBar.frame;
    const BeatSnap farFromBars = snapToGrid(
        song.samples, frameAt(song.beatSeconds[9] + 0.5 * period + 0.3), beats, SnapUnit::bar);
    EXPECT_EQ(farFromBars.snappedTo, snappedToBeat);
    EXPECT_TRUE(justBefore(song.beatSeconds, farFromBars.frame / kRate));

    SongBeats withoutBars = knownBeats(song, 70.0, false);
    const BeatSnap beatInstead =
        snapToGrid(song.samples, frameAt(song.beatSeconds[9] + 0.05), withoutBars, SnapUnit::bar);
    EXPECT_EQ(beatInstead.snappedTo, snappedToBeat);

    const BeatSnap none = snapToGrid(song.samples, midway, SongBeats{}, SnapUnit::beat);
    EXPECT_EQ(none.keptBecause, snapNoSteadyBeat);
    EXPECT_EQ(none.frame, midway);
    EXPECT_FALSE(none.tempoBpm);
}

// A pad without attacks, and a song whose tempo drifts from 118 to 130 BPM: no grid, and the
// cuts are the zero-crossing cuts to the byte.
TEST(BeatSnap, SongsWithoutASteadyBeatKeepTheirCutsExactly) {
    const testsupport::Samples pad = testsupport::beatlessPad(90.0);
    const BeatSong drifting = testsupport::beatSong(90.0, 118.0, 1.09, 130.0);
    const TrackJob track = cutTrack("/song.wav", "0:05.3", "0:31.7");
    const EndingPlan plan{common::FinalEndingEffect::fade, common::normalFadeTailSeconds};
    for (const testsupport::Samples* samples : {&pad, &drifting.samples}) {
        const SongCut plain = cutSong(*samples, track, 1, 1, plan);
        const SongCut snapped = cutSong(*samples, track, 1, 1, plan, {true, SnapUnit::beat, ""});
        EXPECT_EQ(snapped.segment, plain.segment);
        EXPECT_EQ(snapped.analysis.beatSnap.start.keptBecause, snapNoSteadyBeat);
        EXPECT_EQ(snapped.analysis.beatSnap.end.keptBecause, snapNoSteadyBeat);
        ASSERT_TRUE(snapped.analysis.beatSnap.grid);
        EXPECT_FALSE(snapped.analysis.beatSnap.grid->trusted);
        EXPECT_EQ(plain.analysis.beatSnap.start.keptBecause, snapOff);
        EXPECT_FALSE(plain.analysis.beatSnap.grid);
    }
}

// How many cuts were asked to snap, and how many of them lie 0..25 ms before a true onset.
struct SnapTally {
    int cuts = 0;
    int onTarget = 0;
    std::vector<double> aheads;  // seconds before the next true onset, of the moved cuts

    void add(const std::vector<double>& onsets, double cutSeconds, bool moved) {
        ++cuts;
        if (moved) aheads.push_back(secondsBeforeNext(onsets, cutSeconds));
        if (moved && justBefore(onsets, cutSeconds)) ++onTarget;
    }
    double share(const std::string& what) {
        std::sort(aheads.begin(), aheads.end());
        std::cout << what << ": " << onTarget << " of " << cuts
                  << " cuts lie 0..25 ms before a true "
                  << "onset; " << aheads.size() << " moved";
        if (!aheads.empty()) {
            std::cout << ", median " << aheads[aheads.size() / 2] * 1000 << " ms before it";
        }
        std::cout << "\n";
        return cuts > 0 ? static_cast<double>(onTarget) / cuts : 0.0;
    }
};

struct GeneratedCase {
    double tempoBpm, firstBeatSeconds;
};
constexpr GeneratedCase kGeneratedSongs[] = {{90, 1.00},  {97.5, 1.13}, {104, 1.31}, {112, 1.07},
                                             {124, 1.21}, {128, 1.44},  {138, 1.02}, {150, 1.37},
                                             {163, 1.18}, {175, 1.26},  {180, 1.11}};
const char* const kTypedTimes[][2] = {
    {"0:02.37", "0:09.71"}, {"0:13.05", "0:41.52"}, {"0:21.61", "0:57.13"}};

// Songs from 90 to 180 BPM in several phases, each cut at typed times that fall between beats:
// every cut asked to snap, and the share that lies just before a true beat.
TEST(BeatSnap, GeneratedSongsCutJustBeforeATrueBeat) {
    SnapTally tally;
    for (const GeneratedCase& c : kGeneratedSongs) {
        const BeatSong song = testsupport::beatSong(70.0, c.tempoBpm, c.firstBeatSeconds);
        for (const auto& times : kTypedTimes) {
            const std::string where = std::to_string(c.tempoBpm) + " BPM, " + times[0];
            const SongCut cut = cutSong(song.samples, cutTrack("/s.wav", times[0], times[1]), 1, 1,
                                        EndingPlan{}, {true, SnapUnit::beat, ""});
            ASSERT_TRUE(cut.analysis.beatSnap.grid) << where;
            const double tempo = cut.analysis.beatSnap.grid->tempoBpm;
            for (const CutBeatSnap& snap :
                 {cut.analysis.beatSnap.start, cut.analysis.beatSnap.end}) {
                EXPECT_LE(std::abs(snap.toFileTime - snap.fromFileTime),
                          std::min(maximumSnapSeconds, 30.0 / tempo) + 1e-9)
                    << where;
                tally.add(song.beatSeconds, snap.toFileTime, snap.keptBecause.empty());
            }
            // Half or double the tempo still puts every cut on a true beat, but no other reading.
            const double ratio = tempo / c.tempoBpm;
            EXPECT_TRUE(std::abs(ratio - 1.0) < 0.003 || std::abs(ratio - 0.5) < 0.0015 ||
                        std::abs(ratio - 2.0) < 0.006)
                << where << ": " << tempo << " BPM";
        }
    }
    EXPECT_GE(tally.share("generated songs, beats"), 0.97);
}

// The same songs with their chords changing on every bar line: with Bar, the cuts lie just
// before a bar line.
TEST(BeatSnap, GeneratedSongsCutOnTheBarWhenAsked) {
    SnapTally tally;
    for (const GeneratedCase& c : kGeneratedSongs) {
        const BeatSong song = testsupport::beatSong(70.0, c.tempoBpm, c.firstBeatSeconds);
        std::vector<double> barLines;
        for (size_t i = 0; i < song.beatSeconds.size(); i += 4)
            barLines.push_back(song.beatSeconds[i]);
        for (const auto& times : kTypedTimes) {
            const SongCut cut = cutSong(song.samples, cutTrack("/s.wav", times[0], times[1]), 1, 1,
                                        EndingPlan{}, {true, SnapUnit::bar, "choice"});
            ASSERT_TRUE(cut.analysis.beatSnap.grid);
            const double barSeconds = 4 * 60.0 / cut.analysis.beatSnap.grid->tempoBpm;
            for (const CutBeatSnap& snap :
                 {cut.analysis.beatSnap.start, cut.analysis.beatSnap.end}) {
                EXPECT_LE(std::abs(snap.toFileTime - snap.fromFileTime),
                          std::min(maximumBarSnapSeconds, barSeconds / 2.0) + 1e-9);
                tally.add(barLines, snap.toFileTime, snap.snappedTo == snappedToBar);
            }
        }
    }
    EXPECT_GE(tally.share("generated songs, bars"), 0.90);
}

}  // namespace
}  // namespace renderer
