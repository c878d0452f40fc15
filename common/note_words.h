#pragma once
// The words of a person's note as the note reader (note_requests.h) sees them: clauses of
// lower-case words, negations, word endings and counts. Internal to the reader.
//
//   for (const Words& clause : clauses("Blend over 2 bars, but not on the beat")) ...
//   // {"blend", "over", "2", "bars"}, {"not", "on", "the", "beat"}

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace common::note_words {

using Words = std::vector<std::string>;

template <size_t N>
bool isAnyOf(std::string_view word, const std::string_view (&words)[N]) {
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

// Lower case, "-" and "_" as spaces, the typographic apostrophes as "'".
std::string normalized(std::string_view note);

// The note's clauses, split at , ; . ! ? line breaks, "but" and "then", each as its words. "%"
// is the word "percent"; "down beat", "bar line", "per cent" and "semi tone" are one word.
std::vector<Words> clauses(std::string_view note);

// A phrase's words: "on the bar" is {"on", "the", "bar"}.
Words split(std::string_view phrase);

// Whether the words of `phrase` stand in the clause from `at` on, exactly.
bool startsAt(const Words& clause, size_t at, std::string_view phrase);

// Whether a negation ("not", "never", "instead of", a word ending in "n't" ...) starts at `at`.
bool isNegationAt(const Words& clause, size_t at);

// "blends", "blended", "blending", "crossfading", "mixes", "faded" are forms of their base.
bool isFormOf(std::string_view word, std::string_view base);

// The number of words the phrase takes at `at`, each word in any form, 0 where it does not
// start there.
size_t phraseFormsAt(const Words& clause, size_t at, std::string_view phrase);

struct Count {
    double value = 0.0;
    size_t words = 0;
};

// Digits ("8", "2.5", "1,5") without the locale; a time ("1:30") is none.
std::optional<double> digitCount(std::string_view word);

// A count at `at`: digits, the words one to thirty-two, "a"/"an" for one, "half a" for 0.5.
std::optional<Count> countAt(const Words& clause, size_t at);

// A count written as digits or number words only, as a tempo or a song's number is.
std::optional<Count> numberAt(const Words& clause, size_t at);

}  // namespace common::note_words
