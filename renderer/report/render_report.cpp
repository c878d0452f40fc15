#include "renderer/report/render_report.h"

#include <algorithm>

namespace renderer {

void to_json(nlohmann::json& json, const TransitionCheck& check) {
    json = {
        {"afterTrack", check.afterTrack},
        {"peakFirst020", check.peakFirst020},
        {"rmsFirst020", check.rmsFirst020},
    };
}

namespace {

nlohmann::json cutBeatSnapJson(const CutBeatSnap& snap) {
    nlohmann::json json = {
        {"moved", snap.keptBecause.empty()},
        {"fromFileTime", snap.fromFileTime},
        {"toFileTime", snap.toFileTime},
    };
    if (snap.tempoBpm) json["tempoBpm"] = *snap.tempoBpm;
    if (!snap.keptBecause.empty()) json["keptBecause"] = snap.keptBecause;
    if (!snap.snappedTo.empty()) json["snappedTo"] = snap.snappedTo;
    return json;
}

nlohmann::json gridJson(const TrackGrid& grid) {
    nlohmann::json json = {
        {"trusted", grid.trusted},
        {"confidence", grid.confidence},
        {"barsTrusted", grid.firstDownbeatFileTime.has_value()},
        {"barConfidence", grid.barConfidence},
    };
    if (grid.tempoBpm > 0.0) json["tempoBpm"] = grid.tempoBpm;
    if (grid.firstBeatFileTime) json["firstBeatFileTime"] = *grid.firstBeatFileTime;
    if (grid.firstDownbeatFileTime) json["firstDownbeatFileTime"] = *grid.firstDownbeatFileTime;
    if (grid.firstDownbeatFileTime) json["beatsPerBar"] = grid.beatsPerBar;
    return json;
}

// The track's tempo is its trusted grid's, as the cuts report it.
nlohmann::json beatSnapJson(const TrackBeatSnap& snap) {
    nlohmann::json json = {{"start", cutBeatSnapJson(snap.start)},
                           {"end", cutBeatSnapJson(snap.end)}};
    if (const std::optional<double> tempo =
            snap.start.tempoBpm ? snap.start.tempoBpm : snap.end.tempoBpm) {
        json["tempoBpm"] = *tempo;
    }
    if (!snap.unit.empty()) json["unit"] = snap.unit;
    if (!snap.barRequestedBy.empty()) json["barRequestedBy"] = snap.barRequestedBy;
    if (snap.grid) json["grid"] = gridJson(*snap.grid);
    return json;
}

}  // namespace

void to_json(nlohmann::json& json, const TrackAnalysis& track) {
    json = {
        {"track", track.track},
        {"name", track.name},
        {"path", track.path},
        {"duration", track.duration},
        {"firstNoteTime", track.firstNoteTime},
        {"requestedStart", track.requestedStart},
        {"requestedEnd", track.requestedEnd},
        {"endReason", track.endReason},
        {"targetStartFileTime", track.targetStartFileTime},
        {"targetEndFileTime", track.targetEndFileTime},
        {"selectedStartFileTime", track.selectedStartFileTime},
        {"selectedEndFileTime", track.selectedEndFileTime},
        {"renderedEndFileTime", track.renderedEndFileTime},
        {"finalEndingEffect", track.finalEndingEffect},
        {"finalFadeExtraSeconds", track.finalFadeExtraSeconds},
        {"selectedDuration", track.selectedDuration},
        {"note", track.note},
        {"beatSnap", beatSnapJson(track.beatSnap)},
    };
    // Absent rather than null on songs without an ending.
    if (track.finalFadeStartFileTime) {
        json["finalFadeStartFileTime"] = *track.finalFadeStartFileTime;
    }
}

void to_json(nlohmann::json& json, const JoinReport& join) {
    json = {
        {"afterTrack", join.fromTrack},
        {"asked", join.asked},
        {"style", join.style},
        {"beats", join.beats},
        {"seconds", join.seconds},
        {"startTime", join.startTime},
        {"endTime", join.endTime},
    };
    if (!join.askedBy.empty()) json["askedBy"] = join.askedBy;
    if (!join.askedLength.empty()) json["askedLength"] = join.askedLength;
    if (join.tempoFromBpm) json["tempoFromBpm"] = *join.tempoFromBpm;
    if (join.tempoToBpm) json["tempoToBpm"] = *join.tempoToBpm;
    if (!join.whyNot.empty()) json["whyNot"] = join.whyNot;
}

void to_json(nlohmann::json& json, const LeftOutRequest& request) {
    json = {{"track", request.track}, {"request", request.request}, {"why", request.why}};
}

void to_json(nlohmann::json& json, const TempoKeyChange& change) {
    json = {{"track", change.track}, {"speed", change.speed}, {"semitones", change.semitones}};
    if (!change.askedTempo.empty()) json["askedTempo"] = change.askedTempo;
    if (!change.askedKey.empty()) json["askedKey"] = change.askedKey;
    if (!change.askedBy.empty()) json["askedBy"] = change.askedBy;
    if (change.fromBpm) json["fromBpm"] = *change.fromBpm;
    if (change.toBpm) json["toBpm"] = *change.toBpm;
    if (!change.whyNot.empty()) json["whyNot"] = change.whyNot;
}

void to_json(nlohmann::json& json, const StatsPayload& stats) {
    json = {
        {"outputFile", stats.outputFile}, {"duration", stats.duration}, {"peak", stats.peak},
        {"trackCount", stats.trackCount}, {"renderer", stats.renderer},
    };
}

void to_json(nlohmann::json& json, const QCPayload& report) {
    json = {
        {"passed", report.passed},
        {"transitionChecks", nlohmann::json::array()},
        {"checkedFirst020AfterEachJoin", report.checkedFirst020AfterEachJoin},
        {"deadAirThresholdPeak", report.deadAirThresholdPeak},
        {"deadAirThresholdRMS", report.deadAirThresholdRMS},
    };
    for (const TransitionCheck& check : report.transitionChecks) {
        json["transitionChecks"].push_back(check);
    }
}

void to_json(nlohmann::json& json, const AnalysisPayload& analysis) {
    json = {
        {"renderer", analysis.renderer},
        {"appVersion", analysis.appVersion},
        {"createdAt", analysis.createdAt},
        {"outputFile", analysis.outputFile},
        {"finalFadeOut", analysis.finalFadeOut},
        {"finalEndingEffect", analysis.finalEndingEffect},
        {"finalFadeSeconds", analysis.finalFadeSeconds},
        {"tracks", nlohmann::json::array()},
        {"transitionChecks", nlohmann::json::array()},
        {"finalDuration", analysis.finalDuration},
        {"peakAfterNormalize", analysis.peakAfterNormalize},
    };
    for (const TrackAnalysis& track : analysis.tracks) json["tracks"].push_back(track);
    for (const TransitionCheck& check : analysis.transitionChecks) {
        json["transitionChecks"].push_back(check);
    }
    // Only where something was asked of a join: the map of an edit of plain cuts stays as it was.
    const bool anyAsked = std::any_of(analysis.joins.begin(), analysis.joins.end(),
                                      [](const JoinReport& join) { return !join.askedBy.empty(); });
    if (anyAsked) json["joins"] = analysis.joins;
    if (analysis.ending) json["endingEffect"] = *analysis.ending;
    if (!analysis.tempoChanges.empty()) json["tempoAndKey"] = analysis.tempoChanges;
    if (!analysis.leftOut.empty()) json["requestsLeftOut"] = analysis.leftOut;
}

}  // namespace renderer
