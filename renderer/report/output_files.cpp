#include "renderer/report/output_files.h"

#include "common/iso_time.h"
#include "renderer/report/edit_notes.h"
#include "renderer/report/json_output.h"

namespace renderer {
namespace {

StatsPayload statsPayload(const FinishedRender& render, const std::string& outputFile) {
    StatsPayload stats;
    stats.outputFile = outputFile;
    stats.duration = render.finalDuration;
    stats.peak = render.peakAfterNormalize;
    stats.trackCount = render.trackCount;
    return stats;
}

QCPayload qcPayload(const FinishedRender& render) {
    QCPayload report;
    report.transitionChecks = render.transitionChecks;
    return report;
}

AnalysisPayload analysisPayload(const FinishedRender& render, const std::string& outputFile) {
    AnalysisPayload analysis;
    analysis.appVersion = render.appVersion;
    analysis.createdAt = common::iso8601UtcNow();
    analysis.outputFile = outputFile;
    analysis.finalFadeOut = render.effect != common::FinalEndingEffect::none;
    analysis.finalEndingEffect = std::string(common::title(render.effect));
    analysis.finalFadeSeconds = render.finalFadeSeconds;
    analysis.tracks = render.tracks;
    analysis.transitionChecks = render.transitionChecks;
    analysis.joins = render.joins;
    analysis.leftOut = render.leftOut;
    analysis.ending = render.ending;
    analysis.tempoChanges = render.tempoChanges;
    analysis.finalDuration = render.finalDuration;
    analysis.peakAfterNormalize = render.peakAfterNormalize;
    return analysis;
}

}  // namespace

void writeCompanionFiles(const FinishedRender& render) {
    const std::filesystem::path mp3Path = std::filesystem::absolute(render.mp3Path);
    const std::filesystem::path folder = mp3Path.parent_path();
    const std::string outputFile = mp3Path.string();

    writeJSON(statsPayload(render, outputFile), folder / "render-stats.json");
    writeJSON(qcPayload(render), folder / "qc-report.json");
    writeJSON(analysisPayload(render, outputFile), folder / "analysis-map.json");

    const EditNotes notes{mp3Path.filename().string(), render.finalDuration, render.effect,
                          render.tracks, render.joins, render.leftOut, render.ending,
                          render.tempoChanges};
    writeEditNotes(notes, folder / "edit-notes.md");
}

}  // namespace renderer
