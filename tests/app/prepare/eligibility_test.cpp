#include "app/prepare/eligibility.h"

#include <gtest/gtest.h>

#include "app/songs/starter_guidance.h"

namespace {

using app::WizardState;
using app::prepare::localEngineEligibility;
using app::songs::starterGuidance;

struct Song {
    std::optional<QString> start;
    std::optional<QString> end;
    std::optional<QString> note;
};

// Songs /a.mp3, /b.mp3, ... with the given fields.
WizardState stateWith(const std::vector<Song>& songs) {
    WizardState state;
    for (const Song& song : songs) {
        const QString path =
            QStringLiteral("/%1.mp3").arg(static_cast<char>('a' + state.tracks.size()));
        state.tracks.push_back(app::songs::TrackFile::forPath(path));
        if (song.start) state.songStartTimes.insert(path, *song.start);
        if (song.end) state.songEndTimes.insert(path, *song.end);
        if (song.note) state.songGuidance.insert(path, *song.note);
    }
    return state;
}

TEST(LocalEngineEligibility, BuildsTheJobFromTrimmedTimesAndCustomNotes) {
    WizardState state = stateWith({{std::nullopt, std::nullopt, starterGuidance(0, 2)},
                                   {" 1.30 \n", "2.05", "  Keep The Horns "}});
    state.finalEndingEffect = common::FinalEndingEffect::echoFade;

    const auto eligibility = localEngineEligibility(state, "/out/edits");
    ASSERT_TRUE(eligibility.job.has_value()) << eligibility.reason.toStdString();
    EXPECT_TRUE(eligibility.reason.startsWith("Standalone local engine: using typed times"));
    const auto& job = *eligibility.job;
    EXPECT_EQ(job.outputFolder, "/out/edits");
    EXPECT_TRUE(job.finalFadeOut);
    EXPECT_EQ(job.finalEndingEffect, "echoFade");
    EXPECT_TRUE(job.snapToBeat);
    ASSERT_EQ(job.tracks.size(), 2u);
    EXPECT_EQ(job.tracks[0].path, "/a.mp3");
    EXPECT_EQ(job.tracks[0].name, "a.mp3");
    EXPECT_EQ(job.tracks[0].startTime, "0:00");
    EXPECT_EQ(job.tracks[0].note, "");  // the starter note is no note
    EXPECT_EQ(job.tracks[1].startTime, "1.30");
    EXPECT_EQ(job.tracks[1].endTime, "2.05");
    EXPECT_EQ(job.tracks[1].note, "Keep The Horns");

    EXPECT_FALSE(job.snapToBar);

    state.snapCutsTo = app::songs::SnapCutsTo::bar;
    const auto bars = localEngineEligibility(state, "/out").job;
    EXPECT_TRUE(bars->snapToBeat && bars->snapToBar);  // the beat where bars are unclear

    state.finalEndingEffect = common::FinalEndingEffect::none;
    state.snapCutsTo = app::songs::SnapCutsTo::off;
    const auto plain = localEngineEligibility(state, "/out").job;
    EXPECT_FALSE(plain->finalFadeOut || plain->snapToBeat || plain->snapToBar);
}

TEST(LocalEngineEligibility, AcceptsSimpleTimesAndPlainNotesElseNamesTheFirstProblem) {
    const QString start1 = "AI fallback: song 1 start time is not a simple timestamp.";
    const QString tooShort = "AI fallback: song 1 End time must be later than Start time.";
    const QString advanced =
        "note asks for an effect, vocal isolation, beatmatching, or another advanced request.";
    const QString count = "AI fallback: the selected song count is not 1, 2, or 3.";
    const std::vector<std::pair<std::vector<Song>, QString>> cases = {
        {{{"1:75", "3:00", {}}}, ""},  // an empty reason: accepted
        {{{"0:00", "0:01", {}}}, ""},
        {{{"90 seconds", "2:00", "do not pause"}}, ""},
        {{{"90sec", " ", "fade out after the chorus"}}, ""},
        {{{"0:10", "later", {}}}, "AI fallback: song 1 end time is not a simple timestamp."},
        {{{"0:00", "0:00.2", {}}}, tooShort},
        {{{"1:00", "1:00.25", {}}}, tooShort},
        {{{"1.30", "1:30.2", {}}}, tooShort},  // dotted minutes: 1.30 is 1:30
        {{{{}, {}, "no beat match"}}, ""},     // the local engine joins as asked
        {{{{}, {}, "system check"}}, "AI fallback: song 1 " + advanced},
        {{{{}, {}, "ok"}, {{}, {}, "record-scratch into song 3 at 128 bpm"}, {}}, ""},
        {{{{}, {}, "ok"}, {{}, {}, "tape stop, then start on the first vocal"}, {}},
         "AI fallback: song 2 " + advanced},
        {{{"x", {}, "first vocal"}, {"y", {}, {}}}, start1},
        {{{"0:05", {}, "stems please"}, {"y", {}, {}}}, "AI fallback: song 1 " + advanced},
        {{}, count},
        {{{"broken", {}, {}}, {}, {}, {}}, count},  // counted before any song is read
    };
    for (size_t index = 0; index < cases.size(); ++index) {
        const auto& [songs, reason] = cases[index];
        const auto eligibility = localEngineEligibility(stateWith(songs), "/o");
        EXPECT_EQ(eligibility.job.has_value(), reason.isEmpty())
            << "case " << index << ": " << eligibility.reason.toStdString();
        if (!reason.isEmpty()) {
            EXPECT_EQ(eligibility.reason, reason) << "case " << index;
        }
    }
}

// Only a join or an ending chosen by hand reaches the job (the renderer reads the note itself,
// lengths and all); never a join out of the last song, and its ending only while the final
// ending is Off.
TEST(LocalEngineEligibility, TheJobCarriesTheHandChosenJoinsAndEnding) {
    using app::songs::JoinChoice;
    using Joins = std::vector<std::optional<JoinChoice>>;
    struct Case {
        std::vector<Song> songs;
        std::vector<std::pair<int, JoinChoice>> hand;  // song index, choice
        Joins expected;
        std::optional<JoinChoice> ending = std::nullopt;
        common::FinalEndingEffect finalEnding = common::FinalEndingEffect::fade;
    };
    const std::vector<Case> cases = {
        {{{}, {}}, {}, {std::nullopt, std::nullopt}},
        {{{{}, {}, "blend into song 2 over 10 beats"}, {{}, {}, "tape stop"}},
         {},
         {std::nullopt, std::nullopt},
         {},
         common::FinalEndingEffect::none},
        {{{{}, {}, "crossfade over 16 beats"}, {}},
         {{0, JoinChoice::cut}},
         {JoinChoice::cut, std::nullopt}},
        {{{}, {}, {}},
         {{0, JoinChoice::scratch}, {1, JoinChoice::blend16}},
         {JoinChoice::scratch, JoinChoice::blend16, std::nullopt}},
        {{{}, {}}, {}, {std::nullopt, JoinChoice::echoOut}, JoinChoice::echoOut,
         common::FinalEndingEffect::none},
        {{{}, {}}, {}, {std::nullopt, std::nullopt}, JoinChoice::echoOut},
    };
    for (size_t index = 0; index < cases.size(); ++index) {
        const Case& test = cases[index];
        WizardState state = stateWith(test.songs);
        state.endingChoice = test.ending;
        state.finalEndingEffect = test.finalEnding;
        for (const auto& [song, choice] : test.hand) {
            state.songJoinChoices.insert(state.tracks[static_cast<size_t>(song)].url, choice);
        }
        const auto job = localEngineEligibility(state, "/o").job;
        ASSERT_TRUE(job.has_value()) << "case " << index;
        Joins joins;
        for (const auto& track : job->tracks) joins.push_back(track.transition);
        EXPECT_EQ(joins, test.expected) << "case " << index;
    }
}

}  // namespace
