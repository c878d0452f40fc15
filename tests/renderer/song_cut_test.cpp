#include "renderer/song_cut.h"

#include <gtest/gtest.h>

#include "renderer/render_error.h"
#include "tests/support/generated_audio.h"

namespace {

using common::FinalEndingEffect;
using renderer::cutSong;
using renderer::EndingPlan;
using renderer::SongCut;
using renderer::TrackJob;
using testsupport::Samples;

constexpr double kRate = 44100.0;
constexpr long long kQuarterSecond = 11025;

TrackJob typed(const std::string& start, const std::string& end, const std::string& note = "") {
    return TrackJob{"/music/Song.wav", "", start, end, note};
}

EndingPlan plan(FinalEndingEffect effect) {
    return EndingPlan{effect, common::tailSeconds(effect)};
}

long long frameOf(double fileSeconds) { return std::llround(fileSeconds * kRate); }

long long segmentFrames(const SongCut& cut) {
    return static_cast<long long>(cut.segment.size() / 2);
}

TEST(SongCut, EveryCutKeepsAQuarterSecond) {
    const Samples song = testsupport::tone(3.0, 440.0, 0.5);
    const EndingPlan none = plan(FinalEndingEffect::none);

    // An end before the start, and an end of 0.
    for (const char* end : {"0:01", "0"}) {
        const SongCut cut = cutSong(song, typed("2", end), 1, 1, none);
        EXPECT_DOUBLE_EQ(cut.analysis.targetEndFileTime, cut.analysis.targetStartFileTime + 0.25);
        EXPECT_GE(segmentFrames(cut), kQuarterSecond) << end;
    }

    // A start past the end of the song: the cut starts 0.1 s before the end and runs to the
    // end of the audio, while its chosen end lies a quarter second after its start.
    const SongCut late = cutSong(song, typed("10", ""), 1, 1, none);
    EXPECT_DOUBLE_EQ(late.analysis.targetStartFileTime, 2.9);
    EXPECT_NEAR(late.analysis.selectedStartFileTime, 2.9, 0.035);
    EXPECT_NEAR(late.analysis.selectedEndFileTime, late.analysis.selectedStartFileTime + 0.25,
                1e-9);
    EXPECT_GT(late.analysis.selectedEndFileTime, late.analysis.duration);
    EXPECT_EQ(segmentFrames(late), 3 * 44100 - frameOf(late.analysis.selectedStartFileTime));
}

TEST(SongCut, FadeNeedsMoreThanAQuarterSecondOfSongAfterTheEnd) {
    // 0.2 s after the end: too little to fade, so this song carries no ending.
    const SongCut cut = cutSong(testsupport::tone(10.0, 440.0, 0.5), typed("1", "9.8"), 2, 2,
                                plan(FinalEndingEffect::fade));
    EXPECT_FALSE(cut.endingStartFrame);
    EXPECT_FALSE(cut.analysis.finalFadeStartFileTime);
    EXPECT_EQ(cut.analysis.finalEndingEffect, "Off");
    EXPECT_EQ(cut.analysis.finalFadeExtraSeconds, 0.0);
    EXPECT_DOUBLE_EQ(cut.analysis.renderedEndFileTime, cut.analysis.selectedEndFileTime);
}

TEST(SongCut, EchoOnACutShortenedByTheFileEndStartsWhereTheAudioEnds) {
    // The chosen end lies 0.15 s past the file; starting the echo there would leave a gap of
    // silence between the song and its echo.
    const Samples song = testsupport::tone(3.0, 440.0, 0.5);
    const SongCut cut = cutSong(song, typed("10", ""), 1, 1, plan(FinalEndingEffect::echoFade));
    const long long audioFrames = 3 * 44100 - frameOf(cut.analysis.selectedStartFileTime);
    ASSERT_TRUE(cut.endingStartFrame);
    EXPECT_EQ(*cut.endingStartFrame, audioFrames);
    EXPECT_EQ(segmentFrames(cut), audioFrames + 176400);
}

TEST(SongCut, RefusesAnUnreadableStart) {
    try {
        cutSong(testsupport::tone(1.0, 440.0, 0.5), typed("soon", ""), 2, 3,
                plan(FinalEndingEffect::none));
        FAIL() << "an unreadable start must fail";
    } catch (const renderer::RenderError& error) {
        EXPECT_STREQ(error.what(), "Track 2 needs a clear start time.");
    }
}

TEST(SongCut, ASingleFrameSongGivesAOneFrameSegment) {
    const SongCut cut =
        cutSong(Samples{1000, -1000}, typed("0", ""), 1, 1, plan(FinalEndingEffect::fade));
    EXPECT_EQ(cut.segment, (Samples{1000, -1000}));
    EXPECT_FALSE(cut.endingStartFrame);
}

}  // namespace
