#pragma once
// The render job as the wizard builds it; its JSON is what seamforge reads.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "app/state/join_choice.h"

namespace app::prepare {

struct TrackJob {
    QString path;
    QString name;
    QString startTime;
    QString endTime;
    QString note;
    // The join into the next song (or the last song's ending), written only when the person
    // chose it by hand, so a job without it reads as before and the renderer reads the note:
    // {"style":"blend","beats":8}, {"style":"cut"}, {"style":"tapeStop"} ...
    std::optional<songs::JoinChoice> transition = std::nullopt;
};

struct RenderJob {
    QString appVersion;
    QString outputFolder;
    bool finalFadeOut = true;
    QString finalEndingEffect;
    // Each written only when true, so a job without them reads as before. "snapToBar" comes
    // only with "snapToBeat": the renderer falls back to the beat where bars are unclear.
    bool snapToBeat = false;
    bool snapToBar = false;
    std::vector<TrackJob> tracks;
};

struct LocalEngineEligibility {
    std::optional<RenderJob> job;  // absent when the local engine may not take the edit
    QString reason;
};

// Compact JSON, keys in declaration order, "/" written as "\/".
std::string encodeRenderJob(const RenderJob& job);

}  // namespace app::prepare
