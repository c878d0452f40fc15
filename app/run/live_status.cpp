// The live status panel of the progress screen: headline, message, symbol, colour
// and timing line, all derived from the run state (ProgressModel's liveEdit members).

#include "app/run/live_status.h"

#include <QCoreApplication>

#include "app/run/progress_model.h"

namespace app::run {

QString ProgressModel::liveEditHeadline() const {
    const WizardState& state = context_.state();
    if (state.completedOutputFolder) return QCoreApplication::translate("Progress", "Complete");
    if (createHasFailed()) return QCoreApplication::translate("Progress", "Problem found");
    if (createWasStopped()) return QCoreApplication::translate("Progress", "Edit stopped");
    if (const auto step = currentCreateStep()) return step->title;
    return QCoreApplication::translate("Progress", "Standing by");
}

QString ProgressModel::liveEditMessage() const {
    const WizardState& state = context_.state();
    const QDateTime now = context_.now();
    if (state.completedOutputFolder) {
        return QCoreApplication::translate(
            "Progress", "The finished MP3 and edit notes are saved in the selected output folder.");
    }
    if (createHasFailed()) {
        return QCoreApplication::translate(
            "Progress",
            "The app stopped the run and saved the error details in the work folder. Use Show "
            "Work Folder if you need the log.");
    }
    if (createWasStopped()) {
        return QCoreApplication::translate(
            "Progress",
            "The background edit was cancelled. Go back to change a song, note, edit approach, "
            "output folder, or final ending effect.");
    }
    if (!state.isCreatingEdit) {
        return QCoreApplication::translate(
            "Progress", "Click Create Edit when the notes and output folder are ready.");
    }
    const std::optional<QDateTime>& lastActivity = state.lastEditActivityAt;
    if (lastActivity && lastActivity->msecsTo(now) > stallNoticeSeconds * 1000) {
        return QCoreApplication::translate("Progress",
                                           "Still working on %1. No new local-engine or "
                                           "output-file activity has appeared for %2. You can "
                                           "keep waiting or use Stop Edit if it stays here too "
                                           "long.")
            // Each language words the label for this sentence itself: lower-casing it here
            // would spoil "MP3" and every German noun.
            .arg(currentEditWorkLabel(), elapsedText(lastActivity, now));
    }
    if (const auto step = currentCreateStep()) return progressDetail(step->id, step->progress);
    return QCoreApplication::translate(
        "Progress", "Starting the background editor and preparing the work folder.");
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
        return QCoreApplication::translate("Progress", "Elapsed: %1")
            .arg(elapsedText(state.editStartedAt, state.editEndedAt.value_or(now)));
    }
    QString estimate = QCoreApplication::translate("Progress", "calculating");
    const auto step = currentCreateStep();
    if (step) {
        const CreateStep id = step->id;
        if (state.isUsingLocalEngine) {
            estimate = QCoreApplication::translate("Progress", "usually under 1 minute");
        } else if (id == CreateStep::prepare || id == CreateStep::save) {
            estimate = QCoreApplication::translate("Progress", "under 1 minute");
        } else if (id == CreateStep::analyze) {
            estimate = QCoreApplication::translate("Progress", "about 1-3 minutes");
        } else if (id == CreateStep::cuts) {
            estimate = QCoreApplication::translate("Progress", "about 1-2 minutes");
        } else if (id == CreateStep::render) {
            estimate = QCoreApplication::translate("Progress", "about 1-4 minutes");
        }
    }
    return QCoreApplication::translate("Progress",
                                       "Elapsed: %1 | Estimated remaining: %2 | Last activity: %3 "
                                       "ago")
        .arg(elapsedText(state.editStartedAt, now), estimate,
             elapsedText(state.lastEditActivityAt, now));
}

}  // namespace app::run
