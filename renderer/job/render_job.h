#pragma once
// The render job: the renderer's only input, one JSON object (keys in any order,
// unknown keys ignored, every listed key required except "finalEndingEffect", "snapToBeat",
// "snapToBar" and a track's "transition", "tempo" and "semitones").

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/final_ending_effect.h"
#include "common/join_style_name.h"

namespace renderer {

struct TrackJob {
    std::string path;
    std::string name;
    std::string startTime;
    std::string endTime;
    std::string note;
    // How this song leads into the next, when the job says; otherwise the note decides.
    std::optional<common::JoinRequest> transition;
    std::optional<common::TempoRequest> tempo;  // how fast the segment plays, when the job says
    std::optional<double> semitones;            // its key change, when the job says
};

struct RenderJob {
    std::string appVersion;
    std::string outputFolder;
    bool finalFadeOut = false;
    std::optional<std::string> finalEndingEffect;
    std::vector<TrackJob> tracks;
    bool snapToBeat = false;  // move every cut to just before its nearest beat
    bool snapToBar = false;   // ...or bar line, where the song's bars are trusted
};

// Throws std::runtime_error with a one-line description when the text is not JSON,
// a required key is missing or a value has the wrong JSON type.
RenderJob decodeRenderJob(std::string_view jsonText);

// Reads and decodes the job file; a file that cannot be read throws with the
// platform's reason on one line.
RenderJob readRenderJobFile(const std::string& path);

struct EndingPlan {
    common::FinalEndingEffect effect = common::FinalEndingEffect::none;
    double tailSeconds = common::normalFadeTailSeconds;
};

// The effect text when present, else "fade"/"none" by finalFadeOut; an unknown
// text also falls back to finalFadeOut.
EndingPlan resolveEndingPlan(const RenderJob& job);

}  // namespace renderer
