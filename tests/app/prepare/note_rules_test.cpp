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

TEST(AdvancedRequest, EffectWordsFailUnlessNegated) {
    EXPECT_FALSE(asksForAdvancedRequest(""));
    EXPECT_FALSE(asksForAdvancedRequest("fade out after the chorus"));
    EXPECT_FALSE(asksForAdvancedRequest("Cut on the downbeat"));
    EXPECT_TRUE(asksForAdvancedRequest("record-scratch into song 2"));
    EXPECT_TRUE(asksForAdvancedRequest("Tape_Stop at the end"));
    EXPECT_TRUE(asksForAdvancedRequest("two pauses"));
    EXPECT_FALSE(asksForAdvancedRequest("do not pause"));
    EXPECT_FALSE(asksForAdvancedRequest("No glitch please"));
    EXPECT_FALSE(asksForAdvancedRequest("avoid a power-down feel"));
    EXPECT_TRUE(asksForAdvancedRequest("nope, glitch it"));  // "no" needs its trailing space
}

TEST(AdvancedRequest, AdvancedWordsIgnoreNegation) {
    EXPECT_TRUE(asksForAdvancedRequest("no beat match"));
    EXPECT_TRUE(asksForAdvancedRequest("no beat-match"));
    EXPECT_TRUE(asksForAdvancedRequest("system check"));  // "stem"
    EXPECT_TRUE(asksForAdvancedRequest("don't change the BPM"));
    EXPECT_TRUE(asksForAdvancedRequest("start on vocal"));
    EXPECT_TRUE(asksForAdvancedRequest("cut internally"));
    EXPECT_TRUE(asksForAdvancedRequest("without pitch shift"));
}

}  // namespace
