#pragma once
// Runs the real seamforge binary in a private TMPDIR with the real LAME, and reads back
// what it printed and wrote: its lines, its exit status, the decoded MP3.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "common/subprocess.h"
#include "tests/support/generated_audio.h"
#include "tests/support/raw_wav.h"
#include "tests/support/test_files.h"

namespace seamforgetest {

namespace fs = std::filesystem;

struct SeamforgeRun {
    int status = -1;
    std::string standardOutput;
    std::string standardError;
    int signal = 0;  // that ended it, if one did

    std::vector<std::string> lines() const {
        std::vector<std::string> result;
        std::istringstream stream(standardOutput);
        for (std::string line; std::getline(stream, line);) result.push_back(line);
        return result;
    }
};

// One song of a job; every field is what the user typed.
struct Song {
    fs::path path;
    std::string startTime = "0:00";
    std::string endTime{};
    std::string note{};
    std::string name{};
};

inline std::vector<std::string> entryNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

inline fs::path writeScript(const fs::path& path, const std::string& body) {
    rawwav::writeFile(path, "#!/bin/sh\n" + body);
    fs::permissions(path, fs::perms::owner_all);
    return path;
}

// Feeds the encoder a WAV that is already on disk.
inline std::function<void(const std::function<bool(std::string_view)>&)> wavFile(
    const fs::path& path) {
    return [path](const std::function<bool(std::string_view)>& sink) {
        sink(testsupport::readWholeFile(path));
    };
}

// A WAV song: `leadSeconds` of silence, then a tone of `amplitude` (fraction of full scale).
inline void writeToneSong(const fs::path& path, double leadSeconds, double toneSeconds,
                          double amplitude, double frequencyHz = 440.0) {
    testsupport::writeTestWav(
        path, testsupport::concatenate({testsupport::silence(leadSeconds),
                                        testsupport::tone(toneSeconds, frequencyHz, amplitude)}));
}

class Seamforge : public ::testing::Test {
protected:
    testsupport::TemporaryFolder temporary;  // TMPDIR of the run
    testsupport::TemporaryFolder files;      // jobs, songs and outputs
    std::map<std::string, std::string> environment;

    void SetUp() override {
        ASSERT_TRUE(fs::exists(bundledLame())) << testsupport::requiredProgramMessage("lame");
        environment["TMPDIR"] = temporary.path().string();
        environment["MUSIC_EDIT_LAME"] = bundledLame().string();
    }

    static fs::path bundledLame() { return testsupport::bundleBinFolder() / "lame"; }

    // Standard error goes to its own file so that a test can see it stays empty; the shell
    // execs, so the child's pid is seamforge's. SEAMFORGE_TEST_UMASK in `environment`, when
    // set, is the run's umask.
    common::SubprocessOptions commandFor(const std::vector<std::string>& arguments) {
        common::SubprocessOptions options;
        options.executable = "/bin/sh";
        options.arguments = {"-c",
                             "[ -z \"$SEAMFORGE_TEST_UMASK\" ] || umask \"$SEAMFORGE_TEST_UMASK\""
                             " && exec \"$0\" \"$@\" 2>\"$SEAMFORGE_TEST_STDERR\"",
                             (testsupport::bundleBinFolder() / "seamforge").string()};
        options.arguments.insert(options.arguments.end(), arguments.begin(), arguments.end());
        options.workingDirectory = files.path().string();
        options.environmentOverrides = environment;
        options.environmentOverrides["SEAMFORGE_TEST_STDERR"] = (files / "stderr.txt").string();
        return options;
    }

    std::string takeStandardError() {
        const std::string text = testsupport::readWholeFile(files / "stderr.txt");
        fs::remove(files / "stderr.txt");
        return text;
    }

    SeamforgeRun run(const std::vector<std::string>& arguments) {
        const common::CapturedRun captured = common::runAndCapture(commandFor(arguments), 64 << 20);
        return {captured.status.code, captured.output, takeStandardError()};
    }

    SeamforgeRun runJob(const std::string& jobText) {
        rawwav::writeFile(files / "job.json", jobText);
        return run({(files / "job.json").string()});
    }

    // Starts seamforge on `jobText` and lets `whileRunning` act on its pid (wait for a child,
    // send a signal) before waiting for its end; seamforge is killed when `whileRunning` fails.
    SeamforgeRun runWhile(const std::string& jobText,
                          const std::function<void(pid_t)>& whileRunning) {
        rawwav::writeFile(files / "job.json", jobText);
        std::mutex outputMutex;
        SeamforgeRun result;
        common::Subprocess child(commandFor({(files / "job.json").string()}),
                                 [&](std::string_view chunk) {
                                     std::lock_guard guard(outputMutex);
                                     result.standardOutput.append(chunk);
                                 });
        EXPECT_FALSE(child.start().has_value());
        whileRunning(child.pid());
        if (::testing::Test::HasFatalFailure()) child.kill();
        const common::ExitStatus status = child.waitForExit();
        std::lock_guard guard(outputMutex);
        result.status = status.code;
        result.signal = status.signal;
        result.standardError = takeStandardError();
        return result;
    }

    // A stand-in LAME: when its argument number `argument` (the decoded song, or the MP3 being
    // encoded) holds a key of `behaviour`, it runs that shell text; else the real LAME.
    fs::path standInLame(int argument,
                         const std::vector<std::pair<std::string, std::string>>& behaviour) {
        std::string body = "case \"$" + std::to_string(argument) + "\" in\n";
        for (const auto& [key, text] : behaviour) body += "*" + key + "*) " + text + " ;;\n";
        body += "esac\nexec '" + bundledLame().string() + "' \"$@\"\n";
        return writeScript(files / "stand-in-lame", body);
    }

    // A job built as JSON, so that any file name or note is escaped properly. "snapToBeat" is
    // written only when true, as an older wizard's job would leave it out.
    static std::string editJob(const std::vector<Song>& songs, const fs::path& outputFolder,
                               const std::string& effect = "fade", bool snapToBeat = false) {
        nlohmann::json tracks = nlohmann::json::array();
        for (const Song& song : songs) {
            tracks.push_back({{"path", song.path.string()},
                              {"name", song.name},
                              {"startTime", song.startTime},
                              {"endTime", song.endTime},
                              {"note", song.note}});
        }
        nlohmann::json job = {{"appVersion", "4.8"},
                              {"outputFolder", outputFolder.string()},
                              {"finalFadeOut", effect != "none"},
                              {"finalEndingEffect", effect},
                              {"tracks", tracks}};
        if (snapToBeat) job["snapToBeat"] = true;
        return job.dump();
    }

    bool temporaryFolderIsEmpty() const { return fs::is_empty(temporary.path()); }

    // Every failure: one final line, status 2, nothing on standard error, no work
    // folder left behind.
    void expectFailure(const SeamforgeRun& result, const std::string& message) {
        const std::vector<std::string> lines = result.lines();
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), "LOCAL_RENDER_FAILED " + message);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.standardError, "");
        EXPECT_TRUE(temporaryFolderIsEmpty());
    }

    // The four lines of a successful run that wrote `shownMp3`.
    static std::vector<std::string> successLines(const std::string& shownMp3) {
        return {"LOCAL_STEP analyze starting", "LOCAL_STEP cuts done", "LOCAL_STEP render done",
                "LOCAL_RENDER_OK " + shownMp3};
    }

    // Checks a successful run; returns the MP3's absolute path from its last line.
    fs::path expectSuccess(const SeamforgeRun& result) {
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.standardError, "");
        EXPECT_TRUE(temporaryFolderIsEmpty());
        const std::vector<std::string> lines = result.lines();
        const bool okLast = lines.size() == 4 && lines[3].starts_with("LOCAL_RENDER_OK /");
        const std::string mp3 = okLast ? lines[3].substr(lines[3].find('/')) : "";
        EXPECT_EQ(lines, successLines(mp3));
        return mp3;
    }
};

}  // namespace seamforgetest
