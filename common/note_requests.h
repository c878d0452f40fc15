#pragma once
// What a person's note for one song asks of its cuts and of the join out of it, read the same
// way by the wizard and the renderer. Plain words only: unknown words are ignored, and a note
// that asks for nothing gives the defaults.
//
//   const common::NoteRequests requests = common::readNoteRequests("blend into song 2 over 2 bars");
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
// The join (join): "blend", "crossfade", "cross fade", "mix into", "beatmatch", "beat match",
// "smooth transition", "fade into" ask for a blend into the next song; a negated one ("no blend,
// just cut") and "hard cut", "just cut", "straight cut" ask for a plain cut. Its length, in the
// same clause: "over 8 beats", "over 2 bars", "for 4 seconds", "8 beat blend", "a bar",
// numbers as digits or as words from one to thirty-two. The last join request in the note wins.
//
// What only the outside agent does (needsAgent): effects ("tape stop", "scratch", "pause", ...,
// excused by a negation in their clause) and advanced requests ("first vocal", "stems", "bpm",
// "pitch", "key change", ..., never excused: "no stems" still needs more than the local engine).

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
    // words a person reads ("first vocal", "tape stop", "stems", "tempo change" ...).
    std::vector<std::string> needsAgent;
};

NoteRequests readNoteRequests(std::string_view note);

}  // namespace common
