#include "renderer/zero_crossing.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace renderer {
namespace {

using Samples = std::vector<int16_t>;

// Both channels hold `level`, except frames [negativeFrom, negativeTo), which hold −level:
// the mono value changes sign exactly at those two frames.
Samples signChanges(long long frames, long long negativeFrom, long long negativeTo,
                    int16_t level = 300) {
    Samples samples(static_cast<size_t>(frames) * 2, level);
    for (long long f = negativeFrom; f < negativeTo; ++f) {
        samples[static_cast<size_t>(f) * 2] = samples[static_cast<size_t>(f) * 2 + 1] = -level;
    }
    return samples;
}

TEST(NearestZeroCrossing, PicksTheNearestCrossingAndTheLowerOnATie) {
    EXPECT_EQ(nearestZeroCrossingFrame(signChanges(20000, 9995, 10005), 10000), 9995);
    EXPECT_EQ(nearestZeroCrossingFrame(signChanges(20000, 9994, 10005), 10000), 10005);
    // A mono zero counts on both sides: frames 10010 (cur = 0) and 10011 (prev = 0).
    Samples zero = signChanges(20000, 0, 0);
    zero[2 * 10010] = 500;
    zero[2 * 10010 + 1] = -500;
    EXPECT_EQ(nearestZeroCrossingFrame(zero, 10000), 10010);
    EXPECT_EQ(nearestZeroCrossingFrame(zero, 10020), 10011);
}

TEST(NearestZeroCrossing, FallsBackToTheQuietestFrameOfTheRange) {
    // Constant DC: every frame is equally quiet, so the first frame of the range wins.
    const Samples dc = signChanges(20000, 0, 0, 500);
    EXPECT_EQ(nearestZeroCrossingFrame(dc, 5000), 5000 - 1543);
    EXPECT_EQ(nearestZeroCrossingFrame(dc, 0), 1);
    // 0.001 s is 44 frames: a crossing 50 frames away is out of reach.
    const Samples far = signChanges(20000, 10050, 15000);
    EXPECT_EQ(nearestZeroCrossingFrame(far, 10000), 10050);
    EXPECT_EQ(nearestZeroCrossingFrame(far, 10000, 0.001), 10000 - 44);
}

TEST(NearestZeroCrossing, HandlesTargetsOutsideTheBuffer) {
    const Samples samples = signChanges(1000, 500, 990);
    EXPECT_EQ(nearestZeroCrossingFrame(samples, 1100), 990);   // within the radius of the end
    EXPECT_EQ(nearestZeroCrossingFrame(samples, 10000), 999);  // the range is empty
    EXPECT_EQ(nearestZeroCrossingFrame(samples, std::numeric_limits<long long>::max()), 999);
    EXPECT_EQ(nearestZeroCrossingFrame(samples, -100), 500);
    EXPECT_EQ(nearestZeroCrossingFrame(samples, -5000), 0);
    EXPECT_EQ(nearestZeroCrossingFrame(samples, std::numeric_limits<long long>::min()), 0);
    EXPECT_EQ(nearestZeroCrossingFrame(Samples{5, 5, 5}, 10), 0);
}

}  // namespace
}  // namespace renderer
