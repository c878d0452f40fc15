// Songs decode side by side, yet a run ends as if they had been handled one after another:
// the same edit, the same numbers, the same failure line, and nothing left running.

#include "renderer/pipeline/songs_side_by_side.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <map>
#include <stdexcept>
#include <thread>

#include "renderer/base/render_error.h"
#include "renderer/base/stop_request.h"
#include "tests/renderer/seamforge_fixture.h"
#include "tests/support/process_state.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using seamforgetest::Seamforge;
using seamforgetest::Song;
using seamforgetest::writeScript;

// The analysis map without what differs between two runs of one job into two folders.
nlohmann::json comparableAnalysis(const fs::path& outputFolder) {
    nlohmann::json analysis = testsupport::readJson(outputFolder / "analysis-map.json");
    analysis.erase("createdAt");
    analysis.erase("outputFile");
    return analysis;
}

std::string md5Of(const fs::path& file) {
    return testsupport::captureProgram(testsupport::findProgram("md5sum"), {file.string()})
        .output.substr(0, 32);
}

class SongsSideBySide : public Seamforge {
protected:
    void encodeMp3(const fs::path& wav, const fs::path& mp3) {
        ASSERT_EQ(testsupport::encodeWithLame(wav, mp3), "");
    }

    std::vector<Song> threeSongsOfEveryRoute() {
        writeToneSongs();
        encodeMp3(files / "one.wav", files / "one.mp3");
        EXPECT_EQ(testsupport::convertWithFfmpeg(files / "two.wav", files / "two.flac"), "");
        return {Song{files / "one.mp3", "0:00", "0:02"}, Song{files / "two.flac", "0:01", "0:03"},
                Song{files / "three.wav", "0:00", "", "end around 0:02"}};
    }

    void writeToneSongs() {
        seamforgetest::writeToneSong(files / "one.wav", 0.7, 4.0, 0.5, 330.0);
        seamforgetest::writeToneSong(files / "two.wav", 1.3, 4.0, 0.2, 440.0);
        seamforgetest::writeToneSong(files / "three.wav", 0.2, 4.0, 0.8, 550.0);
    }
};

// The golden digests were taken from the edit WAV written to disk and encoded from there (with
// LAME 3.100): however the edit reaches LAME, its MP3 must stay the same to the byte. The echo
// edit's digest was taken again once the last song's level stopped counting the echo's silence.
TEST_F(SongsSideBySide, GiveTheSameEditAndNumbersAsOneAfterAnother) {
    const std::vector<Song> songs = threeSongsOfEveryRoute();
    const std::map<std::string, std::string> goldenMd5 = {
        {"none", "80ce236657f6d1c9f0e807ea3bbba3af"},
        {"fade", "b6a4501577834c5278ec631942ae3bdf"},
        {"echoFade", "c5698ac8a831fe5cf1c0cced9d9cfdea"}};
    for (const auto& [effect, md5] : goldenMd5) {
        SCOPED_TRACE(effect);
        environment["SEAMFORGE_DECODE_THREADS"] = "1";
        const fs::path serialMp3 = expectSuccess(runJob(editJob(songs, files / "serial", effect)));
        environment["SEAMFORGE_DECODE_THREADS"] = "3";
        const fs::path parallelMp3 =
            expectSuccess(runJob(editJob(songs, files / "parallel", effect)));
        ASSERT_FALSE(serialMp3.empty());
        EXPECT_EQ(md5Of(serialMp3), md5);
        EXPECT_EQ(testsupport::readWholeFile(parallelMp3), testsupport::readWholeFile(serialMp3));
        EXPECT_EQ(comparableAnalysis(files / "parallel"), comparableAnalysis(files / "serial"));
        EXPECT_EQ(testsupport::readWholeFile(files / "parallel" / "qc-report.json"),
                  testsupport::readWholeFile(files / "serial" / "qc-report.json"));
        EXPECT_EQ(seamforgetest::entryNames(files / "serial").size(), 5u) << "a decode left here";
    }
    // Each route finds its song's first note, a window and the pre-roll ahead of the tone; an
    // empty name falls back to the file's, and an end word in the note gives the end.
    const nlohmann::json tracks =
        testsupport::readJson(files / "serial" / "analysis-map.json")["tracks"];
    EXPECT_EQ(tracks[0]["name"], "one.mp3");
    const double leadSeconds[] = {0.7, 1.3, 0.2};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(tracks[i]["firstNoteTime"].get<double>(), leadSeconds[i] - 0.05, 0.02) << i;
    }
    EXPECT_EQ(tracks[2]["endReason"], "note_time");
    EXPECT_EQ(tracks[2]["requestedEnd"], 2.0);
}

// Song 1 fails last, song 2 first; song 3 would decode for half a minute. Song 1's words
// end the run, and song 3's decoder is ended rather than waited for.
TEST_F(SongsSideBySide, TheFirstFailingSongsMessageWinsAndLaterWorkIsStopped) {
    writeToneSongs();
    for (const char* name : {"slow-broken.mp3", "quick-broken.mp3", "endless.mp3"}) {
        encodeMp3(files / "one.wav", files / name);
    }
    environment["SEAMFORGE_DECODE_THREADS"] = "3";
    environment["MUSIC_EDIT_LAME"] =
        standInLame(  // deciding by the song it decodes
            3, {{"slow-broken", "sleep 1; echo 'song one is broken'; exit 1"},
                {"quick-broken", "echo 'song two is broken'; exit 1"},
                {"endless", "echo $$ > '" + (files / "endless.pid").string() + "'; exec sleep 30"}})
            .string();
    rawwav::writeFile(files / "job.json",
                      editJob({Song{files / "slow-broken.mp3"}, Song{files / "quick-broken.mp3"},
                               Song{files / "endless.mp3"}},
                              files / "out"));
    const common::CapturedRun run =
        common::runAndCapture(commandFor({(files / "job.json").string()}), 1 << 20, 20s);
    ASSERT_FALSE(run.timedOut) << "the render waited for a song it no longer needed";
    expectFailure({run.status.code, run.output, takeStandardError()}, "song one is broken");
    const std::optional<pid_t> endless = testsupport::readPidFile(files / "endless.pid", 0.1);
    if (endless) {
        EXPECT_TRUE(testsupport::processHasEnded(*endless));
    }
}

TEST_F(SongsSideBySide, AStopWhileEverySongDecodesLeavesNoChildAndNoWorkFolder) {
    writeToneSongs();
    std::vector<Song> songs;
    std::vector<fs::path> pidFiles;
    for (const std::string name : {"a", "b", "c"}) {
        encodeMp3(files / "one.wav", files / (name + ".mp3"));
        songs.push_back(Song{files / (name + ".mp3")});
        pidFiles.push_back(files / (name + ".pid"));
    }
    environment["SEAMFORGE_DECODE_THREADS"] = "3";
    environment["MUSIC_EDIT_LAME"] =
        writeScript(files / "hanging-lame",
                    "name=$(basename \"$3\" .mp3)\n"
                    "echo $$ > '" +
                        files.path().string() + "'/$name.pid\nexec sleep 30\n")
            .string();
    std::vector<pid_t> decoders;
    const seamforgetest::SeamforgeRun stopped =
        runWhile(editJob(songs, files / "out"), [&](pid_t seamforge) {
            for (const fs::path& file : pidFiles) {
                if (const auto pid = testsupport::readPidFile(file, 30.0)) decoders.push_back(*pid);
            }
            ASSERT_EQ(decoders.size(), 3u) << "the songs did not decode side by side";
            ::kill(seamforge, SIGTERM);
        });
    expectFailure(stopped, std::string(renderer::renderStoppedMessage));
    for (const pid_t decoder : decoders) EXPECT_TRUE(testsupport::processHasEnded(decoder));
}

// A LAME whose disk filled up exits 0 and leaves a WAV cut short; the render must not go on
// with part of a song.
TEST_F(SongsSideBySide, ADecodeCutShortByAFullDiskFailsNamingTheSong) {
    writeToneSongs();
    encodeMp3(files / "one.wav", files / "one.mp3");
    encodeMp3(files / "two.wav", files / "two.mp3");
    environment["MUSIC_EDIT_LAME"] =
        standInLame(
            3, {{"two.mp3",
                 "'" + bundledLame().string() +
                     "' \"$@\" && head -c 100000 \"$4\" > \"$4.part\" && mv \"$4.part\" \"$4\"; "
                     "exit 0"}})
            .string();
    for (const char* threads : {"1", "2"}) {
        SCOPED_TRACE(threads);
        environment["SEAMFORGE_DECODE_THREADS"] = threads;
        expectFailure(
            runJob(editJob({Song{files / "one.mp3"}, Song{files / "two.mp3"}}, files / "out")),
            "Song 2 was decoded only in part: the work folder ran out of space.");
        EXPECT_TRUE(fs::is_empty(files / "out"));
    }
}

// The same order rule, without processes and for every thread count: whichever song fails,
// the lowest number's error comes out, whatever kind of exception it is. (The cuts' order shows
// in the side-by-side edit being the same to the byte.)
TEST(CutSongsSideBySide, RethrowTheLowestFailure) {
    for (const int threads : {1, 2, 3}) {
        SCOPED_TRACE(threads);
        const auto failing = [&](int songNumber) -> renderer::SongCut {
            if (songNumber == 2) {
                std::this_thread::sleep_for(50ms);  // fails after song 3 has
                throw renderer::RenderError("song 2 failed");
            }
            if (songNumber == 3) throw std::runtime_error("song 3 failed");
            return renderer::SongCut{};
        };
        const auto failureMessage = [&](const auto& cutSong) -> std::string {
            try {
                renderer::cutSongsSideBySide(3, threads, cutSong);
            } catch (const std::exception& error) {
                return error.what();
            }
            return "no failure";
        };
        EXPECT_EQ(failureMessage(failing), "song 2 failed");
    }
}

}  // namespace
