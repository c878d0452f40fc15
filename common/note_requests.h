#pragma once
// What a person's note for one song asks of its cuts, read the same way by the wizard and the
// renderer. Plain words only: unknown words are ignored, and a note that asks for nothing
// gives the defaults.
//
//   const common::NoteRequests requests = common::readNoteRequests("end on the downbeat");
//   if (requests.onTheBar) ...  // snap this song's cuts to its bar lines
//
// Reading rules: ASCII letters in any case; "-" and "_" read as spaces, the typographic
// apostrophe as "'", "down beat" as "downbeat" and "bar line" as "barline". A note splits into
// clauses at , ; . ! ? line breaks and the words "but" and "then" ("." and "," between digits,
// as in 1.30, do not split). A phrase counts when its words appear in a row; a negation earlier
// in the same clause ("not", "no", "never", "without", "avoid", "rather than", "instead of",
// any word ending in "n't" ...) excuses it, so "cut on the bar, not on the beat" asks for the
// bar and "don't cut on the bar" does not. "no later than" and "no more than" are limits, not
// negations.
//
// The bar line (onTheBar): "on the downbeat", "on a downbeat", "on the one", "on the 1",
// "on the bar", "on the bar line", "on a bar", "at the bar", "at a bar", "end of the bar",
// "end of a bar", "end of the phrase", "end of a phrase", "first downbeat". "next", "nearest",
// "closest", "clean", "following" or "strong" may stand before "downbeat", "bar" or "phrase"
// ("on the next clean downbeat"). "downbeat" alone is no request: the wizard's starter notes
// speak of the "first true opening downbeat" and "the nearest clean beat/bar/downbeat", which
// describe the default cut, not a wish for the bar line.

#include <string_view>

namespace common {

struct NoteRequests {
    bool onTheBar = false;  // the note asks for cuts on the bar line
};

NoteRequests readNoteRequests(std::string_view note);

}  // namespace common
