#include "renderer/resample.h"

#include <gtest/gtest.h>

#include "renderer/render_error.h"

namespace renderer {
namespace {

using Samples = std::vector<int16_t>;

TEST(ResampleStereo, FrameCountRoundsHalfAwayFromZero) {
    // 2 frames at 48000 -> 44100: 1.8375 frames round up to 2.
    EXPECT_EQ(resampleStereo(Samples{0, 0, 100, 100}, 48000, 44100).size(), 4u);
    EXPECT_EQ(resampledFrameCount(3, 6, 1), 1);  // 0.5 -> 1
    EXPECT_EQ(resampledFrameCount(5, 2, 1), 3);  // 2.5 -> 3
    EXPECT_EQ(resampledFrameCount(1000, 48000, 44100), 919);
}

TEST(ResampleStereo, LeavesDegenerateInputsUnchanged) {
    const Samples oneFrame{7, -7};
    EXPECT_EQ(resampleStereo(oneFrame, 22050, 44100), oneFrame);
    const Samples frames{1, 2, 3, 4};
    EXPECT_EQ(resampleStereo(frames, 44100, 44100), frames);
    EXPECT_EQ(resampleStereo(frames, 0, 44100), frames);
    EXPECT_EQ(resampleStereo(frames, 44100, 0), frames);
}

TEST(ResampleStereo, InterpolatesEachChannelAndRoundsHalvesAwayFromZero) {
    // Doubling the rate puts a new frame halfway between each pair of input frames; past the
    // last input frame the last value is held. Halfway between -32768 and 32767 is -0.5: -1.
    EXPECT_EQ(resampleStereo(Samples{0, 0, 3, -3, 10, -10}, 1000, 2000),
              (Samples{0, 0, 2, -2, 3, -3, 7, -7, 10, -10, 10, -10}));
    EXPECT_EQ(resampleStereo(Samples{-32768, 32767, 32767, -32768}, 1000, 2000),
              (Samples{-32768, 32767, -1, -1, 32767, -32768, 32767, -32768}));
}

TEST(StereoFromChannels, DropsAHalfFrameSoLaterChannelsStayAligned) {
    EXPECT_EQ(stereoFromChannels(Samples{1, 2, 3, 4, 5}, 2), (Samples{1, 2, 3, 4}));
}

TEST(ConvertToTargetFormat, RefusesRatesThatWouldInflateASmallFile) {
    EXPECT_THROW(convertToTargetFormat(Samples(1000), 2, 1), RenderError);
    EXPECT_THROW(convertToTargetFormat(Samples(1000), 2, 0), RenderError);
    EXPECT_EQ(convertToTargetFormat(Samples(1000), 2, minimumSourceSampleRate).frameCount(),
              resampledFrameCount(500, minimumSourceSampleRate, 44100));
}

}  // namespace
}  // namespace renderer
