// Whole edits through the real seamforge and the real LAME: the decoded MP3, the JSON files
// and the notes must agree with each other and with the generated songs.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <regex>

#include "renderer/signal_analysis.h"
#include "tests/renderer/mp3_frames.h"
#include "tests/renderer/seamforge_fixture.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using seamforgetest::Seamforge;
using seamforgetest::Song;
using seamforgetest::song;
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

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string expectedSongLine(const json& track) {
    std::string line = "- Song " + std::to_string(track["track"].get<int>()) + " " +
                       track["name"].get<std::string>() + ": requested start " +
                       fixed(track["requestedStart"], 2) + "s; end target " +
                       fixed(track["requestedEnd"], 2) + "s from musical zero (" +
                       track["endReason"].get<std::string>() + "); selected file " +
                       fixed(track["selectedStartFileTime"], 3) + "s to " +
                       fixed(track["selectedEndFileTime"], 3) + "s; first-note offset " +
                       fixed(track["firstNoteTime"], 3) + "s.";
    if (track.contains("finalFadeStartFileTime")) {
        line += " " + track["finalEndingEffect"].get<std::string>() + " starts at " +
                fixed(track["finalFadeStartFileTime"], 3) + "s and renders through " +
                fixed(track["renderedEndFileTime"], 3) + "s.";
    }
    return line;
}

class RenderPipeline : public Seamforge {
protected:
    fs::path output() const { return files / "out"; }

    fs::path render(const std::vector<Song>& songs, const std::string& effect) {
        return expectSuccess(runJob(editJob(songs, output(), effect)));
    }

    // The companion files agree with each other, with the decoded edit and with the notes.
    void expectConsistentReport(const fs::path& mp3, const Samples& decoded, int songCount,
                                const std::string& effectTitle) {
        const json stats = readJson(output() / "render-stats.json");
        const json qc = readJson(output() / "qc-report.json");
        const json analysis = readJson(output() / "analysis-map.json");

        EXPECT_EQ(stats["outputFile"], mp3.string());
        EXPECT_EQ(stats["renderer"], "standalone-local");
        EXPECT_EQ(stats["trackCount"], songCount);
        EXPECT_NEAR(stats["duration"].get<double>(), seconds(decoded), 1e-9);

        EXPECT_EQ(qc["passed"], true);
        EXPECT_EQ(qc["checkedFirst020AfterEachJoin"], true);
        EXPECT_EQ(qc["deadAirThresholdPeak"], 0.005);
        EXPECT_EQ(qc["deadAirThresholdRMS"], 0.0018);
        EXPECT_EQ(qc["transitionChecks"].size(), static_cast<size_t>(songCount - 1));
        for (size_t j = 0; j < qc["transitionChecks"].size(); ++j) {
            const json& check = qc["transitionChecks"][j];
            EXPECT_EQ(check["afterTrack"], j + 1);
            EXPECT_GE(check["peakFirst020"].get<double>(), 0.005);
        }

        EXPECT_EQ(analysis["renderer"], "Tunewright local engine");
        EXPECT_EQ(analysis["appVersion"], "4.8");
        EXPECT_TRUE(std::regex_match(analysis["createdAt"].get<std::string>(),
                                     std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)")));
        EXPECT_EQ(analysis["outputFile"], mp3.string());
        EXPECT_EQ(analysis["finalFadeOut"], effectTitle != "Off");
        EXPECT_EQ(analysis["finalEndingEffect"], effectTitle);
        EXPECT_EQ(analysis["finalDuration"], stats["duration"]);
        EXPECT_EQ(analysis["peakAfterNormalize"], stats["peak"]);
        EXPECT_EQ(analysis["transitionChecks"], qc["transitionChecks"]);
        ASSERT_EQ(analysis["tracks"].size(), static_cast<size_t>(songCount));
        double segmentsSeconds = 0.0;
        for (const json& track : analysis["tracks"]) {
            segmentsSeconds += track["selectedDuration"].get<double>();
        }
        EXPECT_NEAR(segmentsSeconds, stats["duration"].get<double>(), 1e-9);

        std::string notes = "# Tunewright Edit Notes\n\nRenderer: Tunewright local engine.\n";
        notes += "Output: " + mp3.filename().string() + "\n";
        notes += "Duration: " + fixed(stats["duration"], 2) + " seconds\n";
        notes += "Final ending effect: " + effectTitle + "\n\n";
        notes +=
            "Why AI fallback was not used:\nThe local engine found usable timing and "
            "audio-continuity decisions without external AI assistance.\n\nCut points:\n";
        for (const json& track : analysis["tracks"]) notes += expectedSongLine(track) + "\n";
        notes +=
            "\nQC:\n- Exported one 320 kbps MP3.\n- Used first-note detection, zero-crossing "
            "placement, and short de-click ramps at edit edges.\n- Checked the first 0.20 "
            "seconds after every join for dead air.\n- Normalized peak level to avoid clipping.\n";
        EXPECT_EQ(testsupport::readWholeFile(output() / "edit-notes.md"), notes);
    }
};

TEST_F(RenderPipeline, OneSongWithoutEndingIsCutAtItsEndAtFullLevel) {
    writeToneSong(files / "Song One.wav", 1.0, 4.0, 0.5);
    const fs::path mp3 = render(
        {song(files / "Song One.wav", "0:00.5", "0:02.5", "Open on the note.", "Opener")}, "none");
    EXPECT_EQ(mp3, output() / "Song One - DJ edit.mp3");
    EXPECT_EQ(seamforgetest::entryNames(output()),
              (std::vector<std::string>{"Song One - DJ edit.mp3", "analysis-map.json",
                                        "edit-notes.md", "qc-report.json", "render-stats.json"}));

    const std::optional<std::vector<int>> rates =
        mp3frames::bitRatesKbps(testsupport::readWholeFile(mp3));
    ASSERT_TRUE(rates.has_value()) << "not a sequence of MPEG-1 Layer III frames";
    EXPECT_GT(rates->size(), 70u);
    EXPECT_EQ(std::count(rates->begin(), rates->end(), 320), std::ssize(*rates))
        << "every frame at 320 kbps";

    const Samples decoded = decodeMp3(mp3);
    expectConsistentReport(mp3, decoded, 1, "Off");
    const json analysis = readJson(output() / "analysis-map.json");
    const json& track = analysis["tracks"][0];
    EXPECT_EQ(track["name"], "Opener");
    EXPECT_EQ(track["path"], (files / "Song One.wav").string());
    EXPECT_EQ(track["note"], "Open on the note.");
    EXPECT_EQ(track["endReason"], "typed_time");
    EXPECT_EQ(track["requestedStart"], 0.5);
    EXPECT_EQ(track["requestedEnd"], 2.5);
    EXPECT_EQ(track["duration"], 5.0);
    EXPECT_NEAR(track["firstNoteTime"].get<double>(), 0.95, 0.02);
    EXPECT_NEAR(seconds(decoded), 2.0, 0.002);
    EXPECT_FALSE(track.contains("finalFadeStartFileTime"));
    EXPECT_EQ(track["finalEndingEffect"], "Off");
    EXPECT_EQ(analysis["finalFadeSeconds"], 0.0);
    EXPECT_NEAR(analysis["peakAfterNormalize"].get<double>(), 0.5, 0.001);  // below the ceiling

    // Full level up to the last 4 ms ramp.
    EXPECT_NEAR(rmsBetween(decoded, 0.1, 1.9), kToneRMS, 0.01);
    EXPECT_NEAR(rmsBetween(decoded, -0.1, -0.005), kToneRMS, 0.02);
}

TEST_F(RenderPipeline, FadeEndingPlaysTwoMoreSecondsDownToSilence) {
    writeToneSong(files / "Fade.wav", 0.0, 10.0, 0.5);
    const fs::path mp3 = render({song(files / "Fade.wav", "1", "5")}, "fade");
    const Samples decoded = decodeMp3(mp3);
    expectConsistentReport(mp3, decoded, 1, "Fade");

    const json analysis = readJson(output() / "analysis-map.json");
    const json& track = analysis["tracks"][0];
    EXPECT_EQ(analysis["finalFadeSeconds"], 2.0);
    EXPECT_EQ(track["finalFadeStartFileTime"], track["selectedEndFileTime"]);
    EXPECT_NEAR(track["renderedEndFileTime"].get<double>(),
                track["selectedEndFileTime"].get<double>() + 2.0, 1e-9);
    EXPECT_NEAR(seconds(decoded), 6.0, 0.002);

    EXPECT_NEAR(rmsBetween(decoded, -2.3, -2.05), kToneRMS, 0.01);  // full level before the fade
    const double early = rmsBetween(decoded, -1.9, -1.6);
    const double middle = rmsBetween(decoded, -1.1, -0.8);
    const double late = rmsBetween(decoded, -0.5, -0.2);
    EXPECT_GT(early, middle);
    EXPECT_GT(middle, late);
    EXPECT_LT(rmsBetween(decoded, -0.1, 0), 0.02);
}

TEST_F(RenderPipeline, EchoEndingFillsFourSecondsWithDecayingRepeats) {
    writeToneSong(files / "Echo.wav", 0.0, 10.0, 0.5);
    const fs::path mp3 = render({song(files / "Echo.wav", "1", "5")}, "echoFade");
    const Samples decoded = decodeMp3(mp3);
    expectConsistentReport(mp3, decoded, 1, "Echo/Fade");

    const json analysis = readJson(output() / "analysis-map.json");
    const json& track = analysis["tracks"][0];
    const double cutSeconds =
        track["selectedEndFileTime"].get<double>() - track["selectedStartFileTime"].get<double>();
    EXPECT_EQ(analysis["finalFadeSeconds"], 4.0);
    EXPECT_EQ(track["finalEndingEffect"], "Echo/Fade");
    EXPECT_NEAR(seconds(decoded), cutSeconds + 4.0, 1e-3);

    // Each repeat of the last 0.32 s is quieter than the one before; between the first two
    // there is silence.
    double previous = 1.0;
    for (const double delay : {0.0, 0.42, 0.88, 1.38, 1.95, 2.6}) {
        const double level =
            rmsBetween(decoded, cutSeconds + delay + 0.05, cutSeconds + delay + 0.25);
        EXPECT_LT(level, previous) << "repeat at " << delay << " s";
        EXPECT_GT(level, 0.002) << "repeat at " << delay << " s";
        previous = level;
    }
    EXPECT_GT(rmsBetween(decoded, cutSeconds + 0.05, cutSeconds + 0.25), 0.1);
    EXPECT_LT(rmsBetween(decoded, cutSeconds + 0.345, cutSeconds + 0.40), 0.01);
    EXPECT_LT(rmsBetween(decoded, -0.1, 0), 0.005);
}

TEST_F(RenderPipeline, TwoSongsAreEvenedOutByDoublingTheQuieterOne) {
    // RMS 0.1 and 0.4: the target is 0.4, the first song gets 2.0 (4.0 capped).
    writeToneSong(files / "quiet.wav", 0.0, 3.0, 0.1 * std::sqrt(2.0));
    writeToneSong(files / "loud.wav", 0.0, 3.0, 0.4 * std::sqrt(2.0), 330.0);
    const fs::path mp3 =
        render({song(files / "quiet.wav", "0", "2"), song(files / "loud.wav", "0", "2")}, "none");
    const Samples decoded = decodeMp3(mp3);
    expectConsistentReport(mp3, decoded, 2, "Off");

    EXPECT_NEAR(rmsBetween(decoded, 0.2, 1.8), 0.2, 0.005);
    EXPECT_NEAR(rmsBetween(decoded, 2.2, 3.8), 0.4, 0.008);
    // The loud song's peak, 0.566, is below the ceiling: nothing is lowered.
    EXPECT_NEAR(readJson(output() / "render-stats.json")["peak"].get<double>(),
                0.4 * std::sqrt(2.0), 0.001);
}

TEST_F(RenderPipeline, ThreeSongsOfThreeTypesJoinEndToStart) {
    writeToneSong(files / "one.wav", 1.0, 4.0, 0.3);
    writeToneSong(files / "two-source.wav", 2.0, 4.0, 0.6, 550.0);
    writeToneSong(files / "three.wav", 1.5, 3.0, 0.4, 660.0);
    encodeWithLame(files / "two-source.wav", files / "two.mp3");
    ASSERT_EQ(testsupport::convertWithFfmpeg(files / "three.wav", files / "three.flac"), "");

    // The last song starts past its end: a tenth of a second is left, too little to fade.
    const fs::path mp3 = render({song(files / "one.wav", "0:01", "0:02.5"),
                                 song(files / "two.mp3", "0.5", "", "end around 0:02"),
                                 song(files / "three.flac", "1:00", "")},
                                "fade");
    EXPECT_EQ(mp3, output() / "one into two into three - continuous DJ edit.mp3");
    const Samples decoded = decodeMp3(mp3);
    expectConsistentReport(mp3, decoded, 3, "Fade");

    const json analysis = readJson(output() / "analysis-map.json");
    const json& two = analysis["tracks"][1];
    const json& three = analysis["tracks"][2];
    EXPECT_EQ(two["name"], "two.mp3");
    EXPECT_EQ(two["endReason"], "note_time");
    EXPECT_EQ(two["requestedEnd"], 2.0);
    EXPECT_NEAR(two["firstNoteTime"].get<double>(), 1.95, 0.02);
    EXPECT_NEAR(three["selectedStartFileTime"].get<double>(), 4.4, 0.035);
    EXPECT_GT(three["selectedEndFileTime"].get<double>(), three["duration"].get<double>());
    EXPECT_NEAR(three["selectedDuration"].get<double>(), 0.1, 0.035);
    EXPECT_FALSE(three.contains("finalFadeStartFileTime"));
    EXPECT_EQ(three["finalEndingEffect"], "Off");
    EXPECT_EQ(analysis["finalFadeSeconds"], 0.0);
}

TEST_F(RenderPipeline, AnEntranceInDeadAirIsRefusedBeforeAnythingIsWritten) {
    writeToneSong(files / "first.wav", 0.0, 2.0, 0.5);
    testsupport::writeTestWav(
        files / "gap.wav",
        testsupport::concatenate({testsupport::tone(1.0, 440.0, 0.5), testsupport::silence(2.0),
                                  testsupport::tone(2.0, 440.0, 0.5)}));
    const seamforgetest::SeamforgeRun result = runJob(
        editJob({song(files / "first.wav", "0", "1"), song(files / "gap.wav", "0:01.5", "0:03.5")},
                output(), "fade"));
    EXPECT_EQ(result.lines(),
              (std::vector<std::string>{"LOCAL_STEP analyze starting", "LOCAL_STEP cuts done",
                                        "LOCAL_RENDER_FAILED QC rejected a join because the next "
                                        "song entrance looked like dead air."}));
    expectFailure(result,
                  "QC rejected a join because the next song entrance looked like dead air.");
    EXPECT_TRUE(fs::is_directory(output()));
    EXPECT_TRUE(fs::is_empty(output()));
}

TEST_F(RenderPipeline, OddFileNamesBecomeCleanTitles) {
    writeToneSong(files / "source.wav", 0.5, 2.0, 0.5);
    encodeWithLame(files / "source.wav", files / "My Song (Live).mp3");
    fs::copy_file(files / "source.wav", files / "a_b.wav");
    ASSERT_EQ(testsupport::convertWithFfmpeg(files / "source.wav", files / "C:D.m4a"), "");
    fs::copy_file(files / "source.wav", files / "夜の歌.wav");

    EXPECT_EQ(render({song(files / "My Song (Live).mp3")}, "none").filename(),
              "My Song Live - DJ edit.mp3");
    EXPECT_EQ(
        render({song(files / "a_b.wav", "0", "1"), song(files / "C:D.m4a")}, "none").filename(),
        "a b into C D - continuous DJ edit.mp3");
    EXPECT_EQ(render({song(files / "夜の歌.wav")}, "none").filename(), "Music Edit - DJ edit.mp3");
    // The display name keeps the file's own letters.
    EXPECT_EQ(readJson(output() / "analysis-map.json")["tracks"][0]["name"], "夜の歌.wav");
}

}  // namespace
