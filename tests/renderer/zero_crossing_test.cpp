#include "renderer/zero_crossing.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace renderer {
namespace {

using Samples = std::vector<int16_t>;

// A stereo buffer whose every frame holds `value` on both channels.
Samples constantFrames(long long frames, int16_t value) {
    return Samples(static_cast<size_t>(frames) * 2, value);
}

void setFrame(Samples& samples, long long frame, int16_t left, int16_t right) {
    samples[static_cast<size_t>(frame) * 2] = left;
    samples[static_cast<size_t>(frame) * 2 + 1] = right;
}

// Positive up to `firstCrossing`, negative from there up to `secondCrossing`, positive
// after: the sign changes exactly at those two frames.
Samples twoCrossings(long long frames, long long firstCrossing, long long secondCrossing) {
    Samples samples = constantFrames(frames, 300);
    for (long long f = firstCrossing; f < secondCrossing; ++f) setFrame(samples, f, -300, -300);
    return samples;
}

TEST(NearestZeroCrossing, PicksTheNearestCrossingAndTheLowerOnATie) {
    EXPECT_EQ(nearestZeroCrossingFrame(twoCrossings(20000, 9995, 10005), 10000), 9995);
    EXPECT_EQ(nearestZeroCrossingFrame(twoCrossings(20000, 9994, 10005), 10000), 10005);
    EXPECT_EQ(nearestZeroCrossingFrame(twoCrossings(20000, 10000, 10005), 10000), 10000);
}

TEST(NearestZeroCrossing, CountsAZeroOnEitherSide) {
    Samples samples = constantFrames(20000, 300);
    setFrame(samples, 10010, 0, 0);
    // Frame 10010 (cur = 0) and frame 10011 (prev = 0) both qualify; 10010 is nearer.
    EXPECT_EQ(nearestZeroCrossingFrame(samples, 10000), 10010);
    EXPECT_EQ(nearestZeroCrossingFrame(samples, 10020), 10011);
    // The channels cancel: a mono zero even though neither sample is zero.
    Samples cancelling = constantFrames(20000, 300);
    setFrame(cancelling, 10007, 500, -500);
    EXPECT_EQ(nearestZeroCrossingFrame(cancelling, 10000), 10007);
}

TEST(NearestZeroCrossing, FallsBackToTheQuietestFrameOfTheRange) {
    // Constant DC: every frame is equally quiet, so the first frame of the range wins.
    const Samples dc = constantFrames(20000, 500);
    EXPECT_EQ(nearestZeroCrossingFrame(dc, 5000), 5000 - 1543);
    EXPECT_EQ(nearestZeroCrossingFrame(dc, 0), 1);  // the scan starts at frame 1
    Samples dip = constantFrames(20000, 500);
    setFrame(dip, 5400, 40, 40);
    setFrame(dip, 5600, 40, 40);
    EXPECT_EQ(nearestZeroCrossingFrame(dip, 5500), 5400);
}

TEST(NearestZeroCrossing, HonoursTheRadius) {
    const Samples samples = twoCrossings(20000, 10050, 15000);
    EXPECT_EQ(nearestZeroCrossingFrame(samples, 10000), 10050);
    // 0.001 s is 44 frames: the crossing 50 frames away is out of reach.
    EXPECT_EQ(nearestZeroCrossingFrame(samples, 10000, 0.001), 10000 - 44);
    // A radius below one frame still searches one frame either side.
    EXPECT_EQ(nearestZeroCrossingFrame(samples, 10049, 0.0), 10050);
}

TEST(NearestZeroCrossing, HandlesTargetsOutsideTheBuffer) {
    const Samples samples = twoCrossings(1000, 500, 990);
    // Beyond the end but within the radius of it: the crossing near the end.
    EXPECT_EQ(nearestZeroCrossingFrame(samples, 1100), 990);
    // So far beyond that the range is empty: the last frame.
    EXPECT_EQ(nearestZeroCrossingFrame(samples, 10000), 999);
    EXPECT_EQ(nearestZeroCrossingFrame(samples, std::numeric_limits<long long>::max()), 999);
    // Negative targets search from frame 1 or clamp to 0.
    EXPECT_EQ(nearestZeroCrossingFrame(samples, -100), 500);
    EXPECT_EQ(nearestZeroCrossingFrame(samples, -5000), 0);
    EXPECT_EQ(nearestZeroCrossingFrame(samples, std::numeric_limits<long long>::min()), 0);
}

TEST(NearestZeroCrossing, TinyBuffers) {
    EXPECT_EQ(nearestZeroCrossingFrame(Samples{}, 10), 0);
    EXPECT_EQ(nearestZeroCrossingFrame(Samples{5, 5, 5}, 10), 0);
    // Two frames: the range [1, 0] is empty, so the clamped target.
    EXPECT_EQ(nearestZeroCrossingFrame(Samples{5, 5, -5, -5}, 10), 1);
}

}  // namespace
}  // namespace renderer
