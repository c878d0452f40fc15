#include "renderer/join_qc.h"

#include <gtest/gtest.h>

#include <cmath>

#include "renderer/render_error.h"
#include "tests/support/generated_audio.h"

namespace {

using renderer::checkJoins;
using renderer::isDeadAir;
using renderer::TransitionCheck;
using testsupport::Samples;

TEST(JoinQC, DeadAirNeedsBothPeakAndRMSStrictlyBelowTheThresholds) {
    EXPECT_TRUE(isDeadAir(TransitionCheck{1, 0.004, 0.001}));
    EXPECT_TRUE(isDeadAir(TransitionCheck{1, 0.0, 0.0}));
    EXPECT_FALSE(isDeadAir(TransitionCheck{1, 0.004, 0.002}));  // quiet, but not silent
    EXPECT_FALSE(isDeadAir(TransitionCheck{1, 0.006, 0.001}));
    EXPECT_FALSE(isDeadAir(TransitionCheck{1, 0.005, 0.001}));
    EXPECT_FALSE(isDeadAir(TransitionCheck{1, 0.004, 0.0018}));
}

TEST(JoinQC, MeasuresTheFirst8820FramesOfEachEntrance) {
    // Song 2 enters with exactly 0.2 s of silence, song 3 with a click on its 8820th frame.
    const Samples first = testsupport::tone(0.5, 440.0, 0.5);
    const Samples second =
        testsupport::concatenate({testsupport::silence(0.2), testsupport::tone(0.5, 440.0, 0.5)});
    Samples third = testsupport::silence(0.5);
    third[2 * 8819] = 16384;
    const Samples output = testsupport::concatenate({first, second, third});
    const std::vector<long long> frames = {22050, 30870, 22050};

    const TransitionCheck silentEntrance = renderer::measureJoin(output, 22050, 1);
    EXPECT_EQ(silentEntrance.afterTrack, 1);
    EXPECT_EQ(silentEntrance.peakFirst020, 0.0);
    EXPECT_EQ(silentEntrance.rmsFirst020, 0.0);

    const TransitionCheck click = renderer::measureJoin(output, 22050 + 30870, 2);
    EXPECT_DOUBLE_EQ(click.peakFirst020, 16384 / 32767.0);
    // The mono value is half the click.
    EXPECT_DOUBLE_EQ(click.rmsFirst020, 8192 / 32767.0 / std::sqrt(8820.0));

    // Every join is measured before the run is refused; a single song has no join.
    EXPECT_TRUE(checkJoins(first, std::vector<long long>{22050}).empty());
    EXPECT_THROW(checkJoins(output, frames), renderer::RenderError);
}

}  // namespace
