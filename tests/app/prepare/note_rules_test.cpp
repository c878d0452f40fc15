#include <gtest/gtest.h>

#include "app/prepare/advanced_request.h"
#include "app/prepare/note_portion.h"
#include "app/songs/default_notes.h"
#include "app/songs/starter_guidance.h"

namespace {

using app::prepare::asksForAdvancedRequest;
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

TEST(AdvancedRequest, EffectsFailUnlessNegatedAndAdvancedWordsAlwaysFail) {
    for (const char* plain :
         {"", "Cut on the downbeat", "No glitch please", "avoid a power-down"}) {
        EXPECT_FALSE(asksForAdvancedRequest(plain)) << plain;
    }
    // "no" needs its trailing space; hyphens and underscores read as spaces.
    for (const char* advanced : {"Tape_Stop at the end", "two pauses", "nope, glitch it",
                                 "no beat-match", "don't change the BPM", "without pitch shift"}) {
        EXPECT_TRUE(asksForAdvancedRequest(advanced)) << advanced;
    }
}

// A negation excuses the effect words of its own clause only.
TEST(AdvancedRequest, ANegationCoversOnlyItsOwnClause) {
    for (const char* excused :
         {"do not pause", "no pause, just cut", "cut here; no glitch",
          "avoid the scratch!\nend on the bar", "Keep it clean. Don't pause"}) {
        EXPECT_FALSE(asksForAdvancedRequest(excused)) << excused;
    }
    for (const char* asked :
         {"tape stop into song 2, no gap", "record scratch here; avoid clicks",
          "no gap. glitch the end", "power down at 1:30? no fade", "slow down\ndon't rush",
          "no gap! pause", "do not worry, beat match it"}) {
        EXPECT_TRUE(asksForAdvancedRequest(asked)) << asked;
    }
}

}  // namespace
