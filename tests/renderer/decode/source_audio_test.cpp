// Songs that are not MP3 decoded in-process, WAV by the renderer's own reader and everything
// else through FFmpeg, both converted to 44.1 kHz stereo. MP3 (through LAME) and unreadable
// songs are run through seamforge.

#include "renderer/decode/source_audio.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/generated_audio.h"
#include "tests/support/test_files.h"

namespace renderer {
namespace {

namespace fs = std::filesystem;
using audio::WavAudio;
using testsupport::Samples;

void convert(const fs::path& source, const fs::path& destination,
             const std::vector<std::string>& arguments = {}) {
    ASSERT_EQ(testsupport::convertWithFfmpeg(source, destination, arguments), "");
}

// RMS of one channel over the middle half, as a fraction of full scale.
double middleRms(const std::vector<int16_t>& samples, size_t channel) {
    const size_t frames = samples.size() / 2;
    double sum = 0.0;
    for (size_t frame = frames / 4; frame < frames * 3 / 4; ++frame) {
        const double value = samples[frame * 2 + channel] / 32767.0;
        sum += value * value;
    }
    return std::sqrt(sum / static_cast<double>(frames * 3 / 4 - frames / 4));
}

// Left is a 440 Hz tone, right a quieter 660 Hz one, so swapped or mixed channels show.
Samples distinctStereo(double seconds, int sampleRate) {
    const Samples left = testsupport::tone(seconds, 440.0, 0.5, sampleRate, 1);
    const Samples right = testsupport::tone(seconds, 660.0, 0.25, sampleRate, 1);
    Samples stereo;
    for (size_t i = 0; i < left.size(); ++i) stereo.insert(stereo.end(), {left[i], right[i]});
    return stereo;
}

class SourceAudio : public ::testing::Test {
protected:
    testsupport::TemporaryFolder songs;
    testsupport::TemporaryFolder work;

    WavAudio load(const std::string& name) { return loadSourceAudio(songs / name, work.path(), 1); }
};

TEST_F(SourceAudio, FfmpegTypesDecodeToStereoAtTheTargetRate) {
    const Samples stereo = distinctStereo(0.5, 44100);
    testsupport::writeTestWav(songs / "source.wav", stereo);
    for (const std::string name : {"song.flac", "song.aiff", "Song.AIF"}) {
        SCOPED_TRACE(name);
        convert(songs / "source.wav", songs / name);
        EXPECT_EQ(load(name).samples, stereo);  // lossless: sample for sample
    }

    testsupport::writeTestWav(songs / "source48k.wav", distinctStereo(1.0, 48000), 48000);
    convert(songs / "source48k.wav", songs / "song.m4a", {"-c:a", "aac"});
    convert(songs / "source48k.wav", songs / "song.aac", {"-c:a", "aac", "-ar", "44100"});
    for (const std::string name : {"song.m4a", "song.aac"}) {
        SCOPED_TRACE(name);
        const WavAudio audio = load(name);
        EXPECT_EQ(audio.sampleRate, 44100);
        EXPECT_EQ(audio.channels, 2);
        // AAC adds up to a few thousand frames of encoder delay and padding.
        EXPECT_NEAR(static_cast<double>(audio.frameCount()), 44100.0, 3000.0);
        // Measured away from the edges, where the codec smears the tone's onset.
        EXPECT_NEAR(middleRms(audio.samples, 0), 0.5 / std::sqrt(2.0), 0.02);
        EXPECT_NEAR(middleRms(audio.samples, 1), 0.25 / std::sqrt(2.0), 0.02);
    }
}

// Both readers, the renderer's WAV reader and FFmpeg, end in the same stereo form.
TEST_F(SourceAudio, MonoIsDoubledAndSixChannelsKeepTheFirstTwo) {
    testsupport::writeTestWav(songs / "mono.wav", testsupport::tone(1.0, 440.0, 0.5, 22050, 1),
                              22050, 1);
    convert(songs / "mono.wav", songs / "mono.flac");
    for (const std::string name : {"mono.wav", "mono.flac"}) {
        SCOPED_TRACE(name);
        const WavAudio mono = load(name);
        ASSERT_EQ(mono.frameCount(), 44100);
        for (long long frame = 0; frame < mono.frameCount(); ++frame) {
            ASSERT_EQ(mono.samples[frame * 2], mono.samples[frame * 2 + 1]) << frame;
        }
    }

    const Samples front = distinctStereo(0.25, 44100);
    const Samples others = testsupport::noise(0.25, 0.9, 7, 44100, 4);
    Samples sixChannels;
    for (size_t frame = 0; frame < front.size() / 2; ++frame) {
        sixChannels.insert(sixChannels.end(), {front[frame * 2], front[frame * 2 + 1]});
        sixChannels.insert(sixChannels.end(), others.begin() + static_cast<long>(frame * 4),
                           others.begin() + static_cast<long>(frame * 4 + 4));
    }
    testsupport::writeTestWav(songs / "six.wav", sixChannels, 44100, 6);
    convert(songs / "six.wav", songs / "six.flac");
    EXPECT_EQ(load("six.flac").samples, front);
    EXPECT_EQ(load("six.wav").samples, front);
}

}  // namespace
}  // namespace renderer
