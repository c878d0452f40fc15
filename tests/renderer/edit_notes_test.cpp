#include "renderer/edit_notes.h"

#include <gtest/gtest.h>

#include <clocale>
#include <vector>

#include "tests/support/test_files.h"

namespace {

using renderer::EditNotes;
using renderer::TrackAnalysis;

std::vector<TrackAnalysis> twoSongsWithEchoEnding() {
    TrackAnalysis first;
    first.track = 1;
    first.name = "Opening Song";
    first.requestedStart = 0;
    first.requestedEnd = 62.5;
    first.endReason = "note_time";
    first.selectedStartFileTime = 1.2004;
    first.selectedEndFileTime = 63.7;
    first.firstNoteTime = 1.2;

    TrackAnalysis last;
    last.track = 2;
    last.name = "Caf\u00e9 / Closer";
    last.requestedStart = 12.3456;
    last.requestedEnd = 95;
    last.endReason = "typed_time";
    last.selectedStartFileTime = 12.3456;
    last.selectedEndFileTime = 95.0004;
    last.firstNoteTime = 0.0;
    last.finalFadeStartFileTime = 95.0004;
    last.renderedEndFileTime = 99.0004;
    last.finalEndingEffect = "Echo/Fade";
    return {first, last};
}

const char* const kExpectedNotes =
    "# Tunewright Edit Notes\n"
    "\n"
    "Renderer: Tunewright local engine.\n"
    "Output: Opening Song into Caf Closer - continuous DJ edit.mp3\n"
    "Duration: 149.65 seconds\n"
    "Final ending effect: Echo/Fade\n"
    "\n"
    "Why AI fallback was not used:\n"
    "The local engine found usable timing and audio-continuity decisions without external AI "
    "assistance.\n"
    "\n"
    "Cut points:\n"
    "- Song 1 Opening Song: requested start 0.00s; end target 62.50s from musical zero "
    "(note_time); selected file 1.200s to 63.700s; first-note offset 1.200s.\n"
    "- Song 2 Caf\u00e9 / Closer: requested start 12.35s; end target 95.00s from musical zero "
    "(typed_time); selected file 12.346s to 95.000s; first-note offset 0.000s. Echo/Fade "
    "starts at 95.000s and renders through 99.000s.\n"
    "\n"
    "QC:\n"
    "- Exported one 320 kbps MP3.\n"
    "- Used first-note detection, zero-crossing placement, and short de-click ramps at edit "
    "edges.\n"
    "- Checked the first 0.20 seconds after every join for dead air.\n"
    "- Normalized peak level to avoid clipping.\n";

EditNotes notesFor(const std::vector<TrackAnalysis>& tracks) {
    return {.outputFileName = "Opening Song into Caf Closer - continuous DJ edit.mp3",
            .durationSeconds = 149.649,
            .effect = common::FinalEndingEffect::echoFade,
            .tracks = tracks};
}

TEST(EditNotes, ListsEveryLineWithTheEndingSuffixOnlyOnTheLastSong) {
    testsupport::TemporaryFolder folder;
    const auto tracks = twoSongsWithEchoEnding();
    renderer::writeEditNotes(notesFor(tracks), folder / "edit-notes.md");
    // Exactly one "\n" after the last line, none missing between them.
    EXPECT_EQ(testsupport::readWholeFile(folder / "edit-notes.md"), kExpectedNotes);
}

TEST(EditNotes, DecimalsUseAPointWhateverTheLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed here, so the comma-decimal "
                        "case cannot be checked (locale-gen de_DE.UTF-8 enables it)";
    }
    const auto tracks = twoSongsWithEchoEnding();
    const std::string text = renderer::editNotesText(notesFor(tracks));
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(text, kExpectedNotes);
}

}  // namespace
