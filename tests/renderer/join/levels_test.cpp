// How levels are stored, measured, matched and capped, and how a join is judged by them.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "renderer/analysis/signal_analysis.h"
#include "renderer/base/render_error.h"
#include "renderer/cut/gain_and_ramps.h"
#include "renderer/cut/sample_math.h"
#include "renderer/cut/song_cut.h"
#include "renderer/join/finished_edit.h"
#include "renderer/join/join_qc.h"
#include "renderer/join/loudness.h"
#include "tests/renderer/cut/cut_track.h"
#include "tests/support/generated_audio.h"

namespace renderer {
namespace {

using common::FinalEndingEffect;
using testsupport::cutTrack;
using testsupport::Samples;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(ClampInt16, RoundsHalvesAwayFromZeroThenClamps) {
    // 0.49999999999999994 is the largest double below one half: adding 0.5 would round it up.
    const std::pair<double, int16_t> cases[] = {
        {-1.5, -2},         {2.5, 3},       {0.49999999999999994, 0}, {32767.5, 32767},
        {-32768.5, -32768}, {1e300, 32767}, {-kInfinity, -32768},     {kNaN, 0}};
    for (const auto& [value, expected] : cases) EXPECT_EQ(clampInt16(value), expected) << value;
}

TEST(Loudness, MeasuresWholePairsInsideTheBuffer) {
    // One sample is no pair; of three, the odd third is ignored; opposite channels cancel.
    EXPECT_EQ(monoValue(Samples{100, -50, 7}, 1), 0.0);
    EXPECT_EQ(segmentRMS(Samples{30000}), 0.0);
    EXPECT_EQ(segmentRMS(Samples{32767, 32767, 32767}), 1.0);
    EXPECT_EQ(segmentRMS(Samples{20000, -20000, 20000, -20000}), 0.0);

    const Samples loudThenSilent = {16000, 16000, 16000, 16000, 0, 0, 0, 0};
    EXPECT_DOUBLE_EQ(frameRMS(loudThenSilent, 1, 100), 16000.0 / 32767.0 / std::sqrt(3.0));
    EXPECT_EQ(frameRMS(loudThenSilent, 4, 5), 0.0);
    EXPECT_EQ(peakValue(Samples{}), 0.0);
    EXPECT_DOUBLE_EQ(peakValue(Samples{-32768}), 32768.0 / 32767.0);
}

TEST(LevelMatch, TargetsTheUpperMedianAndKeepsGainsBetweenHalfAndDouble) {
    EXPECT_DOUBLE_EQ(levelMatchTarget(std::vector<double>{0.1, 0.4}), 0.4);
    EXPECT_DOUBLE_EQ(levelMatchTarget(std::vector<double>{0.3, 0.0, 0.1, 0.2}), 0.2);
    EXPECT_DOUBLE_EQ(levelMatchTarget(std::vector<double>{0.0, 0.0}), 0.05);
    EXPECT_DOUBLE_EQ(levelMatchTarget(std::vector<double>{}), 0.05);

    EXPECT_DOUBLE_EQ(levelMatchGain(0.1, 0.4), 2.0);  // 4.0 capped
    EXPECT_DOUBLE_EQ(levelMatchGain(0.4, 0.1), 0.5);  // 0.25 raised
    EXPECT_DOUBLE_EQ(levelMatchGain(0.2, 0.3), 1.5);
    EXPECT_DOUBLE_EQ(levelMatchGain(0.0, 0.3), 1.0);
    EXPECT_DOUBLE_EQ(levelMatchGain(0.2, 0.0), 1.0);
}

// One segment is its own level-match target, so only the peak rule changes it.
FinishedEdit oneSegmentEdit(const Samples& samples) {
    const double level = segmentRMS(samples);
    return FinishedEdit({samples}, std::span(&level, 1), common::FinalEndingEffect::none,
                        noEndingStartFrame);
}

Samples finishedSamples(const FinishedEdit& edit) {
    Samples samples(edit.sampleCount());
    edit.copySamples(0, samples);
    return samples;
}

TEST(PeakCeiling, OnlyLowersAnEditAboveTheCeilingAndRefusesSilence) {
    const FinishedEdit justBelow = oneSegmentEdit({30145, -100});  // 0.91998 of full scale
    EXPECT_DOUBLE_EQ(justBelow.peakAfterNormalize(), 30145 / 32767.0);
    EXPECT_EQ(finishedSamples(justBelow), (Samples{30145, -100}));

    const FinishedEdit fullScale = oneSegmentEdit({32767, -16384, -32768, 0});
    EXPECT_NEAR(fullScale.peakAfterNormalize(), 0.92, 0.5 / 32767.0);
    EXPECT_EQ(finishedSamples(fullScale)[1], -15073);  // -16384 × 0.92 / (32768 / 32767)

    for (const Samples& silent : {Samples{}, Samples(64, 0)}) {
        EXPECT_THAT([&] { oneSegmentEdit(silent); },
                    ::testing::ThrowsMessage<RenderError>("Rendered audio is silent."))
            << silent.size() << " samples";
    }
}

// Whatever the ending adds after the last song (the fade's extra audio, the echo's silence)
// must not change how loud that song is made: it is measured on its own audio.
TEST(LevelMatch, TwoEquallyLoudSongsStayEquallyLoudWithEveryEndingAndCutLength) {
    const Samples songs[] = {testsupport::tone(10.0, 330.0, 0.4),
                             testsupport::tone(10.0, 440.0, 0.4)};
    for (const FinalEndingEffect effect :
         {FinalEndingEffect::none, FinalEndingEffect::fade, FinalEndingEffect::echoFade}) {
        for (const char* end : {"0:01", "0:02", "0:05"}) {
            SCOPED_TRACE(std::string(common::rawValue(effect)) + " to " + end);
            const EndingPlan plan{effect, common::tailSeconds(effect)};
            std::vector<std::vector<int16_t>> segments;
            std::vector<double> levels;
            long long endingStart = noEndingStartFrame;
            for (int song = 1; song <= 2; ++song) {
                SongCut cut = cutSong(songs[song - 1], cutTrack("/s.wav", "0", end), song, 2, plan);
                if (cut.endingStartFrame) {
                    endingStart =
                        static_cast<long long>(segments[0].size() / 2) + *cut.endingStartFrame;
                }
                levels.push_back(cut.level);
                segments.push_back(std::move(cut.segment));
            }
            const size_t firstSongSamples = segments[0].size();
            const FinishedEdit edit(std::move(segments), levels, effect, endingStart);
            const Samples output = finishedSamples(edit);
            const size_t secondSongEnd = endingStart == noEndingStartFrame
                                             ? output.size()
                                             : static_cast<size_t>(endingStart) * 2;
            const ConstSampleSpan all(output);
            const double first = segmentRMS(all.first(firstSongSamples));
            const double second =
                segmentRMS(all.subspan(firstSongSamples, secondSongEnd - firstSongSamples));
            EXPECT_NEAR(20.0 * std::log10(second / first), 0.0, 0.5);
        }
    }
}

TEST(JoinQC, DeadAirNeedsBothPeakAndRMSStrictlyBelowTheThresholds) {
    EXPECT_TRUE(isDeadAir(TransitionCheck{1, 0.004, 0.001}));
    EXPECT_TRUE(isDeadAir(TransitionCheck{1, 0.0, 0.0}));
    EXPECT_FALSE(isDeadAir(TransitionCheck{1, 0.004, 0.002}));  // quiet, but not silent
    EXPECT_FALSE(isDeadAir(TransitionCheck{1, 0.006, 0.001}));
    EXPECT_FALSE(isDeadAir(TransitionCheck{1, 0.005, 0.001}));
    EXPECT_FALSE(isDeadAir(TransitionCheck{1, 0.004, 0.0018}));
}

TEST(JoinQC, MeasuresTheFirst8820FramesOfEachEntrance) {
    // Song 2 enters with exactly 0.2 s of silence, song 3 with a click on its 8820th frame.
    const Samples first = testsupport::tone(0.5, 440.0, 0.5);
    Samples third = testsupport::silence(0.5);
    third[2 * 8819] = 16384;
    const Samples output = testsupport::concatenate(
        {first, testsupport::silence(0.2), testsupport::tone(0.5, 440.0, 0.5), third});

    const TransitionCheck silentEntrance = measureJoin(output, 22050, 1);
    EXPECT_EQ(silentEntrance.afterTrack, 1);
    EXPECT_EQ(silentEntrance.peakFirst020, 0.0);
    EXPECT_EQ(silentEntrance.rmsFirst020, 0.0);
    const TransitionCheck click = measureJoin(output, 22050 + 30870, 2);
    EXPECT_DOUBLE_EQ(click.peakFirst020, 16384 / 32767.0);
    EXPECT_DOUBLE_EQ(click.rmsFirst020, 8192 / 32767.0 / std::sqrt(8820.0));  // half in mono

    // A single song has no join; the silent entrance is refused.
    EXPECT_TRUE(checkJoins(oneSegmentEdit(first), std::vector<long long>{}).empty());
    EXPECT_THROW(checkJoins(oneSegmentEdit(output), std::vector<long long>{22050, 52920}),
                 RenderError);
}

}  // namespace
}  // namespace renderer
