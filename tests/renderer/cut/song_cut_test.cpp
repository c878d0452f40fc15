// Where a song's cut falls: zero crossings near the targets, a quarter second at least, and the
// ending carried by the last song.

#include "renderer/cut/song_cut.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

#include "renderer/analysis/zero_crossing.h"
#include "renderer/base/render_error.h"
#include "tests/renderer/cut/cut_track.h"
#include "tests/support/generated_audio.h"

namespace renderer {
namespace {

using common::FinalEndingEffect;
using testsupport::cutTrack;
using testsupport::Samples;

// Both channels hold `level`, except frames [negativeFrom, negativeTo), which hold −level:
// the mono value changes sign exactly at those two frames.
Samples signChanges(long long frames, long long negativeFrom, long long negativeTo,
                    int16_t level = 300) {
    Samples samples(static_cast<size_t>(frames) * 2, level);
    for (long long f = negativeFrom; f < negativeTo; ++f) {
        samples[static_cast<size_t>(f) * 2] = samples[static_cast<size_t>(f) * 2 + 1] = -level;
    }
    return samples;
}

TEST(NearestZeroCrossing, PicksTheNearestCrossingAndTheLowerOnATie) {
    EXPECT_EQ(nearestZeroCrossingFrame(signChanges(20000, 9995, 10005), 10000), 9995);
    EXPECT_EQ(nearestZeroCrossingFrame(signChanges(20000, 9994, 10005), 10000), 10005);
    // A mono zero counts on both sides: frames 10010 (cur = 0) and 10011 (prev = 0).
    Samples zero = signChanges(20000, 0, 0);
    zero[2 * 10010] = 500;
    zero[2 * 10010 + 1] = -500;
    EXPECT_EQ(nearestZeroCrossingFrame(zero, 10000), 10010);
    EXPECT_EQ(nearestZeroCrossingFrame(zero, 10020), 10011);
}

TEST(NearestZeroCrossing, FallsBackToTheQuietestFrameOfTheRange) {
    // Constant DC: every frame is equally quiet, so the first frame of the range wins.
    const Samples dc = signChanges(20000, 0, 0, 500);
    EXPECT_EQ(nearestZeroCrossingFrame(dc, 5000), 5000 - 1543);
    EXPECT_EQ(nearestZeroCrossingFrame(dc, 0), 1);
    // 0.001 s is 44 frames: a crossing 50 frames away is out of reach.
    const Samples far = signChanges(20000, 10050, 15000);
    EXPECT_EQ(nearestZeroCrossingFrame(far, 10000), 10050);
    EXPECT_EQ(nearestZeroCrossingFrame(far, 10000, 0.001), 10000 - 44);
}

TEST(NearestZeroCrossing, HandlesTargetsOutsideTheBuffer) {
    const Samples samples = signChanges(1000, 500, 990);
    EXPECT_EQ(nearestZeroCrossingFrame(samples, 1100), 990);   // within the radius of the end
    EXPECT_EQ(nearestZeroCrossingFrame(samples, 10000), 999);  // the range is empty
    EXPECT_EQ(nearestZeroCrossingFrame(samples, std::numeric_limits<long long>::max()), 999);
    EXPECT_EQ(nearestZeroCrossingFrame(samples, -100), 500);
    EXPECT_EQ(nearestZeroCrossingFrame(samples, -5000), 0);
    EXPECT_EQ(nearestZeroCrossingFrame(samples, std::numeric_limits<long long>::min()), 0);
    EXPECT_EQ(nearestZeroCrossingFrame(Samples{5, 5, 5}, 10), 0);
}

SongCut cut(const Samples& song, const std::string& start, const std::string& end,
            FinalEndingEffect effect = FinalEndingEffect::none, int songNumber = 1) {
    return cutSong(song, cutTrack("/music/Song.wav", start, end), songNumber, songNumber,
                   EndingPlan{effect, common::tailSeconds(effect)});
}

long long frames(const SongCut& cut) { return static_cast<long long>(cut.segment.size() / 2); }

long long frameOf(double fileSeconds) { return std::llround(fileSeconds * 44100.0); }

TEST(SongCut, EveryCutKeepsAQuarterSecond) {
    const Samples song = testsupport::tone(3.0, 440.0, 0.5);
    for (const char* end : {"0:01", "0"}) {  // before the start, and 0
        const SongCut early = cut(song, "2", end);
        EXPECT_DOUBLE_EQ(early.analysis.targetEndFileTime,
                         early.analysis.targetStartFileTime + 0.25);
        EXPECT_GE(frames(early), 11025) << end;
    }

    // A start past the end of the song: the cut starts 0.1 s before the end and runs to the
    // end of the audio, while its chosen end lies a quarter second after its start.
    const SongCut late = cut(song, "10", "");
    EXPECT_DOUBLE_EQ(late.analysis.targetStartFileTime, 2.9);
    EXPECT_NEAR(late.analysis.selectedStartFileTime, 2.9, 0.035);
    EXPECT_NEAR(late.analysis.selectedEndFileTime, late.analysis.selectedStartFileTime + 0.25,
                1e-9);
    EXPECT_EQ(frames(late), 3 * 44100 - frameOf(late.analysis.selectedStartFileTime));
}

TEST(SongCut, FadeNeedsMoreThanAQuarterSecondOfSongAfterTheEnd) {
    // 0.2 s after the end: too little to fade, so this song carries no ending.
    const SongCut noFade =
        cut(testsupport::tone(10.0, 440.0, 0.5), "1", "9.8", FinalEndingEffect::fade, 2);
    EXPECT_FALSE(noFade.endingStartFrame);
    EXPECT_FALSE(noFade.analysis.finalFadeStartFileTime);
    EXPECT_EQ(noFade.analysis.finalEndingEffect, "Off");
    EXPECT_EQ(noFade.analysis.finalFadeExtraSeconds, 0.0);
    EXPECT_DOUBLE_EQ(noFade.analysis.renderedEndFileTime, noFade.analysis.selectedEndFileTime);
}

TEST(SongCut, EchoOnACutShortenedByTheFileEndStartsWhereTheAudioEnds) {
    // The chosen end lies 0.15 s past the file; starting the echo there would leave a gap of
    // silence between the song and its echo.
    const SongCut echo =
        cut(testsupport::tone(3.0, 440.0, 0.5), "10", "", FinalEndingEffect::echoFade);
    const long long audioFrames = 3 * 44100 - frameOf(echo.analysis.selectedStartFileTime);
    ASSERT_TRUE(echo.endingStartFrame);
    EXPECT_EQ(*echo.endingStartFrame, audioFrames);
    EXPECT_EQ(frames(echo), audioFrames + 176400);
}

// An end that is no time (hexadecimal is not one) is inferred like an empty one.
TEST(SongCut, RefusesAnUnreadableStartInfersAnUnreadableEndAndKeepsASingleFrame) {
    const Samples song = testsupport::tone(1.0, 440.0, 0.5);
    EXPECT_THAT([&] { cut(song, "soon", "", FinalEndingEffect::none, 2); },
                ::testing::ThrowsMessage<RenderError>("Track 2 needs a clear start time."));
    EXPECT_EQ(cut(song, "0", "0x2").analysis.endReason, "local_time_guess");
    const SongCut single = cut(Samples{1000, -1000}, "0", "", FinalEndingEffect::fade);
    EXPECT_EQ(single.segment, (Samples{1000, -1000}));
    EXPECT_FALSE(single.endingStartFrame);
}

}  // namespace
}  // namespace renderer
