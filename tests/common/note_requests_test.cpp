#include "common/note_requests.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace common {

void PrintTo(const JoinRequest& join, std::ostream* out) {
    constexpr const char* kStyles[] = {"cut",     "blend", "tapeStop", "backspin",
                                       "scratch", "pause", "stutter",  "echoOut"};
    *out << kStyles[static_cast<int>(join.style)];
    if (join.length) {
        constexpr const char* kUnits[] = {"beats", "bars", "seconds"};
        *out << " " << join.length->count << " " << kUnits[static_cast<int>(join.length->unit)];
    }
}

void PrintTo(const TempoRequest& tempo, std::ostream* out) {
    constexpr const char* kKinds[] = {"toBpm", "byPercent", "matchSong"};
    *out << kKinds[static_cast<int>(tempo.kind)] << " " << tempo.value;
}

}  // namespace common

namespace {

using common::JoinRequest;
using common::JoinStyle;
using common::LengthUnit;
using common::TempoRequest;

// A constructor, not an aggregate, so that most rows can leave the rest out.
struct NoteCase {
    NoteCase(std::string note, bool onTheBar, std::optional<JoinRequest> join = std::nullopt,
             std::vector<std::string> needsAgent = {},
             std::optional<TempoRequest> tempo = std::nullopt,
             std::optional<double> semitones = std::nullopt)
        : note(std::move(note)),
          onTheBar(onTheBar),
          join(std::move(join)),
          needsAgent(std::move(needsAgent)),
          tempo(tempo),
          semitones(semitones) {}

    std::string note;
    bool onTheBar;
    std::optional<JoinRequest> join;
    std::vector<std::string> needsAgent;
    std::optional<TempoRequest> tempo;
    std::optional<double> semitones;
};

const JoinRequest kCut{JoinStyle::cut, std::nullopt};
const JoinRequest kBlend{JoinStyle::blend, std::nullopt};
const JoinRequest kTapeStop{JoinStyle::tapeStop, std::nullopt};
const JoinRequest kBackspin{JoinStyle::backspin, std::nullopt};
const JoinRequest kScratch{JoinStyle::scratch, std::nullopt};
const JoinRequest kPause{JoinStyle::pause, std::nullopt};
const JoinRequest kStutter{JoinStyle::stutter, std::nullopt};
const JoinRequest kEchoOut{JoinStyle::echoOut, std::nullopt};

JoinRequest blend(double count, LengthUnit unit) {
    return JoinRequest{JoinStyle::blend, common::RequestLength{count, unit}};
}

JoinRequest pause(double count, LengthUnit unit) {
    return JoinRequest{JoinStyle::pause, common::RequestLength{count, unit}};
}

TempoRequest toBpm(double bpm) { return {TempoRequest::Kind::toBpm, bpm}; }
TempoRequest byPercent(double percent) { return {TempoRequest::Kind::byPercent, percent}; }
TempoRequest matchSong(int number) { return {TempoRequest::Kind::matchSong, double(number)}; }

// What each note asks. Grouped: the bar line's phrases and spellings, what is not a request,
// negations in and out of their clause; then the join, its lengths and what is none; then what
// only the outside agent does, alone and beside what the local engine does; then the effects at
// a song's end, the tempo and the key.
const std::vector<NoteCase> kNotes = {
    // The phrases, in any case, with "-" and "_" as spaces.
    {"end on the downbeat", true},
    {"Start ON A DOWNBEAT", true},
    {"exit on the next down-beat", true},
    {"first down beat", true},
    {"drop in on the one", true},
    {"on the 1", true},
    {"cut on the bar", true},
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
    // The join: its phrases in any case and spelling; the ending's fade and a segue ask nothing.
    {"blend into song 2", false, kBlend},
    {"Crossfade into the next song", false, kBlend},
    {"CROSS-FADE it", false, kBlend},
    {"blending into the hook", false, kBlend},
    {"mix into song 3", false, kBlend},
    {"mix in the next track", false, kBlend},
    {"beat_match into song 2", false, kBlend},
    {"beatmatched", false, kBlend},
    {"a smooth transition please", false, kBlend},
    {"fade into song 2", false, kBlend},
    {"fade in to song 2", false, kBlend},
    {"fading into the next song", false, kBlend},
    {"fade out into song 2", false, kBlend},
    {"fade out at the end", false},
    {"fade the ending over 8 beats", false},
    {"fade in", false},
    {"segue into song 2", false},
    {"blender intro", false},
    {"hard cut into song 2", false, kCut},
    {"just cut", false, kCut},
    {"Straight-cut to the drop", false, kCut},
    {"clean cut into song 2", false, kCut},
    {"clean cut", false},
    // A refused blend is a cut, a refused cut nothing; the last request wins.
    {"no blend, just cut", false, kCut},
    {"don't crossfade", false, kCut},
    {"cut instead of blending over 8 beats", false, kCut},
    {"not a hard cut", false},
    {"not a hard cut, a smooth transition", false, kBlend},
    {"blend over 8 beats rather than a hard cut", false, blend(8, LengthUnit::beats)},
    {"hard cut. No, blend over 2 bars", false, blend(2, LengthUnit::bars)},
    {"blend over 2 bars, then a hard cut", false, kCut},
    {"no fade but blend", false, kBlend},
    // Lengths in every unit and spelling, before and after the blend words.
    {"blend over 8 beats", false, blend(8, LengthUnit::beats)},
    {"crossfade into song 2 over 2 bars", false, blend(2, LengthUnit::bars)},
    {"blend into song 2 for 4 seconds", false, blend(4, LengthUnit::seconds)},
    {"4 second crossfade", false, blend(4, LengthUnit::seconds)},
    {"an 8-beat blend", false, blend(8, LengthUnit::beats)},
    {"crossfade 16 beats", false, blend(16, LengthUnit::beats)},
    {"crossfade a bar", false, blend(1, LengthUnit::bars)},
    {"a blend of one measure", false, blend(1, LengthUnit::bars)},
    {"blend over two measures", false, blend(2, LengthUnit::bars)},
    {"blend over twenty-four beats", false, blend(24, LengthUnit::beats)},
    {"blend for thirty two beats", false, blend(32, LengthUnit::beats)},
    {"blend for thirty three beats", false, kBlend},
    {"blend over half a bar", false, blend(0.5, LengthUnit::bars)},
    {"half a bar crossfade", false, blend(0.5, LengthUnit::bars)},
    {"blend for 2.5 sec", false, blend(2.5, LengthUnit::seconds)},
    {"4s crossfade", false, blend(4, LengthUnit::seconds)},
    {"a 3 secs long blend", false, blend(3, LengthUnit::seconds)},
    {"play it for 30 seconds and blend over 8 beats", false, blend(8, LengthUnit::beats)},
    // No lengths: alone, a time, a song number, a place, the bar line, a cut.
    {"keep 8 bars of the intro", false},
    {"keep 8 bars of the intro and blend into song 2", false, kBlend},
    {"blend at 1:30", false, kBlend},
    {"blend at 2.5", false, kBlend},
    {"crossfade 2 bars before the end", false, kBlend},
    {"blend on a bar", true, kBlend},
    {"no 8 bar blend", false, kCut},
    // What only the outside agent does: advanced words always, as substrings ("system"), each
    // name once, in note order; effect words the reader does not take ("scratchy") unless
    // refused in their clause.
    {"don't change the BPM", false, {}, {"bpm"}},
    {"without pitch shift", false, {}, {"pitch"}},
    {"no stems", false, {}, {"stems"}},
    {"system check", false, {}, {"stems"}},
    {"keep the scratchy intro", false, {}, {"scratch"}},
    {"no scratchy intro", false},
    {"slow down\ndon't rush", false, {}, {"slow down"}},
    {"whisper the words, look up lyrics online", false, {}, {"lyrics"}},
    {"demucs the vocals, key change, section map",
     false,
     {},
     {"stems", "key change", "section map"}},
    {"start on vocal after the internal bridge", false, {}, {"first vocal", "internal"}},
    {"wait for the vocal entrance", false, {}, {"vocal entrance"}},
    // The local engine's join beside the agent's requests.
    {"no beat-match", false, kCut},
    {"do not worry, beat match it", false, kBlend},
    {"blend into song 2 on the first vocal", false, kBlend, {"first vocal"}},
    {"enter on vocal; crossfade over 4 beats, no scratch",
     false,
     blend(4, LengthUnit::beats),
     {"first vocal"}},
    {"tape stop, then start on the first vocal", false, kTapeStop, {"first vocal"}},
    {"backspin the stems", false, kBackspin, {"stems"}},
    {"tape stop, then blend on the bar over 2 bars", true, blend(2, LengthUnit::bars)},
    // Effects at the song's end, in every phrase and spelling; a pause's length as a blend's.
    {"Tape_Stop at the end", false, kTapeStop},
    {"tape stop into song 2, no gap", false, kTapeStop},
    {"avoid a gap, power-down", false, kTapeStop},
    {"power loss at 1:30? no fade", false, kTapeStop},
    {"braking into song 2", false, kTapeStop},
    {"slow down and stop", false, kTapeStop},
    {"back-spin into song 2", false, kBackspin},
    {"rewind it", false, kBackspin},
    {"spinback", false, kBackspin},
    {"spin back out", false, kBackspin},
    {"record scratch here; avoid clicks", false, kScratch},
    {"scratching", false, kScratch},
    {"start from scratch", false},
    {"two pauses", false, kPause},
    {"pause? no", false, kPause},
    {"stop and pause, then pause again", false, kPause},
    {"pause for 2 beats", false, pause(2, LengthUnit::beats)},
    {"pause for a beat", false, pause(1, LengthUnit::beats)},
    {"stop and pause for 1 bar", false, pause(1, LengthUnit::bars)},
    {"a 2 second pause", false, pause(2, LengthUnit::seconds)},
    {"stutter over 2 beats", false, kStutter},
    {"nope, glitch it", false, kStutter},
    {"no gap. glitch the end", false, kStutter},
    {"echo out into song 3", false, kEchoOut},
    // A refused effect asks nothing, not even a cut, and its word needs no agent; a refused
    // blend does not undo an effect, a later request does.
    {"do not pause", false},
    {"don\xE2\x80\x99t pause", false},
    {"Keep it clean. Don't pause", false},
    {"No glitch please", false},
    {"never glitch it", false},
    {"cut here; no scratch", false},
    {"avoid the scratch!\nend on the bar", true},
    {"don't rewind", false},
    {"hard cut, no echo out", false, kCut},
    {"tape stop, no blend", false, kTapeStop},
    {"echo out instead of a crossfade", false, kEchoOut},
    {"no blend, tape stop", false, kTapeStop},
    {"tape stop. no, blend over 4 beats", false, blend(4, LengthUnit::beats)},
    // The tempo: to a BPM, by a percent, another song's; "slow down" alone is the agent's.
    {"at 128 bpm", false, {}, {}, toBpm(128)},
    {"to 127.5 BPM", false, {}, {}, toBpm(127.5)},
    {"128bpm", false, {}, {}, toBpm(128)},
    {"speed up to 128", false, {}, {}, toBpm(128)},
    {"slow down to 120", false, {}, {}, toBpm(120)},
    {"speed up 4 %", false, {}, {}, byPercent(4)},
    {"speeding up by four percent", false, {}, {}, byPercent(4)},
    {"4% faster", false, {}, {}, byPercent(4)},
    {"slow down 3 %", false, {}, {}, byPercent(-3)},
    {"3 per cent slower", false, {}, {}, byPercent(-3)},
    {"match the tempo of song 2", false, {}, {}, matchSong(2)},
    {"match song 2's tempo", false, {}, {}, matchSong(2)},
    {"matching the BPM of song two", false, {}, {}, matchSong(2)},
    {"at 128 bpm, then 120 bpm", false, {}, {}, toBpm(120)},
    {"slow down", false, {}, {"slow down"}},
    {"don't slow down", false},
    {"never slow down to 120", false},
    {"slow down by 4 bpm", false, {}, {"slow down", "bpm"}},
    {"4 bpm faster", false, {}, {"bpm"}},
    {"don't speed up to 128 bpm", false, {}, {"bpm"}},
    {"beat match song 2's tempo", false, kBlend},
    {"slow down 100 %", false, {}, {"slow down"}},
    // The key: signed semitones; "pitch" or "key change" with no amount is the agent's.
    {"up 2 semitones", false, {}, {}, {}, 2},
    {"two semi-tones up", false, {}, {}, {}, 2},
    {"pitch up 3", false, {}, {}, {}, 3},
    {"pitch down 1", false, {}, {}, {}, -1},
    {"down a semitone", false, {}, {}, {}, -1},
    {"key change up a step", false, {}, {}, {}, 2},
    {"a half step up", false, {}, {}, {}, 1},
    {"down a whole step", false, {}, {}, {}, -2},
    {"half a semitone lower", false, {}, {}, {}, -0.5},
    {"pitch", false, {}, {"pitch"}},
    {"key change", false, {}, {"key change"}},
    {"don't pitch up 3", false, {}, {"pitch"}},
    {"pitch up 3 bars later", false, {}, {"pitch"}},
    {"step up 2 steps", false},
    {"keep the key, up 2 steps", false},
    {"change the key down 2", false, {}, {}, {}, -2},
    {"blend over 2 bars at 124 bpm, up a semitone",
     false,
     blend(2, LengthUnit::bars),
     {},
     toBpm(124),
     1},
};

TEST(NoteRequests, ReadsTheBarLineTheJoinTheTempoTheKeyAndTheAgentsRequests) {
    for (const NoteCase& entry : kNotes) {
        const common::NoteRequests requests = common::readNoteRequests(entry.note);
        EXPECT_EQ(requests.onTheBar, entry.onTheBar) << "\"" << entry.note << "\"";
        EXPECT_EQ(requests.join, entry.join) << "\"" << entry.note << "\"";
        EXPECT_EQ(requests.needsAgent, entry.needsAgent) << "\"" << entry.note << "\"";
        EXPECT_EQ(requests.tempo, entry.tempo) << "\"" << entry.note << "\"";
        EXPECT_EQ(requests.semitones, entry.semitones) << "\"" << entry.note << "\"";
    }
}

}  // namespace
