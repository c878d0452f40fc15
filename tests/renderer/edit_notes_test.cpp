#include "renderer/edit_notes.h"

#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <vector>

#include "common/subprocess.h"
#include "renderer/time_targets.h"
#include "tests/support/test_files.h"

namespace {

using renderer::EditNotes;
using renderer::TrackAnalysis;

// Times that round at the third and second decimals, and a name that is not ASCII.
std::vector<TrackAnalysis> twoSongsWithEchoEnding() {
    return {TrackAnalysis{.track = 1,
                          .name = "Opening Song",
                          .path = {},
                          .firstNoteTime = 1.2,
                          .requestedStart = 0,
                          .requestedEnd = 62.5,
                          .endReason = "note_time",
                          .selectedStartFileTime = 1.2004,
                          .selectedEndFileTime = 63.7,
                          .finalFadeStartFileTime = {},
                          .note = {}},
            TrackAnalysis{.track = 2,
                          .name = "Caf\u00e9 / Closer",
                          .path = {},
                          .firstNoteTime = 0.0,
                          .requestedStart = 12.3456,
                          .requestedEnd = 95,
                          .endReason = "typed_time",
                          .selectedStartFileTime = 12.3456,
                          .selectedEndFileTime = 95.0004,
                          .renderedEndFileTime = 99.0004,
                          .finalFadeStartFileTime = 95.0004,
                          .finalEndingEffect = "Echo/Fade",
                          .note = {}}};
}

const char* const kExpectedNotes =
    "# Tunewright Edit Notes\n\nRenderer: Tunewright local engine.\n"
    "Output: Opening Song into Caf Closer - continuous DJ edit.mp3\n"
    "Duration: 149.65 seconds\nFinal ending effect: Echo/Fade\n\n"
    "Why AI fallback was not used:\nThe local engine found usable timing and audio-continuity "
    "decisions without external AI assistance.\n\n"
    "Cut points:\n"
    "- Song 1 Opening Song: requested start 0.00s; end target 62.50s from musical zero "
    "(note_time); selected file 1.200s to 63.700s; first-note offset 1.200s.\n"
    "- Song 2 Caf\u00e9 / Closer: requested start 12.35s; end target 95.00s from musical zero "
    "(typed_time); selected file 12.346s to 95.000s; first-note offset 0.000s. Echo/Fade "
    "starts at 95.000s and renders through 99.000s.\n\n"
    "QC:\n- Exported one 320 kbps MP3.\n- Used first-note detection, zero-crossing placement, "
    "and short de-click ramps at edit edges.\n- Checked the first 0.20 seconds after every join "
    "for dead air.\n- Normalized peak level to avoid clipping.\n";

EditNotes notesFor(const std::vector<TrackAnalysis>& tracks) {
    return {.outputFileName = "Opening Song into Caf Closer - continuous DJ edit.mp3",
            .durationSeconds = 149.649,
            .effect = common::FinalEndingEffect::echoFade,
            .tracks = tracks};
}

TEST(EditNotes, ListsEveryLineWithTheEndingSuffixOnlyOnTheLastSong) {
    testsupport::TemporaryFolder folder;
    renderer::writeEditNotes(notesFor(twoSongsWithEchoEnding()), folder / "edit-notes.md");
    // Exactly one "\n" after the last line, none missing between them.
    EXPECT_EQ(testsupport::readWholeFile(folder / "edit-notes.md"), kExpectedNotes);
}

// A German locale (decimal comma) is built for the test, so that text written or read through
// the process locale would show a comma or misread "2.5".
TEST(CommaDecimalLocale, ChangesNoNumberWrittenOrRead) {
    const std::filesystem::path localedef = testsupport::findProgram("localedef");
    ASSERT_FALSE(localedef.empty()) << testsupport::requiredProgramMessage("localedef");
    testsupport::TemporaryFolder folder;
    common::SubprocessOptions options;
    options.executable = localedef.string();
    options.arguments = {"-i", "de_DE", "-f", "UTF-8", (folder / "de_DE.UTF-8").string()};
    const common::CapturedRun built = common::runAndCapture(options, 1 << 16);
    ASSERT_TRUE(!built.startError && built.status.succeeded())
        << "localedef could not build de_DE from the locales package (run scripts/install-deps): "
        << built.output;

    ::setenv("LOCPATH", folder.path().c_str(), 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const std::string text = renderer::editNotesText(notesFor(twoSongsWithEchoEnding()));
    const std::optional<double> point = renderer::parseTime("2.5");
    const std::optional<double> comma = renderer::parseTime("2,5");
    std::setlocale(LC_ALL, "C");
    ::unsetenv("LOCPATH");
    EXPECT_EQ(text, kExpectedNotes);
    EXPECT_EQ(point, 2.5);
    EXPECT_FALSE(comma.has_value());
}

}  // namespace
