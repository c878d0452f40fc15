#include "common/note_requests.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

struct NoteCase {
    std::string note;
    bool onTheBar;
};

// What each note asks of its cuts. Grouped: the phrases and their spellings, what is not a
// request, negations in and out of their clause, and the wizard's own starter notes.
const std::vector<NoteCase> kNotes = {
    // The phrases, in any case, with "-" and "_" as spaces.
    {"end on the downbeat", true},
    {"Start ON A DOWNBEAT", true},
    {"exit on the next down-beat", true},
    {"exit on the next downbeat", true},
    {"first down beat", true},
    {"drop in on the one", true},
    {"on the 1", true},
    {"cut on the bar", true},
    {"cut on the bar line into song 2", true},
    {"on_the_barline", true},
    {"land on a bar", true},
    {"on the next bar after the hook", true},
    {"stop at the bar", true},
    {"at a bar line please", true},
    {"at a bar-line", true},
    {"on the bar 17", true},
    {"at the next bar", true},
    {"hand over on a clean downbeat", true},
    {"on the next clean bar line", true},
    {"end of the nearest phrase", true},
    {"first clean downbeat", true},
    {"end-of-the-bar", true},
    {"at the end of a bar", true},
    {"at the end of the phrase", true},
    {"end of a phrase", true},
    {"start on the first downbeat of the verse", true},
    {"first-downbeat", true},
    {"keep the horns\non the downbeat", true},
    // Not requests: the words apart, a lone downbeat, a time, an idiom, other bars.
    {"", false},
    {"keep the downbeat", false},
    {"on the beat", false},
    {"on the nearest beat", false},
    {"on the next one", false},
    {"on the clean 1", false},
    {"on the nearest clean beat/bar/downbeat", false},
    {"first true opening downbeat", false},
    {"cut on the 1:30 mark", false},
    {"cut on the 1.30 mark", false},
    {"on the 10", false},
    {"on the one hand, keep it short", false},
    {"on the one hand", false},
    {"sidebar on the left", false},
    {"on the barrel roll", false},
    {"the bar", false},
    {"down on the beat", false},
    {"bar line", false},
    {"end of the barbershop bit", false},
    {"Über den Takt on the downbeat", true},
    // A negation excuses only what follows it in its own clause.
    {"not on the downbeat", false},
    {"don't cut on the bar", false},
    {"don\xE2\x80\x99t cut on the bar", false},
    {"dont cut on the bar", false},
    {"never on the one", false},
    {"no cut on the bar", false},
    {"end on the beat rather than on the bar", false},
    {"on the beat instead of at the bar", false},
    {"avoid the end of the phrase", false},
    {"the chorus doesn't end on the downbeat", false},
    {"on the downbeat, not the beat", true},
    {"not the beat, on the downbeat", true},
    {"not on the beat; on the bar", true},
    {"not the beat. On the bar", true},
    {"no fade but on the bar", true},
    {"not too early then on the one", true},
    {"on the downbeat with no fade", true},
    {"no later than the end of the bar", true},
    {"no more than half a beat, on the bar", true},
    {"fade out, not on the bar", false},
};

TEST(NoteRequests, ReadsTheBarLinePhrasesAndTheirNegations) {
    for (const NoteCase& entry : kNotes) {
        EXPECT_EQ(common::readNoteRequests(entry.note).onTheBar, entry.onTheBar)
            << "\"" << entry.note << "\"";
    }
}

}  // namespace
