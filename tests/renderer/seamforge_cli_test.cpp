// Runs the real seamforge binary: its command line, its standard-output protocol,
// its exit status and what it leaves behind in the output and temporary folders.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cctype>
#include <random>

#include "common/text.h"
#include "renderer/encode/encode_pieces.h"
#include "tests/renderer/seamforge_fixture.h"

namespace {

namespace fs = std::filesystem;
using seamforgetest::Seamforge;
using seamforgetest::SeamforgeRun;
using seamforgetest::Song;

TEST_F(Seamforge, HelpPrintsUsageAndSucceedsWhileOtherArgumentCountsFail) {
    const SeamforgeRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.standardError, "");
    EXPECT_TRUE(help.standardOutput.starts_with("Usage: seamforge job.json\n"))
        << help.standardOutput;
    EXPECT_NE(help.standardOutput.find("seamforge --version"), std::string::npos);
    for (const std::string& line : help.lines()) EXPECT_FALSE(line.starts_with("LOCAL_")) << line;
    EXPECT_TRUE(temporaryFolderIsEmpty());

    // Only the option alone is special: a job file of that name is read as a job.
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{}, {"a.json", "b.json"}, {"--help", "job.json"}}) {
        const SeamforgeRun result = run(arguments);
        EXPECT_EQ(result.standardOutput, "LOCAL_RENDER_FAILED Usage: seamforge job.json\n");
        expectFailure(result, "Usage: seamforge job.json");
    }
    EXPECT_TRUE(fs::is_empty(files.path()));
    rawwav::writeFile(files / "--help", editJob({}, files / "out"));
    expectFailure(run({"./--help"}), "Local renderer supports 1 to 3 songs.");
}

TEST_F(Seamforge, VersionNamesTheProgramTheFfmpegLibrariesAndTheLameItWouldUse) {
    const SeamforgeRun version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.standardError, "");
    const std::vector<std::string> lines = version.lines();
    ASSERT_EQ(lines.size(), 3u) << version.standardOutput;
    EXPECT_TRUE(lines[0].starts_with("seamforge ")) << lines[0];
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(lines[0].back()))) << lines[0];
    for (const std::string library :
         {"FFmpeg libavformat ", ", libavcodec ", ", libavutil ", ", libswresample "}) {
        EXPECT_NE(lines[1].find(library), std::string::npos) << library << " in " << lines[1];
    }
    const common::CapturedRun lame = testsupport::captureProgram(bundledLame(), {"--version"});
    EXPECT_EQ(lines[2], common::trim(lame.output.substr(0, lame.output.find('\n'))));
    EXPECT_TRUE(lines[2].starts_with("LAME")) << lines[2];

    // Without a usable LAME the report says so on its line and still succeeds.
    const fs::path silentFailure = seamforgetest::writeScript(files / "broken-lame", "exit 3\n");
    const std::vector<std::pair<std::string, std::string>> missing = {
        {"", "LAME not found: MUSIC_EDIT_LAME is empty"},
        {(files / "no-such-lame").string(),
         "LAME not found at " + (files / "no-such-lame").string()},
        {files.path().string(), "LAME not found at " + files.path().string()},
        {silentFailure.string(),
         "LAME at " + silentFailure.string() + " did not answer: broken-lame failed"},
    };
    for (const auto& [lamePath, expected] : missing) {
        environment["MUSIC_EDIT_LAME"] = lamePath;
        const SeamforgeRun result = run({"--version"});
        EXPECT_EQ(result.status, 0) << lamePath;
        ASSERT_EQ(result.lines().size(), 3u) << result.standardOutput;
        EXPECT_EQ(result.lines()[1], lines[1]);
        EXPECT_EQ(result.lines()[2], expected);
    }
}

// A job that cannot be rendered fails on one line before the output folder exists. The file
// system ends a path at a NUL, so such a path names another file than the job does; the line
// shows the NUL.
TEST_F(Seamforge, BadJobsFailOnOneLineBeforeCreatingTheOutputFolder) {
    const fs::path song = files / "song.wav";
    const fs::path out = files / "out";
    testsupport::writeTestWav(song, testsupport::tone(0.5, 440.0, 0.5));
    const std::string nul(1, '\0');
    const std::string shownNul = "\\u0000";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {editJob({}, out), "Local renderer supports 1 to 3 songs."},
        {editJob(std::vector<Song>(4, Song{song}), out), "Local renderer supports 1 to 3 songs."},
        {editJob({Song{files / ("song.wav" + nul + "zzz")}}, out),
         "Source file missing: " + song.string() + shownNul + "zzz"},
        {editJob({Song{song}, Song{files / ("song.wav" + nul)}}, out),
         "Source file missing: " + song.string() + shownNul},
        {editJob({Song{song}}, files / ("out" + nul + "put")),
         "Output folder path contains a NUL character: " + out.string() + shownNul + "put"},
        {editJob({Song{song}}, song / "out"),
         "Could not create the output folder " + (song / "out").string() + ": Not a directory"},
        {"this is not JSON\nat all", "The render job is unreadable: "},
    };
    for (const auto& [job, message] : cases) {
        SCOPED_TRACE(message);
        const SeamforgeRun result = runJob(job);
        ASSERT_EQ(result.lines().size(), 1u) << result.standardOutput;
        if (message.ends_with(": ")) {  // the JSON reader's own words follow
            EXPECT_TRUE(result.lines()[0].starts_with("LOCAL_RENDER_FAILED " + message));
            EXPECT_EQ(result.status, 2);
            EXPECT_EQ(result.standardError, "");
        } else {
            expectFailure(result, message);
        }
        EXPECT_FALSE(fs::exists(out));
    }
    expectFailure(
        run({(files / "absent.json").string()}),
        "Could not read " + (files / "absent.json").string() + ": No such file or directory");
    environment["TMPDIR"] = song.string();
    expectFailure(runJob(editJob({Song{song}}, out)),
                  "Could not find the temporary folder: Not a directory");
}

// A parent judges a run by its last line, so a line break in a path must not split one: it
// is written as "\n" or "\r", while the files go exactly where the job says.
TEST_F(Seamforge, LineBreaksInPathsStayOnTheirLine) {
    testsupport::writeTestWav(files / "song.wav", testsupport::tone(0.5, 440.0, 0.5));
    for (const std::string folder : {"two\nlines", "carriage\rreturn", "both\r\n"}) {
        const SeamforgeRun result = runJob(editJob({Song{files / "song.wav"}}, files / folder));
        const fs::path mp3 = files / folder / "song - DJ edit.mp3";
        EXPECT_EQ(result.lines(), successLines(common::replaceAll(
                                      common::replaceAll(mp3.string(), "\n", "\\n"), "\r", "\\r")));
        EXPECT_EQ(result.status, 0);
        EXPECT_TRUE(fs::is_regular_file(mp3));
        EXPECT_TRUE(fs::is_regular_file(files / folder / "edit-notes.md"));
    }

    // Failure lines that name a path: the missing song, and the unreadable job.
    const SeamforgeRun missing = runJob(editJob({Song{files / "gone\nsong.wav"}}, files / "out"));
    EXPECT_EQ(missing.lines().size(), 2u) << missing.standardOutput;
    expectFailure(missing, "Source file missing: " + files.path().string() + "/gone\\nsong.wav");
    const SeamforgeRun noJob = run({(files / "no\rjob.json").string()});
    EXPECT_EQ(noJob.lines().size(), 1u) << noJob.standardOutput;
    expectFailure(noJob, "Could not read " + files.path().string() +
                             "/no\\rjob.json: No such file or directory");
}

// Whatever goes wrong with LAME, decoding or encoding, an earlier edit of the same name stays
// as it was and nothing else is left in the output folder. An ".MP3" reaches LAME too: any
// other reader would fail with other words.
TEST_F(Seamforge, LameProblemsFailOnOneLineAndKeepAnEarlierEdit) {
    testsupport::writeTestWav(files / "song.wav", testsupport::tone(0.5, 440.0, 0.5));
    rawwav::writeFile(files / "song.MP3", "anything");
    fs::create_directory(files / "out");
    const std::string earlier(3000, '\x5A');
    rawwav::writeFile(files / "out" / "song - DJ edit.mp3", earlier);
    const fs::path falseProgram = testsupport::findProgram("false");
    const fs::path failingEncoder =
        seamforgetest::writeScript(files / "failing-lame",
                                   "echo half an mp3 > \"$6\"\necho 'Could not encode: disk full'\n"
                                   "exit 1\n");
    // Half a second of edit is more than a pipe holds, so the unread rest is noticed.
    const fs::path quittingEncoder =
        seamforgetest::writeScript(files / "quitting-lame", "echo not an mp3 > \"$6\"\nexit 0\n");
    // LAME exits 0 when the disk fills up: its cut-off MP3 must not become the edit.
    const fs::path shortEncoder = seamforgetest::writeScript(
        files / "short-lame",
        "'" + bundledLame().string() + "' \"$@\" && truncate -s 2000 \"$6\"\n");

    struct LameCase {
        std::string lame;
        std::string song;
        std::string message;
    };
    // An empty variable wins over the LAME beside seamforge, which exists.
    const std::vector<LameCase> cases = {
        {"", "song.MP3", "Bundled LAME decoder was not found."},
        {files.path().string(), "song.MP3", "Bundled LAME decoder was not found."},
        {falseProgram.string(), "song.MP3", "false failed"},  // silent: named by its file
        {(files / "no-such-lame").string(), "song.wav", "Bundled LAME encoder was not found."},
        {failingEncoder.string(), "song.wav", "Could not encode: disk full"},
        {quittingEncoder.string(), "song.wav", "quitting-lame did not read all of its input."},
        {shortEncoder.string(), "song.wav", std::string(renderer::encodedOnlyInPartMessage)},
    };
    for (const LameCase& lame : cases) {
        SCOPED_TRACE(lame.lame + " " + lame.song);
        environment["MUSIC_EDIT_LAME"] = lame.lame;
        expectFailure(runJob(editJob({Song{files / lame.song}}, files / "out")), lame.message);
        EXPECT_EQ(seamforgetest::entryNames(files / "out"),
                  std::vector<std::string>{"song - DJ edit.mp3"});
        EXPECT_EQ(testsupport::readWholeFile(files / "out" / "song - DJ edit.mp3"), earlier);
    }
}

TEST_F(Seamforge, BadSongsFailOnOneLineWithoutCrashOrHang) {
    rawwav::writeFile(files / "one-sample.wav", rawwav::pcmWav(1, 2, 44100, 16, "\x01\x02"));
    rawwav::writeFile(files / "text.MP3", "Dear diary, this is not an MP3 at all.\n");
    rawwav::writeFile(files / "text.ogg", "Dear diary, nor is this an Ogg file.\n");
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
    // WAV bytes under other names reach FFmpeg with odd contents; subtitles have no audio.
    rawwav::writeFile(files / "unknown-codec.aiff",
                      rawwav::pcmWav(0x1234, 2, 44100, 16, std::string(4000, '\0')));
    rawwav::writeFile(files / "no-channels.caf",
                      rawwav::pcmWav(1, 0, 44100, 16, std::string(4000, '\0')));
    rawwav::writeFile(files / "hundred-channels.caf",
                      rawwav::pcmWav(1, 100, 44100, 16, std::string(100 * 2 * 64, '\0')));
    rawwav::writeFile(files / "subtitles.m4a", "1\n00:00:00,000 --> 00:00:01,000\nhello\n");
    testsupport::writeTestWav(files / "empty.wav", {});
    ASSERT_EQ(testsupport::convertWithFfmpeg(files / "empty.wav", files / "empty.flac"), "");
    fs::create_directory(files / "folder.wav");
    // Reading a process's own memory at address 0 fails, even for root.
    fs::create_symlink("/proc/self/mem", files / "unreadable.wav");
    ASSERT_EQ(::mkfifo((files / "pipe.flac").c_str(), 0600), 0);

    const auto couldNotRead = [&](const std::string& name, const std::string& reason) {
        return "Could not read " + (files / name).string() + ": " + reason;
    };
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"one-sample.wav", "Track 1 has no audio to cut."},
        {"damaged.aac", "Local audio decode failed."},
        {"subtitles.m4a", "Source file has no readable audio track."},
        {"text.ogg",
         "Local audio reader could not open " + (files / "text.ogg").string() + ": End of file"},
        {"unknown-codec.aiff", "Local audio reader cannot decode this file."},
        {"no-channels.caf", "Local audio reader could not start."},
        {"hundred-channels.caf", "Local audio reader could not copy decoded samples."},
        {"empty.flac", "Decoded audio is empty."},
        {"gone.flac", "Source file missing: " + (files / "gone.flac").string()},
        {"folder.wav", couldNotRead("folder.wav", "Is a directory")},
        {"unreadable.wav", couldNotRead("unreadable.wav", "Input/output error")},
        {"pipe.flac", couldNotRead("pipe.flac", "Not a regular file")},
    };
    for (const auto& [name, message] : cases) {
        SCOPED_TRACE(name);
        const SeamforgeRun result = runJob(editJob({Song{files / name}}, files / "out"));
        EXPECT_EQ(result.lines().size(), 2u) << result.standardOutput;
        expectFailure(result, message);
    }

    // The real LAME refuses text; its own words become the one failure line.
    const SeamforgeRun text = runJob(editJob({Song{files / "text.MP3"}}, files / "out"));
    ASSERT_EQ(text.lines().size(), 2u) << text.standardOutput;
    EXPECT_TRUE(text.lines()[1].starts_with("LOCAL_RENDER_FAILED "));
    EXPECT_GT(text.lines()[1].size(), std::string("LOCAL_RENDER_FAILED ").size());
    EXPECT_EQ(text.status, 2);
    EXPECT_TRUE(temporaryFolderIsEmpty());
}

TEST_F(Seamforge, AChattyFailingLameGivesOneCappedLine) {
    // Three megabytes of short lines, then failure.
    environment["MUSIC_EDIT_LAME"] =
        seamforgetest::writeScript(files / "chatty-lame",
                                   "yes 'decoder noise' | head -c 3000000\nexit 1\n")
            .string();
    rawwav::writeFile(files / "song.mp3", "anything");

    const SeamforgeRun result = runJob(editJob({Song{files / "song.mp3"}}, files / "out"));
    const std::vector<std::string> lines = result.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[1].starts_with("LOCAL_RENDER_FAILED decoder noise decoder noise"));
    EXPECT_LE(lines[1].size(), std::string("LOCAL_RENDER_FAILED ").size() + 200000);
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(temporaryFolderIsEmpty());
}

}  // namespace
