#pragma once
// Turns the user's typed times and notes into seconds after the song's musical zero.
// Pure and thread-safe; an unreadable time is simply nothing, never an error.

#include <optional>
#include <string_view>

#include "common/typed_time.h"
#include "renderer/job/render_job.h"

namespace renderer {

// Where a song's end time came from, as recorded in the analysis map and edit notes.
inline constexpr std::string_view endReasonTypedTime = "typed_time";
inline constexpr std::string_view endReasonNoteTime = "note_time";
inline constexpr std::string_view endReasonLocalTimeGuess = "local_time_guess";

// The typed-time reader the wizard's check uses too, so both read a time the same way.
using common::parseTime;

// The first time in the note that parseTime accepts ("fade out at 2:10" gives 130), or
// nothing.
std::optional<double> noteTime(std::string_view note);

struct EndOffset {
    double seconds;           // after musical zero
    std::string_view reason;  // endReasonNoteTime or endReasonLocalTimeGuess
};

// The end of a song whose typed end time gave nothing: a time in its note when the note
// also holds an end-related word, else a guess from the section words of the note.
// Kept at most a quarter second inside the file. `songNumber` is 1-based.
EndOffset inferredEndOffset(const TrackJob& track, long long firstFrame, double durationSeconds,
                            int songNumber, int songCount);

}  // namespace renderer
