// The LAME route for MP3s, with the build tree's real LAME.

#include "audio/lame_decoder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <stdexcept>

#include "tests/support/generated_audio.h"
#include "tests/support/test_files.h"

namespace audio {
namespace {

namespace fs = std::filesystem;

class LameDecoder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(lame)) << testsupport::requiredProgramMessage("lame");
    }

    const std::string lame = testsupport::bundledLame().string();
    testsupport::TemporaryFolder folder;
    std::vector<std::string> calledWith;
    // Runs the program for real and remembers how it was called.
    const RunProgram run = [this](const std::string& program,
                                  const std::vector<std::string>& arguments) {
        calledWith = arguments;
        const std::string failure = testsupport::runProgram(program, arguments);
        if (!failure.empty()) throw std::runtime_error(failure);
    };
};

// A mono 22.05 kHz song comes back as 44.1 kHz stereo, and a name that starts with "-" reaches
// LAME as an absolute path, never as an option.
TEST_F(LameDecoder, DecodesTheSongAndConvertsItToTheTargetForm) {
    testsupport::writeTestWav(folder / "mono.wav", testsupport::tone(1.0, 440.0, 0.5, 22050, 1),
                              22050, 1);
    ASSERT_EQ(testsupport::encodeWithLame(folder / "mono.wav", folder / "-song.mp3"), "");

    const fs::path previous = fs::current_path();
    fs::current_path(folder.path());
    const WavAudio audio = loadMP3WithLame(lame, "-song.mp3", "decoded.wav", run);
    fs::current_path(previous);

    EXPECT_EQ(calledWith,
              (std::vector<std::string>{"--decode", "--quiet", (folder / "-song.mp3").string(),
                                        (folder / "decoded.wav").string()}));
    EXPECT_EQ(audio.sampleRate, 44100);
    EXPECT_EQ(audio.channels, 2);
    // LAME adds up to a couple of thousand frames of delay and padding at 22.05 kHz.
    EXPECT_NEAR(static_cast<double>(audio.frameCount()), 44100.0, 5000.0);
    double sum = 0.0;
    for (long long frame = 0; frame < audio.frameCount(); ++frame) {
        ASSERT_EQ(audio.samples[frame * 2], audio.samples[frame * 2 + 1]) << frame;
        const double value = audio.samples[frame * 2] / 32767.0;
        sum += value * value;
    }
    // A 0.5 sine has an RMS of 0.354; the silent delay and padding pull it down a little.
    EXPECT_NEAR(std::sqrt(sum / static_cast<double>(audio.frameCount())), 0.5 / std::sqrt(2.0),
                0.04);
}

// A decode that fails must not hand back the WAV an earlier decode left at the same path.
TEST_F(LameDecoder, AFailedDecodeIsReportedNotAStaleFileRead) {
    testsupport::writeTestWav(folder / "decoded.wav", testsupport::tone(0.1, 440.0, 0.5));
    std::ofstream(folder / "not-an-mp3.mp3") << "no audio in here\n";
    EXPECT_THROW(loadMP3WithLame(lame, folder / "not-an-mp3.mp3", folder / "decoded.wav", run),
                 std::runtime_error);
}

}  // namespace
}  // namespace audio
