#include "renderer/source_audio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <random>

#include "common/subprocess.h"
#include "renderer/platform_audio_reader.h"
#include "renderer/render_error.h"
#include "tests/renderer/raw_wav.h"
#include "tests/support/generated_audio.h"
#include "tests/support/test_files.h"

namespace renderer {
namespace {

namespace fs = std::filesystem;
using testsupport::Samples;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

std::string requireProgram(const std::string& name) {
    const fs::path program = testsupport::findProgram(name);
    if (program.empty()) throw std::runtime_error(testsupport::requiredProgramMessage(name));
    return program.string();
}

// ffmpeg with arbitrary arguments (lavfi sources, codecs); throws with its output.
void runFfmpeg(std::vector<std::string> arguments) {
    common::SubprocessOptions options;
    options.executable = requireProgram("ffmpeg");
    options.arguments = {"-nostdin", "-hide_banner", "-loglevel", "error", "-y"};
    options.arguments.insert(options.arguments.end(), arguments.begin(), arguments.end());
    const common::CapturedRun run = common::runAndCapture(options, 1 << 20);
    if (run.startError || !run.status.succeeded()) {
        throw std::runtime_error("ffmpeg failed: " + run.startError.value_or(run.output));
    }
}

void convert(const fs::path& source, const fs::path& destination,
             const std::vector<std::string>& arguments = {}) {
    const std::string problem = testsupport::convertWithFfmpeg(source, destination, arguments);
    if (!problem.empty()) throw std::runtime_error(problem);
}

std::string failureOf(const fs::path& source, const fs::path& workFolder) {
    try {
        loadSourceAudio(source, workFolder, 1);
    } catch (const std::exception& error) {
        return error.what();
    }
    return "no failure";
}

double peakFraction(const std::vector<int16_t>& samples) {
    int peak = 0;
    for (int16_t sample : samples) peak = std::max(peak, std::abs(static_cast<int>(sample)));
    return peak / 32767.0;
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
    for (size_t i = 0; i < left.size(); ++i) {
        stereo.push_back(left[i]);
        stereo.push_back(right[i]);
    }
    return stereo;
}

class SourceAudio : public ::testing::Test {
protected:
    testsupport::TemporaryFolder songs;
    testsupport::TemporaryFolder work;
};

TEST_F(SourceAudio, UpperCaseMp3GoesThroughLameIntoTheWorkFolder) {
    const ScopedEnvironment lame("MUSIC_EDIT_LAME", requireProgram("lame"));
    testsupport::writeTestWav(songs / "tone.wav", distinctStereo(1.0, 44100));
    common::SubprocessOptions encode;
    encode.executable = requireProgram("lame");
    encode.arguments = {"--quiet", (songs / "tone.wav").string(), (songs / "SONG.MP3").string()};
    ASSERT_TRUE(common::runAndCapture(encode, 1 << 16).status.succeeded());

    const WavAudio audio = loadSourceAudio(songs / "SONG.MP3", work.path(), 2);
    EXPECT_EQ(audio.sampleRate, 44100);
    EXPECT_EQ(audio.channels, 2);
    EXPECT_NEAR(audio.duration(), 1.0, 0.1);
    EXPECT_NEAR(peakFraction(audio.samples), 0.5, 0.05);
    EXPECT_TRUE(fs::exists(work / "track-2-lame-decoded.wav"));
}

TEST_F(SourceAudio, ReportsAMissingOrFailingLame) {
    testsupport::writeTestWav(songs / "not-really.mp3", distinctStereo(0.1, 44100));
    {
        const ScopedEnvironment lame("MUSIC_EDIT_LAME", "");
        EXPECT_EQ(failureOf(songs / "not-really.mp3", work.path()),
                  "Bundled LAME decoder was not found.");
    }
    {
        const ScopedEnvironment lame("MUSIC_EDIT_LAME", songs.path().string());
        EXPECT_EQ(failureOf(songs / "not-really.mp3", work.path()),
                  "Bundled LAME decoder was not found.");
    }
    {
        // A child that fails without a word is named by its file name.
        const ScopedEnvironment lame("MUSIC_EDIT_LAME", requireProgram("false"));
        EXPECT_EQ(failureOf(songs / "not-really.mp3", work.path()), "false failed");
    }
}

TEST_F(SourceAudio, LosslessTypesDecodeThroughThePlatformReaderSampleForSample) {
    const Samples stereo = distinctStereo(0.5, 44100);
    testsupport::writeTestWav(songs / "source.wav", stereo);
    for (const std::string name : {"song.flac", "song.aiff", "Song.AIF"}) {
        convert(songs / "source.wav", songs / name);
        const WavAudio audio = loadSourceAudio(songs / name, work.path(), 1);
        EXPECT_EQ(audio.sampleRate, 44100) << name;
        EXPECT_EQ(audio.channels, 2) << name;
        EXPECT_EQ(audio.samples, stereo) << name;
    }
}

TEST_F(SourceAudio, LossyTypesDecodeToTargetRateAndLevel) {
    testsupport::writeTestWav(songs / "source.wav", distinctStereo(1.0, 48000), 48000);
    convert(songs / "source.wav", songs / "song.m4a", {"-c:a", "aac"});
    convert(songs / "source.wav", songs / "song.aac", {"-c:a", "aac", "-ar", "44100"});
    for (const std::string name : {"song.m4a", "song.aac"}) {
        const WavAudio audio = loadSourceAudio(songs / name, work.path(), 1);
        EXPECT_EQ(audio.sampleRate, 44100) << name;
        EXPECT_EQ(audio.channels, 2) << name;
        // AAC adds up to a few thousand frames of encoder delay and padding.
        EXPECT_NEAR(static_cast<double>(audio.frameCount()), 44100.0, 3000.0) << name;
        // Measured away from the edges, where the codec smears the tone's onset.
        EXPECT_NEAR(middleRms(audio.samples, 0), 0.5 / std::sqrt(2.0), 0.02) << name;
        EXPECT_NEAR(middleRms(audio.samples, 1), 0.25 / std::sqrt(2.0), 0.02) << name;
    }
}

TEST_F(SourceAudio, PlatformReaderConvertsMonoAndKeepsTheFirstTwoOfSixChannels) {
    testsupport::writeTestWav(songs / "mono.wav", testsupport::tone(1.0, 440.0, 0.5, 22050, 1),
                              22050, 1);
    convert(songs / "mono.wav", songs / "mono.flac");
    const WavAudio mono = loadSourceAudio(songs / "mono.flac", work.path(), 1);
    ASSERT_EQ(mono.frameCount(), 44100);
    for (long long frame = 0; frame < mono.frameCount(); ++frame) {
        ASSERT_EQ(mono.samples[frame * 2], mono.samples[frame * 2 + 1]) << frame;
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
    EXPECT_EQ(loadSourceAudio(songs / "six.flac", work.path(), 1).samples, front);
    EXPECT_EQ(loadSourceAudio(songs / "six.wav", work.path(), 1).samples, front);
}

TEST_F(SourceAudio, PlatformReaderReportsEachFailure) {
    runFfmpeg({"-f", "lavfi", "-i", "color=c=red:s=16x16", "-frames:v", "1",
               (songs / "picture.png").string()});
    fs::copy_file(songs / "picture.png", songs / "picture.m4a");
    // WAV containers named otherwise reach the platform reader with odd contents.
    rawwav::writeFile(songs / "unknown-codec.aiff",
                      rawwav::pcmWav(0x1234, 2, 44100, 16, std::string(4000, '\0')));
    rawwav::writeFile(songs / "no-channels.caf",
                      rawwav::pcmWav(1, 0, 44100, 16, std::string(4000, '\0')));
    rawwav::writeFile(songs / "hundred-channels.caf",
                      rawwav::pcmWav(1, 100, 44100, 16, std::string(100 * 2 * 64, '\0')));
    testsupport::writeTestWav(songs / "empty.wav", {});
    convert(songs / "empty.wav", songs / "empty.flac");
    testsupport::writeTestWav(songs / "tone.wav", distinctStereo(1.0, 44100));
    convert(songs / "tone.wav", songs / "garbage.aac", {"-c:a", "aac"});
    std::string garbage = testsupport::readWholeFile(songs / "garbage.aac");
    std::mt19937 random(3);
    for (size_t i = 100; i < garbage.size(); ++i) garbage[i] = static_cast<char>(random());
    rawwav::writeFile(songs / "garbage.aac", garbage);

    EXPECT_EQ(failureOf(songs / "picture.m4a", work.path()),
              "Source file has no readable audio track.");
    EXPECT_EQ(failureOf(songs / "unknown-codec.aiff", work.path()),
              "Local audio reader cannot decode this file.");
    EXPECT_EQ(failureOf(songs / "no-channels.caf", work.path()),
              "Local audio reader could not start.");
    EXPECT_EQ(failureOf(songs / "hundred-channels.caf", work.path()),
              "Local audio reader could not copy decoded samples.");
    EXPECT_EQ(failureOf(songs / "garbage.aac", work.path()), "Local audio decode failed.");
    EXPECT_EQ(failureOf(songs / "empty.flac", work.path()), "Decoded audio is empty.");
}

}  // namespace
}  // namespace renderer
