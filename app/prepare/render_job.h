#pragma once
// The render job as the wizard builds it; its JSON is what seamforge reads.

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace app::prepare {

struct TrackJob {
    QString path;
    QString name;
    QString startTime;
    QString endTime;
    QString note;
};

struct RenderJob {
    QString appVersion;
    QString outputFolder;
    bool finalFadeOut = true;
    QString finalEndingEffect;
    bool snapToBeat = false;  // written only when true, so a job without it reads as before
    std::vector<TrackJob> tracks;
};

struct LocalEngineEligibility {
    std::optional<RenderJob> job;  // absent when the local engine may not take the edit
    QString reason;
};

// Compact JSON, keys in declaration order, "/" written as "\/".
std::string encodeRenderJob(const RenderJob& job);

}  // namespace app::prepare
