#include "app/prepare/eligibility.h"

#include <QCoreApplication>

#include "app/prepare/note_portion.h"
#include "app/prepare/song_join.h"
#include "common/note_requests.h"
#include "common/typed_time.h"

namespace app::prepare {
namespace {

// The end must lie more than this past the start; anything shorter cannot hold a cut.
constexpr double kMinimumCutSeconds = 0.25;

LocalEngineEligibility refusal(const QString& reason) { return LocalEngineEligibility{{}, reason}; }

// The renderer's own reading, so that a time the check accepts is cut where it says.
std::optional<double> typedSeconds(const QString& text) {
    return common::parseTime(text.toStdString());
}

QString songReason(int number, const QString& problem) {
    return QCoreApplication::translate("Prepare", "AI fallback: song %1 %2")
        .arg(number)
        .arg(problem);
}

}  // namespace

LocalEngineEligibility localEngineEligibility(const WizardState& state,
                                              const QString& outputFolder) {
    const int total = static_cast<int>(state.tracks.size());
    if (total < 1 || total > 3) {
        return refusal(QCoreApplication::translate(
            "Prepare", "AI fallback: the selected song count is not 1, 2, or 3."));
    }

    RenderJob job;
    job.appVersion = appVersion;
    job.outputFolder = outputFolder;
    job.finalFadeOut = state.finalEndingEffect != common::FinalEndingEffect::none;
    job.finalEndingEffect = QString::fromUtf8(common::rawValue(state.finalEndingEffect));
    job.snapToBeat = state.snapCutsTo != songs::SnapCutsTo::off;
    job.snapToBar = state.snapCutsTo == songs::SnapCutsTo::bar;

    for (int index = 0; index < total; ++index) {
        const songs::TrackFile& track = state.tracks[static_cast<size_t>(index)];
        const int number = index + 1;

        QString start = state.songStartTimes.value(track.url).trimmed();
        if (start.isEmpty()) start = QStringLiteral("0:00");
        const QString end = state.songEndTimes.value(track.url).trimmed();

        const std::optional<double> startSeconds = typedSeconds(start);
        if (!startSeconds) {
            return refusal(songReason(
                number,
                QCoreApplication::translate("Prepare", "start time is not a simple timestamp.")));
        }
        if (!end.isEmpty()) {
            const std::optional<double> endSeconds = typedSeconds(end);
            if (!endSeconds) {
                return refusal(songReason(
                    number,
                    QCoreApplication::translate("Prepare", "end time is not a simple timestamp.")));
            }
            if (!(*endSeconds > *startSeconds + kMinimumCutSeconds)) {
                return refusal(
                    songReason(number, QCoreApplication::translate(
                                           "Prepare", "End time must be later than Start time.")));
            }
        }

        const QString note = customLocalEngineNotePortion(
            state.songGuidance.value(track.url).trimmed(), index, total);
        if (!common::readNoteRequests(note.toStdString()).needsAgent.empty()) {
            return refusal(
                songReason(number, QCoreApplication::translate(
                                       "Prepare",
                                       "note asks for an effect, vocal isolation, beatmatching, or "
                                       "another advanced request.")));
        }

        TrackJob trackJob{track.url, track.name(), start, end, note, jobTransition(state, index)};
        job.tracks.push_back(std::move(trackJob));
    }

    return LocalEngineEligibility{
        std::move(job), QCoreApplication::translate(
                            "Prepare",
                            "Standalone local engine: using typed times, local structure cues, and "
                            "phrase-aware cut detection.")};
}

}  // namespace app::prepare
