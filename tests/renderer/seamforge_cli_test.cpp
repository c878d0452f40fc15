// Runs the real seamforge binary: its command line, its standard-output protocol,
// its exit status and what it leaves behind in the output and temporary folders.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>
#include <random>
#include <regex>
#include <sstream>

#include "common/subprocess.h"
#include "tests/renderer/raw_wav.h"
#include "tests/support/generated_audio.h"
#include "tests/support/test_files.h"

namespace {

namespace fs = std::filesystem;

struct SeamforgeRun {
    int status = -1;
    std::string standardOutput;
    std::string standardError;

    std::vector<std::string> lines() const {
        std::vector<std::string> result;
        std::istringstream stream(standardOutput);
        for (std::string line; std::getline(stream, line);) result.push_back(line);
        return result;
    }
};

class Seamforge : public ::testing::Test {
protected:
    testsupport::TemporaryFolder temporary;  // TMPDIR of the run
    testsupport::TemporaryFolder files;      // jobs, songs and outputs
    std::map<std::string, std::string> environment;

    void SetUp() override {
        environment["TMPDIR"] = temporary.path().string();
        environment["MUSIC_EDIT_LAME"] = (testsupport::bundleBinFolder() / "lame").string();
    }

    // Standard error goes to its own file so that the test can see it stays empty.
    SeamforgeRun run(const std::vector<std::string>& arguments) {
        common::SubprocessOptions options;
        options.executable = "/bin/sh";
        options.arguments = {"-c", "exec \"$0\" \"$@\" 2>\"$SEAMFORGE_TEST_STDERR\"",
                             (testsupport::bundleBinFolder() / "seamforge").string()};
        options.arguments.insert(options.arguments.end(), arguments.begin(), arguments.end());
        options.workingDirectory = files.path().string();
        options.environmentOverrides = environment;
        options.environmentOverrides["SEAMFORGE_TEST_STDERR"] = (temporary / "stderr.txt").string();
        const common::CapturedRun captured = common::runAndCapture(options, 64 << 20);
        SeamforgeRun result;
        result.status = captured.status.code;
        result.standardOutput = captured.output;
        result.standardError = testsupport::readWholeFile(temporary / "stderr.txt");
        fs::remove(temporary / "stderr.txt");
        return result;
    }

    SeamforgeRun runJob(const std::string& jobText) {
        rawwav::writeFile(files / "job.json", jobText);
        return run({(files / "job.json").string()});
    }

    static std::string track(const fs::path& path) {
        return R"({"path":")" + path.string() +
               R"(","name":"","startTime":"0:01","endTime":"","note":""})";
    }

    std::string job(const std::vector<std::string>& tracks, const fs::path& outputFolder) {
        std::string list;
        for (const std::string& entry : tracks) list += (list.empty() ? "" : ",") + entry;
        return R"({"appVersion":"4.8","outputFolder":")" + outputFolder.string() +
               R"(","finalFadeOut":true,"finalEndingEffect":"fade","tracks":[)" + list + "]}";
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
};

TEST_F(Seamforge, WrongArgumentCountPrintsUsageAndCreatesNothing) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{}, std::vector<std::string>{"a.json", "b.json"}}) {
        const SeamforgeRun result = run(arguments);
        EXPECT_EQ(result.standardOutput, "LOCAL_RENDER_FAILED Usage: seamforge job.json\n");
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.standardError, "");
        EXPECT_TRUE(fs::is_empty(files.path()));
        EXPECT_TRUE(temporaryFolderIsEmpty());
    }
}

TEST_F(Seamforge, RefusesZeroOrFourSongsBeforeCreatingTheOutputFolder) {
    testsupport::writeTestWav(files / "song.wav", testsupport::tone(0.5, 440.0, 0.5));
    const std::string song = track(files / "song.wav");
    for (const std::vector<std::string>& tracks :
         {std::vector<std::string>{}, std::vector<std::string>{song, song, song, song}}) {
        const SeamforgeRun result = runJob(job(tracks, files / "out"));
        EXPECT_EQ(result.standardOutput,
                  "LOCAL_RENDER_FAILED Local renderer supports 1 to 3 songs.\n");
        expectFailure(result, "Local renderer supports 1 to 3 songs.");
        EXPECT_FALSE(fs::exists(files / "out"));
    }
}

TEST_F(Seamforge, SetsUpOutputAndWorkFoldersAndRemovesTheWorkFolder) {
    // A stand-in LAME records where it was asked to write, then writes a real WAV there.
    testsupport::writeTestWav(files / "tone.wav", testsupport::tone(0.5, 440.0, 0.5));
    rawwav::writeFile(files / "song.mp3", "not decoded by the stand-in");
    const fs::path fakeLame = files / "fake-lame";
    rawwav::writeFile(fakeLame, "#!/bin/sh\necho \"$@\" > '" + (files / "arguments.txt").string() +
                                    "'\ncp '" + (files / "tone.wav").string() + "' \"$4\"\n");
    fs::permissions(fakeLame, fs::perms::owner_all);
    environment["MUSIC_EDIT_LAME"] = fakeLame.string();

    const fs::path output = files / "not" / "yet" / "there";
    const SeamforgeRun result =
        runJob(job({track(files / "song.mp3"), track(files / "tone.wav")}, output));
    EXPECT_EQ(result.standardOutput,
              "LOCAL_STEP analyze starting\n"
              "LOCAL_RENDER_FAILED The edit pipeline is not built yet.\n");
    expectFailure(result, "The edit pipeline is not built yet.");
    EXPECT_TRUE(fs::is_directory(output));

    const std::string arguments = testsupport::readWholeFile(files / "arguments.txt");
    const std::regex expected("--decode --quiet " + (files / "song.mp3").string() + " " +
                              temporary.path().string() +
                              "/tunewright-local-[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}"
                              "/track-1-lame-decoded\\.wav\n");
    EXPECT_TRUE(std::regex_match(arguments, expected)) << arguments;
}

TEST_F(Seamforge, AMissingLaterSongFailsAfterSetUpAndLeavesNoWorkFolder) {
    testsupport::writeTestWav(files / "song.wav", testsupport::tone(0.5, 440.0, 0.5));
    const fs::path missing = files / "gone.flac";
    const SeamforgeRun result =
        runJob(job({track(files / "song.wav"), track(missing)}, files / "out"));
    EXPECT_EQ(result.lines().front(), "LOCAL_STEP analyze starting");
    expectFailure(result, "Source file missing: " + missing.string());
    EXPECT_TRUE(fs::is_directory(files / "out"));
}

TEST_F(Seamforge, FoldersThatCannotBeCreatedFailOnOneLine) {
    testsupport::writeTestWav(files / "song.wav", testsupport::tone(0.5, 440.0, 0.5));
    const std::string songJob = job({track(files / "song.wav")}, files / "song.wav" / "out");
    expectFailure(runJob(songJob), "Could not create the output folder " +
                                       (files / "song.wav" / "out").string() + ": Not a directory");

    environment["TMPDIR"] = (files / "song.wav").string();
    expectFailure(runJob(job({track(files / "song.wav")}, files / "out")),
                  "Could not find the temporary folder: Not a directory");
}

TEST_F(Seamforge, EmptyLameVariableWinsOverTheLameBesideTheRenderer) {
    ASSERT_TRUE(fs::exists(testsupport::bundleBinFolder() / "lame"));
    environment["MUSIC_EDIT_LAME"] = "";
    rawwav::writeFile(files / "song.mp3", "anything");
    expectFailure(runJob(job({track(files / "song.mp3")}, files / "out")),
                  "Bundled LAME decoder was not found.");
}

TEST_F(Seamforge, BadJobFilesFailOnOneLine) {
    const SeamforgeRun missing = run({(files / "absent.json").string()});
    expectFailure(missing, "Could not read " + (files / "absent.json").string() +
                               ": No such file or directory");

    const std::vector<std::string> unreadable = {
        "this is not JSON\nat all",
        job({R"({"path":"/a.wav","name":"","startTime":"0","endTime":"","note":["x"]})"},
            files / "out"),
    };
    for (const std::string& text : unreadable) {
        const SeamforgeRun result = runJob(text);
        ASSERT_EQ(result.lines().size(), 1u) << result.standardOutput;
        EXPECT_EQ(result.lines()[0].rfind("LOCAL_RENDER_FAILED The render job is unreadable: ", 0),
                  0u)
            << result.standardOutput;
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.standardError, "");
    }
    EXPECT_FALSE(fs::exists(files / "out"));
}

TEST_F(Seamforge, BadSongsFailOnOneLineWithoutCrashOrHang) {
    rawwav::writeFile(files / "cut-short.wav",
                      rawwav::pcmWav(1, 2, 44100, 16, std::string(400, '\1')).substr(0, 40));
    rawwav::writeFile(files / "no-channels.wav",
                      rawwav::pcmWav(1, 0, 44100, 16, std::string(400, '\1')));
    rawwav::writeFile(files / "odd.wav",
                      rawwav::riff(rawwav::chunk("fmt ", "abc") + std::string(1, '\0') +
                                   rawwav::chunk("LIST", std::string(25, 'x'))));
    rawwav::writeFile(files / "text.MP3", "Dear diary, this is not an MP3 at all.\n");
    // A damaged AAC stream: FFmpeg's decoder complains about every frame, and none of
    // that may reach standard error.
    testsupport::writeTestWav(files / "tone.wav", testsupport::tone(1.0, 440.0, 0.5));
    ASSERT_EQ(
        testsupport::convertWithFfmpeg(files / "tone.wav", files / "damaged.aac", {"-c:a", "aac"}),
        "");
    std::string damaged = testsupport::readWholeFile(files / "damaged.aac");
    std::mt19937 random(5);
    for (size_t i = 100; i < damaged.size(); ++i) damaged[i] = static_cast<char>(random());
    rawwav::writeFile(files / "damaged.aac", damaged);
    fs::create_directory(files / "folder.wav");
    // Reading a process's own memory at address 0 fails, even for root.
    fs::create_symlink("/proc/self/mem", files / "unreadable.wav");
    ASSERT_EQ(::mkfifo((files / "pipe.flac").c_str(), 0600), 0);

    const std::vector<std::pair<std::string, std::string>> cases = {
        {"cut-short.wav", "Converted audio is not a WAVE file."},
        {"no-channels.wav", "Decoded WAV audio is not readable 16-bit PCM."},
        {"odd.wav", "Converted audio has no PCM data."},
        {"damaged.aac", "Local audio decode failed."},
        {"folder.wav", "Could not read " + (files / "folder.wav").string() + ": Is a directory"},
        {"unreadable.wav",
         "Could not read " + (files / "unreadable.wav").string() + ": Input/output error"},
        {"pipe.flac", "Could not read " + (files / "pipe.flac").string() + ": Not a regular file"},
    };
    for (const auto& [name, message] : cases) {
        SCOPED_TRACE(name);
        const SeamforgeRun result = runJob(job({track(files / name)}, files / "out"));
        EXPECT_EQ(result.lines().size(), 2u) << result.standardOutput;
        expectFailure(result, message);
    }

    // The real LAME refuses text; its own words become the one failure line.
    const SeamforgeRun text = runJob(job({track(files / "text.MP3")}, files / "out"));
    ASSERT_EQ(text.lines().size(), 2u) << text.standardOutput;
    EXPECT_EQ(text.lines()[1].rfind("LOCAL_RENDER_FAILED ", 0), 0u);
    EXPECT_GT(text.lines()[1].size(), std::string("LOCAL_RENDER_FAILED ").size());
    EXPECT_EQ(text.status, 2);
    EXPECT_TRUE(temporaryFolderIsEmpty());
}

TEST_F(Seamforge, AChattyFailingLameGivesOneCappedLine) {
    // Three megabytes of short lines, then failure.
    const fs::path chattyLame = files / "chatty-lame";
    rawwav::writeFile(chattyLame, "#!/bin/sh\nyes 'decoder noise' | head -c 3000000\nexit 1\n");
    fs::permissions(chattyLame, fs::perms::owner_all);
    environment["MUSIC_EDIT_LAME"] = chattyLame.string();
    rawwav::writeFile(files / "song.mp3", "anything");

    const SeamforgeRun result = runJob(job({track(files / "song.mp3")}, files / "out"));
    const std::vector<std::string> lines = result.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].rfind("LOCAL_RENDER_FAILED decoder noise decoder noise", 0), 0u);
    EXPECT_LE(lines[1].size(), std::string("LOCAL_RENDER_FAILED ").size() + 200000);
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(temporaryFolderIsEmpty());
}

}  // namespace
