#include <gtest/gtest.h>

#include "app/prepare/fast_time_job.h"
#include "renderer/job/render_job.h"

namespace {

using app::prepare::encodeFastTimeRenderJob;
using app::prepare::FastTimeRenderJob;
using app::prepare::FastTimeTrackJob;

FastTimeRenderJob sampleJob() {
    FastTimeRenderJob job;
    job.appVersion = "4.8";
    job.outputFolder = "/home/dj/Edits";
    job.finalFadeOut = false;
    job.finalEndingEffect = "none";
    job.tracks.push_back(FastTimeTrackJob{"/home/dj/Songs/One \"Live\".mp3", "One \"Live\".mp3",
                                          "0:00", "", "end on \\ the horn\nthen stop"});
    job.tracks.push_back(
        FastTimeTrackJob{"/home/dj/Songs/Zwei – Ö.flac", "Zwei – Ö.flac", "1:05", "2:10", ""});
    return job;
}

TEST(FastTimeRenderJobJson, IsCompactInDeclarationOrderWithEscapedSlashes) {
    EXPECT_EQ(encodeFastTimeRenderJob(sampleJob()),
              R"({"appVersion":"4.8","outputFolder":"\/home\/dj\/Edits","finalFadeOut":false,)"
              R"("finalEndingEffect":"none","tracks":[)"
              R"({"path":"\/home\/dj\/Songs\/One \"Live\".mp3","name":"One \"Live\".mp3",)"
              R"("startTime":"0:00","endTime":"","note":"end on \\ the horn\nthen stop"},)"
              R"({"path":"\/home\/dj\/Songs\/Zwei – Ö.flac","name":"Zwei – Ö.flac",)"
              R"("startTime":"1:05","endTime":"2:10","note":""}]})");
}

// Beat snap adds one key; without it the job is what it always was (above).
TEST(FastTimeRenderJobJson, IsReadBackByTheRenderer) {
    FastTimeRenderJob snapped = sampleJob();
    snapped.snapToBeat = true;
    const std::string text = encodeFastTimeRenderJob(snapped);
    EXPECT_NE(text.find(R"("finalEndingEffect":"none","snapToBeat":true,"tracks":[)"),
              std::string::npos)
        << text;
    const renderer::RenderJob job = renderer::decodeRenderJob(text);
    EXPECT_EQ(job.outputFolder, "/home/dj/Edits");
    EXPECT_EQ(job.finalEndingEffect, std::optional<std::string>("none"));
    ASSERT_EQ(job.tracks.size(), 2u);
    EXPECT_EQ(job.tracks[0].path, "/home/dj/Songs/One \"Live\".mp3");
    EXPECT_EQ(job.tracks[0].note, "end on \\ the horn\nthen stop");
    EXPECT_EQ(job.tracks[1].name, "Zwei – Ö.flac");
    EXPECT_EQ(job.tracks[1].endTime, "2:10");
}

}  // namespace
