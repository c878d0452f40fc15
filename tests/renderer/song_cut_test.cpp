#include "renderer/song_cut.h"

#include <gtest/gtest.h>

#include "renderer/gain_and_ramps.h"
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

TEST(SongCut, FirstNoteAndTypedTimesPlaceTheCutOnNearbyCrossings) {
    const Samples song =
        testsupport::concatenate({testsupport::silence(1.0), testsupport::tone(6.0, 440.0, 0.5)});
    const SongCut cut = cutSong(song, typed("1", "0:03"), 1, 2, plan(FinalEndingEffect::fade));

    const renderer::TrackAnalysis& a = cut.analysis;
    EXPECT_EQ(a.track, 1);
    EXPECT_EQ(a.name, "Song.wav");  // empty name: the file's name
    EXPECT_DOUBLE_EQ(a.duration, 7.0);
    // The first window of three loud ones starts before 1 s, then 661 frames earlier.
    EXPECT_GT(a.firstNoteTime, 1.0 - (2048 + 661) / kRate);
    EXPECT_LT(a.firstNoteTime, 1.0);
    EXPECT_EQ(a.endReason, "typed_time");
    EXPECT_DOUBLE_EQ(a.targetStartFileTime, a.firstNoteTime + 1.0);
    EXPECT_DOUBLE_EQ(a.targetEndFileTime, a.firstNoteTime + 3.0);
    // A 440 Hz tone crosses zero every 50 frames or so.
    EXPECT_NEAR(a.selectedStartFileTime, a.targetStartFileTime, 60 / kRate);
    EXPECT_NEAR(a.selectedEndFileTime, a.targetEndFileTime, 60 / kRate);
    // Not the last song: no ending, cut exactly at the end.
    EXPECT_FALSE(cut.endingStartFrame);
    EXPECT_FALSE(a.finalFadeStartFileTime);
    EXPECT_EQ(a.finalEndingEffect, "Off");
    EXPECT_EQ(a.finalFadeExtraSeconds, 0.0);
    EXPECT_DOUBLE_EQ(a.renderedEndFileTime, a.selectedEndFileTime);
    EXPECT_EQ(segmentFrames(cut),
              frameOf(a.selectedEndFileTime) - frameOf(a.selectedStartFileTime));
    EXPECT_DOUBLE_EQ(a.selectedDuration, segmentFrames(cut) / kRate);

    // The samples are the song's own from the start frame on, with de-click ramps.
    const long long start = frameOf(a.selectedStartFileTime);
    EXPECT_EQ(cut.segment[0], 0);
    EXPECT_EQ(cut.segment[2 * 200], song[static_cast<size_t>(2 * (start + 200))]);
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

TEST(SongCut, FadeEndingPlaysOnOverUpToTwoSecondsOfTheSong) {
    const Samples song = testsupport::tone(10.0, 440.0, 0.5);
    const EndingPlan fade = plan(FinalEndingEffect::fade);

    // Five seconds after the end: the segment runs 2 s past it and the fade covers exactly those.
    SongCut cut = cutSong(song, typed("1", "5"), 2, 2, fade);
    const renderer::TrackAnalysis& a = cut.analysis;
    const long long cutFrames = frameOf(a.selectedEndFileTime) - frameOf(a.selectedStartFileTime);
    ASSERT_TRUE(cut.endingStartFrame);
    EXPECT_EQ(*cut.endingStartFrame, cutFrames);
    EXPECT_EQ(segmentFrames(cut), cutFrames + 88200);
    EXPECT_EQ(a.finalFadeStartFileTime, a.selectedEndFileTime);
    EXPECT_NEAR(a.renderedEndFileTime, a.selectedEndFileTime + 2.0, 1e-9);
    EXPECT_EQ(a.finalEndingEffect, "Fade");
    EXPECT_EQ(a.finalFadeExtraSeconds, 2.0);
    EXPECT_DOUBLE_EQ(renderer::applyFinalFade(cut.segment, *cut.endingStartFrame), 2.0);

    // 0.2 s after the end: too little to fade, so this song carries no ending.
    const SongCut shortTail = cutSong(song, typed("1", "9.8"), 2, 2, fade);
    EXPECT_FALSE(shortTail.endingStartFrame);
    EXPECT_FALSE(shortTail.analysis.finalFadeStartFileTime);
    EXPECT_EQ(shortTail.analysis.finalEndingEffect, "Off");
    EXPECT_EQ(shortTail.analysis.finalFadeExtraSeconds, 0.0);
    EXPECT_DOUBLE_EQ(shortTail.analysis.renderedEndFileTime,
                     shortTail.analysis.selectedEndFileTime);
}

TEST(SongCut, EchoEndingAppendsFourSecondsOfSilenceAndLeavesTheCutUnramped) {
    const Samples song = testsupport::tone(5.0, 440.0, 0.5);
    const SongCut cut = cutSong(song, typed("1", "3"), 1, 1, plan(FinalEndingEffect::echoFade));
    const renderer::TrackAnalysis& a = cut.analysis;
    const long long cutFrames = frameOf(a.selectedEndFileTime) - frameOf(a.selectedStartFileTime);

    EXPECT_EQ(segmentFrames(cut), cutFrames + 176400);
    ASSERT_TRUE(cut.endingStartFrame);
    EXPECT_EQ(*cut.endingStartFrame, cutFrames);
    EXPECT_NEAR(a.renderedEndFileTime, a.selectedEndFileTime + 4.0, 1e-9);
    EXPECT_NEAR(a.selectedDuration, cutFrames / kRate + 4.0, 1e-9);
    EXPECT_EQ(a.finalEndingEffect, "Echo/Fade");
    EXPECT_EQ(a.finalFadeExtraSeconds, 4.0);
    // The outgoing ramp lies at the end of the silence; the last frames of the cut keep the
    // song's samples for the echo to repeat.
    const long long songFrame = frameOf(a.selectedStartFileTime) + cutFrames - 10;
    EXPECT_EQ(cut.segment[static_cast<size_t>(2 * (cutFrames - 10))],
              song[static_cast<size_t>(2 * songFrame)]);
    EXPECT_NE(song[static_cast<size_t>(2 * songFrame)], 0);
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

TEST(SongCut, RefusesAnUnreadableStartAndASongWithoutAWholeFrame) {
    const EndingPlan none = plan(FinalEndingEffect::none);
    try {
        cutSong(testsupport::tone(1.0, 440.0, 0.5), typed("soon", ""), 2, 3, none);
        FAIL() << "an unreadable start must fail";
    } catch (const renderer::RenderError& error) {
        EXPECT_STREQ(error.what(), "Track 2 needs a clear start time.");
    }
    for (const Samples& empty : {Samples{}, Samples{1234}}) {
        try {
            cutSong(empty, typed("0", ""), 3, 3, none);
            ADD_FAILURE() << "a song without a whole frame must fail";
        } catch (const renderer::RenderError& error) {
            EXPECT_STREQ(error.what(), "Track 3 has no audio to cut.");
        }
    }
}

TEST(SongCut, ASingleFrameSongGivesAOneFrameSegment) {
    const SongCut cut =
        cutSong(Samples{1000, -1000}, typed("0", ""), 1, 1, plan(FinalEndingEffect::fade));
    EXPECT_EQ(cut.segment, (Samples{1000, -1000}));
    EXPECT_FALSE(cut.endingStartFrame);
}

}  // namespace
