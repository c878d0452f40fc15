// Runs the real seamforge binary: its command line, its standard-output protocol,
// its exit status and what it leaves behind in the output and temporary folders.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>
#include <regex>

#include "tests/renderer/seamforge_fixture.h"

namespace {

namespace fs = std::filesystem;
using seamforgetest::Seamforge;
using seamforgetest::SeamforgeRun;

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

TEST_F(Seamforge, DecodesMp3sIntoTheWorkFolderAndRemovesIt) {
    // A stand-in LAME records where it was asked to decode to and writes a real WAV there;
    // it hands encoding to the real LAME.
    testsupport::writeTestWav(files / "tone.wav", testsupport::tone(0.5, 440.0, 0.5));
    rawwav::writeFile(files / "song.mp3", "not decoded by the stand-in");
    const fs::path fakeLame = files / "fake-lame";
    seamforgetest::writeScript(fakeLame, "if [ \"$1\" != --decode ]; then exec '" +
                                             (testsupport::bundleBinFolder() / "lame").string() +
                                             "' \"$@\"; fi\n" + "echo \"$@\" > '" +
                                             (files / "arguments.txt").string() + "'\ncp '" +
                                             (files / "tone.wav").string() + "' \"$4\"\n");
    environment["MUSIC_EDIT_LAME"] = fakeLame.string();

    const fs::path output = files / "not" / "yet" / "there";
    const SeamforgeRun result =
        runJob(job({track(files / "song.mp3"), track(files / "tone.wav")}, output));
    EXPECT_EQ(expectSuccess(result), output / "song into tone - continuous DJ edit.mp3");

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
    rawwav::writeFile(files / "one-sample.wav", rawwav::pcmWav(1, 2, 44100, 16, "\x01\x02"));
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
        {"one-sample.wav", "Track 1 has no audio to cut."},
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
    seamforgetest::writeScript(chattyLame, "yes 'decoder noise' | head -c 3000000\nexit 1\n");
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
