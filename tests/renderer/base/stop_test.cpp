// A render stopped from outside (the wizard sends SIGTERM, then SIGKILL 2 s later) must end
// well inside those 2 s with one failure line, status 2 and no waste left behind.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

#include "renderer/base/render_error.h"
#include "renderer/base/run_process.h"
#include "renderer/base/stop_request.h"
#include "renderer/decode/source_audio.h"
#include "renderer/encode/mp3_encoder.h"
#include "tests/renderer/seamforge_fixture.h"
#include "tests/support/process_state.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using seamforgetest::Seamforge;
using seamforgetest::Song;
using seamforgetest::writeToneSong;

const std::string kStoppedLine = "LOCAL_RENDER_FAILED Render stopped by a termination signal.";

class Stop : public Seamforge {
protected:
    // Starts seamforge on `jobText` with a LAME that writes part of its output, says it has
    // started, then hangs (on the encode, after a real decode, when `whileEncoding`); sends
    // `signal` then, and expects one failure line after `linesBefore`, status 2, no work folder
    // and no temporary MP3, well under 2 s after the signal.
    void expectCleanStop(const std::string& jobText, int signal, bool whileEncoding,
                         std::vector<std::string> linesBefore) {
        const fs::path started = files / "lame.pid";
        fs::remove(started);
        const std::string decodeThenOutput =
            "[ \"$1\" = --decode ] && exec '" + bundledLame().string() + "' \"$@\"\nOUT=$6\n";
        environment["MUSIC_EDIT_LAME"] =
            seamforgetest::writeScript(files / "hanging-lame",
                                       (whileEncoding ? decodeThenOutput : "OUT=$4\n") +
                                           "echo partial > \"$OUT\"\necho $$ > '" +
                                           started.string() + "'\nexec sleep 30\n")
                .string();
        Clock::time_point signalled;
        const seamforgetest::SeamforgeRun stopped = runWhile(jobText, [&](pid_t seamforge) {
            ASSERT_TRUE(testsupport::readPidFile(started, 30.0)) << "LAME never started";
            signalled = Clock::now();
            ::kill(seamforge, signal);
        });
        EXPECT_LT(Clock::now() - signalled, 1s);
        linesBefore.push_back(kStoppedLine);
        EXPECT_EQ(stopped.lines(), linesBefore);
        expectFailure(stopped, std::string(renderer::renderStoppedMessage));
    }
};

// In one piece, or in two side by side.
TEST_F(Stop, DuringTheEncodeKeepsTheEarlierEditAndLeavesNoPartialFile) {
    writeToneSong(files / "Song.wav", 0.5, 5.0, 0.5);
    fs::create_directory(files / "out");
    const std::string earlier(5000, '\x33');
    rawwav::writeFile(files / "out" / "Song - DJ edit.mp3", earlier);
    for (const char* pieces : {"1", "2"}) {
        SCOPED_TRACE(pieces);
        environment["SEAMFORGE_ENCODE_PIECES"] = pieces;
        expectCleanStop(editJob({Song{files / "Song.wav", "0:00", "0:04.5"}}, files / "out"),
                        SIGTERM, true, {"LOCAL_STEP analyze starting", "LOCAL_STEP cuts done"});
        EXPECT_EQ(seamforgetest::entryNames(files / "out"),
                  std::vector<std::string>{"Song - DJ edit.mp3"});
        EXPECT_EQ(testsupport::readWholeFile(files / "out" / "Song - DJ edit.mp3"), earlier);
    }
}

TEST_F(Stop, EveryStopSignalEndsADecodeAndRemovesTheWorkFolder) {
    rawwav::writeFile(files / "Song.mp3", "decoded by nobody");
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        expectCleanStop(editJob({Song{files / "Song.mp3"}}, files / "out"), signal, false,
                        {"LOCAL_STEP analyze starting"});
        EXPECT_TRUE(fs::is_empty(files / "out"));
    }
}

// The signal thread removes the running encode's temporary MP3 when the render thread is
// stuck; the encode then fails as it must. The stand-in LAME fails once its output is gone,
// and succeeds after 5 s if it never goes.
TEST(StopRequest, RemovesTheTemporaryMP3OfTheRunningEncode) {
    testsupport::TemporaryFolder folder;
    const fs::path started = folder / "started";
    ::setenv("MUSIC_EDIT_LAME",
             seamforgetest::writeScript(
                 folder / "fake-lame",
                 "echo partial > \"$6\"\necho $$ > '" + started.string() +
                     "'\nfor i in $(seq 500); do [ -e \"$6\" ] || exit 1; sleep 0.01; done\n")
                 .c_str(),
             1);
    testsupport::writeTestWav(folder / "render.wav", testsupport::tone(0.1, 440.0, 0.5));
    std::thread encode([&] {
        EXPECT_THROW(
            renderer::encodeMP3(seamforgetest::wavFile(folder / "render.wav"), folder / "x.mp3"),
            renderer::RenderError);
    });
    EXPECT_TRUE(testsupport::readPidFile(started, 30.0));
    renderer::removeTemporaryMP3OfRunningEncode();
    EXPECT_EQ(seamforgetest::entryNames(folder.path()),
              (std::vector<std::string>{"fake-lame", "render.wav", "started"}));
    encode.join();
    ::unsetenv("MUSIC_EDIT_LAME");
    renderer::removeTemporaryMP3OfRunningEncode();  // no encode running: nothing to do
}

TEST(StopRequest, EndsDecodingAndRefusesToStartChildren) {
    testsupport::TemporaryFolder folder;
    testsupport::writeTestWav(folder / "song.wav", testsupport::tone(1.0, 440.0, 0.5));
    ASSERT_EQ(testsupport::convertWithFfmpeg(folder / "song.wav", folder / "song.flac"), "");
    const auto stopped = ::testing::ThrowsMessage<renderer::RenderError>(
        std::string(renderer::renderStoppedMessage));

    renderer::requestStop();
    EXPECT_THAT([&] { renderer::loadSourceAudio(folder / "song.flac", folder.path(), 1); },
                stopped);
    EXPECT_THAT([&] { renderer::runProcess("/bin/touch", {(folder / "x").string()}); }, stopped);
    renderer::clearStopRequestForTesting();
    EXPECT_FALSE(fs::exists(folder / "x"));
    EXPECT_EQ(renderer::loadSourceAudio(folder / "song.flac", folder.path(), 1).frameCount(),
              44100);
}

// What the clean-up hook below removes; set before the stuck run starts.
fs::path partialOutput;

void removePartialOutput() noexcept {
    std::error_code ignored;
    fs::remove(partialOutput, ignored);
}

TEST(StopRequestDeathTest, AStuckRenderIsEndedByTheSignalThreadWithinASecond) {
    testsupport::TemporaryFolder folder;
    const fs::path work = folder / "tunewright-local-stuck";
    fs::create_directories(work / "inside");
    const fs::path lines = folder / "stdout.txt";
    partialOutput = folder / "partial.mp3";
    std::ofstream(partialOutput) << "partial";

    const Clock::time_point started = Clock::now();
    EXPECT_EXIT(
        {
            if (std::freopen(lines.c_str(), "w", stdout) == nullptr) std::_Exit(3);
            renderer::startStopSignalHandling();
            renderer::setActiveWorkFolder(work);
            renderer::addStopCleanupHook(removePartialOutput);
            ::kill(::getpid(), SIGTERM);
            std::this_thread::sleep_for(30s);  // a step that never looks at the stop flag
            std::_Exit(4);
        },
        ::testing::ExitedWithCode(2), "");
    EXPECT_LT(Clock::now() - started, 2s);
    EXPECT_EQ(testsupport::readWholeFile(lines), kStoppedLine + "\n");
    EXPECT_FALSE(fs::exists(work));
    EXPECT_FALSE(fs::exists(partialOutput));
}

}  // namespace
