#pragma once
// What a song's note asks of the local engine, and the join out of the song into the next as
// the engine makes it. Reads the state only; interface thread.
//
//   if (const auto join = prepare::songJoin(state, 0); join && join->stated()) ...

#include <optional>

#include "app/state/wizard_state.h"
#include "common/note_requests.h"

namespace app::prepare {

// The requests of the part of song `index`'s note that the person wrote (the defaults removed),
// read as the renderer reads the job's note.
common::NoteRequests songNoteRequests(const WizardState& state, int index);

// A blend of any length becomes the nearest of 4, 8 and 16 beats (a tie takes the longer); a
// bar counts 4 beats; seconds or no length give 8 beats.
songs::JoinChoice joinChoiceFor(const common::JoinRequest& request);

struct SongJoin {
    songs::JoinChoice choice = songs::JoinChoice::cut;  // what the engine does
    std::optional<songs::JoinChoice> noteAsks;          // the note's request, when it makes one
    // An effect the note asks for (a tape stop, a pause ...): no choice here holds it, so the
    // job leaves the join to the note, which the renderer reads itself.
    std::optional<common::JoinRequest> noteEffect;
    bool chosenByHand = false;  // then `choice` wins over `noteAsks` and `noteEffect`

    // Whether anyone asked for this join; an unasked join stays out of the job.
    bool stated() const { return chosenByHand || noteAsks.has_value(); }
    // Whether the engine makes the note's effect rather than `choice`.
    bool effect() const { return noteEffect && !chosenByHand; }
};

// The join out of song `index`: the hand choice, else the note's request, else a cut. Absent
// for the last song, which has no join.
std::optional<SongJoin> songJoin(const WizardState& state, int index);

}  // namespace app::prepare
