#pragma once
// The companion files of a finished edit, written beside its MP3 once it exists.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/final_ending_effect.h"
#include "renderer/join/join_report.h"
#include "renderer/join/tempo_and_key.h"
#include "renderer/report/render_report.h"

namespace renderer {

// The values a finished render hands over once its MP3 is encoded.
struct FinishedRender {
    std::filesystem::path mp3Path;    // the encoded MP3; its folder receives the files
    double finalDuration = 0.0;       // seconds of joined audio
    double peakAfterNormalize = 0.0;  // fraction of full scale
    int trackCount = 0;
    std::vector<TransitionCheck> transitionChecks;  // one per join, empty for one song
    common::FinalEndingEffect effect = common::FinalEndingEffect::none;
    double finalFadeSeconds = 0.0;  // length of the ending actually applied
    std::vector<TrackAnalysis> tracks;
    std::vector<JoinReport> joins;          // one per join, empty for one song
    std::vector<LeftOutRequest> leftOut;    // what was asked and not done
    std::optional<JoinReport> ending;       // the last song's effect, when it ends with one
    std::vector<TempoKeyChange> tempoChanges;  // one per song with a tempo or key asked
    std::string appVersion;  // the job's, unchanged
};

// Writes "render-stats.json", "qc-report.json", "analysis-map.json" and
// "edit-notes.md" into the MP3's folder, in that order, each replacing an earlier file.
// The first failure stops the sequence and propagates; files already written stay.
void writeCompanionFiles(const FinishedRender& render);

}  // namespace renderer
