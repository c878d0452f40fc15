#include "renderer/sample_math.h"

#include <gtest/gtest.h>

#include <limits>

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

}  // namespace
}  // namespace renderer
