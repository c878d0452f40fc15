// A render stopped from outside (the wizard sends SIGTERM, then SIGKILL 2 s later) must end
// well inside those 2 s with one failure line, status 2 and no waste left behind.

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <mutex>
#include <thread>

#include "renderer/platform_audio_reader.h"
#include "renderer/render_error.h"
#include "renderer/run_process.h"
#include "renderer/stop_request.h"
#include "tests/renderer/seamforge_fixture.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using seamforgetest::Seamforge;
using seamforgetest::song;
using seamforgetest::writeToneSong;

const std::string kStoppedLine = "LOCAL_RENDER_FAILED Render stopped by a termination signal.";

bool waitForFile(const fs::path& path) {
    const auto deadline = Clock::now() + 30s;
    while (!fs::exists(path)) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

class Stop : public Seamforge {
protected:
    fs::path marker() const { return files / "lame-started"; }

    // A LAME that writes part of its output, says it has started, then hangs. With
    // `whileEncoding` it decodes with the real LAME and hangs on the encode instead.
    void useHangingLame(bool whileEncoding) {
        const std::string realLame = (testsupport::bundleBinFolder() / "lame").string();
        const std::string hang =
            "echo partial > \"$OUT\"\ntouch '" + marker().string() + "'\nexec sleep 30\n";
        const std::string script =
            whileEncoding ? "[ \"$1\" = --decode ] && exec '" + realLame + "' \"$@\"\nOUT=$6\n"
                          : "OUT=$4\n";
        seamforgetest::writeScript(files / "hanging-lame", script + hang);
        environment["MUSIC_EDIT_LAME"] = (files / "hanging-lame").string();
    }

    struct Stopped {
        seamforgetest::SeamforgeRun run;
        Clock::duration afterSignal{};
    };

    // Starts seamforge on `jobText`, sends `signal` once LAME has started, and waits.
    Stopped stopWhileLameRuns(const std::string& jobText, int signal) {
        rawwav::writeFile(files / "job.json", jobText);
        std::mutex outputMutex;
        std::string output;
        common::Subprocess child(commandFor({(files / "job.json").string()}),
                                 [&](std::string_view chunk) {
                                     std::lock_guard guard(outputMutex);
                                     output.append(chunk);
                                 });
        Stopped stopped;
        if (const auto error = child.start()) {
            ADD_FAILURE() << *error;
            return stopped;
        }
        if (!waitForFile(marker())) ADD_FAILURE() << "LAME never started";
        const Clock::time_point signalled = Clock::now();
        ::kill(child.pid(), signal);
        const common::ExitStatus status = child.waitForExit();
        stopped.afterSignal = Clock::now() - signalled;
        stopped.run.status = status.code;
        std::lock_guard guard(outputMutex);
        stopped.run.standardOutput = output;
        stopped.run.standardError = takeStandardError();
        return stopped;
    }

    // One failure line, status 2, no work folder, no temporary MP3, in well under 2 s.
    void expectCleanStop(const Stopped& stopped, const std::vector<std::string>& linesBefore) {
        std::vector<std::string> expected = linesBefore;
        expected.push_back(kStoppedLine);
        EXPECT_EQ(stopped.run.lines(), expected);
        expectFailure(stopped.run, std::string(renderer::renderStoppedMessage));
        EXPECT_LT(stopped.afterSignal, 1s);
    }
};

TEST_F(Stop, DuringTheEncodeKeepsTheEarlierEditAndLeavesNoPartialFile) {
    writeToneSong(files / "Song.wav", 0.5, 3.0, 0.5);
    fs::create_directory(files / "out");
    const std::string earlier(5000, '\x33');
    rawwav::writeFile(files / "out" / "Song - DJ edit.mp3", earlier);
    useHangingLame(true);

    const Stopped stopped = stopWhileLameRuns(
        editJob({song(files / "Song.wav", "0:00", "0:02")}, files / "out", "fade"), SIGTERM);

    expectCleanStop(stopped, {"LOCAL_STEP analyze starting", "LOCAL_STEP cuts done"});
    EXPECT_EQ(seamforgetest::entryNames(files / "out"),
              std::vector<std::string>{"Song - DJ edit.mp3"});
    EXPECT_EQ(testsupport::readWholeFile(files / "out" / "Song - DJ edit.mp3"), earlier);
}

TEST_F(Stop, EveryStopSignalEndsADecodeAndRemovesTheWorkFolder) {
    rawwav::writeFile(files / "Song.mp3", "decoded by nobody");
    useHangingLame(false);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        fs::remove(marker());
        const Stopped stopped =
            stopWhileLameRuns(editJob({song(files / "Song.mp3")}, files / "out", "none"), signal);
        expectCleanStop(stopped, {"LOCAL_STEP analyze starting"});
        EXPECT_TRUE(fs::is_empty(files / "out"));
    }
}

TEST(StopRequest, EndsDecodingAndRefusesToStartChildren) {
    testsupport::TemporaryFolder folder;
    testsupport::writeTestWav(folder / "song.wav", testsupport::tone(1.0, 440.0, 0.5));
    ASSERT_EQ(testsupport::convertWithFfmpeg(folder / "song.wav", folder / "song.flac"), "");

    renderer::requestStop();
    EXPECT_TRUE(renderer::stopRequested());
    for (const auto& step : std::vector<std::function<void()>>{
             [&] { renderer::loadAudio(folder / "song.flac"); },
             [&] { renderer::runProcess("/bin/touch", {(folder / "started").string()}); }}) {
        try {
            step();
            ADD_FAILURE() << "a stopped render must not go on";
        } catch (const renderer::RenderError& error) {
            EXPECT_EQ(error.what(), renderer::renderStoppedMessage);
        }
    }
    renderer::clearStopRequestForTesting();
    EXPECT_FALSE(fs::exists(folder / "started"));
    EXPECT_EQ(renderer::loadAudio(folder / "song.flac").frameCount(), 44100);
}

TEST(StopRequestDeathTest, AStuckRenderIsEndedByTheSignalThreadWithinASecond) {
    testsupport::TemporaryFolder folder;
    const fs::path work = folder / "tunewright-local-stuck";
    fs::create_directories(work / "inside");
    const fs::path lines = folder / "stdout.txt";

    const Clock::time_point started = Clock::now();
    EXPECT_EXIT(
        {
            if (std::freopen(lines.c_str(), "w", stdout) == nullptr) std::_Exit(3);
            renderer::startStopSignalHandling();
            renderer::setActiveWorkFolder(work);
            ::kill(::getpid(), SIGTERM);
            std::this_thread::sleep_for(30s);  // a step that never looks at the stop flag
            std::_Exit(4);
        },
        ::testing::ExitedWithCode(2), "");
    EXPECT_LT(Clock::now() - started, 2s);
    EXPECT_EQ(testsupport::readWholeFile(lines), kStoppedLine + "\n");
    EXPECT_FALSE(fs::exists(work));
}

}  // namespace
