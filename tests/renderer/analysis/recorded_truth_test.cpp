#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>

#include "tests/support/recorded_songs.h"

namespace {

using testsupport::Recording;
using testsupport::RecordingKind;

constexpr int kRate = 44100;
// Beat times are written with four decimals.
constexpr double kWrittenSeconds = 0.00015;

double audioSeconds(const testsupport::Samples& samples) {
    return static_cast<double>(samples.size()) / 2.0 / kRate;
}

int peak(const testsupport::Samples& samples) {
    int loudest = 0;
    for (int16_t sample : samples) loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    return loudest;
}

// What every test below leans on: beats in order inside the audio, bar lines among them every
// `beatsPerBar` beats, and the stated tempo the one the beats keep.
TEST(RecordedTruth, EveryFileIsConsistentWithItself) {
    const std::vector<Recording> all = testsupport::recordings();
    std::set<RecordingKind> kinds;
    for (const Recording& recording : all) {
        SCOPED_TRACE(recording.name);
        kinds.insert(recording.kind);
        ASSERT_FALSE(recording.sources.empty());
        EXPECT_FALSE(recording.package.empty());
        EXPECT_GT(recording.lengthSeconds, 0.0);
        if (recording.kind == RecordingKind::beatless) {
            EXPECT_FALSE(recording.barsConfirmed);
            EXPECT_TRUE(recording.beats.empty());
            EXPECT_TRUE(recording.bars.empty());
            EXPECT_EQ(recording.tempoBpm, 0.0);
            continue;
        }
        const double covered = recording.kind == RecordingKind::loop
                                   ? testsupport::loopPasses(recording, testsupport::kLoopSeconds) *
                                         recording.lengthSeconds
                                   : recording.lengthSeconds;
        ASSERT_GE(recording.beats.size(), 8u);
        EXPECT_GE(recording.beats.front(), 0.0);
        EXPECT_LT(recording.beats.back(), covered);
        EXPECT_TRUE(std::is_sorted(recording.beats.begin(), recording.beats.end(),
                                   [](double a, double b) { return a <= b; }))
            << "beats not strictly ascending";

        ASSERT_FALSE(recording.bars.empty());
        ASSERT_GT(recording.beatsPerBar, 0);
        size_t nextBar = 0;
        std::vector<size_t> barIndices;
        for (size_t i = 0; i < recording.beats.size() && nextBar < recording.bars.size(); ++i) {
            if (recording.beats[i] == recording.bars[nextBar]) {
                barIndices.push_back(i);
                ++nextBar;
            }
        }
        EXPECT_EQ(barIndices.size(), recording.bars.size()) << "a bar line is not a beat";
        EXPECT_LT(barIndices.front(), static_cast<size_t>(recording.beatsPerBar));
        for (size_t i = 1; i < barIndices.size(); ++i) {
            EXPECT_EQ(barIndices[i] - barIndices[i - 1], static_cast<size_t>(recording.beatsPerBar))
                << "bar at " << recording.bars[i];
        }

        if (recording.constantTempo) {
            ASSERT_GT(recording.tempoBpm, 40.0);
            ASSERT_LT(recording.tempoBpm, 240.0);
            const double beatSeconds = 60.0 / recording.tempoBpm;
            for (size_t i = 1; i < recording.beats.size(); ++i) {
                const double interval = recording.beats[i] - recording.beats[i - 1];
                ASSERT_NEAR(interval, beatSeconds, 2 * kWrittenSeconds)
                    << "between beats at " << recording.beats[i - 1] << " and "
                    << recording.beats[i];
            }
        }
        if (recording.kind == RecordingKind::loop) {
            // A pass holds a whole number of beats: the next pass's first beat is one beat on.
            EXPECT_GT(recording.loopBeats, 0);
            EXPECT_NEAR(recording.lengthSeconds, recording.loopBeats * 60.0 / recording.tempoBpm,
                        1e-3);
            EXPECT_EQ(recording.bars.front(), 0.0) << "a loop's bar line is its first sample";
            EXPECT_TRUE(recording.barsConfirmed);
        }
    }
    EXPECT_TRUE(kinds.contains(RecordingKind::song));
    EXPECT_TRUE(kinds.contains(RecordingKind::loop));
    EXPECT_TRUE(kinds.contains(RecordingKind::beatless));
}

// The audio the loader makes is as long as the truth says, so a beat near the end is a beat in
// the sound and not past it, and it is sound rather than silence.
TEST(RecordedTruth, LoadedAudioCoversItsBeats) {
    const testsupport::TemporaryFolder folder;
    for (RecordingKind kind : {RecordingKind::loop, RecordingKind::song, RecordingKind::module}) {
        for (const Recording& recording : testsupport::recordings(kind)) {
            SCOPED_TRACE(recording.name);
            const double seconds = kind == RecordingKind::loop ? testsupport::kLoopSeconds : 30.0;
            const testsupport::RecordingAudio audio =
                testsupport::loadRecordingAudio(recording, folder, seconds);
            if (!audio.missing.empty()) GTEST_SKIP() << audio.missing;
            const double length = audioSeconds(audio.samples);
            if (kind == RecordingKind::loop) {
                const int passes = testsupport::loopPasses(recording, seconds);
                EXPECT_NEAR(length, passes * recording.lengthSeconds, 1.0 / kRate);
                EXPECT_NEAR(length, seconds, recording.lengthSeconds / 2);
                EXPECT_LT(recording.beats.back(), length);
                EXPECT_GT(recording.beats.back() + 60.0 / recording.tempoBpm, length - 1e-6)
                    << "the tiled audio runs on past its last beat";
            } else {
                EXPECT_NEAR(length, std::min(seconds, recording.lengthSeconds), 0.01);
            }
            EXPECT_GT(peak(audio.samples), 3000);
        }
    }
}

TEST(RecordedTruth, BeatlessAudioIsItsWholeSoundOrItsFirstSeconds) {
    const testsupport::TemporaryFolder folder;
    for (const Recording& recording : testsupport::recordings(RecordingKind::beatless)) {
        SCOPED_TRACE(recording.name);
        const testsupport::RecordingAudio whole =
            testsupport::loadRecordingAudio(recording, folder, 600.0);
        if (!whole.missing.empty()) GTEST_SKIP() << whole.missing;
        EXPECT_NEAR(audioSeconds(whole.samples), recording.lengthSeconds, 0.01);
        EXPECT_GT(peak(whole.samples), 1000);
        if (recording.pauseSeconds > 0.0) {
            // Joined speech: each pause is a run of digital silence between the voices.
            EXPECT_GT(recording.lengthSeconds, 15.0);
            size_t run = 0, pauses = 0;
            const auto pauseValues = static_cast<size_t>(recording.pauseSeconds * kRate * 2);
            for (int16_t sample : whole.samples) {
                run = sample == 0 ? run + 1 : 0;
                if (run == pauseValues) ++pauses;
            }
            EXPECT_EQ(pauses, recording.sources.size() - 1);
            const double shorter = recording.lengthSeconds / 2;
            const testsupport::RecordingAudio half =
                testsupport::loadRecordingAudio(recording, folder, shorter);
            EXPECT_NEAR(audioSeconds(half.samples), shorter, 1.0 / kRate);
            EXPECT_TRUE(
                std::equal(half.samples.begin(), half.samples.end(), whole.samples.begin()));
        }
    }
}

TEST(RecordedTruth, AMissingPackageIsASkipThatNamesIt) {
    Recording recording;
    recording.name = "absent";
    recording.kind = RecordingKind::song;
    recording.package = "fretsonfire-songs-muldjord";
    recording.sources = {"/nonexistent/tunewright/song.ogg"};
    const testsupport::TemporaryFolder folder;
    const testsupport::RecordingAudio audio =
        testsupport::loadRecordingAudio(recording, folder, 10);
    EXPECT_TRUE(audio.samples.empty());
    EXPECT_NE(audio.missing.find("install fretsonfire-songs-muldjord (scripts/install-deps)"),
              std::string::npos)
        << audio.missing;
}

}  // namespace
