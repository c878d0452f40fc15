#include "renderer/echo_fade.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "renderer/gain_and_ramps.h"

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

TEST(ApplyEchoFade, FillsAFourSecondTailWithSevenRepeats) {
    const std::vector<long long> delays = {0, 18522, 38808, 60857, 85995, 114660, 145530};
    for (size_t tap = 0; tap < delays.size(); ++tap) {
        EXPECT_EQ(echoTapDelayFrames(echoTaps[tap]), delays[tap]) << "tap " << tap + 1;
    }
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
}

TEST(ApplyEchoFade, TakesAShorterSourceWhenLittleAudioPrecedesTheTail) {
    Samples samples = loudThenSilent(5000, 176400);
    applyEchoFade(samples, 5000);
    EXPECT_NE(left(samples, 5000 + 18522 + 4999), 0);
    EXPECT_EQ(left(samples, 5000 + 18522 + 5000), 0);
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
    EXPECT_EQ(applyEchoFade(samples, 44100), 0.0);
    EXPECT_EQ(applyEchoFade(samples, noEndingStartFrame), 0.0);
    EXPECT_EQ(applyEchoFade(samples, -1), 0.0);
    EXPECT_EQ(samples, original);
}

}  // namespace
}  // namespace renderer
