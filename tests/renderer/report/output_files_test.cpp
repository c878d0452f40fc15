// The files beside the finished MP3: the three JSON reports, in the one JSON form the
// renderer writes, and the edit notes.

#include "renderer/report/output_files.h"

#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <regex>

#include "renderer/base/render_error.h"
#include "renderer/job/time_targets.h"
#include "renderer/report/edit_notes.h"
#include "tests/support/raw_wav.h"
#include "tests/support/test_files.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using renderer::FinishedRender;
using renderer::TrackAnalysis;
using testsupport::readWholeFile;
using testsupport::TemporaryFolder;

// Times that round at the third and second decimals, and a name that is not ASCII; the
// second song carries an echo ending. Song 1 starts on the beat just ahead of musical zero and
// song 2 ends on the beat after its typed end; their other cuts stayed.
std::vector<TrackAnalysis> twoSongsWithEchoEnding() {
    return {
        {.track = 1,
         .name = "Opening Song",
         .path = {},
         .firstNoteTime = 1.2,
         .requestedEnd = 62.5,
         .endReason = "note_time",
         .selectedStartFileTime = 1.1904,
         .selectedEndFileTime = 63.7,
         .finalFadeStartFileTime = {},
         .note = {},
         .beatSnap = {.start = {1.2004, 1.1904, 128.0, "", "beat"},
                      .end = {63.7, 63.7, 128.0, "too far", ""},
                      .unit = "beat",
                      .barRequestedBy = "",
                      .grid = renderer::TrackGrid{true, 0.8, 128.0, 0.4417, {}, 0, 0.2}}},
        {.track = 2,
         .name = "Caf\u00e9 / Closer",
         .path = {},
         .requestedStart = 12.3456,
         .requestedEnd = 94.888,
         .endReason = "typed_time",
         .selectedStartFileTime = 12.3456,
         .selectedEndFileTime = 95.0004,
         .renderedEndFileTime = 99.0004,
         .finalFadeStartFileTime = 95.0004,
         .finalEndingEffect = "Echo/Fade",
         .note = {},
         .beatSnap = {.start = {12.3456, 12.3456, 124.4, "too far", ""},
                      .end = {95.1, 95.0004, 124.4, "", "bar"},
                      .unit = "bar",
                      .barRequestedBy = "note",
                      .grid = renderer::TrackGrid{true, 0.9, 124.4, 0.3, 1.265, 4, 0.7}}},
    };
}

// The notes of finishedRender(…, 2): headings and numbered songs in order, every value put in
// with its rounding, the ending only on the last song, the moved cuts' beat lines last.
void expectNotesOfTwoSongs(const std::string& notes) {
    size_t at = 0;
    for (const std::string part :
         {"# Tunewright Edit Notes\n",
          "Output: Opening Song into Caf Closer - continuous DJ edit.mp3\n",
          "Duration: 149.65 seconds\nFinal ending effect: Echo/Fade\n",
          "\nCut points:\n- Song 1 Opening Song: requested start 0.00s; end target 62.50s",
          "(note_time); selected file 1.190s to 63.700s; first-note offset 1.200s.\n",
          "- Song 2 Caf\u00e9 / Closer: requested start 12.35s; end target 94.89s",
          "(typed_time); selected file 12.346s to 95.000s; first-note offset 0.000s. Echo/Fade "
          "starts at 95.000s and renders through 99.000s.\n",
          "- Song 1 starts on the beat at -0:00.010 (0.010 s before the typed 0:00.000), 128 "
          "BPM.\n",
          "- Song 2 ends on the bar at 1:35.000 (0.112 s after the typed 1:34.888), 124 BPM.\n",
          "\nQC:\n- Exported one 320 kbps MP3.\n"}) {
        const size_t found = notes.find(part, at);
        ASSERT_NE(found, std::string::npos) << part << " after byte " << at << " of\n" << notes;
        at = found + part.size();
    }
    EXPECT_EQ(notes.find("renders through"), notes.rfind("renders through"));
    size_t beatLines = 0;
    for (size_t p = notes.find("on the beat"); p != std::string::npos;
         p = notes.find("on the beat", p + 1))
        ++beatLines;
    EXPECT_EQ(beatLines, 1u) << "a kept cut has no beat line";
    EXPECT_TRUE(notes.ends_with(".\n") && !notes.ends_with("\n\n"));
}

// The keys of a JSON object in their written order, one space between them.
std::string keysOf(const json& object) {
    std::string keys;
    for (const auto& [key, value] : object.items()) keys += (keys.empty() ? "" : " ") + key;
    return keys;
}

// What the wizard and its users read: every song carries these keys, and only the song
// that carries the ending adds "finalFadeStartFileTime" after "finalFadeExtraSeconds".
const std::string kTrackKeys =
    "beatSnap duration endReason finalEndingEffect finalFadeExtraSeconds firstNoteTime name note "
    "path renderedEndFileTime requestedEnd requestedStart selectedDuration selectedEndFileTime "
    "selectedStartFileTime targetEndFileTime targetStartFileTime track";

FinishedRender finishedRender(const fs::path& folder, int songCount) {
    FinishedRender render;
    render.mp3Path = folder / "Opening Song into Caf Closer - continuous DJ edit.mp3";
    render.finalDuration = 149.649;
    render.peakAfterNormalize = 0.92;
    render.trackCount = songCount;
    render.appVersion = "4.8 (build 12)";
    render.tracks = twoSongsWithEchoEnding();
    render.tracks.resize(static_cast<size_t>(songCount));
    if (songCount == 2) {
        render.transitionChecks = {{.afterTrack = 1, .peakFirst020 = 0.3, .rmsFirst020 = 0.08}};
        render.effect = common::FinalEndingEffect::echoFade;
        render.finalFadeSeconds = 4.0;
    }
    return render;
}

TEST(CompanionFiles, WriteEveryKeyWithItsTypeAndValue) {
    TemporaryFolder folder;
    const FinishedRender render = finishedRender(folder.path(), 2);
    renderer::writeCompanionFiles(render);
    // The MP3's path as a JSON text, and the one join's check.
    const std::string mp3 = json(render.mp3Path.string()).dump();
    const std::string checks = R"([{"afterTrack": 1, "peakFirst020": 0.3, "rmsFirst020": 0.08}])";

    // Keys sorted, two-space indents, "/" escaped, integers without a fraction, one final "\n".
    const std::string escapedMp3 =
        std::regex_replace(render.mp3Path.string(), std::regex("/"), "\\/");
    EXPECT_EQ(readWholeFile(folder / "render-stats.json"),
              "{\n  \"duration\": 149.649,\n  \"outputFile\": \"" + escapedMp3 +
                  "\",\n  \"peak\": 0.92,\n  \"renderer\": \"standalone-local\",\n"
                  "  \"trackCount\": 2\n}\n");
    const json qc = testsupport::readJson(folder / "qc-report.json");
    EXPECT_EQ(qc, json::parse(R"({"checkedFirst020AfterEachJoin": true, "passed": true,
        "deadAirThresholdPeak": 0.005, "deadAirThresholdRMS": 0.0018, "transitionChecks": )" +
                              checks + "}"));
    EXPECT_TRUE(qc["transitionChecks"][0]["afterTrack"].is_number_integer());

    json analysis = testsupport::readJson(folder / "analysis-map.json");
    EXPECT_TRUE(std::regex_match(analysis["createdAt"].get<std::string>(),
                                 std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)")));
    const json tracks = analysis["tracks"];
    analysis.erase("createdAt");
    analysis.erase("tracks");
    EXPECT_EQ(analysis, json::parse(R"x({"appVersion": "4.8 (build 12)", "finalDuration": 149.649,
        "finalEndingEffect": "Echo/Fade", "finalFadeOut": true, "finalFadeSeconds": 4.0,
        "peakAfterNormalize": 0.92, "renderer": "Tunewright local engine",
        "transitionChecks": )x" + checks +
                                    R"(, "outputFile": )" + mp3 + "}"));
    ASSERT_EQ(tracks.size(), 2u);
    EXPECT_EQ(keysOf(tracks[0]), kTrackKeys);
    EXPECT_EQ(keysOf(tracks[1]), std::regex_replace(kTrackKeys, std::regex("ExtraSeconds"),
                                                    "ExtraSeconds finalFadeStartFileTime"));
    EXPECT_TRUE(tracks[0]["track"].is_number_integer());
    EXPECT_TRUE(tracks[0]["duration"].is_number_float());
    EXPECT_EQ(tracks[0]["name"], "Opening Song");
    EXPECT_EQ(tracks[0]["finalEndingEffect"], "Off");
    EXPECT_EQ(tracks[1]["finalFadeStartFileTime"], 95.0004);
    // A moved cut says what it snapped to and a kept one why it stayed; the grid gives its
    // first downbeat only where the bars are trusted.
    EXPECT_EQ(tracks[1]["beatSnap"], json::parse(R"({"tempoBpm": 124.4,
        "start": {"moved": false, "fromFileTime": 12.3456, "toFileTime": 12.3456,
                  "tempoBpm": 124.4, "keptBecause": "too far"},
        "end": {"moved": true, "fromFileTime": 95.1, "toFileTime": 95.0004, "tempoBpm": 124.4,
                "snappedTo": "bar"},
        "unit": "bar", "barRequestedBy": "note",
        "grid": {"trusted": true, "confidence": 0.9, "tempoBpm": 124.4, "firstBeatFileTime": 0.3,
                 "firstDownbeatFileTime": 1.265, "beatsPerBar": 4, "barsTrusted": true,
                 "barConfidence": 0.7}})"));
    EXPECT_EQ(tracks[0]["beatSnap"]["grid"]["barsTrusted"], false);
    EXPECT_FALSE(tracks[0]["beatSnap"]["grid"].contains("firstDownbeatFileTime"));
    EXPECT_EQ(tracks[0]["beatSnap"]["end"]["keptBecause"], "too far");
    expectNotesOfTwoSongs(readWholeFile(folder / "edit-notes.md"));
}

TEST(CompanionFiles, OneSongWithoutEndingHasEmptyChecks) {
    TemporaryFolder folder;
    renderer::writeCompanionFiles(finishedRender(folder.path(), 1));
    EXPECT_NE(readWholeFile(folder / "qc-report.json").find("\"transitionChecks\": []"),
              std::string::npos);
    const json analysis = testsupport::readJson(folder / "analysis-map.json");
    EXPECT_EQ(analysis["transitionChecks"], json::array());
    EXPECT_EQ(analysis["finalFadeOut"], false);
    EXPECT_EQ(analysis["finalEndingEffect"], "Off");
}

// The notes name a song whose cuts could not go where the job asked: one without a steady
// beat, and one whose bars were asked for by its note but are not clear.
TEST(CompanionFiles, TheNotesSayWhyCutsStayedOffTheBeatOrTheBar) {
    TemporaryFolder folder;
    FinishedRender render = finishedRender(folder.path(), 2);
    render.tracks[0].beatSnap.grid = renderer::TrackGrid{false, 0.2, 96.0, {}, {}, 0, 0.0};
    render.tracks[1].beatSnap.start.snappedTo = "beat";
    render.tracks[1].beatSnap.grid->firstDownbeatFileTime.reset();
    renderer::writeCompanionFiles(render);
    const std::string notes = readWholeFile(folder / "edit-notes.md");
    EXPECT_NE(notes.find("- Song 1 Opening Song: no steady beat found, so its cuts stay on the "
                         "nearest zero crossing.\n"),
              std::string::npos)
        << notes;
    EXPECT_NE(notes.find(": its note asks for the bar line, but its bar lines are not clear "
                         "enough to trust, so it is cut on the beat instead.\n"),
              std::string::npos)
        << notes;
}

TEST(CompanionFiles, ANonFiniteValueStopsTheSequenceAtThatFile) {
    TemporaryFolder folder;
    FinishedRender render = finishedRender(folder.path(), 2);
    render.tracks[0].firstNoteTime = std::nan("");
    EXPECT_THROW(renderer::writeCompanionFiles(render), renderer::RenderError);
    // The two files before it stay; neither it, nor a temporary of it, nor the notes exist.
    EXPECT_TRUE(fs::exists(folder / "qc-report.json"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 2);
}

// A German locale (decimal comma) is built for the test, so that text written or read through
// the process locale would show a comma or misread "2.5". Its character classes and collation
// are POSIX's: the German ones take seconds to build and play no part in numbers.
TEST(CommaDecimalLocale, ChangesNoNumberWrittenOrRead) {
    const std::filesystem::path localedef = testsupport::findProgram("localedef");
    ASSERT_FALSE(localedef.empty()) << testsupport::requiredProgramMessage("localedef");
    TemporaryFolder folder;
    std::string source;
    for (const std::string category :
         {"CTYPE", "COLLATE", "NUMERIC", "MONETARY", "TIME", "MESSAGES", "PAPER", "NAME", "ADDRESS",
          "TELEPHONE", "MEASUREMENT", "IDENTIFICATION"}) {
        const bool slow = category == "CTYPE" || category == "COLLATE";
        source += "LC_" + category + "\ncopy \"" + (slow ? "POSIX" : "de_DE") + "\"\nEND LC_" +
                  category + "\n";
    }
    rawwav::writeFile(folder / "de_DE.source", source);
    ASSERT_EQ(testsupport::runProgram(localedef, {"-i", (folder / "de_DE.source").string(), "-f",
                                                  "UTF-8", (folder / "de_DE.UTF-8").string()}),
              "")
        << "localedef could not build de_DE from the locales package (run scripts/install-deps)";

    const std::vector<TrackAnalysis> tracks = twoSongsWithEchoEnding();
    const renderer::EditNotes notes = {"Opening Song into Caf Closer - continuous DJ edit.mp3",
                                       149.649, common::FinalEndingEffect::echoFade, tracks, {}, {}, {}, {}};
    const std::string inTheCLocale = renderer::editNotesText(notes);
    ::setenv("LOCPATH", folder.path().c_str(), 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const std::string text = renderer::editNotesText(notes);
    const std::optional<double> point = renderer::parseTime("2.5");
    const std::optional<double> comma = renderer::parseTime("2,5");
    std::setlocale(LC_ALL, "C");
    ::unsetenv("LOCPATH");
    EXPECT_EQ(text, inTheCLocale);
    expectNotesOfTwoSongs(text);
    EXPECT_EQ(point, 2.5);
    EXPECT_FALSE(comma.has_value());
}

}  // namespace
