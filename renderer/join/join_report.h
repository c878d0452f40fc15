#pragma once
// The record of one join: what the job or the song's note asked for, and what the edit does
// there. Times are seconds; tempos BPM.

#include <optional>
#include <string>

namespace renderer {

struct JoinReport {
    int fromTrack = 0;          // 1-based: the song that leads into the next
    std::string asked = "cut";  // "cut" or "blend"
    std::string askedBy;        // "choice" (the job's transition), "note", or empty: nothing asked
    std::string askedLength;    // as asked: "8 beats", "2 bars", "4 seconds"; empty for none
    std::string style = "cut";  // what was done: "cut", "blend" (beat-matched) or "crossfade"
    double beats = 0.0;         // of the overlap, in the incoming song's beats (0 without a grid)
    double seconds = 0.0;       // of the overlap
    double startTime = 0.0;     // in the edit: where the incoming song starts to sound
    double endTime = 0.0;       // in the edit: where the outgoing song has gone
    std::optional<double> tempoFromBpm;  // the outgoing song stretched from this tempo...
    std::optional<double> tempoToBpm;    // ...to this one, through the blend
    std::string whyNot;  // why a blend asked for is not beat-matched, or not done at all
};

// A request the edit does not carry out, and why.
struct LeftOutRequest {
    int track = 0;        // 1-based
    std::string request;  // as a person reads it: "a blend", "\"first vocal\""
    std::string why;
};

}  // namespace renderer
