#include "renderer/gain_and_ramps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "renderer/sample_math.h"

namespace renderer {
namespace {

using Samples = std::vector<int16_t>;

int16_t left(const Samples& samples, long long frame) {
    return samples[static_cast<size_t>(frame) * 2];
}

TEST(ApplyGain, SkipsNeutralGainsThenRoundsAndClamps) {
    const Samples original = {-3, 3, 20000, -20000};
    for (const double gain : {0.0, -2.0, 1.0, std::numeric_limits<double>::quiet_NaN()}) {
        Samples samples = original;
        applyGain(samples, gain);
        EXPECT_EQ(samples, original) << gain;
    }
    Samples halved = original;
    applyGain(halved, 0.5);
    EXPECT_EQ(halved, (Samples{-2, 2, 10000, -10000}));
    Samples doubled = original;
    applyGain(doubled, 2.0);
    EXPECT_EQ(doubled, (Samples{-6, 6, 32767, -32768}));
}

// Long buffers take a lookup path: every sample value, in a buffer long enough for it and
// in one too short for it, must come out as clampInt16(gain × value).
TEST(ApplyGain, LongAndShortBuffersScaleAlike) {
    Samples everyValue;
    for (int value = -32768; value <= 32767; ++value) {
        everyValue.push_back(static_cast<int16_t>(value));
    }
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

TEST(ApplyMicroFades, RampsBothEdges) {
    Samples samples(2 * 10000, 10000);
    applyMicroFades(samples);
    EXPECT_EQ(samples[0], 0);
    EXPECT_EQ(samples[1], 0);
    EXPECT_EQ(left(samples, 175), 9943);  // 10000 × 175 / 176 = 9943.18
    EXPECT_EQ(left(samples, 176), 10000);
    EXPECT_EQ(left(samples, 10000 - 176), 10000);  // the outgoing ramp starts at gain 1
    EXPECT_EQ(left(samples, 9999), 57);            // the last frame keeps 1/176
    EXPECT_EQ(samples.back(), 57);

    Samples hundred(2 * 100, 1000);
    applyMicroFades(hundred);
    EXPECT_EQ(left(hundred, 49), 980);  // ramps of 50 frames
    EXPECT_EQ(left(hundred, 50), 1000);
    EXPECT_EQ(left(hundred, 99), 20);

    Samples one = {1000, 1000, 7};
    applyMicroFades(one);
    EXPECT_EQ(one, (Samples{1000, 1000, 7}));
}

TEST(ApplyFinalFade, FadesOnlyATailLongerThanAQuarterSecond) {
    const Samples original(2 * 20000, 10000);
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
    EXPECT_EQ(left(samples, 19998), 1);         // 10000 / 11025 = 0.907
    EXPECT_EQ(samples[2 * 19999], 0);
    EXPECT_EQ(samples[2 * 19999 + 1], 0);
}

}  // namespace
}  // namespace renderer
