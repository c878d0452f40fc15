#include "app/prepare/eligibility.h"

#include <gtest/gtest.h>

#include "app/songs/starter_guidance.h"

namespace {

using app::WizardState;
using app::prepare::fastTimeEligibility;
using app::songs::starterGuidance;
using app::songs::TrackFile;

struct Song {
    QString path;
    std::optional<QString> start;
    std::optional<QString> end;
    std::optional<QString> note;
};

WizardState stateWith(const std::vector<Song>& songs) {
    WizardState state;
    state.selectedFolder = "/music/party";
    for (const Song& song : songs) {
        state.tracks.push_back(TrackFile::forPath(song.path));
        if (song.start) state.songStartTimes.insert(song.path, *song.start);
        if (song.end) state.songEndTimes.insert(song.path, *song.end);
        if (song.note) state.songGuidance.insert(song.path, *song.note);
    }
    return state;
}

QString reasonFor(const std::vector<Song>& songs) {
    const auto eligibility = fastTimeEligibility(stateWith(songs), "/out");
    EXPECT_FALSE(eligibility.job.has_value());
    return eligibility.reason;
}

TEST(FastTimeEligibility, BuildsTheJobFromTrimmedTimesAndCustomNotes) {
    WizardState state =
        stateWith({{"/music/party/a.mp3", std::nullopt, std::nullopt, starterGuidance(0, 2)},
                   {"/music/party/b.flac", " 1.30 \n", "2.05", "  Keep The Horns "}});
    state.finalEndingEffect = common::FinalEndingEffect::echoFade;

    const auto eligibility = fastTimeEligibility(state, "/out/edits");
    ASSERT_TRUE(eligibility.job.has_value()) << eligibility.reason.toStdString();
    EXPECT_EQ(eligibility.reason,
              "Standalone local engine: using typed times, local structure cues, and phrase-aware "
              "cut detection.");
    const auto& job = *eligibility.job;
    EXPECT_EQ(job.appVersion, "4.8");
    EXPECT_EQ(job.outputFolder, "/out/edits");
    EXPECT_TRUE(job.finalFadeOut);
    EXPECT_EQ(job.finalEndingEffect, "echoFade");
    ASSERT_EQ(job.tracks.size(), 2u);
    EXPECT_EQ(job.tracks[0].path, "/music/party/a.mp3");
    EXPECT_EQ(job.tracks[0].name, "a.mp3");
    EXPECT_EQ(job.tracks[0].startTime, "0:00");
    EXPECT_EQ(job.tracks[0].endTime, "");
    EXPECT_EQ(job.tracks[0].note, "");
    EXPECT_EQ(job.tracks[1].startTime, "1.30");
    EXPECT_EQ(job.tracks[1].endTime, "2.05");
    EXPECT_EQ(job.tracks[1].note, "Keep The Horns");

    state.finalEndingEffect = common::FinalEndingEffect::none;
    const auto plain = fastTimeEligibility(state, "/out");
    ASSERT_TRUE(plain.job.has_value());
    EXPECT_FALSE(plain.job->finalFadeOut);
    EXPECT_EQ(plain.job->finalEndingEffect, "none");
}

TEST(FastTimeEligibility, AcceptsSimpleTimestamps) {
    for (const auto& [start, end] : std::vector<std::pair<QString, QString>>{{"1.5", ""},
                                                                             {"1:75", "3:00"},
                                                                             {"0:00", "0:01"},
                                                                             {"90 seconds", "2:00"},
                                                                             {"90sec", ""},
                                                                             {"  ", " "}}) {
        const auto eligibility = fastTimeEligibility(stateWith({{"/a.mp3", start, end, {}}}), "/o");
        EXPECT_TRUE(eligibility.job.has_value())
            << start.toStdString() << " / " << end.toStdString() << ": "
            << eligibility.reason.toStdString();
    }
}

TEST(FastTimeEligibility, NamesTheSongAndTheProblem) {
    const QString startReason = "AI fallback: song 1 start time is not a simple timestamp.";
    EXPECT_EQ(reasonFor({{"/a.mp3", "1:30s", {}, {}}}), startReason);
    EXPECT_EQ(reasonFor({{"/a.mp3", "-5", {}, {}}}), startReason);
    EXPECT_EQ(reasonFor({{"/a.mp3", "abc", {}, {}}}), startReason);
    EXPECT_EQ(reasonFor({{"/a.mp3", "0:10", "later", {}}}),
              "AI fallback: song 1 end time is not a simple timestamp.");
    EXPECT_EQ(reasonFor({{"/a.mp3", "0:00", "0:00.2", {}}}),
              "AI fallback: song 1 End time must be later than Start time.");
    EXPECT_EQ(reasonFor({{"/a.mp3", "1:00", "1:00.25", {}}}),
              "AI fallback: song 1 End time must be later than Start time.");
    EXPECT_EQ(reasonFor({{"/a.mp3", {}, {}, "ok"},
                         {"/b.mp3", {}, {}, "record-scratch into song 3"},
                         {"/c.mp3", {}, {}, {}}}),
              "AI fallback: song 2 note asks for an effect, vocal isolation, beatmatching, or "
              "another advanced request.");
}

TEST(FastTimeEligibility, JudgesNotesAfterRemovingTheDefaults) {
    EXPECT_TRUE(fastTimeEligibility(stateWith({{"/a.mp3", {}, {}, "do not pause"}}), "/o").job);
    EXPECT_TRUE(
        fastTimeEligibility(stateWith({{"/a.mp3", {}, {}, "fade out after the chorus"}}), "/o")
            .job);
    EXPECT_FALSE(fastTimeEligibility(stateWith({{"/a.mp3", {}, {}, "no beat match"}}), "/o").job);
    EXPECT_FALSE(fastTimeEligibility(stateWith({{"/a.mp3", {}, {}, "system check"}}), "/o").job);

    const auto custom = fastTimeEligibility(
        stateWith({{"/a.mp3", {}, {}, starterGuidance(0, 1) + " Cut on the downbeat"}}), "/o");
    ASSERT_TRUE(custom.job);
    EXPECT_EQ(custom.job->tracks[0].note, "Cut on the downbeat");
}

TEST(FastTimeEligibility, FirstFailingSongDecides) {
    EXPECT_EQ(reasonFor({{"/a.mp3", "x", {}, "glitch"}, {"/b.mp3", "y", {}, {}}}),
              "AI fallback: song 1 start time is not a simple timestamp.");
    EXPECT_EQ(reasonFor({{"/a.mp3", "0:05", {}, "stems please"}, {"/b.mp3", "y", {}, {}}}),
              "AI fallback: song 1 note asks for an effect, vocal isolation, beatmatching, or "
              "another advanced request.");
}

TEST(FastTimeEligibility, RefusesSongCountsOutsideOneToThreeBeforeReadingSongs) {
    const QString countReason = "AI fallback: the selected song count is not 1, 2, or 3.";
    EXPECT_EQ(reasonFor({}), countReason);
    // Song 1's broken time would be reported if any song were read.
    EXPECT_EQ(reasonFor({{"/a.mp3", "broken", {}, {}},
                         {"/b.mp3", {}, {}, {}},
                         {"/c.mp3", {}, {}, {}},
                         {"/d.mp3", {}, {}, {}}}),
              countReason);
}

}  // namespace
