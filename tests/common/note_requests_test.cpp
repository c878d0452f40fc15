#include "common/note_requests.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace common {

void PrintTo(const JoinRequest& join, std::ostream* out) {
    *out << (join.style == JoinStyle::blend ? "blend" : "cut");
    if (join.length) {
        constexpr const char* kUnits[] = {"beats", "bars", "seconds"};
        *out << " " << join.length->count << " " << kUnits[static_cast<int>(join.length->unit)];
    }
}

}  // namespace common

namespace {

using common::JoinRequest;
using common::JoinStyle;
using common::LengthUnit;

// A constructor, not an aggregate, so that most rows can leave the join and the agent out.
struct NoteCase {
    NoteCase(std::string note, bool onTheBar, std::optional<JoinRequest> join = std::nullopt,
             std::vector<std::string> needsAgent = {})
        : note(std::move(note)),
          onTheBar(onTheBar),
          join(std::move(join)),
          needsAgent(std::move(needsAgent)) {}

    std::string note;
    bool onTheBar;
    std::optional<JoinRequest> join;
    std::vector<std::string> needsAgent;
};

const JoinRequest kCut{JoinStyle::cut, std::nullopt};
const JoinRequest kBlend{JoinStyle::blend, std::nullopt};

JoinRequest blend(double count, LengthUnit unit) {
    return JoinRequest{JoinStyle::blend, common::RequestLength{count, unit}};
}

// What each note asks. Grouped: the bar line's phrases and spellings, what is not a request,
// negations in and out of their clause; then the join, its lengths and what is none; then what
// only the outside agent does, alone and beside what the local engine does.
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
    // What only the outside agent does: effects unless refused in their clause, advanced words
    // always, as substrings ("pauses", "system"), each name once, in note order.
    {"No glitch please", false},
    {"avoid a power-down", false},
    {"do not pause", false},
    {"don\xE2\x80\x99t pause", false},
    {"cut here; no glitch", false},
    {"avoid the scratch!\nend on the bar", true},
    {"Keep it clean. Don't pause", false},
    {"Tape_Stop at the end", false, {}, {"tape stop"}},
    {"two pauses", false, {}, {"pause"}},
    {"nope, glitch it", false, {}, {"glitch"}},
    {"pause? no", false, {}, {"pause"}},
    {"don't change the BPM", false, {}, {"bpm"}},
    {"without pitch shift", false, {}, {"pitch"}},
    {"no stems", false, {}, {"stems"}},
    {"system check", false, {}, {"stems"}},
    {"tape stop into song 2, no gap", false, {}, {"tape stop"}},
    {"record scratch here; avoid clicks", false, {}, {"scratch"}},
    {"no gap. glitch the end", false, {}, {"glitch"}},
    {"power loss at 1:30? no fade", false, {}, {"power down"}},
    {"slow down\ndon't rush", false, {}, {"slow down"}},
    {"stop and pause, then pause again", false, {}, {"pause"}},
    {"whisper the words, look up lyrics online", false, {}, {"lyrics"}},
    {"demucs the vocals, key change, section map",
     false,
     {},
     {"stems", "key change", "section map"}},
    {"start on vocal after the internal bridge", false, {}, {"first vocal", "internal"}},
    {"wait for the vocal entrance", false, {}, {"vocal entrance"}},
    // The local engine's blend beside the agent's requests.
    {"no beat-match", false, kCut},
    {"do not worry, beat match it", false, kBlend},
    {"blend into song 2 on the first vocal", false, kBlend, {"first vocal"}},
    {"enter on vocal; crossfade over 4 beats, no scratch",
     false,
     blend(4, LengthUnit::beats),
     {"first vocal"}},
    {"tape stop, then blend on the bar over 2 bars",
     true,
     blend(2, LengthUnit::bars),
     {"tape stop"}},
};

TEST(NoteRequests, ReadsTheBarLineTheJoinAndTheAgentsRequests) {
    for (const NoteCase& entry : kNotes) {
        const common::NoteRequests requests = common::readNoteRequests(entry.note);
        EXPECT_EQ(requests.onTheBar, entry.onTheBar) << "\"" << entry.note << "\"";
        EXPECT_EQ(requests.join, entry.join) << "\"" << entry.note << "\"";
        EXPECT_EQ(requests.needsAgent, entry.needsAgent) << "\"" << entry.note << "\"";
    }
}

}  // namespace
