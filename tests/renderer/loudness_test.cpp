#include "renderer/loudness.h"

#include <gtest/gtest.h>

#include "renderer/render_error.h"
#include "renderer/signal_analysis.h"

namespace {

using renderer::levelMatchGain;
using renderer::levelMatchTarget;
using Samples = std::vector<int16_t>;

TEST(LevelMatch, TargetIsTheUpperMedianOfTheLevelsAboveZero) {
    EXPECT_DOUBLE_EQ(levelMatchTarget(std::vector<double>{0.1, 0.4}), 0.4);
    EXPECT_DOUBLE_EQ(levelMatchTarget(std::vector<double>{0.3, 0.0, 0.1, 0.2}), 0.2);
    EXPECT_DOUBLE_EQ(levelMatchTarget(std::vector<double>{0.25}), 0.25);
    EXPECT_DOUBLE_EQ(levelMatchTarget(std::vector<double>{0.0, 0.0}), 0.05);
    EXPECT_DOUBLE_EQ(levelMatchTarget(std::vector<double>{}), 0.05);
}

TEST(LevelMatch, GainStaysBetweenHalfAndDouble) {
    EXPECT_DOUBLE_EQ(levelMatchGain(0.1, 0.4), 2.0);  // 4.0 capped
    EXPECT_DOUBLE_EQ(levelMatchGain(0.4, 0.1), 0.5);  // 0.25 raised
    EXPECT_DOUBLE_EQ(levelMatchGain(0.2, 0.3), 1.5);
    EXPECT_DOUBLE_EQ(levelMatchGain(0.0, 0.3), 1.0);
    EXPECT_DOUBLE_EQ(levelMatchGain(0.2, 0.0), 1.0);
}

TEST(LevelMatch, JoinsTheSegmentsInOrderAtTheCommonLevel) {
    // Constant samples: the RMS is the value over full scale. 3277 is 0.1, 13107 is 0.4; the
    // silent segment neither counts towards the target nor changes.
    Samples expected(200, 6554);
    expected.resize(300, 0);
    expected.resize(600, 13107);
    EXPECT_EQ(
        renderer::joinWithMatchedLevels({Samples(200, 3277), Samples(100, 0), Samples(300, 13107)}),
        expected);
}

TEST(PeakCeiling, OnlyLowersAnEditAboveTheCeiling) {
    Samples justBelow{30145, -100};  // 0.91998 of full scale
    EXPECT_DOUBLE_EQ(renderer::normalizePeak(justBelow), 30145 / 32767.0);
    EXPECT_EQ(justBelow, (Samples{30145, -100}));

    Samples fullScale{32767, -16384, -32768};
    const double peak = renderer::normalizePeak(fullScale);
    EXPECT_LE(peak, 0.92 + 0.5 / 32767.0);
    EXPECT_GE(peak, 0.92 - 0.5 / 32767.0);
    EXPECT_EQ(fullScale[1], -15073);  // -16384 × 0.92 / (32768 / 32767)
}

TEST(PeakCeiling, SilentOrEmptyEditFails) {
    for (Samples samples : {Samples{}, Samples(64, 0)}) {
        try {
            renderer::normalizePeak(samples);
            ADD_FAILURE() << "no error for " << samples.size() << " samples";
        } catch (const renderer::RenderError& error) {
            EXPECT_STREQ(error.what(), "Rendered audio is silent.");
        }
    }
}

}  // namespace
