#pragma once
// What a finished render reports: the records of the three JSON companion files and
// their JSON form. Times are seconds, levels fractions of full scale (÷ 32767).

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace renderer {

// A join is dead air when both values of its first 0.20 s are below these.
inline constexpr double deadAirThresholdPeak = 0.005;
inline constexpr double deadAirThresholdRMS = 0.0018;

struct TransitionCheck {
    int afterTrack = 0;  // 1-based number of the song that ends at the join
    double peakFirst020 = 0.0;
    double rmsFirst020 = 0.0;
};

// Where one cut went when the job asked for cuts on the beat.
struct CutBeatSnap {
    double fromFileTime = 0.0;        // the zero-crossing cut
    double toFileTime = 0.0;          // the cut as made; equal to fromFileTime when kept
    std::optional<double> tempoBpm;   // of the steady beat around the cut, when there is one
    std::string keptBecause = "off";  // empty when moved; else "off", "no steady beat", "too far"
};

struct TrackBeatSnap {
    CutBeatSnap start;
    CutBeatSnap end;
};

struct TrackAnalysis {
    int track = 0;  // 1-based
    std::string name;
    std::string path;
    double duration = 0.0;
    double firstNoteTime = 0.0;
    double requestedStart = 0.0;  // from musical zero
    double requestedEnd = 0.0;    // from musical zero
    std::string endReason;        // "typed_time", "note_time" or "local_time_guess"
    double targetStartFileTime = 0.0;
    double targetEndFileTime = 0.0;
    double selectedStartFileTime = 0.0;
    double selectedEndFileTime = 0.0;
    double renderedEndFileTime = 0.0;
    std::optional<double> finalFadeStartFileTime;  // only on the song that carries the ending
    std::string finalEndingEffect = "Off";
    double finalFadeExtraSeconds = 0.0;
    double selectedDuration = 0.0;
    std::string note;
    TrackBeatSnap beatSnap;
};

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
    double finalDuration = 0.0;
    double peakAfterNormalize = 0.0;
};

// JSON objects with the records' field names as keys (nlohmann's conversion hooks,
// so `nlohmann::json value = payload;` works).
void to_json(nlohmann::json& json, const TransitionCheck& check);
void to_json(nlohmann::json& json, const TrackAnalysis& track);
void to_json(nlohmann::json& json, const StatsPayload& stats);
void to_json(nlohmann::json& json, const QCPayload& report);
void to_json(nlohmann::json& json, const AnalysisPayload& analysis);

}  // namespace renderer
