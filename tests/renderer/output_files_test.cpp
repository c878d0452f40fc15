#include "renderer/output_files.h"

#include <gtest/gtest.h>

#include <regex>

#include "renderer/render_error.h"
#include "tests/support/test_files.h"

namespace {

using common::FinalEndingEffect;
using nlohmann::json;
using renderer::FinishedRender;
using renderer::TrackAnalysis;
using renderer::writeCompanionFiles;
using testsupport::readWholeFile;
using testsupport::TemporaryFolder;

TrackAnalysis songAnalysis(int track) {
    TrackAnalysis analysis;
    analysis.track = track;
    analysis.name = "Song " + std::to_string(track);
    analysis.path = "/Music/Song " + std::to_string(track) + ".mp3";
    analysis.duration = 200.5;
    analysis.firstNoteTime = 0.25;
    analysis.requestedStart = 10;
    analysis.requestedEnd = 70;
    analysis.endReason = "typed_time";
    analysis.targetStartFileTime = 10.25;
    analysis.targetEndFileTime = 70.25;
    analysis.selectedStartFileTime = 10.251;
    analysis.selectedEndFileTime = 70.249;
    analysis.renderedEndFileTime = 70.249;
    analysis.selectedDuration = 59.998;
    analysis.note = "keep the horns";
    return analysis;
}

FinishedRender twoSongEchoRender(const std::filesystem::path& folder) {
    FinishedRender render;
    render.mp3Path = folder / "Song 1 into Song 2 - continuous DJ edit.mp3";
    render.finalDuration = 123.75;
    render.peakAfterNormalize = 0.92;
    render.trackCount = 2;
    render.transitionChecks = {{.afterTrack = 1, .peakFirst020 = 0.3, .rmsFirst020 = 0.08}};
    render.effect = FinalEndingEffect::echoFade;
    render.finalFadeSeconds = 4.0;
    render.tracks = {songAnalysis(1), songAnalysis(2)};
    render.tracks[1].finalFadeStartFileTime = 70.249;
    render.tracks[1].renderedEndFileTime = 74.249;
    render.tracks[1].finalEndingEffect = "Echo/Fade";
    render.tracks[1].finalFadeExtraSeconds = 4.0;
    render.appVersion = "4.8 (build 12)";
    return render;
}

json readJSON(const std::filesystem::path& path) { return json::parse(readWholeFile(path)); }

enum class Kind { integer, number, text, boolean, array };

void expectKeys(const json& object, const std::map<std::string, Kind>& keys) {
    ASSERT_TRUE(object.is_object());
    EXPECT_EQ(object.size(), keys.size()) << object.dump();
    for (const auto& [key, kind] : keys) {
        ASSERT_TRUE(object.contains(key)) << key;
        const json& value = object[key];
        switch (kind) {
            case Kind::integer:
                EXPECT_TRUE(value.is_number_integer()) << key;
                break;
            case Kind::number:
                EXPECT_TRUE(value.is_number()) << key;
                break;
            case Kind::text:
                EXPECT_TRUE(value.is_string()) << key;
                break;
            case Kind::boolean:
                EXPECT_TRUE(value.is_boolean()) << key;
                break;
            case Kind::array:
                EXPECT_TRUE(value.is_array()) << key;
                break;
        }
    }
}

const std::map<std::string, Kind> kTrackKeys = {
    {"track", Kind::integer},
    {"name", Kind::text},
    {"path", Kind::text},
    {"duration", Kind::number},
    {"firstNoteTime", Kind::number},
    {"requestedStart", Kind::number},
    {"requestedEnd", Kind::number},
    {"endReason", Kind::text},
    {"targetStartFileTime", Kind::number},
    {"targetEndFileTime", Kind::number},
    {"selectedStartFileTime", Kind::number},
    {"selectedEndFileTime", Kind::number},
    {"renderedEndFileTime", Kind::number},
    {"finalEndingEffect", Kind::text},
    {"finalFadeExtraSeconds", Kind::number},
    {"selectedDuration", Kind::number},
    {"note", Kind::text},
};
const std::map<std::string, Kind> kCheckKeys = {
    {"afterTrack", Kind::integer}, {"peakFirst020", Kind::number}, {"rmsFirst020", Kind::number}};

TEST(CompanionFiles, WriteEveryKeyWithItsTypeAndValue) {
    TemporaryFolder folder;
    const FinishedRender render = twoSongEchoRender(folder.path());
    writeCompanionFiles(render);
    const std::string mp3 = render.mp3Path.string();

    const json stats = readJSON(folder / "render-stats.json");
    expectKeys(stats, {{"duration", Kind::number},
                       {"outputFile", Kind::text},
                       {"peak", Kind::number},
                       {"renderer", Kind::text},
                       {"trackCount", Kind::integer}});
    EXPECT_EQ(stats["outputFile"], mp3);
    EXPECT_EQ(stats["renderer"], "standalone-local");
    EXPECT_EQ(stats["trackCount"], 2);
    EXPECT_DOUBLE_EQ(stats["duration"].get<double>(), 123.75);
    EXPECT_DOUBLE_EQ(stats["peak"].get<double>(), 0.92);

    const json qc = readJSON(folder / "qc-report.json");
    expectKeys(qc, {{"checkedFirst020AfterEachJoin", Kind::boolean},
                    {"deadAirThresholdPeak", Kind::number},
                    {"deadAirThresholdRMS", Kind::number},
                    {"passed", Kind::boolean},
                    {"transitionChecks", Kind::array}});
    EXPECT_EQ(qc["passed"], true);
    EXPECT_EQ(qc["checkedFirst020AfterEachJoin"], true);
    EXPECT_DOUBLE_EQ(qc["deadAirThresholdPeak"].get<double>(), 0.005);
    EXPECT_DOUBLE_EQ(qc["deadAirThresholdRMS"].get<double>(), 0.0018);
    ASSERT_EQ(qc["transitionChecks"].size(), 1u);
    expectKeys(qc["transitionChecks"][0], kCheckKeys);
    EXPECT_EQ(qc["transitionChecks"][0]["afterTrack"], 1);
    EXPECT_DOUBLE_EQ(qc["transitionChecks"][0]["rmsFirst020"].get<double>(), 0.08);

    const json analysis = readJSON(folder / "analysis-map.json");
    expectKeys(analysis, {{"appVersion", Kind::text},
                          {"createdAt", Kind::text},
                          {"finalDuration", Kind::number},
                          {"finalEndingEffect", Kind::text},
                          {"finalFadeOut", Kind::boolean},
                          {"finalFadeSeconds", Kind::number},
                          {"outputFile", Kind::text},
                          {"peakAfterNormalize", Kind::number},
                          {"renderer", Kind::text},
                          {"tracks", Kind::array},
                          {"transitionChecks", Kind::array}});
    EXPECT_EQ(analysis["renderer"], "Tunewright local engine");
    EXPECT_EQ(analysis["appVersion"], "4.8 (build 12)");
    EXPECT_TRUE(std::regex_match(analysis["createdAt"].get<std::string>(),
                                 std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)")));
    EXPECT_EQ(analysis["outputFile"], mp3);
    EXPECT_EQ(analysis["finalFadeOut"], true);
    EXPECT_EQ(analysis["finalEndingEffect"], "Echo/Fade");
    EXPECT_DOUBLE_EQ(analysis["finalFadeSeconds"].get<double>(), 4.0);
    EXPECT_EQ(analysis["transitionChecks"], qc["transitionChecks"]);
    EXPECT_EQ(analysis["finalDuration"], stats["duration"]);
    EXPECT_EQ(analysis["peakAfterNormalize"], stats["peak"]);

    ASSERT_EQ(analysis["tracks"].size(), 2u);
    const json& first = analysis["tracks"][0];
    const json& last = analysis["tracks"][1];
    expectKeys(first, kTrackKeys);  // no "finalFadeStartFileTime", not even null
    auto lastKeys = kTrackKeys;
    lastKeys["finalFadeStartFileTime"] = Kind::number;
    expectKeys(last, lastKeys);
    EXPECT_EQ(first["track"], 1);
    EXPECT_EQ(first["path"], "/Music/Song 1.mp3");
    EXPECT_EQ(first["note"], "keep the horns");
    EXPECT_EQ(first["endReason"], "typed_time");
    EXPECT_EQ(first["finalEndingEffect"], "Off");
    EXPECT_DOUBLE_EQ(last["finalFadeStartFileTime"].get<double>(), 70.249);
    EXPECT_DOUBLE_EQ(last["renderedEndFileTime"].get<double>(), 74.249);
    EXPECT_EQ(last["finalEndingEffect"], "Echo/Fade");

    // Paths are written with escaped slashes; the keys of each object are sorted.
    const std::string text = readWholeFile(folder / "analysis-map.json");
    EXPECT_NE(text.find("\"\\/Music\\/Song 1.mp3\""), std::string::npos);
    EXPECT_LT(text.find("\"appVersion\""), text.find("\"createdAt\""));
    EXPECT_LT(text.find("\"renderedEndFileTime\""), text.find("\"requestedEnd\""));
    EXPECT_LT(text.find("\"tracks\""), text.find("\"transitionChecks\""));

    EXPECT_FALSE(readWholeFile(folder / "edit-notes.md").empty());
}

TEST(CompanionFiles, OneSongWithoutEndingHasEmptyChecksAndNoFadeStart) {
    TemporaryFolder folder;
    FinishedRender render;
    render.mp3Path = folder / "Song 1 - DJ edit.mp3";
    render.finalDuration = 60.0;
    render.peakAfterNormalize = 0.5;
    render.trackCount = 1;
    render.tracks = {songAnalysis(1)};
    writeCompanionFiles(render);

    const json qc = readJSON(folder / "qc-report.json");
    const json analysis = readJSON(folder / "analysis-map.json");
    EXPECT_EQ(qc["transitionChecks"], json::array());
    EXPECT_EQ(analysis["transitionChecks"], json::array());
    EXPECT_NE(readWholeFile(folder / "qc-report.json").find("\"transitionChecks\": []"),
              std::string::npos);
    EXPECT_EQ(analysis["finalFadeOut"], false);
    EXPECT_EQ(analysis["finalEndingEffect"], "Off");
    EXPECT_FALSE(analysis["tracks"][0].contains("finalFadeStartFileTime"));
    EXPECT_EQ(analysis["tracks"][0]["finalEndingEffect"], "Off");
}

TEST(CompanionFiles, ANonFiniteValueStopsTheSequenceAtThatFile) {
    TemporaryFolder folder;
    FinishedRender render = twoSongEchoRender(folder.path());
    render.tracks[0].firstNoteTime = std::nan("");
    EXPECT_THROW(writeCompanionFiles(render), renderer::RenderError);
    // The two files before the analysis map stay; nothing after it is written.
    EXPECT_TRUE(std::filesystem::exists(folder / "render-stats.json"));
    EXPECT_TRUE(std::filesystem::exists(folder / "qc-report.json"));
    EXPECT_FALSE(std::filesystem::exists(folder / "analysis-map.json"));
    EXPECT_FALSE(std::filesystem::exists(folder / "edit-notes.md"));
}

}  // namespace
