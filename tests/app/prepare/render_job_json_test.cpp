#include <gtest/gtest.h>

#include "app/prepare/render_job.h"
#include "renderer/job/render_job.h"

namespace {

using app::prepare::encodeRenderJob;
using app::prepare::RenderJob;
using app::prepare::TrackJob;

RenderJob sampleJob() {
    RenderJob job;
    job.appVersion = "4.8";
    job.outputFolder = "/home/dj/Edits";
    job.finalFadeOut = false;
    job.finalEndingEffect = "none";
    job.tracks.push_back(TrackJob{"/home/dj/Songs/One \"Live\".mp3", "One \"Live\".mp3", "0:00", "",
                                  "end on \\ the horn\nthen stop"});
    job.tracks.push_back(
        TrackJob{"/home/dj/Songs/Zwei – Ö.flac", "Zwei – Ö.flac", "1:05", "2:10", ""});
    return job;
}

// Compact, keys in declaration order, slashes escaped; beat snap adds its one key only when on.
TEST(RenderJobJson, IsCompactInDeclarationOrderAndReadBackByTheRenderer) {
    const std::string plain = encodeRenderJob(sampleJob());
    for (const char* loose : {"\n", "\": ", ", \"", "{ ", "[ "}) {
        EXPECT_EQ(plain.find(loose), std::string::npos) << "'" << loose << "' in " << plain;
    }
    EXPECT_EQ(plain.find("snapToBeat"), std::string::npos);
    EXPECT_NE(plain.find(R"("outputFolder":"\/home\/dj\/Edits")"), std::string::npos) << plain;
    size_t at = 0;
    for (const char* key : {"appVersion", "outputFolder", "finalFadeOut", "finalEndingEffect",
                            "tracks", "path", "name", "startTime", "endTime", "note"}) {
        const size_t next = plain.find("\"" + std::string(key) + "\":", at);
        ASSERT_NE(next, std::string::npos) << key << " out of order in " << plain;
        at = next;
    }

    RenderJob snapped = sampleJob();
    snapped.snapToBeat = true;
    const std::string text = encodeRenderJob(snapped);
    EXPECT_NE(text.find(R"("finalEndingEffect":"none","snapToBeat":true,"tracks":[)"),
              std::string::npos)
        << text;
    for (const std::string& encoded : {plain, text}) {
        const renderer::RenderJob job = renderer::decodeRenderJob(encoded);
        EXPECT_EQ(job.outputFolder, "/home/dj/Edits");
        EXPECT_EQ(job.finalEndingEffect, std::optional<std::string>("none"));
        ASSERT_EQ(job.tracks.size(), 2u);
        EXPECT_EQ(job.tracks[0].path, "/home/dj/Songs/One \"Live\".mp3");
        EXPECT_EQ(job.tracks[0].note, "end on \\ the horn\nthen stop");
        EXPECT_EQ(job.tracks[1].name, "Zwei – Ö.flac");
        EXPECT_EQ(job.tracks[1].endTime, "2:10");
    }
}

// The three snap choices as the job says them, whole: Beat and Off stay the jobs they were
// before bars existed, and Bar adds its key right after the beat's.
TEST(RenderJobJson, SnapChoicesWriteOnlyTheirKeys) {
    const std::string head =
        R"({"appVersion":"4.8","outputFolder":"\/home\/dj\/Edits","finalFadeOut":false,)"
        R"("finalEndingEffect":"none",)";
    const std::string tracks =
        R"("tracks":[{"path":"\/home\/dj\/Songs\/One \"Live\".mp3","name":"One \"Live\".mp3",)"
        R"("startTime":"0:00","endTime":"","note":"end on \\ the horn\nthen stop"},)"
        R"({"path":"\/home\/dj\/Songs\/Zwei – Ö.flac","name":"Zwei – Ö.flac",)"
        R"("startTime":"1:05","endTime":"2:10","note":""}]})";
    struct Choice {
        bool snapToBeat;
        bool snapToBar;
        std::string keys;
    };
    for (const Choice& choice : {Choice{true, false, R"("snapToBeat":true,)"},
                                 Choice{true, true, R"("snapToBeat":true,"snapToBar":true,)"},
                                 Choice{false, false, ""}, Choice{false, true, ""}}) {
        RenderJob job = sampleJob();
        job.snapToBeat = choice.snapToBeat;
        job.snapToBar = choice.snapToBar;
        EXPECT_EQ(encodeRenderJob(job), head + choice.keys + tracks);
    }
}

// The join out of a song: its one key after the note, whole, and none on an unasked track; the
// renderer still reads the job.
TEST(RenderJobJson, JoinsWriteTheirTransitionAfterTheNote) {
    using app::songs::JoinChoice;
    const std::string firstTrack =
        R"({"path":"\/home\/dj\/Songs\/One \"Live\".mp3","name":"One \"Live\".mp3",)"
        R"("startTime":"0:00","endTime":"","note":"end on \\ the horn\nthen stop")";
    for (const auto& [choice, key] : std::vector<std::pair<JoinChoice, std::string>>{
             {JoinChoice::cut, R"(,"transition":{"style":"cut"}})"},
             {JoinChoice::blend4, R"(,"transition":{"style":"blend","beats":4}})"},
             {JoinChoice::blend16, R"(,"transition":{"style":"blend","beats":16}})"},
             {JoinChoice::tapeStop, R"(,"transition":{"style":"tapeStop"}})"},
             {JoinChoice::echoOut, R"(,"transition":{"style":"echoOut"}})"}}) {
        RenderJob job = sampleJob();
        job.tracks[0].transition = choice;
        const std::string text = encodeRenderJob(job);
        EXPECT_NE(text.find(firstTrack + key + R"(,{"path":)"), std::string::npos) << text;
        EXPECT_EQ(text.find("transition", text.find("Zwei")), std::string::npos) << text;
        EXPECT_EQ(renderer::decodeRenderJob(text).tracks.size(), 2u);
    }
}

}  // namespace
