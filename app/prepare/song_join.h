#pragma once
// What a song's note asks of the local engine, the join out of the song into the next, and the
// last song's ending, as the engine makes them. Reads the state only; interface thread.
//
//   if (const auto join = prepare::songJoin(state, 0); join && join->chosenByHand) ...

#include <optional>

#include "app/state/wizard_state.h"
#include "common/note_requests.h"

namespace app::prepare {

// The requests of the part of song `index`'s note that the person wrote (the defaults removed),
// read as the renderer reads the job's note.
common::NoteRequests songNoteRequests(const WizardState& state, int index);

// The choice nearest a request. A blend of any length becomes the nearest of 4, 8 and 16 beats
// (a tie takes the longer); a bar counts 4 beats; seconds or no length give 8 beats. An effect
// becomes its own choice, whatever its length.
songs::JoinChoice joinChoiceFor(const common::JoinRequest& request);
common::JoinStyle joinStyleOf(songs::JoinChoice choice);
// The request a choice makes: its style, and a blend's length in beats.
common::JoinRequest joinRequestOf(songs::JoinChoice choice);

struct SongJoin {
    songs::JoinChoice choice = songs::JoinChoice::cut;  // what the screen shows chosen
    // The note's request, when it makes one: the engine makes it as written (its length too)
    // unless a hand choice wins.
    std::optional<common::JoinRequest> noteAsks;
    bool chosenByHand = false;

    // Whether a hand choice differs from what the note asks.
    bool overridesNote() const;
};

// The join out of song `index`: the hand choice, else the note's request, else a cut. Absent
// for the last song, which has no join.
std::optional<SongJoin> songJoin(const WizardState& state, int index);

// The last song's ending: the hand choice, else the effect its note asks (a pause is none),
// else a plain cut. Absent while the chosen final ending is not Off, which wins over both.
std::optional<SongJoin> songEnding(const WizardState& state);

// What the job carries for the join out of song `index` (or the last song's ending): only a hand
// choice; else the renderer reads the note itself, lengths and all.
std::optional<songs::JoinChoice> jobTransition(const WizardState& state, int index);

}  // namespace app::prepare
