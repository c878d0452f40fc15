#include "renderer/render_job.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

namespace renderer {
namespace {

using common::FinalEndingEffect;

const char* const kTrack =
    R"({"path":"\/music\/a.wav","name":"A","startTime":"0:42","endTime":"","note":"drop"})";

std::string jobText(const std::string& effectMember, const std::string& tracks) {
    return std::string(R"({"appVersion":"4.8","outputFolder":"\/out","finalFadeOut":true,)") +
           effectMember + R"("tracks":[)" + tracks + "]}";
}

TEST(DecodeRenderJob, AcceptsAnyKeyOrderWhitespaceEscapedSlashesAndUnknownKeys) {
    const std::string text = R"json(
        { "tracks" : [ { "note": "intro", "endTime": "1:05.5", "startTime": "42s",
                         "name": "", "path": "/music/b.flac", "bpm": 120 } ],
          "futureKey": {"nested": [1, 2]}, "finalFadeOut": false,
          "outputFolder": "\/Users\/me\/Edits", "finalEndingEffect": "echoFade",
          "appVersion": "4.8 (12)" })json";
    const RenderJob job = decodeRenderJob(text);
    EXPECT_EQ(std::tie(job.appVersion, job.outputFolder, job.finalFadeOut),
              std::make_tuple("4.8 (12)", "/Users/me/Edits", false));
    EXPECT_EQ(job.finalEndingEffect, "echoFade");
    ASSERT_EQ(job.tracks.size(), 1u);
    const TrackJob& track = job.tracks[0];
    EXPECT_EQ(std::tie(track.path, track.name, track.startTime, track.endTime, track.note),
              std::make_tuple("/music/b.flac", "", "42s", "1:05.5", "intro"));
}

TEST(DecodeRenderJob, TreatsAnAbsentOrNullEndingEffectAsMissing) {
    EXPECT_FALSE(decodeRenderJob(jobText("", kTrack)).finalEndingEffect.has_value());
    EXPECT_FALSE(
        decodeRenderJob(jobText(R"("finalEndingEffect":null,)", kTrack)).finalEndingEffect);
    const RenderJob empty = decodeRenderJob(jobText("", ""));
    EXPECT_TRUE(empty.tracks.empty());  // the track count is render's check, not the format's
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
        "{\"appVersion\":\"\xff\",\"outputFolder\":\"/o\",\"finalFadeOut\":true,\"tracks\":[]}",
    };
    for (const std::string& text : unreadable) {
        try {
            decodeRenderJob(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(error.what(), std::string());
            EXPECT_EQ(std::string(error.what()).find('\n'), std::string::npos) << error.what();
        }
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

}  // namespace
}  // namespace renderer
