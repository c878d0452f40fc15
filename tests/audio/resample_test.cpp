// Conversion of decoded PCM to 44.1 kHz stereo.

#include "audio/resample.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "audio/audio_error.h"
#include "tests/support/generated_audio.h"

namespace audio {
namespace {

using testsupport::Samples;

TEST(ResampleStereo, InterpolatesEachChannelAndRoundsCountsAndHalvesAwayFromZero) {
    // Doubling the rate puts a new frame halfway between each pair of input frames; past the
    // last input frame the last value is held. Halfway between -32768 and 32767 is -0.5: -1.
    EXPECT_EQ(resampleStereo(Samples{0, 0, 3, -3, 10, -10}, 1000, 2000),
              (Samples{0, 0, 2, -2, 3, -3, 7, -7, 10, -10, 10, -10}));
    EXPECT_EQ(resampleStereo(Samples{-32768, 32767, 32767, -32768}, 1000, 2000),
              (Samples{-32768, 32767, -1, -1, 32767, -32768, 32767, -32768}));
    // 2 frames at 48000 -> 44100: 1.8375 frames round up to 2; 0.5 -> 1, 2.5 -> 3.
    EXPECT_EQ(resampleStereo(Samples{0, 0, 100, 100}, 48000, 44100).size(), 4u);
    EXPECT_EQ(resampledFrameCount(3, 6, 1), 1);
    EXPECT_EQ(resampledFrameCount(5, 2, 1), 3);
    EXPECT_EQ(resampledFrameCount(1000, 48000, 44100), 919);

    // One frame, equal rates and rates of 0 are left as they are.
    EXPECT_EQ(resampleStereo(Samples{7, -7}, 22050, 44100), (Samples{7, -7}));
    const Samples frames{1, 2, 3, 4};
    for (const auto& [from, to] : {std::pair{44100, 44100}, {0, 44100}, {44100, 0}}) {
        EXPECT_EQ(resampleStereo(frames, from, to), frames) << from << " -> " << to;
    }
}

TEST(ConvertToTargetFormat, DropsAHalfFrameAndRefusesRatesThatWouldInflateASmallFile) {
    // A half frame at the end would shift every later channel.
    EXPECT_EQ(stereoFromChannels(Samples{1, 2, 3, 4, 5}, 2), (Samples{1, 2, 3, 4}));
    EXPECT_THROW(convertToTargetFormat(Samples(1000), 2, 1), AudioError);
    EXPECT_THROW(convertToTargetFormat(Samples(1000), 2, 0), AudioError);
    EXPECT_EQ(convertToTargetFormat(Samples(1000), 2, minimumSourceSampleRate).frameCount(),
              resampledFrameCount(500, minimumSourceSampleRate, 44100));
}

}  // namespace
}  // namespace audio
