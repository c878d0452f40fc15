#pragma once
// What is asked of each join: the job's "transition" on the song that leads into the next, or
// else that song's note, read by the same reader as the wizard's; and what a join will do.
// Pure.

#include <cstddef>
#include <map>
#include <optional>
#include <string>

#include "common/note_requests.h"
#include "renderer/job/render_job.h"
#include "renderer/join/join_report.h"

namespace renderer {

struct JoinAsk {
    common::JoinRequest request;
    std::string askedBy;  // "choice" or "note"
};

// The ask for the join out of `track`; nothing when neither the job nor the note asks.
std::optional<JoinAsk> joinAsk(const TrackJob& track);

// What a join will do, decided from the songs' lengths and grids alone (cheap): the frames each
// song gives it and, for a beat-matched blend, how the outgoing tail is stretched. A cut plays
// every outgoing frame up to its cut end and the incoming song from its first.
struct JoinPlan {
    std::string style = "cut";  // "blend" (beat-matched), "crossfade", "cut", or an effect's name
    long long outgoingFramesBefore = 0;  // frames of the outgoing song played before the blend
    long long mixedFrames = 0;           // of the blended audio (0 for a cut)
    long long incomingStartInMix = 0;    // frame of the blend where the incoming song starts
    long long incomingResumeFrame = 0;   // frame of the incoming song played right after it
    // A beat-matched blend's stretch of the outgoing tail (from outgoingFramesBefore on):
    bool stretched = false;
    std::map<size_t, size_t> keyFrames;  // tail frames -> blend frames
    double incomingBeatSeconds = 0.0;    // one beat of the incoming song
    // What was done: style, beats, seconds, tempos and why not; the asking and the edit times
    // are the caller's to fill.
    JoinReport report;
};

// "8 beats", "2 bars", "1 bar", "4.5 seconds"; empty for no length.
std::string describedLength(const std::optional<common::RequestLength>& length);

}  // namespace renderer
