#include "renderer/signal_analysis.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/generated_audio.h"

namespace renderer {
namespace {

using testsupport::Samples;

TEST(Loudness, SilenceAndTinyBuffersMeasureZero) {
    const Samples silent = testsupport::silence(1.0);
    EXPECT_EQ(segmentRMS(silent), 0.0);
    EXPECT_EQ(peakValue(silent), 0.0);
    EXPECT_EQ(frameRMS(silent, 0, 44100), 0.0);
    EXPECT_EQ(segmentRMS(Samples{30000}), 0.0);
    EXPECT_EQ(peakValue(Samples{}), 0.0);
    EXPECT_EQ(monoValue(Samples{100, -50, 7}, 1), 0.0);  // only a trailing odd sample
}

TEST(Loudness, MeasuresTheMonoValueOfWholePairs) {
    EXPECT_EQ(monoValue(Samples{100, -50}, 0), 25.0);
    // The odd third sample is ignored; opposite channels cancel.
    EXPECT_EQ(segmentRMS(Samples{32767, 32767, 32767}), 1.0);
    EXPECT_EQ(segmentRMS(Samples{20000, -20000, 20000, -20000}), 0.0);
    EXPECT_DOUBLE_EQ(segmentRMS(Samples{32767, 32767, 0, 0}), std::sqrt(0.5));

    const Samples loudThenSilent = {16000, 16000, 16000, 16000, 0, 0, 0, 0};
    EXPECT_DOUBLE_EQ(frameRMS(loudThenSilent, 0, 2), 16000.0 / 32767.0);
    EXPECT_DOUBLE_EQ(frameRMS(loudThenSilent, 1, 100), 16000.0 / 32767.0 / std::sqrt(3.0));
    EXPECT_EQ(frameRMS(loudThenSilent, 4, 5), 0.0);
}

TEST(PeakValue, ScansBothChannelsAgainst32767) {
    EXPECT_DOUBLE_EQ(peakValue(Samples{-32768}), 32768.0 / 32767.0);
    EXPECT_DOUBLE_EQ(peakValue(Samples{0, 0, 3, -16384, 0}), 16384.0 / 32767.0);
}

}  // namespace
}  // namespace renderer
