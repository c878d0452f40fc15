// Whole edits through the real seamforge and the real LAME: the decoded MP3, the JSON files
// and the notes must agree with each other and with the generated songs.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "audio/wav_file.h"
#include "renderer/analysis/signal_analysis.h"
#include "tests/renderer/seamforge_fixture.h"
#include "tests/renderer/tagged_songs.h"
#include "tests/support/beat_songs.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using seamforgetest::Seamforge;
using seamforgetest::Song;
using seamforgetest::writeToneSong;
using Samples = std::vector<int16_t>;

constexpr double kRate = 44100.0;
constexpr double kToneRMS = 0.5 / 1.4142135623730951;  // a 0.5 full-scale sine

double seconds(const Samples& samples) { return static_cast<double>(samples.size() / 2) / kRate; }

// RMS of the decoded edit between two times; negative times count from its end.
double rmsBetween(const Samples& samples, double fromSeconds, double toSeconds) {
    const double length = seconds(samples);
    const double from = fromSeconds < 0 ? length + fromSeconds : fromSeconds;
    const double to = toSeconds <= 0 ? length + toSeconds : toSeconds;
    const auto first = static_cast<long long>(from * kRate);
    return renderer::frameRMS(samples, first, static_cast<long long>(to * kRate) - first);
}

// A finished edit: its MP3, decoded, and its analysis map.
struct Edit {
    fs::path mp3;
    Samples decoded;
    json map;
};

class RenderPipeline : public Seamforge {
protected:
    fs::path output() const { return files / "not" / "yet" / "there"; }

    // Renders and checks what only a whole run can show: the files agree with each other
    // and with the decoded edit. Their exact form is the companion files' own tests' business.
    Edit render(const std::vector<Song>& songs, const std::string& effect,
                bool snapToBeat = false) {
        Edit edit;
        edit.mp3 = expectSuccess(runJob(editJob(songs, output(), effect, snapToBeat)));
        EXPECT_EQ(testsupport::decodeWithLame(edit.mp3, files / "decoded.wav"), "");
        edit.decoded = audio::loadWav(files / "decoded.wav").samples;
        edit.map = testsupport::readJson(output() / "analysis-map.json");
        const json stats = testsupport::readJson(output() / "render-stats.json");
        const json checks = testsupport::readJson(output() / "qc-report.json")["transitionChecks"];
        EXPECT_EQ(stats["trackCount"], songs.size());
        EXPECT_NEAR(stats["duration"].get<double>(), seconds(edit.decoded), 1e-9);
        EXPECT_EQ(checks.size(), songs.size() - 1);
        for (size_t j = 0; j < checks.size(); ++j) {
            EXPECT_EQ(checks[j]["afterTrack"], j + 1);
            EXPECT_GE(checks[j]["peakFirst020"].get<double>(), 0.005);
        }
        double segmentsSeconds = 0.0;
        for (const json& track : edit.map["tracks"]) {
            segmentsSeconds += track["selectedDuration"].get<double>();
            if (!snapToBeat) {  // without the key, no cut looks for a beat
                EXPECT_EQ(track["beatSnap"]["start"]["keptBecause"], "off");
                EXPECT_EQ(track["beatSnap"]["end"]["keptBecause"], "off");
            }
        }
        EXPECT_NEAR(segmentsSeconds, stats["duration"].get<double>(), 1e-9);
        return edit;
    }
};

TEST_F(RenderPipeline, OneSongWithoutEndingIsA320KbpsCutAtFullLevel) {
    writeToneSong(files / "Song One.wav", 1.0, 4.0, 0.5);
    const Edit edit = render(
        {Song{files / "Song One.wav", "0:00.5", "0:02.5", "Open on the note.", "Opener"}}, "none");
    EXPECT_EQ(edit.mp3, output() / "Song One - DJ edit.mp3");
    EXPECT_EQ(seamforgetest::entryNames(output()),
              (std::vector<std::string>{"Song One - DJ edit.mp3", "analysis-map.json",
                                        "edit-notes.md", "qc-report.json", "render-stats.json"}));
    // LAME's CBR header frame gives the stream's rate; a VBR edit would show its average.
    const json stream = taggedsongs::probe(edit.mp3)["streams"][0];
    EXPECT_EQ(stream.value("bit_rate", "") + " bps, " + stream.value("sample_rate", "") + " Hz",
              "320000 bps, 44100 Hz");

    const json& track = edit.map["tracks"][0];
    EXPECT_EQ(track["name"], "Opener");
    EXPECT_EQ(track["note"], "Open on the note.");
    EXPECT_EQ(track["endReason"], "typed_time");
    EXPECT_NEAR(track["firstNoteTime"].get<double>(), 0.95, 0.02);
    EXPECT_FALSE(track.contains("finalFadeStartFileTime"));
    EXPECT_EQ(edit.map["finalFadeSeconds"], 0.0);
    EXPECT_NEAR(edit.map["peakAfterNormalize"].get<double>(), 0.5, 0.001);  // below the ceiling
    // Two seconds after the first note, at full level up to the last 4 ms ramp.
    EXPECT_NEAR(seconds(edit.decoded), 2.0, 0.002);
    EXPECT_NEAR(rmsBetween(edit.decoded, 0.1, 1.9), kToneRMS, 0.01);
    EXPECT_NEAR(rmsBetween(edit.decoded, -0.1, -0.005), kToneRMS, 0.02);
}

// The edit is private while it is written; finished, it has the mode the person's umask gives
// a new file, as the notes and reports beside it have.
TEST_F(RenderPipeline, TheFinishedEditGetsTheUmasksModeAsItsCompanionsDo) {
    writeToneSong(files / "Song One.wav", 0.0, 2.0, 0.5);
    const fs::path partialModes = files / "partial-modes.txt";
    // LAME writes the hidden partial edit; the stand-in notes its mode first.
    environment["MUSIC_EDIT_LAME"] =
        standInLame(6, {{".partial-", "stat -c %a \"$6\" >>'" + partialModes.string() + "'"}})
            .string();
    const auto octal = [](fs::perms mode) {
        char text[8];
        std::snprintf(text, sizeof text, "%o", static_cast<unsigned>(mode));
        return std::string(text);
    };
    for (const auto& [umask, mode] : {std::pair{"027", "640"}, std::pair{"002", "664"}}) {
        SCOPED_TRACE(umask);
        environment["SEAMFORGE_TEST_UMASK"] = umask;
        fs::remove_all(output());
        fs::remove(partialModes);
        expectSuccess(runJob(editJob({Song{files / "Song One.wav", "0", "1"}}, output(), "none")));
        const std::vector<std::string> names = seamforgetest::entryNames(output());
        EXPECT_EQ(names.size(), 5u);
        for (const std::string& name : names) {
            EXPECT_EQ(octal(fs::status(output() / name).permissions()), mode) << name;
        }
        EXPECT_EQ(testsupport::readWholeFile(partialModes), "600\n");
    }
}

TEST_F(RenderPipeline, TwoSongsAreEvenedOutAndTheLastFadesForTwoMoreSeconds) {
    // RMS 0.1 and 0.4: the target is 0.4, the first song gets 2.0 (4.0 capped).
    writeToneSong(files / "quiet.wav", 0.0, 3.0, 0.1 * std::sqrt(2.0));
    writeToneSong(files / "loud.wav", 0.0, 5.0, 0.4 * std::sqrt(2.0), 330.0);
    environment["SEAMFORGE_ENCODE_PIECES"] = "2";  // joined pieces keep every sample in place
    const Edit edit =
        render({Song{files / "quiet.wav", "0", "2"}, Song{files / "loud.wav", "0", "2"}}, "fade");
    const Samples& decoded = edit.decoded;
    EXPECT_NEAR(rmsBetween(decoded, 0.2, 1.8), 0.2, 0.005);
    EXPECT_NEAR(rmsBetween(decoded, 2.2, 3.8), 0.4, 0.008);
    EXPECT_NEAR(seconds(decoded), 6.0, 0.002);
    EXPECT_NEAR(rmsBetween(decoded, -2.3, -2.05), 0.4, 0.008);  // full level before the fade
    EXPECT_LT(rmsBetween(decoded, -0.5, 0), 0.1);
}

// Three songs of three tempos: every cut moves to just before a beat of its own song, the
// echo starts on the beat, and the reports and notes say where each cut went.
TEST_F(RenderPipeline, SongsOfThreeTemposJoinJustBeforeTheirBeats) {
    const double tempos[] = {96.0, 128.0, 170.0};
    std::vector<std::vector<double>> beats;
    std::vector<Song> songs;
    const char* const typed[][2] = {
        {"0:03.2", "0:14.9"}, {"0:05.55", "0:12.1"}, {"0:02.9", "0:11.3"}};
    for (size_t i = 0; i < 3; ++i) {
        const testsupport::BeatSong song = testsupport::beatSong(40.0, tempos[i], 1.0 + 0.17 * i);
        const fs::path path = files / ("beat" + std::to_string(i + 1) + ".wav");
        testsupport::writeTestWav(path, song.samples);
        beats.push_back(song.beatSeconds);
        songs.push_back(Song{path, typed[i][0], typed[i][1]});
    }
    const Edit edit = render(songs, "echoFade", true);
    const std::string notes = testsupport::readWholeFile(output() / "edit-notes.md");
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(tempos[i]);
        const json& track = edit.map["tracks"][i];
        const json& snap = track["beatSnap"];
        // A fast song may be read at half its tempo: every beat of that grid is a beat too.
        const double tempo = snap["tempoBpm"].get<double>();
        EXPECT_TRUE(std::abs(tempo - tempos[i]) < 1.0 || std::abs(2 * tempo - tempos[i]) < 1.0)
            << tempo;
        EXPECT_EQ(snap["grid"]["trusted"], true);
        for (const char* cut : {"start", "end"}) {
            ASSERT_EQ(snap[cut]["moved"], true) << cut;
            const double to = snap[cut]["toFileTime"].get<double>();
            EXPECT_EQ(to, track[cut == std::string("start") ? "selectedStartFileTime"
                                                            : "selectedEndFileTime"]);
            const auto next = std::lower_bound(beats[i].begin(), beats[i].end(), to);
            ASSERT_NE(next, beats[i].end());
            EXPECT_LE(*next - to, 0.025) << cut;
        }
        const std::string number = std::to_string(i + 1);
        EXPECT_NE(notes.find("- Song " + number + " starts on the beat at "), std::string::npos);
        EXPECT_NE(notes.find("- Song " + number + " ends on the beat at "), std::string::npos);
    }
    EXPECT_EQ(edit.map["tracks"][2]["finalFadeStartFileTime"],
              edit.map["tracks"][2]["selectedEndFileTime"]);
}

// What the reports say about the end of the last song is what the edit holds: its rendered
// part ends, and its ending starts, where the decoded edit says, also when the typed start
// lies past the end of the song and its quarter-second cut would reach beyond the audio.
// (How each ending sounds is the gain-and-ramps and finished-edit tests' business.)
TEST_F(RenderPipeline, TheReportedEndingIsTheRenderedEnding) {
    writeToneSong(files / "Eight.wav", 0.0, 8.0, 0.5);
    struct EndingCase {
        std::string start;
        std::string end;
        std::string effect;
        bool carriesEnding;
    };
    for (const EndingCase& ending : std::vector<EndingCase>{{"0:30", "", "echoFade", true},
                                                            {"1", "5", "echoFade", true},
                                                            {"1", "5", "fade", true},
                                                            {"0:30", "", "fade", false},
                                                            {"0:30", "", "none", false}}) {
        SCOPED_TRACE(ending.start + " " + ending.effect);
        const Edit edit =
            render({Song{files / "Eight.wav", ending.start, ending.end}}, ending.effect);
        const json& track = edit.map["tracks"][0];
        const double start = track["selectedStartFileTime"].get<double>();
        const double renderedEnd = track["renderedEndFileTime"].get<double>();
        const double fadeSeconds = edit.map["finalFadeSeconds"].get<double>();
        EXPECT_NEAR(renderedEnd - start, seconds(edit.decoded), 1e-3);
        EXPECT_LE(renderedEnd, track["duration"].get<double>() +
                                   (ending.effect == "echoFade" ? 4.0 : 0.0) + 1e-9);
        ASSERT_EQ(track.contains("finalFadeStartFileTime"), ending.carriesEnding);
        if (!ending.carriesEnding) {
            EXPECT_EQ(fadeSeconds, 0.0);
            continue;
        }
        const double fadeStart = track["finalFadeStartFileTime"].get<double>();
        EXPECT_NEAR(renderedEnd - fadeStart, fadeSeconds, 1e-9);
        EXPECT_EQ(fadeSeconds, ending.effect == "echoFade" ? 4.0 : 2.0);
        const std::string notes = testsupport::readWholeFile(output() / "edit-notes.md");
        char expected[128];
        std::snprintf(expected, sizeof expected, " starts at %.3fs and renders through %.3fs.\n",
                      fadeStart, renderedEnd);
        EXPECT_NE(notes.find(expected), std::string::npos) << notes;
        if (ending.start == "0:30") {
            // The song's audio stops at 8.0 s, so its echo starts there.
            EXPECT_NE(notes.find("Echo/Fade starts at 8.000s and renders through 12.000s."),
                      std::string::npos)
                << notes;
        }
    }
}

TEST_F(RenderPipeline, AnEntranceInDeadAirIsRefusedBeforeAnythingIsWritten) {
    writeToneSong(files / "first.wav", 0.0, 2.0, 0.5);
    testsupport::writeTestWav(
        files / "gap.wav",
        testsupport::concatenate({testsupport::tone(1.0, 440.0, 0.5), testsupport::silence(2.0),
                                  testsupport::tone(2.0, 440.0, 0.5)}));
    const seamforgetest::SeamforgeRun result = runJob(
        editJob({Song{files / "first.wav", "0", "1"}, Song{files / "gap.wav", "0:01.5", "0:03.5"}},
                output()));
    EXPECT_EQ(result.lines().size(), 3u) << result.standardOutput;
    expectFailure(result,
                  "QC rejected a join because the next song entrance looked like dead air.");
    EXPECT_TRUE(fs::is_empty(output()));
}

// A DC offset under a soft tone never crosses zero, so each cut lands near ±0.4 of full scale,
// one song above zero and the next below: only the de-click ramps keep the join from jumping
// between the two, a click many times steeper than anything in the music itself.
TEST_F(RenderPipeline, AJoinFarFromAnyZeroCrossingDoesNotClick) {
    for (const auto& [name, offset] : {std::pair{"above.wav", 0.5}, std::pair{"below.wav", -0.5}}) {
        Samples song = testsupport::tone(2.0, 440.0, 0.1);
        for (int16_t& sample : song) sample = static_cast<int16_t>(sample + offset * 32767);
        testsupport::writeTestWav(files / name, song);
    }
    const Edit edit = render({Song{files / "above.wav", "0:00.5", "0:01.5"},
                              Song{files / "below.wav", "0:00.5", "0:01.5"}},
                             "none");
    const Samples& decoded = edit.decoded;
    const auto steepestStep = [&](long long fromFrame, long long toFrame) {
        int steepest = 0;
        for (long long frame = fromFrame + 1; frame < toFrame; ++frame) {
            const auto at = static_cast<size_t>(2 * frame);
            steepest = std::max(steepest, std::abs(decoded[at] - decoded[at - 2]));
        }
        return steepest;
    };
    const long long join =
        std::llround(edit.map["tracks"][0]["selectedDuration"].get<double>() * kRate);
    const int music = steepestStep(join / 2 - 2205, join / 2 + 2205);  // 0.1 s of song 1
    ASSERT_GT(music, 0);
    EXPECT_LT(steepestStep(join - 441, join + 441), 3 * music);
}

}  // namespace
