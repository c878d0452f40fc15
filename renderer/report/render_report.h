#pragma once
// What a finished render reports: the records of the three JSON companion files and
// their JSON form. Times are seconds, levels fractions of full scale (÷ 32767).

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "renderer/cut/track_analysis.h"
#include "renderer/join/join_report.h"
#include "renderer/join/tempo_and_key.h"
#include "renderer/join/transition_check.h"

namespace renderer {

struct StatsPayload {
    std::string outputFile;  // absolute path of the MP3
    double duration = 0.0;
    double peak = 0.0;
    int trackCount = 0;
    std::string renderer = "standalone-local";
};

struct QCPayload {
    bool passed = true;
    std::vector<TransitionCheck> transitionChecks;
    bool checkedFirst020AfterEachJoin = true;
    double deadAirThresholdPeak = renderer::deadAirThresholdPeak;
    double deadAirThresholdRMS = renderer::deadAirThresholdRMS;
};

struct AnalysisPayload {
    std::string renderer = "Tunewright local engine";
    std::string appVersion;
    std::string createdAt;  // ISO 8601 UTC, whole seconds
    std::string outputFile;
    bool finalFadeOut = false;
    std::string finalEndingEffect = "Off";  // the effect's title
    double finalFadeSeconds = 0.0;
    std::vector<TrackAnalysis> tracks;
    std::vector<TransitionCheck> transitionChecks;
    std::vector<JoinReport> joins;
    std::vector<LeftOutRequest> leftOut;
    std::optional<JoinReport> ending;
    std::vector<TempoKeyChange> tempoChanges;
    double finalDuration = 0.0;
    double peakAfterNormalize = 0.0;
};

// JSON objects with the records' field names as keys (nlohmann's conversion hooks,
// so `nlohmann::json value = payload;` works).
void to_json(nlohmann::json& json, const TransitionCheck& check);
void to_json(nlohmann::json& json, const TrackAnalysis& track);
void to_json(nlohmann::json& json, const JoinReport& join);
void to_json(nlohmann::json& json, const LeftOutRequest& request);
void to_json(nlohmann::json& json, const TempoKeyChange& change);
void to_json(nlohmann::json& json, const StatsPayload& stats);
void to_json(nlohmann::json& json, const QCPayload& report);
void to_json(nlohmann::json& json, const AnalysisPayload& analysis);

}  // namespace renderer
