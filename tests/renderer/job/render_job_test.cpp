// What the user typed: the job file, and the times and notes inside it.

#include "renderer/job/render_job.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include "renderer/job/time_targets.h"

namespace renderer {
namespace {

using common::FinalEndingEffect;

const char* const kTrack =
    R"({"path":"\/music\/a.wav","name":"A","startTime":"0:42","endTime":"","note":"drop"})";

std::string jobText(const std::string& effectMember, const std::string& tracks) {
    return std::string(R"({"appVersion":"4.8","outputFolder":"\/out","finalFadeOut":true,)") +
           effectMember + R"("tracks":[)" + tracks + "]}";
}

TEST(DecodeRenderJob, AcceptsAnyKeyOrderAndUnknownKeysAndTakesANullEffectAsAbsent) {
    const std::string text = R"json(
        { "tracks" : [ { "note": "intro", "endTime": "1:05.5", "startTime": "42s",
                         "name": "", "path": "/music/b.flac", "bpm": 120 } ],
          "futureKey": {"nested": [1, 2]}, "finalFadeOut": false,
          "outputFolder": "\/Users\/me\/Edits", "finalEndingEffect": "echoFade",
          "appVersion": "4.8 (12)", "snapToBeat": true })json";
    const RenderJob job = decodeRenderJob(text);
    EXPECT_EQ(std::tie(job.appVersion, job.outputFolder, job.finalFadeOut),
              std::make_tuple("4.8 (12)", "/Users/me/Edits", false));
    EXPECT_EQ(job.finalEndingEffect, "echoFade");
    EXPECT_TRUE(job.snapToBeat);
    ASSERT_EQ(job.tracks.size(), 1u);
    const TrackJob& track = job.tracks[0];
    EXPECT_EQ(std::tie(track.path, track.name, track.startTime, track.endTime, track.note),
              std::make_tuple("/music/b.flac", "", "42s", "1:05.5", "intro"));

    const RenderJob plain = decodeRenderJob(jobText("", kTrack));
    EXPECT_FALSE(plain.finalEndingEffect.has_value() || plain.snapToBeat);
    EXPECT_FALSE(
        decodeRenderJob(jobText(R"("finalEndingEffect":null,)", kTrack)).finalEndingEffect);
    EXPECT_TRUE(decodeRenderJob(jobText("", "")).tracks.empty());  // counted later, by render
}

TEST(DecodeRenderJob, RefusesMissingKeysWrongTypesAndNonJsonOnOneLine) {
    const std::string head = R"({"appVersion":"1","outputFolder":"/o","finalFadeOut":true,)";
    const std::vector<std::string> unreadable = {
        "",
        "{\"appVersion\":\"1\",\n\"outputFolder\":",
        "[1, 2]",
        head + R"("tracks":[],"x":1e999})",  // a number too large for a double
        head + R"("tracks":{}})",
        head + R"("tracks":[42]})",
        head + "}",
        R"({"outputFolder":"/o","finalFadeOut":true,"tracks":[]})",
        R"({"appVersion":1,"outputFolder":"/o","finalFadeOut":true,"tracks":[]})",
        R"({"appVersion":"1","outputFolder":"/o","finalFadeOut":1,"tracks":[]})",
        jobText("", R"({"path":"/a.wav","name":"","startTime":"0","endTime":""})"),
        jobText("", R"({"path":"/a.wav","name":"","startTime":"0","endTime":"","note":[]})"),
        jobText("", R"({"path":null,"name":"","startTime":"0","endTime":"","note":""})"),
        jobText(R"("finalEndingEffect":3,)", kTrack),
        jobText(R"("snapToBeat":"yes",)", kTrack),
        "{\"appVersion\":\"\xff\",\"outputFolder\":\"/o\",\"finalFadeOut\":true,\"tracks\":[]}",
    };
    using namespace ::testing;
    for (const std::string& text : unreadable) {
        EXPECT_THAT([&] { decodeRenderJob(text); },
                    ThrowsMessage<std::runtime_error>(AllOf(Not(IsEmpty()), Not(HasSubstr("\n")))))
            << text;
    }
}

TEST(ResolveEndingPlan, UsesTheEffectTextAndFallsBackToFinalFadeOut) {
    const struct {
        std::optional<std::string> effectText;
        bool finalFadeOut;
        FinalEndingEffect expected;
    } cases[] = {
        {std::nullopt, true, FinalEndingEffect::fade},
        {std::nullopt, false, FinalEndingEffect::none},
        {"none", true, FinalEndingEffect::none},  // an explicit "none" wins
        {"fade", false, FinalEndingEffect::fade},
        {"echoFade", false, FinalEndingEffect::echoFade},
        {"Fade", true, FinalEndingEffect::fade},  // wrong case counts as unknown
        {"Fade", false, FinalEndingEffect::none},
        {"echo", true, FinalEndingEffect::fade},
        {"", false, FinalEndingEffect::none},
    };
    for (const auto& ending : cases) {
        RenderJob job;
        job.finalFadeOut = ending.finalFadeOut;
        job.finalEndingEffect = ending.effectText;
        const EndingPlan plan = resolveEndingPlan(job);
        EXPECT_EQ(plan.effect, ending.expected)
            << ending.effectText.value_or("(absent)") << " / " << ending.finalFadeOut;
        EXPECT_EQ(plan.tailSeconds, ending.expected == FinalEndingEffect::echoFade ? 4.0 : 2.0);
    }
}

TEST(NoteTime, TakesTheFirstTimeThatParses) {
    EXPECT_EQ(noteTime("fade out at 2:10 please"), 130.0);
    EXPECT_EQ(noteTime("keep 3 choruses, end near 95s"), 3.0);
    EXPECT_EQ(noteTime("take2"), 2.0);
    EXPECT_EQ(noteTime("STOP AT 90 SECONDS"), 90.0);
    // A colon time needs one or two digits before the colon and may not follow a digit.
    EXPECT_EQ(noteTime("123:45"), 123.0);
    // An Arabic-Indic three matches the expression's \d but is no C-locale number.
    EXPECT_EQ(noteTime("\xd9\xa3 then 7"), 7.0);
    EXPECT_FALSE(noteTime("cut after the second chorus").has_value());
    EXPECT_EQ(noteTime("end near 1.30 seconds"), 1.3);  // a unit makes plain seconds
}

EndOffset endFor(const char* note, double durationSeconds, long long firstFrame = 0,
                 int songNumber = 1, int songCount = 1) {
    TrackJob track;
    track.note = note;
    return inferredEndOffset(track, firstFrame, durationSeconds, songNumber, songCount);
}

TEST(InferredEndOffset, UsesANoteTimeOnlyWithAnEndWord) {
    EXPECT_EQ(endFor("end around 1:45", 300).seconds, 105.0);
    EXPECT_EQ(endFor("end around 1:45", 300).reason, "note_time");
    EXPECT_EQ(endFor("1:45", 300, 0, 2, 2).seconds, 72.0);
    EXPECT_EQ(endFor("1:45", 300, 0, 2, 2).reason, "local_time_guess");
    EXPECT_EQ(endFor("1:45", 300, 0, 1, 2).seconds, 58.0);
}

TEST(InferredEndOffset, PicksTheFirstSectionRuleThatApplies) {
    // A 200-second song with its first note at 0: available = 199.75.
    EXPECT_EQ(endFor("intro only", 200).seconds, 24.0);
    EXPECT_EQ(endFor("intro into the chorus", 200).seconds, 68.0);
    EXPECT_EQ(endFor("long outro", 200).seconds, 181.75);
    EXPECT_EQ(endFor("verse and hook", 200).seconds, 68.0);
    EXPECT_EQ(endFor("second chorus", 200).seconds, 112.0);
    EXPECT_EQ(endFor("third hook", 200).seconds, 160.0);
}

TEST(InferredEndOffset, StaysInsideTheFileAndAboveTheMinimums) {
    for (const char* note : {"intro", "outro", "second chorus", ""}) {
        EXPECT_EQ(endFor(note, 5.0).seconds, 4.75) << note;
    }
    EXPECT_EQ(endFor("fade at 0.1", 300).seconds, 0.25);
    // A first note at 2 s leaves 100 − 2 − 0.25 = 97.75 after musical zero.
    EXPECT_EQ(endFor("end at 200s", 100, 88200).seconds, 97.75);
    EXPECT_EQ(endFor("end at 9", 1.0, 44100).seconds, 0.5);
}

}  // namespace
}  // namespace renderer
