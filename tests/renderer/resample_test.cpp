#include "renderer/resample.h"

#include <gtest/gtest.h>

#include "renderer/render_error.h"

namespace renderer {
namespace {

using Samples = std::vector<int16_t>;

TEST(ResampleStereo, FrameCountRoundsHalfAwayFromZero) {
    // 2 frames at 48000 -> 44100: 1.8375 frames round up to 2.
    EXPECT_EQ(resampleStereo(Samples{0, 0, 100, 100}, 48000, 44100).size(), 4u);
    // 3 frames at 6 -> 1: 0.5 rounds away from zero to 1.
    EXPECT_EQ(resampledFrameCount(3, 6, 1), 1);
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

TEST(ResampleStereo, InterpolatesEachChannelAndRoundsHalfAwayFromZero) {
    // Doubling the rate puts a new frame halfway between each pair of input frames.
    const Samples input{0, 0, 3, -3, 10, -10};
    const Samples output = resampleStereo(input, 1000, 2000);
    ASSERT_EQ(output.size(), 12u);
    EXPECT_EQ(output[0], 0);
    EXPECT_EQ(output[2], 2);   // 1.5 -> 2
    EXPECT_EQ(output[3], -2);  // -1.5 -> -2
    EXPECT_EQ(output[4], 3);
    EXPECT_EQ(output[6], 7);  // 6.5 -> 7
    EXPECT_EQ(output[7], -7);
    // Past the last input frame the last value is held.
    EXPECT_EQ(output[10], 10);
    EXPECT_EQ(output[11], -10);
}

TEST(ResampleStereo, NegativeHalvesRoundAwayFromZero) {
    // Halfway between -32768 and 32767 is -0.5: away from zero gives -1, not 0.
    const Samples input{-32768, 32767, 32767, -32768};
    const Samples output = resampleStereo(input, 1000, 2000);
    ASSERT_EQ(output.size(), 8u);
    EXPECT_EQ(output[2], -1);
    EXPECT_EQ(output[3], -1);
}

TEST(StereoFromChannels, MonoIsDoubledAndSixChannelsKeepTheFirstTwo) {
    EXPECT_EQ(stereoFromChannels(Samples{1, 2, 3}, 1), (Samples{1, 1, 2, 2, 3, 3}));
    const Samples sixChannels{1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16, 21, 22};
    EXPECT_EQ(stereoFromChannels(sixChannels, 6), (Samples{1, 2, 11, 12}));
}

TEST(StereoFromChannels, DropsAHalfFrameSoLaterChannelsStayAligned) {
    EXPECT_EQ(stereoFromChannels(Samples{1, 2, 3, 4, 5}, 2), (Samples{1, 2, 3, 4}));
}

TEST(ConvertToTargetFormat, MonoAt22050BecomesStereoAt44100) {
    Samples mono(22050);
    for (size_t i = 0; i < mono.size(); ++i) mono[i] = static_cast<int16_t>(i % 2000 - 1000);
    const WavAudio audio = convertToTargetFormat(mono, 1, 22050);
    EXPECT_EQ(audio.sampleRate, 44100);
    EXPECT_EQ(audio.channels, 2);
    EXPECT_EQ(audio.frameCount(), 44100);
    for (size_t frame = 0; frame < 44100; ++frame) {
        ASSERT_EQ(audio.samples[frame * 2], audio.samples[frame * 2 + 1]) << "frame " << frame;
    }
}

TEST(ConvertToTargetFormat, RefusesRatesThatWouldInflateASmallFile) {
    EXPECT_THROW(convertToTargetFormat(Samples(1000), 2, 1), RenderError);
    EXPECT_THROW(convertToTargetFormat(Samples(1000), 2, 0), RenderError);
    EXPECT_EQ(convertToTargetFormat(Samples(1000), 2, minimumSourceSampleRate).frameCount(),
              resampledFrameCount(500, minimumSourceSampleRate, 44100));
}

}  // namespace
}  // namespace renderer
