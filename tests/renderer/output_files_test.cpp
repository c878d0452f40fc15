#include "renderer/output_files.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "renderer/render_error.h"
#include "tests/support/test_files.h"

namespace {

using nlohmann::json;
using renderer::FinishedRender;
using renderer::TrackAnalysis;
using testsupport::readWholeFile;
using testsupport::TemporaryFolder;
using KeyTypes = std::map<std::string, char>;

// 'i' integer, 'n' number with a fraction part, 's' text, 'b' boolean, 'a' array.
KeyTypes keyTypes(const json& object) {
    KeyTypes types;
    for (const auto& [key, value] : object.items()) {
        types[key] = value.is_number_integer() ? 'i'
                     : value.is_number()       ? 'n'
                     : value.is_string()       ? 's'
                     : value.is_boolean()      ? 'b'
                     : value.is_array()        ? 'a'
                                               : '?';
    }
    return types;
}

const KeyTypes kTrackTypes = {
    {"duration", 'n'},
    {"endReason", 's'},
    {"finalEndingEffect", 's'},
    {"finalFadeExtraSeconds", 'n'},
    {"firstNoteTime", 'n'},
    {"name", 's'},
    {"note", 's'},
    {"path", 's'},
    {"renderedEndFileTime", 'n'},
    {"requestedEnd", 'n'},
    {"requestedStart", 'n'},
    {"selectedDuration", 'n'},
    {"selectedEndFileTime", 'n'},
    {"selectedStartFileTime", 'n'},
    {"targetEndFileTime", 'n'},
    {"targetStartFileTime", 'n'},
    {"track", 'i'},
};

TrackAnalysis songAnalysis(int track) {
    TrackAnalysis analysis;
    analysis.track = track;
    analysis.name = "Song " + std::to_string(track);
    analysis.path = "/Music/Song " + std::to_string(track) + ".mp3";
    analysis.endReason = "typed_time";
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
    render.effect = common::FinalEndingEffect::echoFade;
    render.finalFadeSeconds = 4.0;
    render.tracks = {songAnalysis(1), songAnalysis(2)};
    render.tracks[1].finalFadeStartFileTime = 70.25;
    render.tracks[1].finalEndingEffect = "Echo/Fade";
    render.appVersion = "4.8 (build 12)";
    return render;
}

json readJSON(const std::filesystem::path& path) { return json::parse(readWholeFile(path)); }

TEST(CompanionFiles, WriteEveryKeyWithItsTypeAndValue) {
    TemporaryFolder folder;
    const FinishedRender render = twoSongEchoRender(folder.path());
    renderer::writeCompanionFiles(render);
    const std::string mp3 = render.mp3Path.string();
    const json check = {{"afterTrack", 1}, {"peakFirst020", 0.3}, {"rmsFirst020", 0.08}};

    EXPECT_EQ(readJSON(folder / "render-stats.json"), (json{{"duration", 123.75},
                                                            {"outputFile", mp3},
                                                            {"peak", 0.92},
                                                            {"renderer", "standalone-local"},
                                                            {"trackCount", 2}}));
    const json qc = readJSON(folder / "qc-report.json");
    EXPECT_EQ(qc, (json{{"checkedFirst020AfterEachJoin", true},
                        {"deadAirThresholdPeak", 0.005},
                        {"deadAirThresholdRMS", 0.0018},
                        {"passed", true},
                        {"transitionChecks", json::array({check})}}));
    EXPECT_TRUE(qc["transitionChecks"][0]["afterTrack"].is_number_integer());

    json analysis = readJSON(folder / "analysis-map.json");
    EXPECT_TRUE(std::regex_match(analysis["createdAt"].get<std::string>(),
                                 std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)")));
    const json tracks = analysis["tracks"];
    analysis.erase("createdAt");
    analysis.erase("tracks");
    EXPECT_EQ(analysis, (json{{"appVersion", "4.8 (build 12)"},
                              {"finalDuration", 123.75},
                              {"finalEndingEffect", "Echo/Fade"},
                              {"finalFadeOut", true},
                              {"finalFadeSeconds", 4.0},
                              {"outputFile", mp3},
                              {"peakAfterNormalize", 0.92},
                              {"renderer", "Tunewright local engine"},
                              {"transitionChecks", json::array({check})}}));

    // Only the song that carries the ending has a fade start: absent, not null, elsewhere.
    ASSERT_EQ(tracks.size(), 2u);
    EXPECT_EQ(keyTypes(tracks[0]), kTrackTypes);
    KeyTypes lastTypes = kTrackTypes;
    lastTypes["finalFadeStartFileTime"] = 'n';
    EXPECT_EQ(keyTypes(tracks[1]), lastTypes);
    EXPECT_EQ(tracks[0]["path"], "/Music/Song 1.mp3");
    EXPECT_EQ(tracks[0]["finalEndingEffect"], "Off");
    EXPECT_EQ(tracks[1]["track"], 2);
    EXPECT_EQ(tracks[1]["finalEndingEffect"], "Echo/Fade");
    EXPECT_FALSE(readWholeFile(folder / "edit-notes.md").empty());
}

TEST(CompanionFiles, OneSongWithoutEndingHasEmptyChecksAndNoFadeStart) {
    TemporaryFolder folder;
    FinishedRender render;
    render.mp3Path = folder / "Song 1 - DJ edit.mp3";
    render.trackCount = 1;
    render.tracks = {songAnalysis(1)};
    renderer::writeCompanionFiles(render);

    EXPECT_NE(readWholeFile(folder / "qc-report.json").find("\"transitionChecks\": []"),
              std::string::npos);
    const json analysis = readJSON(folder / "analysis-map.json");
    EXPECT_EQ(analysis["transitionChecks"], json::array());
    EXPECT_EQ(analysis["finalFadeOut"], false);
    EXPECT_EQ(analysis["finalEndingEffect"], "Off");
    EXPECT_EQ(keyTypes(analysis["tracks"][0]), kTrackTypes);
}

TEST(CompanionFiles, ANonFiniteValueStopsTheSequenceAtThatFile) {
    TemporaryFolder folder;
    FinishedRender render = twoSongEchoRender(folder.path());
    render.tracks[0].firstNoteTime = std::nan("");
    EXPECT_THROW(renderer::writeCompanionFiles(render), renderer::RenderError);
    EXPECT_TRUE(std::filesystem::exists(folder / "qc-report.json"));
    EXPECT_FALSE(std::filesystem::exists(folder / "analysis-map.json"));
    EXPECT_FALSE(std::filesystem::exists(folder / "edit-notes.md"));
}

}  // namespace
