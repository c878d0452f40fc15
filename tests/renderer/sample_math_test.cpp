#include "renderer/sample_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace renderer {
namespace {

TEST(ClampInt16, RoundsHalvesAwayFromZeroThenClamps) {
    EXPECT_EQ(clampInt16(-1.5), -2);
    EXPECT_EQ(clampInt16(2.5), 3);
    // The largest double below one half: adding 0.5 to it would round up to 1.
    EXPECT_EQ(clampInt16(0.49999999999999994), 0);
    EXPECT_EQ(clampInt16(32767.5), 32767);
    EXPECT_EQ(clampInt16(-32768.5), -32768);
    EXPECT_EQ(clampInt16(1e300), 32767);
    EXPECT_EQ(clampInt16(-std::numeric_limits<double>::infinity()), -32768);
    EXPECT_EQ(clampInt16(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(ClampInt16, AgreesWithRoundThenClamp) {
    std::mt19937_64 generator(7);
    std::uniform_real_distribution<double> anywhere(-40000.0, 40000.0);
    std::uniform_int_distribution<int> whole(-33000, 33000);
    for (int i = 0; i < 200000; ++i) {
        // Half the values are exact halves, where the rounding direction matters.
        const double value = i % 2 == 0 ? anywhere(generator) : whole(generator) + 0.5;
        const double expected = std::clamp(std::round(value), -32768.0, 32767.0);
        ASSERT_EQ(clampInt16(value), static_cast<int16_t>(expected)) << value;
    }
}

}  // namespace
}  // namespace renderer
