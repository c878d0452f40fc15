#pragma once
// What a person's note for one song asks of its cuts and of the join out of it, read the same
// way by the wizard and the renderer. Plain words only: unknown words are ignored, and a note
// that asks for nothing gives the defaults.
//
//   const common::NoteRequests requests = common::readNoteRequests("blend over 2 bars");
//   if (requests.join && requests.join->style == common::JoinStyle::blend) ...
//   requests.join->length  // {2, LengthUnit::bars}
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
//
// The join (join): "blend", "crossfade", "cross fade", "mix into", "mix in", "beatmatch",
// "beat match", "smooth transition", "fade into", "fade in to", "fade out into", also with an
// ending ("blending", "crossfaded", "mixes into"), ask for a blend into the next song. "fade out"
// and "fade" alone speak of the ending, which has its own choice, and "segue" is what the
// gapless default already does: neither asks anything. A refused blend ("no blend", "don't
// crossfade", "cut instead of blending") and "hard cut", "just cut", "straight cut", "clean cut
// into" ask for a plain cut; a refused cut ("not a hard cut") asks nothing. The last join
// request in the note wins.
//
// A blend's length is a count and a unit in the blend's clause: digits ("8", "2.5", "4s"), the
// words one to thirty-two, "a"/"an" for one, "half a" for 0.5; beat(s), bar(s), measure(s) for
// bars, second(s), sec(s), s. It belongs to the blend when led by "over", "for", "across",
// "during", "within" or "lasting" anywhere in the clause ("blend into song 2 over 2 bars"), or
// when it stands right by the blend words ("8 beat blend", "4 second long crossfade",
// "crossfade a bar", "a blend of 2 bars") and is not followed by a place word ("crossfade 2 bars
// before the end"). Of several, the nearest wins. A length alone ("keep 8 bars of the intro"),
// a time ("1:30", "at 2.5") and a song number ("song 2") are no length. A cut has none.
//
// What only the outside agent does (needsAgent), read apart from the rules above as plain
// substrings of the lower-cased note with "-" and "_" as spaces (and the typographic apostrophe
// as "'"), so that "stem" also finds "system" and "pause" finds "pauses". Effects are excused
// by a negation substring ("do not", "don't", "dont", "avoid", "without", "none of", "no "
// with its space) anywhere in their own clause, split at , ; . ! ? and line breaks only:
// "scratch" ("record scratch"), "pause" ("stop and pause"), "power down" ("power loss"),
// "tape stop", "slow down", "glitch". Advanced words are never excused ("no stems" still needs
// more than the local engine): "bpm", "pitch", "key change", "internal", "stems" ("stem",
// "demucs"), "lyrics" ("whisper", "lyric lookup", "lyrics online", "look up lyrics", "online
// lyrics"), "section map", "vocal entrance", "first vocal" ("start on vocal", "enter on
// vocal"). Each name comes once, in the order the note first asks it. Blends and beatmatching
// are the local engine's own (join).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace common {

enum class JoinStyle { cut, blend };

enum class LengthUnit { beats, bars, seconds };

struct RequestLength {
    double count = 0.0;  // > 0
    LengthUnit unit = LengthUnit::beats;

    friend bool operator==(const RequestLength&, const RequestLength&) = default;
};

struct JoinRequest {
    JoinStyle style = JoinStyle::cut;
    std::optional<RequestLength> length;  // only as written; absent gives the engine's default

    friend bool operator==(const JoinRequest&, const JoinRequest&) = default;
};

struct NoteRequests {
    bool onTheBar = false;            // the note asks for cuts on the bar line
    std::optional<JoinRequest> join;  // the join from this song into the next, when asked
    // What the local engine cannot do, each named once in the order the note asks it, in the
    // words a person reads ("first vocal", "tape stop", "stems" ...).
    std::vector<std::string> needsAgent;
};

NoteRequests readNoteRequests(std::string_view note);

}  // namespace common
