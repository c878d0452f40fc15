#include "renderer/mp3_encoder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <thread>

#include "renderer/render_error.h"
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
        if (previous_) {
            ::setenv("MUSIC_EDIT_LAME", previous_->c_str(), 1);
        } else {
            ::unsetenv("MUSIC_EDIT_LAME");
        }
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

// Everything in `folder` except the named files.
std::vector<std::string> otherEntries(const fs::path& folder,
                                      const std::vector<std::string>& expected) {
    std::vector<std::string> others;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (std::find(expected.begin(), expected.end(), name) == expected.end()) {
            others.push_back(name);
        }
    }
    return others;
}

struct FrameHeader {
    int mpegVersionBits = 0;  // 3 = MPEG-1
    int layerBits = 0;        // 1 = Layer III
    int bitrateKbps = 0;
    int sampleRate = 0;
    size_t frameBytes = 0;
};

std::optional<FrameHeader> parseFrameHeader(const std::string& bytes, size_t offset) {
    if (offset + 4 > bytes.size()) return std::nullopt;
    const auto byte = [&](size_t k) { return static_cast<uint8_t>(bytes[offset + k]); };
    if (byte(0) != 0xFF || (byte(1) & 0xE0) != 0xE0) return std::nullopt;
    FrameHeader header;
    header.mpegVersionBits = (byte(1) >> 3) & 0x3;
    header.layerBits = (byte(1) >> 1) & 0x3;
    if (header.mpegVersionBits != 3 || header.layerBits != 1) return header;
    constexpr int kBitrates[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    constexpr int kRates[] = {44100, 48000, 32000};
    const int bitrateIndex = byte(2) >> 4;
    const int rateIndex = (byte(2) >> 2) & 0x3;
    if (bitrateIndex == 0 || bitrateIndex > 14 || rateIndex > 2) return header;
    header.bitrateKbps = kBitrates[bitrateIndex];
    header.sampleRate = kRates[rateIndex];
    const int padding = (byte(2) >> 1) & 0x1;
    header.frameBytes = 144 * header.bitrateKbps * 1000 / header.sampleRate + padding;
    return header;
}

// Offset of the first frame: after an ID3v2 tag when there is one.
size_t firstFrameOffset(const std::string& bytes) {
    if (bytes.size() < 10 || bytes.compare(0, 3, "ID3") != 0) return 0;
    size_t size = 0;
    for (int k = 6; k < 10; ++k) size = (size << 7) | (static_cast<uint8_t>(bytes[k]) & 0x7F);
    const bool hasFooter = (static_cast<uint8_t>(bytes[5]) & 0x10) != 0;
    return 10 + size + (hasFooter ? 10 : 0);
}

TEST(EncodeMP3, RealLameWritesMpeg1LayerIIIAt320KbpsConstantBitRate) {
    const fs::path lame = testsupport::findProgram("lame");
    ASSERT_FALSE(lame.empty()) << testsupport::requiredProgramMessage("lame");
    LameOverride useLame(lame);
    TemporaryFolder folder;
    const fs::path mp3 = folder / "Tone - DJ edit.mp3";
    std::ofstream(mp3) << "an earlier edit";

    renderer::encodeMP3(writeToneWav(folder), mp3);

    const std::string bytes = readWholeFile(mp3);
    size_t offset = firstFrameOffset(bytes);
    const auto first = parseFrameHeader(bytes, offset);
    ASSERT_TRUE(first.has_value()) << "no frame header at " << offset;
    EXPECT_EQ(first->mpegVersionBits, 3) << "MPEG-1";
    EXPECT_EQ(first->layerBits, 1) << "Layer III";
    EXPECT_EQ(first->bitrateKbps, 320);
    EXPECT_EQ(first->sampleRate, 44100);

    int frames = 0;
    while (offset + 4 <= bytes.size() && bytes.compare(offset, 3, "TAG") != 0) {
        const auto header = parseFrameHeader(bytes, offset);
        ASSERT_TRUE(header.has_value()) << "lost frame sync at byte " << offset;
        ASSERT_EQ(header->bitrateKbps, 320) << "frame " << frames;
        offset += header->frameBytes;
        ++frames;
    }
    // One second at 1152 samples a frame is about 38 frames, plus encoder delay and padding.
    EXPECT_GE(frames, 38);
    EXPECT_TRUE(otherEntries(folder.path(), {"render.wav", "Tone - DJ edit.mp3"}).empty());
}

TEST(EncodeMP3, PassesTheFixedArgumentsAndMovesTheResultIntoPlace) {
    TemporaryFolder folder;
    const fs::path argumentsFile = folder / "arguments.txt";
    const fs::path fake = writeScript(folder / "fake-lame", "for a in \"$@\"; do echo \"$a\" >> '" +
                                                                argumentsFile.string() +
                                                                "'; done\n"
                                                                "[ -e \"$6\" ] && exit 3\n"
                                                                "echo encoded > \"$6\"\n");
    LameOverride useFake(fake);
    const fs::path mp3 = folder / "Song - DJ edit.mp3";
    const fs::path wav = writeToneWav(folder);

    renderer::encodeMP3(wav, mp3);

    EXPECT_EQ(readWholeFile(mp3), "encoded\n");
    std::ifstream lines(argumentsFile);
    std::vector<std::string> arguments;
    for (std::string line; std::getline(lines, line);) arguments.push_back(line);
    ASSERT_EQ(arguments.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(arguments.begin(), arguments.begin() + 5),
              (std::vector<std::string>{"-b", "320", "--cbr", "--quiet", wav.string()}));
    // LAME writes a hidden file beside the final one, never the final name itself.
    const fs::path written = arguments[5];
    EXPECT_EQ(written.parent_path(), folder.path());
    EXPECT_TRUE(written.filename().string().starts_with(".Song - DJ edit.mp3.partial-"));
    EXPECT_FALSE(fs::exists(written));
}

TEST(EncodeMP3, FailingLameLeavesTheEarlierEditIntactAndNoTemporaryFile) {
    TemporaryFolder folder;
    const fs::path fake = writeScript(folder / "fake-lame",
                                      "echo half an mp3 > \"$6\"\n"
                                      "echo 'Could not encode: disk full'\n"
                                      "exit 1\n");
    LameOverride useFake(fake);
    const fs::path mp3 = folder / "Song - DJ edit.mp3";
    const std::string earlier(3000, '\x5A');
    std::ofstream(mp3, std::ios::binary) << earlier;

    try {
        renderer::encodeMP3(writeToneWav(folder), mp3);
        FAIL() << "a failing encoder must fail the encode";
    } catch (const renderer::RenderError& error) {
        EXPECT_STREQ(error.what(), "Could not encode: disk full");
    }
    EXPECT_EQ(readWholeFile(mp3), earlier);
    EXPECT_TRUE(
        otherEntries(folder.path(), {"render.wav", "Song - DJ edit.mp3", "fake-lame"}).empty());
}

TEST(EncodeMP3, MissingOrUnusableLameIsReportedBeforeAnythingIsWritten) {
    TemporaryFolder folder;
    const fs::path wav = writeToneWav(folder);
    const fs::path notExecutable = folder / "lame-without-permission";
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
    EXPECT_TRUE(otherEntries(folder.path(), {"render.wav", "lame-without-permission"}).empty());
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
    const fs::path mp3 = folder / "Song - DJ edit.mp3";
    const fs::path wav = writeToneWav(folder);

    std::thread encode([&] { EXPECT_THROW(renderer::encodeMP3(wav, mp3), renderer::RenderError); });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!fs::exists(started) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_TRUE(fs::exists(started));
    renderer::removeTemporaryMP3OfRunningEncode();
    EXPECT_TRUE(otherEntries(folder.path(), {"render.wav", "fake-lame", "started"}).empty());
    encode.join();
    EXPECT_FALSE(fs::exists(mp3));

    // With no encode running it does nothing.
    renderer::removeTemporaryMP3OfRunningEncode();
}

}  // namespace
