// The live status panel of the progress screen: headline, message, symbol, colour
// and timing line, all derived from the run state (ProgressModel's liveEdit members).

#include "app/run/live_status.h"

#include "app/run/progress_model.h"

namespace app::run {

QString ProgressModel::liveEditHeadline() const {
    const WizardState& state = context_.state();
    if (state.completedOutputFolder) return QStringLiteral("Complete");
    if (createHasFailed()) return QStringLiteral("Problem found");
    if (createWasStopped()) return QStringLiteral("Edit stopped");
    if (const auto step = currentCreateStep()) return step->title;
    return QStringLiteral("Standing by");
}

QString ProgressModel::liveEditMessage() const {
    const WizardState& state = context_.state();
    const QDateTime now = context_.now();
    if (state.completedOutputFolder) {
        return QStringLiteral(
            "The finished MP3 and edit notes are saved in the selected output folder.");
    }
    if (createHasFailed()) {
        return QStringLiteral(
            "The app stopped the run and saved the error details in the work folder. Use Show "
            "Work Folder if you need the log.");
    }
    if (createWasStopped()) {
        return QStringLiteral(
            "The background edit was cancelled. Go back to change a song, note, edit approach, "
            "output folder, or final ending effect.");
    }
    if (!state.isCreatingEdit) {
        return QStringLiteral("Click Create Edit when the notes and output folder are ready.");
    }
    const std::optional<QDateTime>& lastActivity = state.lastEditActivityAt;
    if (lastActivity && lastActivity->msecsTo(now) > stallNoticeSeconds * 1000) {
        return "Still working on " + currentEditWorkLabel().toLower() +
               ". No new local-engine or output-file activity has appeared for " +
               elapsedText(lastActivity, now) +
               ". You can keep waiting or use Stop Edit if it stays here too long.";
    }
    if (const auto step = currentCreateStep()) return progressDetail(step->id, step->progress);
    return QStringLiteral("Starting the background editor and preparing the work folder.");
}

QString ProgressModel::liveEditSymbolName() const {
    const WizardState& state = context_.state();
    if (state.completedOutputFolder) return QStringLiteral("checkmark.seal.fill");
    if (createHasFailed()) return QStringLiteral("exclamationmark.triangle.fill");
    if (createWasStopped()) return QStringLiteral("stop.circle.fill");
    return QStringLiteral("dot.radiowaves.left.and.right");
}

StatusColor ProgressModel::liveEditStatusColor() const {
    const WizardState& state = context_.state();
    if (state.completedOutputFolder) return StatusColor::green;
    if (createHasFailed()) return StatusColor::red;
    if (createWasStopped()) return StatusColor::orange;
    return StatusColor::amber;
}

QString ProgressModel::liveEditTimingText() const {
    const WizardState& state = context_.state();
    const QDateTime now = context_.now();
    // Once nothing runs there is nothing left to estimate or wait for: the run's length stays.
    if (!state.isCreatingEdit) {
        return "Elapsed: " + elapsedText(state.editStartedAt, state.editEndedAt.value_or(now));
    }
    QString estimate = QStringLiteral("calculating");
    const auto step = currentCreateStep();
    if (step) {
        const CreateStep id = step->id;
        if (state.isUsingLocalEngine) {
            estimate = QStringLiteral("usually under 1 minute");
        } else if (id == CreateStep::prepare || id == CreateStep::save) {
            estimate = QStringLiteral("under 1 minute");
        } else if (id == CreateStep::analyze) {
            estimate = QStringLiteral("about 1-3 minutes");
        } else if (id == CreateStep::cuts) {
            estimate = QStringLiteral("about 1-2 minutes");
        } else if (id == CreateStep::render) {
            estimate = QStringLiteral("about 1-4 minutes");
        }
    }
    return "Elapsed: " + elapsedText(state.editStartedAt, now) +
           " | Estimated remaining: " + estimate +
           " | Last activity: " + elapsedText(state.lastEditActivityAt, now) + " ago";
}

}  // namespace app::run
