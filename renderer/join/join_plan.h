#pragma once
// What is asked of each join: the job's "transition" on the song that leads into the next, or
// else that song's note, read by the same reader as the wizard's. Pure.

#include <optional>
#include <string>

#include "common/note_requests.h"
#include "renderer/job/render_job.h"

namespace renderer {

struct JoinAsk {
    common::JoinRequest request;
    std::string askedBy;  // "choice" or "note"
};

// The ask for the join out of `track`; nothing when neither the job nor the note asks.
std::optional<JoinAsk> joinAsk(const TrackJob& track);

// "8 beats", "2 bars", "1 bar", "4.5 seconds"; empty for no length.
std::string describedLength(const std::optional<common::RequestLength>& length);

}  // namespace renderer
