#include "renderer/signal_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/support/generated_audio.h"

namespace renderer {
namespace {

using testsupport::Samples;

TEST(MonoValue, AveragesTheFirstTwoSamplesOfAFrame) {
    const Samples samples = {100, -50, 32767, 32767, 7};
    EXPECT_DOUBLE_EQ(monoValue(samples, 0), 25.0);
    EXPECT_DOUBLE_EQ(monoValue(samples, 1), 32767.0);
    EXPECT_DOUBLE_EQ(monoValue(samples, 2), 0.0);  // only a trailing odd sample
    EXPECT_DOUBLE_EQ(monoValue(samples, 99), 0.0);
    EXPECT_DOUBLE_EQ(monoValue(samples, -1), 0.0);
}

TEST(Loudness, SilenceAndTinyBuffersMeasureZero) {
    const Samples silent = testsupport::silence(1.0);
    EXPECT_EQ(segmentRMS(silent), 0.0);
    EXPECT_EQ(peakValue(silent), 0.0);
    EXPECT_EQ(frameRMS(silent, 0, 44100), 0.0);
    EXPECT_EQ(segmentRMS(Samples{}), 0.0);
    EXPECT_EQ(segmentRMS(Samples{30000}), 0.0);
    EXPECT_EQ(peakValue(Samples{}), 0.0);
}

TEST(SegmentRMS, UsesWholePairsOnly) {
    // Three samples: the first pair is full scale, the odd third sample is ignored.
    EXPECT_DOUBLE_EQ(segmentRMS(Samples{32767, 32767, 32767}), 1.0);
    // Opposite channels cancel in the mono value.
    EXPECT_DOUBLE_EQ(segmentRMS(Samples{20000, -20000, 20000, -20000}), 0.0);
    // One full-scale frame and one silent frame: √(1 / 2).
    EXPECT_DOUBLE_EQ(segmentRMS(Samples{32767, 32767, 0, 0}), std::sqrt(0.5));
}

TEST(FrameRMS, MeasuresOnlyTheFramesInRange) {
    const Samples samples = testsupport::concatenate(
        {testsupport::silence(0.5), Samples(2 * 100, 16000), testsupport::silence(0.5)});
    const long long loudStart = 22050;
    const double loud = 16000.0 / 32767.0;
    // Summing a hundred squares rounds a little: a tolerance far below any real level.
    EXPECT_NEAR(frameRMS(samples, loudStart, 100), loud, 1e-12);
    EXPECT_NEAR(frameRMS(samples, loudStart - 100, 200), loud * std::sqrt(0.5), 1e-12);
    EXPECT_EQ(frameRMS(samples, 0, loudStart), 0.0);
    // A range past the end is cut at the last frame.
    const Samples tail(2 * 10, 16000);
    EXPECT_NEAR(frameRMS(tail, 5, 1000), loud, 1e-12);
    EXPECT_EQ(frameRMS(tail, 10, 5), 0.0);
    EXPECT_EQ(frameRMS(tail, 0, 0), 0.0);
    EXPECT_EQ(frameRMS(tail, 0, -3), 0.0);
}

TEST(PeakValue, ScansBothChannelsAgainst32767) {
    EXPECT_DOUBLE_EQ(peakValue(Samples{-32768}), 32768.0 / 32767.0);
    EXPECT_DOUBLE_EQ(peakValue(Samples{0, 0, 3, -16384, 0}), 16384.0 / 32767.0);
    EXPECT_DOUBLE_EQ(peakValue(testsupport::tone(0.1, 441.0, 0.5)),
                     std::round(0.5 * 32767.0) / 32767.0);
}

}  // namespace
}  // namespace renderer
