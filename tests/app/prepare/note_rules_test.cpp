#include <gtest/gtest.h>

#include "app/prepare/note_portion.h"
#include "app/songs/default_notes.h"
#include "app/songs/starter_guidance.h"
#include "common/note_requests.h"

namespace {

using app::prepare::customLocalEngineNotePortion;
using app::songs::noNoteGuidance;
using app::songs::starterGuidance;
using app::songs::wizardDefaultGuidance;

TEST(CustomLocalEngineNotePortion, KeepsWhatTheUserAddedAroundADefault) {
    EXPECT_EQ(customLocalEngineNotePortion(starterGuidance(0, 2) + " Cut on the downbeat", 0, 2),
              "Cut on the downbeat");
    EXPECT_EQ(customLocalEngineNotePortion("Keep the intro. " + noNoteGuidance(1, 3) + " End soft.",
                                           1, 3),
              "Keep the intro.  End soft.");
    // Case-sensitive, in the letter case typed.
    EXPECT_EQ(customLocalEngineNotePortion(starterGuidance(0, 1).toUpper(), 0, 1),
              starterGuidance(0, 1).toUpper());
    EXPECT_EQ(customLocalEngineNotePortion("  Fade After The Chorus ", 0, 1),
              "Fade After The Chorus");
}

// A default left from another position or song count (songs moved, narrowed or deleted)
// was never typed: its "End time" must not reach the job as the person's words.
TEST(CustomLocalEngineNotePortion, ADefaultOfAnyPositionAndCountIsNoNote) {
    for (int total = 1; total <= 3; ++total) {
        for (int index = 0; index < total; ++index) {
            for (const QString& text : {starterGuidance(index, total), noNoteGuidance(index, total),
                                        wizardDefaultGuidance(index, total)}) {
                EXPECT_TRUE(app::songs::isDefaultNote("\n " + text + " \r\n"));
                EXPECT_EQ(customLocalEngineNotePortion(text, 0, 2), "") << text.toStdString();
                EXPECT_EQ(customLocalEngineNotePortion("  " + text + "\n", index, total), "")
                    << text.toStdString();
            }
        }
    }
    for (const QString& typed :
         {QString(), QStringLiteral("   "), QStringLiteral("End time 0:02"),
          starterGuidance(0, 3) + " Then cut.", starterGuidance(0, 1).toLower()}) {
        EXPECT_FALSE(app::songs::isDefaultNote(typed)) << typed.toStdString();
    }
}

// The wizard's own notes describe the default edit in words near the reader's ("join song 2 on
// a clean beat/downbeat", "No note provided"): none of them may ask for anything.
TEST(DefaultNotes, AskTheNoteReaderForNothing) {
    for (int total = 1; total <= 3; ++total) {
        for (int index = 0; index < total; ++index) {
            for (const QString& text : {starterGuidance(index, total), noNoteGuidance(index, total),
                                        wizardDefaultGuidance(index, total)}) {
                const common::NoteRequests requests = common::readNoteRequests(text.toStdString());
                EXPECT_FALSE(requests.onTheBar) << text.toStdString();
                EXPECT_FALSE(requests.join.has_value()) << text.toStdString();
                EXPECT_TRUE(requests.needsAgent.empty()) << text.toStdString();
            }
        }
    }
}

}  // namespace
