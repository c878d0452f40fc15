#include "renderer/output_files.h"

#include <gtest/gtest.h>

#include <regex>

#include "renderer/edit_notes.h"
#include "renderer/render_error.h"
#include "tests/support/test_files.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using renderer::FinishedRender;
using renderer::TrackAnalysis;
using testsupport::readWholeFile;

// What the wizard and its users read: every song carries these keys, and only the song
// that carries the ending adds "finalFadeStartFileTime".
const std::vector<std::string> kTrackKeys = {"duration",
                                             "endReason",
                                             "finalEndingEffect",
                                             "finalFadeExtraSeconds",
                                             "firstNoteTime",
                                             "name",
                                             "note",
                                             "path",
                                             "renderedEndFileTime",
                                             "requestedEnd",
                                             "requestedStart",
                                             "selectedDuration",
                                             "selectedEndFileTime",
                                             "selectedStartFileTime",
                                             "targetEndFileTime",
                                             "targetStartFileTime",
                                             "track"};

std::vector<std::string> keysOf(const json& object) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : object.items()) keys.push_back(key);
    return keys;  // nlohmann keeps object keys sorted
}

json readJSON(const fs::path& path) { return json::parse(readWholeFile(path)); }

FinishedRender finishedRender(const fs::path& folder, int songCount) {
    FinishedRender render;
    render.mp3Path = folder / "Song 1 into Song 2 - continuous DJ edit.mp3";
    render.finalDuration = 123.75;
    render.peakAfterNormalize = 0.92;
    render.trackCount = songCount;
    render.appVersion = "4.8 (build 12)";
    render.tracks.resize(static_cast<size_t>(songCount));
    for (int track = 1; track <= songCount; ++track) {
        render.tracks[track - 1].track = track;
        render.tracks[track - 1].name = "Song " + std::to_string(track);
    }
    if (songCount == 2) {
        render.transitionChecks = {{.afterTrack = 1, .peakFirst020 = 0.3, .rmsFirst020 = 0.08}};
        render.effect = common::FinalEndingEffect::echoFade;
        render.finalFadeSeconds = 4.0;
        render.tracks[1].finalFadeStartFileTime = 70.25;
        render.tracks[1].finalEndingEffect = "Echo/Fade";
    }
    return render;
}

TEST(CompanionFiles, WriteEveryKeyWithItsTypeAndValue) {
    testsupport::TemporaryFolder folder;
    const FinishedRender render = finishedRender(folder.path(), 2);
    renderer::writeCompanionFiles(render);
    // The MP3's path as a JSON text, and the one join's check.
    const std::string mp3 = json(render.mp3Path.string()).dump();
    const std::string checks = R"([{"afterTrack": 1, "peakFirst020": 0.3, "rmsFirst020": 0.08}])";

    const std::string stats = R"({"duration": 123.75, "peak": 0.92, "renderer": "standalone-local",
        "trackCount": 2, "outputFile": )" +
                              mp3 + "}";
    EXPECT_EQ(readJSON(folder / "render-stats.json"), json::parse(stats));
    const std::string qc = R"({"checkedFirst020AfterEachJoin": true, "deadAirThresholdPeak": 0.005,
        "deadAirThresholdRMS": 0.0018, "passed": true, "transitionChecks": )" +
                           checks + "}";
    EXPECT_EQ(readJSON(folder / "qc-report.json"), json::parse(qc));
    EXPECT_TRUE(readJSON(folder / "qc-report.json")["transitionChecks"][0]["afterTrack"]
                    .is_number_integer());

    json analysis = readJSON(folder / "analysis-map.json");
    EXPECT_TRUE(std::regex_match(analysis["createdAt"].get<std::string>(),
                                 std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)")));
    const json tracks = analysis["tracks"];
    analysis.erase("createdAt");
    analysis.erase("tracks");
    const std::string map = R"x({"appVersion": "4.8 (build 12)", "finalDuration": 123.75,
        "finalEndingEffect": "Echo/Fade", "finalFadeOut": true, "finalFadeSeconds": 4.0,
        "peakAfterNormalize": 0.92, "renderer": "Tunewright local engine",
        "transitionChecks": )x" +
                            checks + R"(, "outputFile": )" + mp3 + "}";
    EXPECT_EQ(analysis, json::parse(map));
    ASSERT_EQ(tracks.size(), 2u);
    EXPECT_EQ(keysOf(tracks[0]), kTrackKeys);
    EXPECT_TRUE(tracks[0]["track"].is_number_integer());
    EXPECT_TRUE(tracks[0]["duration"].is_number_float());
    EXPECT_EQ(tracks[0]["finalEndingEffect"], "Off");
    std::vector<std::string> lastKeys = kTrackKeys;
    lastKeys.insert(lastKeys.begin() + 4, "finalFadeStartFileTime");
    EXPECT_EQ(keysOf(tracks[1]), lastKeys);
    EXPECT_EQ(tracks[1]["finalFadeStartFileTime"], 70.25);

    EXPECT_EQ(readWholeFile(folder / "edit-notes.md"),
              renderer::editNotesText({render.mp3Path.filename().string(), 123.75,
                                       common::FinalEndingEffect::echoFade, render.tracks}));
}

TEST(CompanionFiles, OneSongWithoutEndingHasEmptyChecksAndNoFadeStart) {
    testsupport::TemporaryFolder folder;
    renderer::writeCompanionFiles(finishedRender(folder.path(), 1));
    EXPECT_NE(readWholeFile(folder / "qc-report.json").find("\"transitionChecks\": []"),
              std::string::npos);
    const json analysis = readJSON(folder / "analysis-map.json");
    EXPECT_EQ(analysis["transitionChecks"], json::array());
    EXPECT_EQ(analysis["finalFadeOut"], false);
    EXPECT_EQ(analysis["finalEndingEffect"], "Off");
    EXPECT_EQ(keysOf(analysis["tracks"][0]), kTrackKeys);
}

TEST(CompanionFiles, ANonFiniteValueStopsTheSequenceAtThatFile) {
    testsupport::TemporaryFolder folder;
    FinishedRender render = finishedRender(folder.path(), 2);
    render.tracks[0].firstNoteTime = std::nan("");
    EXPECT_THROW(renderer::writeCompanionFiles(render), renderer::RenderError);
    EXPECT_TRUE(fs::exists(folder / "qc-report.json"));
    EXPECT_FALSE(fs::exists(folder / "analysis-map.json"));
    EXPECT_FALSE(fs::exists(folder / "edit-notes.md"));
}

}  // namespace
