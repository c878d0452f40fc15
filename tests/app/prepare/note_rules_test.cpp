#include <gtest/gtest.h>

#include "app/prepare/advanced_request.h"
#include "app/prepare/note_portion.h"
#include "app/songs/starter_guidance.h"

namespace {

using app::prepare::asksForAdvancedRequest;
using app::prepare::customFastTimeNotePortion;
using app::prepare::noNoteGuidance;
using app::prepare::wizardDefaultGuidance;
using app::songs::starterGuidance;

TEST(CustomFastTimeNotePortion, DefaultTextsOfThePositionCountAsNoNote) {
    for (int total = 1; total <= 3; ++total) {
        for (int index = 0; index < total; ++index) {
            EXPECT_EQ(customFastTimeNotePortion(starterGuidance(index, total), index, total), "");
            EXPECT_EQ(customFastTimeNotePortion(noNoteGuidance(index, total), index, total), "");
            EXPECT_EQ(customFastTimeNotePortion("  " + wizardDefaultGuidance(index, total) + "\n",
                                                index, total),
                      "");
        }
    }
}

TEST(CustomFastTimeNotePortion, KeepsWhatTheUserAddedAroundADefault) {
    EXPECT_EQ(customFastTimeNotePortion(starterGuidance(0, 2) + " Cut on the downbeat", 0, 2),
              "Cut on the downbeat");
    EXPECT_EQ(
        customFastTimeNotePortion("Keep the intro. " + noNoteGuidance(1, 3) + " End soft.", 1, 3),
        "Keep the intro.  End soft.");
    // Another position's default is the user's text here.
    EXPECT_EQ(customFastTimeNotePortion(starterGuidance(1, 2), 0, 2), starterGuidance(1, 2));
    // Case-sensitive, in the letter case typed.
    EXPECT_EQ(customFastTimeNotePortion(starterGuidance(0, 1).toUpper(), 0, 1),
              starterGuidance(0, 1).toUpper());
    EXPECT_EQ(customFastTimeNotePortion("  Fade After The Chorus ", 0, 1), "Fade After The Chorus");
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

}  // namespace
