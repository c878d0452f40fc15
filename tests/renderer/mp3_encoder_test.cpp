#include "renderer/mp3_encoder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <thread>

#include "renderer/render_error.h"
#include "tests/renderer/mp3_frames.h"
#include "tests/support/generated_audio.h"
#include "tests/support/test_files.h"

namespace {

namespace fs = std::filesystem;
using testsupport::readWholeFile;
using testsupport::TemporaryFolder;

// Points MUSIC_EDIT_LAME somewhere for one test and restores it afterwards.
class LameOverride {
public:
    explicit LameOverride(const fs::path& lame) {
        if (const char* value = std::getenv("MUSIC_EDIT_LAME")) previous_ = value;
        ::setenv("MUSIC_EDIT_LAME", lame.c_str(), 1);
    }
    ~LameOverride() {
        if (previous_) ::setenv("MUSIC_EDIT_LAME", previous_->c_str(), 1);
        if (!previous_) ::unsetenv("MUSIC_EDIT_LAME");
    }

private:
    std::optional<std::string> previous_;
};

fs::path writeScript(const fs::path& path, const std::string& body) {
    std::ofstream(path) << "#!/bin/sh\n" << body;
    fs::permissions(path, fs::perms::owner_all);
    return path;
}

fs::path writeToneWav(const TemporaryFolder& folder) {
    const fs::path wav = folder / "render.wav";
    testsupport::writeTestWav(wav, testsupport::tone(1.0, 440.0, 0.5));
    return wav;
}

std::vector<std::string> entryNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(EncodeMP3, RealLameWritesOnlyMpeg1LayerIIIFramesAt320Kbps) {
    const fs::path lame = testsupport::findProgram("lame");
    ASSERT_FALSE(lame.empty()) << testsupport::requiredProgramMessage("lame");
    LameOverride useLame(lame);
    TemporaryFolder folder;
    const fs::path mp3 = folder / "Tone - DJ edit.mp3";
    std::ofstream(mp3) << "an earlier edit";

    renderer::encodeMP3(writeToneWav(folder), mp3);

    const std::optional<std::vector<int>> rates = mp3frames::bitRatesKbps(readWholeFile(mp3));
    ASSERT_TRUE(rates.has_value()) << "not a sequence of MPEG-1 Layer III frames";
    const auto frames = static_cast<int>(rates->size());
    EXPECT_EQ(std::count(rates->begin(), rates->end(), 320), frames);
    EXPECT_GE(frames, 38) << "one second is about 38 frames of 1152 samples";
    EXPECT_EQ(entryNames(folder.path()),
              (std::vector<std::string>{"Tone - DJ edit.mp3", "render.wav"}));
}

TEST(EncodeMP3, FailingLameLeavesTheEarlierEditIntactAndNoTemporaryFile) {
    TemporaryFolder folder;
    const fs::path argumentsFile = folder / "arguments.txt";
    const fs::path fake =
        writeScript(folder / "fake-lame", "printf '%s\\n' \"$@\" > '" + argumentsFile.string() +
                                              "'\n"
                                              "echo half an mp3 > \"$6\"\n"
                                              "echo 'Could not encode: disk full'\n"
                                              "exit 1\n");
    LameOverride useFake(fake);
    const fs::path mp3 = folder / "Song - DJ edit.mp3";
    const std::string earlier(3000, '\x5A');
    std::ofstream(mp3, std::ios::binary) << earlier;
    const fs::path wav = writeToneWav(folder);

    try {
        renderer::encodeMP3(wav, mp3);
        FAIL() << "a failing encoder must fail the encode";
    } catch (const renderer::RenderError& error) {
        EXPECT_STREQ(error.what(), "Could not encode: disk full");
    }
    EXPECT_EQ(readWholeFile(mp3), earlier);
    EXPECT_EQ(entryNames(folder.path()),
              (std::vector<std::string>{"Song - DJ edit.mp3", "arguments.txt", "fake-lame",
                                        "render.wav"}));
    // The fixed options and the WAV, then a hidden file beside the final MP3.
    const std::string hidden = (folder / ".Song - DJ edit.mp3.partial-").string();
    const std::string expectedStart = "-b\n320\n--cbr\n--quiet\n" + wav.string() + "\n" + hidden;
    EXPECT_TRUE(readWholeFile(argumentsFile).starts_with(expectedStart))
        << readWholeFile(argumentsFile);
}

TEST(EncodeMP3, MissingOrUnusableLameIsReportedBeforeAnythingIsWritten) {
    TemporaryFolder folder;
    const fs::path wav = writeToneWav(folder);
    const fs::path notExecutable = folder / "plain-file";
    std::ofstream(notExecutable) << "#!/bin/sh\n";
    for (const fs::path& lame :
         {folder / "no-such-lame", notExecutable, fs::path(), folder.path()}) {
        LameOverride useLame(lame);
        try {
            renderer::encodeMP3(wav, folder / "x.mp3");
            ADD_FAILURE() << "no error for " << lame;
        } catch (const renderer::RenderError& error) {
            EXPECT_STREQ(error.what(), "Bundled LAME encoder was not found.") << lame;
        }
    }
    EXPECT_EQ(entryNames(folder.path()), (std::vector<std::string>{"plain-file", "render.wav"}));
}

TEST(EncodeMP3, TheRunningEncodesTemporaryFileCanBeRemovedFromOutside) {
    TemporaryFolder folder;
    const fs::path started = folder / "started";
    const fs::path fake = writeScript(folder / "fake-lame",
                                      "echo partial > \"$6\"\n"
                                      "touch '" +
                                          started.string() +
                                          "'\n"
                                          "sleep 1\n"
                                          "[ -e \"$6\" ] || { echo 'output vanished'; exit 1; }\n");
    LameOverride useFake(fake);
    const fs::path wav = writeToneWav(folder);

    std::thread encode(
        [&] { EXPECT_THROW(renderer::encodeMP3(wav, folder / "x.mp3"), renderer::RenderError); });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!fs::exists(started) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    renderer::removeTemporaryMP3OfRunningEncode();
    EXPECT_EQ(entryNames(folder.path()),
              (std::vector<std::string>{"fake-lame", "render.wav", "started"}));
    encode.join();
    renderer::removeTemporaryMP3OfRunningEncode();  // no encode running: nothing to do
}

}  // namespace
