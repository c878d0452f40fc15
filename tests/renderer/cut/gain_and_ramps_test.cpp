// In-place level changes: gain, de-click ramps, and the two ending effects.

#include "renderer/cut/gain_and_ramps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "renderer/cut/sample_math.h"
#include "renderer/join/echo_fade.h"

namespace renderer {
namespace {

using Samples = std::vector<int16_t>;

int16_t left(const Samples& samples, long long frame) {
    return samples[static_cast<size_t>(frame) * 2];
}

// `loudFrames` of a steady (20000, −10000), then `silentFrames` of silence.
Samples loudThenSilent(long long loudFrames, long long silentFrames) {
    Samples samples;
    for (long long f = 0; f < loudFrames; ++f) samples.insert(samples.end(), {20000, -10000});
    samples.resize(samples.size() + static_cast<size_t>(silentFrames) * 2, 0);
    return samples;
}

TEST(ApplyGain, SkipsNeutralGains) {
    const Samples original = {-3, 3, 20000, -20000};
    for (const double gain : {0.0, -2.0, 1.0, std::numeric_limits<double>::quiet_NaN()}) {
        Samples samples = original;
        applyGain(samples, gain);
        EXPECT_EQ(samples, original) << gain;
    }
}

// Long buffers take a lookup path: every sample value, in a buffer long enough for it and
// in one too short for it, must come out as clampInt16(gain × value), rounded and clamped.
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
    EXPECT_EQ(samples.back(), 57);                 // the last frame keeps 1/176

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
    for (const long long start : {20000LL - 11025, noEndingStartFrame, -1LL}) {
        EXPECT_EQ(applyFinalFade(samples, start), 0.0);
    }
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

TEST(ApplyEchoFade, FillsAFourSecondTailWithSevenRepeats) {
    // Where each repeat starts: a wrong delay shows as sound before it or silence at it.
    const std::vector<long long> delays = {0, 18522, 38808, 60857, 85995, 114660, 145530};
    const long long start = 44100;
    Samples samples = loudThenSilent(start, 176400);
    const Samples original = samples;
    EXPECT_DOUBLE_EQ(applyEchoFade(samples, start), 4.0);

    // The first repeat continues the source at 0.56 of its level, on each channel.
    EXPECT_EQ(samples[2 * start], 11200);
    EXPECT_EQ(samples[2 * start + 1], -5600);
    // Each later repeat starts after silence, quieter than the one before.
    for (size_t tap = 1; tap < delays.size(); ++tap) {
        const long long onset = start + delays[tap];
        EXPECT_EQ(left(samples, onset - 1), 0) << "tap " << tap + 1;
        EXPECT_GT(left(samples, onset), 0) << "tap " << tap + 1;
        EXPECT_LT(left(samples, onset), left(samples, start + delays[tap - 1])) << tap + 1;
    }
    // A repeat lasts the 14112-frame source, tilted down to 0.78 at its end.
    const double envelope = std::pow(1.0 - 14111.0 / (176400 - 1), 1.3);
    EXPECT_EQ(left(samples, start + 14111), std::lround(envelope * 0.78 * 11200.0));
    EXPECT_EQ(left(samples, start + 14112), 0);
    // After the last repeat the tail stays silent through its last frame.
    EXPECT_NE(left(samples, start + 145530 + 14111), 0);
    EXPECT_TRUE(std::all_of(samples.begin() + 2 * (start + 145530 + 14112), samples.end(),
                            [](int16_t sample) { return sample == 0; }));
    // The audio before the tail is only read.
    EXPECT_TRUE(std::equal(samples.begin(), samples.begin() + 2 * start, original.begin()));

    // With little audio before the tail, the source is shorter.
    Samples shortSource = loudThenSilent(5000, 176400);
    applyEchoFade(shortSource, 5000);
    EXPECT_NE(left(shortSource, 5000 + 18522 + 4999), 0);
    EXPECT_EQ(left(shortSource, 5000 + 18522 + 5000), 0);
}

TEST(ApplyEchoFade, FallsBackToTheFadeOrLeavesTheBufferAlone) {
    Samples echoed = loudThenSilent(23000, 0);
    Samples faded = echoed;
    const double fadeSeconds = applyFinalFade(faded, 3000);
    EXPECT_DOUBLE_EQ(applyEchoFade(echoed, 3000), fadeSeconds);
    EXPECT_DOUBLE_EQ(fadeSeconds, 20000.0 / 44100.0);
    EXPECT_EQ(echoed, faded);

    const Samples original = loudThenSilent(44100, 11025);
    Samples samples = original;
    for (const long long start : {44100LL, noEndingStartFrame, -1LL}) {
        EXPECT_EQ(applyEchoFade(samples, start), 0.0);
    }
    EXPECT_EQ(samples, original);
}

}  // namespace
}  // namespace renderer
