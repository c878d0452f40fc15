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
// apostrophe as "'", "%" as "percent", and "down beat", "bar line", "per cent", "semi tone" as
// one word each. A note splits into clauses at , ; . ! ? line breaks and the words "but" and
// "then" ("." and "," between digits, as in 1.30, do not split). A phrase counts when its words
// appear in a row; a negation earlier in the same clause ("not", "no", "never", "without",
// "avoid", "rather than", "instead of", any word ending in "n't" ...) excuses it, so "cut on the
// bar, not on the beat" asks for the bar and "don't cut on the bar" does not. "no later than"
// and "no more than" are limits, not negations.
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
// into" ask for a plain cut, except that a refused blend leaves an effect asked before it
// standing ("tape stop, no blend"); a refused cut ("not a hard cut") asks nothing. The last
// join request in the note wins.
//
// Effects at the song's end (join, also on the last song, where they are its ending), with
// endings as above ("braking", "pauses"): "tape stop", "power down", "power loss", "brake",
// "slow down and stop" (tapeStop); "backspin", "back spin", "rewind", "spinback", "spin back"
// (backspin); "scratch", "record scratch" (scratch; "from scratch" is none); "pause", "stop and
// pause" (pause, with a length read as a blend's: "pause for 2 beats", "a 2 second pause");
// "stutter", "glitch" (stutter); "echo out" (echoOut). A negation in their clause excuses them
// and asks nothing, not even a cut ("do not pause", "no scratch").
//
// A blend's length is a count and a unit in the blend's clause: digits ("8", "2.5", "4s"), the
// words one to thirty-two, "a"/"an" for one, "half a" for 0.5; beat(s), bar(s), measure(s) for
// bars, second(s), sec(s), s. It belongs to the blend when led by "over", "for", "across",
// "during", "within" or "lasting" anywhere in the clause ("blend into song 2 over 2 bars"), or
// when it stands right by the blend words ("8 beat blend", "4 second long crossfade",
// "crossfade a bar", "a blend of 2 bars") and is not followed by a place word ("crossfade 2 bars
// before the end"). Of several, the nearest wins. A length alone ("keep 8 bars of the intro"),
// a time ("1:30", "at 2.5") and a song number ("song 2") are no length. A cut has none, and of
// the effects only a pause has one.
//
// The segment's tempo (tempo; the last in the note wins, a negation in its clause excuses it):
// a number and "bpm" ("at 128 bpm", "to 128 bpm", "128bpm"), and "speed up to 128", "slow down
// to 120" (toBpm); "speed up" or "slow down" (also "speeding up" ...), "by" or not, followed
// by a percent ("speed up by 4 percent", "slow down 3 %"), and "4 % faster", "3 percent
// slower" (byPercent, signed; slower by 100 % or more is none); "match the tempo of song 2",
// "match the bpm of song 2", "match the speed of song 2", "match song 2's tempo" (matchSong).
// A change by so many BPM ("slow down by 4 bpm", "4 bpm faster") is none of these.
//
// Its key (semitones, signed; the last in the note wins, a negation in its clause excuses it):
// "up", "down", "higher" or "lower" before or after an interval: a count as for lengths, or
// none, of semitone(s), half step(s) (1 each) or whole step(s) (2 each): "up 2 semitones",
// "2 semitones up", "down a semitone", "a half step up" (+1), "down a whole step" (-2).
// After "pitch", "transpose", "key change" or "change the key" in the clause, a bare "step" is
// a whole step and a bare number is semitones ("key change up a step" +2, "pitch down 1"),
// unless a unit of another kind follows ("pitch up 3 bars later" is none).
//
// What only the outside agent does (needsAgent), read apart from the rules above as plain
// substrings of the lower-cased note with "-" and "_" as spaces (and the typographic apostrophe
// as "'"), so that "stem" also finds "system". Effect words are excused by a negation substring
// ("do not", "don't", "dont", "avoid", "without", "none of", "no " with its space) anywhere in
// their own clause, split at , ; . ! ? and line breaks only: "scratch" ("record scratch"),
// "pause" ("stop and pause"), "power down" ("power loss"), "tape stop", "slow down", "glitch".
// They are excused too wherever the reader took the same name in the note, asked or refused:
// the effects above take "tape stop", "power down" (also "power loss"), "scratch" (also
// "record scratch", "from scratch"), "pause" (also "stop and pause"), "glitch", and "slow down
// and stop" takes "slow down", as does any "slow down" in a clause that asks a tempo or refuses
// it. So "scratchy" still asks the agent for "scratch", and "slow down" alone for "slow down".
// Advanced words are never excused by a negation ("no stems" still needs more than the local
// engine): "bpm" (excused where the note's tempo was read), "pitch", "key change" (excused where
// its key was read), "internal", "stems" ("stem", "demucs"), "lyrics" ("whisper", "lyric
// lookup", "lyrics online", "look up lyrics", "online lyrics"), "section map", "vocal
// entrance", "first vocal" ("start on vocal", "enter on vocal"). Each name comes once, in the
// order the note first asks it. Blends, beatmatching, effects, tempo and key read above are the
// local engine's own.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace common {

enum class JoinStyle { cut, blend, tapeStop, backspin, scratch, pause, stutter, echoOut };

// How fast the song's segment should play.
struct TempoRequest {
    enum class Kind { toBpm, byPercent, matchSong };
    Kind kind = Kind::toBpm;
    double value = 0.0;  // the BPM, the signed percent (+4 plays 4 % faster), or a song's number

    friend bool operator==(const TempoRequest&, const TempoRequest&) = default;
};

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
    std::optional<JoinRequest> join;  // the join into the next song (or the last song's ending)
    std::optional<TempoRequest> tempo;
    std::optional<double> semitones;  // signed key change of the segment
    // What the local engine cannot do, each named once in the order the note asks it, in the
    // words a person reads ("first vocal", "tape stop", "stems" ...).
    std::vector<std::string> needsAgent;
};

NoteRequests readNoteRequests(std::string_view note);

}  // namespace common
