#include "renderer/echo_fade.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "renderer/gain_and_ramps.h"

namespace renderer {
namespace {

using Samples = std::vector<int16_t>;

int16_t left(const Samples& samples, long long frame) {
    return samples[static_cast<size_t>(frame) * 2];
}
int16_t right(const Samples& samples, long long frame) {
    return samples[static_cast<size_t>(frame) * 2 + 1];
}

// `loudFrames` of a steady (20000, −10000) followed by `silentFrames` of silence.
Samples loudThenSilent(long long loudFrames, long long silentFrames) {
    Samples samples;
    for (long long f = 0; f < loudFrames; ++f) {
        samples.push_back(20000);
        samples.push_back(-10000);
    }
    samples.resize(samples.size() + static_cast<size_t>(silentFrames) * 2, 0);
    return samples;
}

TEST(EchoTaps, DelaysTruncateInDoublePrecision) {
    const std::vector<long long> expected = {0, 18522, 38808, 60857, 85995, 114660, 145530};
    ASSERT_EQ(echoTaps.size(), expected.size());
    for (size_t tap = 0; tap < expected.size(); ++tap) {
        EXPECT_EQ(echoTapDelayFrames(echoTaps[tap]), expected[tap]) << "tap " << tap + 1;
    }
}

TEST(ApplyEchoFade, FillsAFourSecondTailWithSevenRepeats) {
    const long long start = 44100;
    const long long tail = 176400;
    Samples samples = loudThenSilent(start, tail);
    const Samples original = samples;
    EXPECT_DOUBLE_EQ(applyEchoFade(samples, start), 4.0);

    // The first repeat continues the source at 0.56 of its level, per channel.
    EXPECT_EQ(left(samples, start), 11200);
    EXPECT_EQ(right(samples, start), -5600);
    // Each later repeat starts after silence, quieter than the one before.
    int16_t previousOnset = left(samples, start);
    for (size_t tap = 1; tap < echoTaps.size(); ++tap) {
        const long long onset = start + echoTapDelayFrames(echoTaps[tap]);
        EXPECT_EQ(left(samples, onset - 1), 0) << "tap " << tap + 1;
        EXPECT_GT(left(samples, onset), 0) << "tap " << tap + 1;
        EXPECT_LT(left(samples, onset), previousOnset) << "tap " << tap + 1;
        EXPECT_LT(right(samples, onset), 0) << "tap " << tap + 1;
        previousOnset = left(samples, onset);
    }
    // A repeat lasts the 14112-frame source, tilted down to 0.78 at its end.
    const double envelope = std::pow(1.0 - 14111.0 / (tail - 1), 1.3);
    EXPECT_EQ(left(samples, start + 14111), std::lround(envelope * 0.78 * 11200.0));
    EXPECT_EQ(left(samples, start + 14112), 0);
    // After the last repeat (3.3 s + source) the tail is silent through its last frame.
    EXPECT_NE(left(samples, start + 145530 + 14111), 0);
    for (long long frame = start + 145530 + 14112; frame < start + tail; ++frame) {
        ASSERT_EQ(left(samples, frame), 0) << frame;
        ASSERT_EQ(right(samples, frame), 0) << frame;
    }
    // The audio before the tail is only read.
    EXPECT_TRUE(std::equal(samples.begin(), samples.begin() + start * 2, original.begin()));
}

TEST(ApplyEchoFade, TakesAShorterSourceWhenTheSongStartsLate) {
    // Only 5000 frames precede the tail, so each repeat is 5000 frames long.
    const long long start = 5000;
    Samples samples = loudThenSilent(start, 176400);
    applyEchoFade(samples, start);
    const long long secondTap = start + echoTapDelayFrames(echoTaps[1]);
    EXPECT_NE(left(samples, secondTap + 4999), 0);
    EXPECT_EQ(left(samples, secondTap + 5000), 0);
}

TEST(ApplyEchoFade, FallsBackToTheFadeForAShortSource) {
    Samples echoed = loudThenSilent(3000, 0);
    const Samples loud = loudThenSilent(20000, 0);
    echoed.insert(echoed.end(), loud.begin(), loud.end());
    Samples faded = echoed;
    const double fadeSeconds = applyFinalFade(faded, 3000);
    EXPECT_DOUBLE_EQ(applyEchoFade(echoed, 3000), fadeSeconds);
    EXPECT_DOUBLE_EQ(fadeSeconds, 20000.0 / 44100.0);
    EXPECT_EQ(echoed, faded);
}

TEST(ApplyEchoFade, LeavesTooShortATailAlone) {
    const Samples original = loudThenSilent(44100, 11025);
    Samples samples = original;
    EXPECT_EQ(applyEchoFade(samples, 44100), 0.0);
    EXPECT_EQ(applyEchoFade(samples, noEndingStartFrame), 0.0);
    EXPECT_EQ(applyEchoFade(samples, -1), 0.0);
    EXPECT_EQ(samples, original);
}

}  // namespace
}  // namespace renderer
