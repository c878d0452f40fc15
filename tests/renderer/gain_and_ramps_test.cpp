#include "renderer/gain_and_ramps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "renderer/sample_math.h"

namespace renderer {
namespace {

using Samples = std::vector<int16_t>;

int16_t left(const Samples& samples, long long frame) {
    return samples[static_cast<size_t>(frame) * 2];
}
int16_t right(const Samples& samples, long long frame) {
    return samples[static_cast<size_t>(frame) * 2 + 1];
}

// Every frame holds `leftValue` on the left and `rightValue` on the right.
Samples constantFrames(long long frames, int16_t leftValue, int16_t rightValue) {
    Samples samples;
    for (long long f = 0; f < frames; ++f) {
        samples.push_back(leftValue);
        samples.push_back(rightValue);
    }
    return samples;
}

TEST(ApplyGain, LeavesTheBufferAloneForNeutralOrInvalidGains) {
    const Samples original = {1000, -1000, 3, -3, 32767, -32768};
    for (const double gain : {0.0, -2.0, 1.0, std::numeric_limits<double>::quiet_NaN()}) {
        Samples samples = original;
        applyGain(samples, gain);
        EXPECT_EQ(samples, original) << gain;
    }
    Samples empty;
    applyGain(empty, 2.0);
    EXPECT_TRUE(empty.empty());
}

TEST(ApplyGain, RoundsHalvesAwayFromZeroAndClamps) {
    Samples halved = {-3, 3, 5, -5, 1, -1};
    applyGain(halved, 0.5);
    EXPECT_EQ(halved, (Samples{-2, 2, 3, -3, 1, -1}));
    Samples doubled = {20000, -20000, 100, -100};
    applyGain(doubled, 2.0);
    EXPECT_EQ(doubled, (Samples{32767, -32768, 200, -200}));
}

// Long buffers take a lookup path: every sample value, in a buffer long enough for it and
// in one too short for it, must come out as clampInt16(gain × value).
TEST(ApplyGain, LongAndShortBuffersScaleAlike) {
    Samples everyValue;
    for (int value = -32768; value <= 32767; ++value)
        everyValue.push_back(static_cast<int16_t>(value));
    for (const double gain :
         {0.5, 0.8, 1.0000001, 2.0, 1e-9, 1e300, std::numeric_limits<double>::infinity()}) {
        Samples expected = everyValue;
        for (int16_t& sample : expected) sample = clampInt16(gain * sample);
        Samples whole = everyValue;
        applyGain(whole, gain);
        EXPECT_EQ(whole, expected) << gain;
        Samples piece(everyValue.begin() + 30000, everyValue.begin() + 36000);
        applyGain(piece, gain);
        EXPECT_TRUE(std::equal(piece.begin(), piece.end(), expected.begin() + 30000)) << gain;
    }
}

TEST(ApplyMicroFades, RampsBothEdgesOfALongBuffer) {
    Samples samples = constantFrames(10000, 10000, -10000);
    applyMicroFades(samples);
    EXPECT_EQ(left(samples, 0), 0);
    EXPECT_EQ(right(samples, 0), 0);
    EXPECT_EQ(left(samples, 1), 57);      // 10000 / 176 = 56.8
    EXPECT_EQ(left(samples, 175), 9943);  // 10000 × 175 / 176 = 9943.18
    EXPECT_EQ(right(samples, 175), -9943);
    EXPECT_EQ(left(samples, 176), 10000);
    EXPECT_EQ(left(samples, 10000 - 177), 10000);
    EXPECT_EQ(left(samples, 10000 - 176), 10000);  // the outgoing ramp starts at gain 1
    EXPECT_EQ(left(samples, 9999), 57);            // the last frame keeps 1/176
    EXPECT_EQ(right(samples, 9999), -57);
}

TEST(ApplyMicroFades, ShortBuffersUseHalfTheirLength) {
    Samples hundred = constantFrames(100, 1000, 1000);
    applyMicroFades(hundred);
    EXPECT_EQ(left(hundred, 0), 0);
    EXPECT_EQ(left(hundred, 49), 980);  // 49 / 50
    EXPECT_EQ(left(hundred, 50), 1000);
    EXPECT_EQ(left(hundred, 99), 20);  // 1 / 50

    Samples two = constantFrames(2, 1000, 1000);
    applyMicroFades(two);
    EXPECT_EQ(two, (Samples{0, 0, 1000, 1000}));

    Samples one = {1000, 1000, 7};
    applyMicroFades(one);
    EXPECT_EQ(one, (Samples{1000, 1000, 7}));
}

TEST(ApplyFinalFade, NeedsATailLongerThanAQuarterSecond) {
    const Samples original = constantFrames(20000, 10000, -10000);
    Samples samples = original;
    EXPECT_EQ(applyFinalFade(samples, 20000 - 11025), 0.0);
    EXPECT_EQ(applyFinalFade(samples, noEndingStartFrame), 0.0);
    EXPECT_EQ(applyFinalFade(samples, -1), 0.0);
    EXPECT_EQ(samples, original);

    const long long start = 20000 - 11026;
    EXPECT_DOUBLE_EQ(applyFinalFade(samples, start), 11026.0 / 44100.0);
    EXPECT_EQ(left(samples, start - 1), 10000);
    EXPECT_EQ(left(samples, start), 10000);
    EXPECT_EQ(left(samples, start + 1), 9999);  // 10000 × (1 − 1/11025) = 9999.09
    EXPECT_EQ(right(samples, start + 1), -9999);
    EXPECT_EQ(left(samples, start + 11025 / 2), 5000);
    EXPECT_EQ(left(samples, 19998), 1);  // 10000 / 11025 = 0.907
    EXPECT_EQ(left(samples, 19999), 0);
    EXPECT_EQ(right(samples, 19999), 0);
}

}  // namespace
}  // namespace renderer
