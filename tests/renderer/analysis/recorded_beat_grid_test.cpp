// The beat grid on real recordings whose beats and bar lines are known apart from our analysis
// (recorded_songs.h): songs from their charts, loops from their lengths, tracker modules from
// their rows, and beatless pads and speech. Every cut is made as the renderer makes it (zero
// crossing, then the grid) at times spread over the recording, and judged against the truth.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include "renderer/analysis/beat_grid.h"
#include "renderer/analysis/first_note.h"
#include "renderer/analysis/zero_crossing.h"
#include "renderer/cut/beat_snap.h"
#include "tests/support/recorded_songs.h"

namespace renderer {
namespace {

using testsupport::justBefore;
using testsupport::offsetFromNearest;
using testsupport::Recording;
using testsupport::RecordingKind;

constexpr double kRate = 44100.0;
// Songs are analysed over their first minutes: as long as a typical edit reaches into them.
constexpr double kSongSeconds = 180.0;
// Four stretches of at least 6 s, after the first note.
constexpr double kShortestComparedSeconds = 30.0;

const char* kindName(RecordingKind kind) {
    switch (kind) {
        case RecordingKind::song:
            return "songs";
        case RecordingKind::loop:
            return "loops";
        case RecordingKind::module:
            return "modules";
        case RecordingKind::beatless:
            return "beatless";
    }
    return "";
}

struct Tally {
    int cuts = 0;
    int onTarget = 0;
    int wrong = 0;  // moved, but not onto a true one: for bars, what trusting wrong bars costs
    double share() const { return cuts > 0 ? static_cast<double>(onTarget) / cuts : 0.0; }
};

// One recording's cuts: every 7.3 s from 3.1 s on, snapped to `unit`.
struct RecordingCuts {
    SongBeats beats;
    Tally onBeat;  // cuts 0..25 ms before a true beat
    Tally onBar;   // cuts asked for the bar that lie 0..25 ms before a true bar line
    int moved = 0;
    int movedOntoBars = 0;
    double medianOffsetMs = 0.0;  // of the grid's beats from the true beats near the cuts
};

RecordingCuts cutRecording(const Recording& recording, const testsupport::Samples& samples) {
    RecordingCuts result;
    const auto frames = static_cast<long long>(samples.size() / 2);
    const long long firstFrame = firstMusicalFrame(samples, targetSampleRate);
    result.beats = analyseSongBeats(samples, firstFrame, frames);
    const double seconds = static_cast<double>(frames) / kRate;
    std::vector<double> offsets;
    for (double at = 3.1; at < seconds - 3.0; at += 7.3) {
        if (result.beats.grid) {
            offsets.push_back(
                offsetFromNearest(recording.beats, result.beats.grid->nearestOnset(at)));
        }
        const long long crossing = nearestZeroCrossingFrame(samples, std::llround(at * kRate));
        const BeatSnap beat = snapToGrid(samples, crossing, result.beats, SnapUnit::beat);
        const BeatSnap bar = snapToGrid(samples, crossing, result.beats, SnapUnit::bar);
        ++result.onBeat.cuts;
        if (beat.keptBecause.empty()) ++result.moved;
        if (beat.keptBecause.empty() && justBefore(recording.beats, beat.frame / kRate)) {
            ++result.onBeat.onTarget;
        }
        if (recording.barsConfirmed) {
            ++result.onBar.cuts;
            if (bar.snappedTo == snappedToBar) ++result.movedOntoBars;
            if (bar.snappedTo == snappedToBar && justBefore(recording.bars, bar.frame / kRate)) {
                ++result.onBar.onTarget;
            }
        }
    }
    result.onBar.wrong = result.movedOntoBars - result.onBar.onTarget;
    if (!offsets.empty()) {
        std::sort(offsets.begin(), offsets.end());
        result.medianOffsetMs = offsets[offsets.size() / 2] * 1000.0;
    }
    return result;
}

TEST(RecordedBeatGrid, CutsLieJustBeforeTrueBeatsAndBeatlessRecordingsKeepTheirCuts) {
    std::map<RecordingKind, Tally> beatsByKind;
    std::map<RecordingKind, Tally> barsByKind;
    std::string missing;
    for (const Recording& recording : testsupport::recordings()) {
        const testsupport::TemporaryFolder folder;
        const testsupport::RecordingAudio audio = testsupport::loadRecordingAudio(
            recording, folder,
            recording.kind == RecordingKind::loop ? testsupport::kLoopSeconds : kSongSeconds);
        if (!audio.missing.empty()) {
            missing += audio.missing + "\n";
            continue;
        }
        const RecordingCuts cuts = cutRecording(recording, audio.samples);
        std::printf(
            "%-28s %-8s truth %7.2f BPM | grid %s %7.2f BPM, confidence %.2f | %2d of %2d "
            "cuts on a beat, grid %+6.1f ms | bars %s %.2f, %d of %d on a bar line\n",
            recording.name.c_str(), kindName(recording.kind), recording.tempoBpm,
            cuts.beats.grid ? "trusted" : "none   ", cuts.beats.tempoBpm, cuts.beats.confidence,
            cuts.onBeat.onTarget, cuts.onBeat.cuts, cuts.medianOffsetMs,
            cuts.beats.bars ? "trusted" : "none   ", cuts.beats.barConfidence, cuts.onBar.onTarget,
            cuts.onBar.cuts);
        if (recording.kind == RecordingKind::beatless) {
            EXPECT_FALSE(cuts.beats.grid) << recording.name << " has no beat";
            EXPECT_EQ(cuts.moved, 0) << recording.name;
            continue;
        }
        // A recording at one tempo is never reported as having no steady beat, once it is long
        // enough for its stretches to be compared.
        const double seconds = static_cast<double>(audio.samples.size()) / 2.0 / kRate;
        if (seconds >= kShortestComparedSeconds) {
            EXPECT_TRUE(cuts.beats.grid) << recording.name << " is at one tempo";
        }
        for (auto* tally : {&beatsByKind[recording.kind]}) {
            tally->cuts += cuts.onBeat.cuts;
            tally->onTarget += cuts.onBeat.onTarget;
        }
        barsByKind[recording.kind].cuts += cuts.onBar.cuts;
        barsByKind[recording.kind].onTarget += cuts.onBar.onTarget;
        barsByKind[recording.kind].wrong += cuts.onBar.wrong;
    }
    if (beatsByKind.empty()) GTEST_SKIP() << missing;
    Tally all;
    Tally allBars;
    for (const auto& [kind, tally] : beatsByKind) {
        const Tally& bars = barsByKind[kind];
        std::printf(
            "%s: %d of %d cuts (%.0f %%) lie 0..25 ms before a true beat; with Bar, %d of %d "
            "(%.0f %%) on a true bar line, %d on a wrong one\n",
            kindName(kind), tally.onTarget, tally.cuts, 100.0 * tally.share(), bars.onTarget,
            bars.cuts, 100.0 * bars.share(), bars.wrong);
        all.cuts += tally.cuts;
        all.onTarget += tally.onTarget;
        allBars.cuts += bars.cuts;
        allBars.wrong += bars.wrong;
    }
    std::printf("all real recordings with a beat: %d of %d cuts (%.0f %%)\n", all.onTarget,
                all.cuts, 100.0 * all.share());
    if (!missing.empty()) std::printf("not measured:\n%s", missing.c_str());
    // The figures this grid reached when it was built; a change that loses cuts fails here.
    EXPECT_GE(beatsByKind[RecordingKind::song].share(), 0.92);
    EXPECT_GE(beatsByKind[RecordingKind::module].share(), 0.93);
    EXPECT_GE(beatsByKind[RecordingKind::loop].share(), 0.97);
    EXPECT_GE(all.share(), 0.93);
    EXPECT_GE(barsByKind[RecordingKind::song].share(), 0.48);
    EXPECT_GE(barsByKind[RecordingKind::module].share(), 0.90);
    EXPECT_GE(barsByKind[RecordingKind::loop].share(), 0.95);
    // Bars trusted where they are wrong are worse than none: those cuts leave the bar for good.
    EXPECT_LE(allBars.wrong, allBars.cuts / 30);
}

}  // namespace
}  // namespace renderer
