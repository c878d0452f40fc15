#pragma once
// The Step 4 progress model: the five step rows, their time-driven movement, the
// short log, the live status panel and Back. The changes notify the screens
// themselves; the queries only read. Interface thread only.

#include <QDateTime>
#include <QString>
#include <optional>

#include "app/run/create_step.h"
#include "app/run/engine_milestones.h"
#include "app/run/progress_row.h"
#include "app/run/run_context.h"

namespace app::run {

// What a finished step reads, for the local engine or the agent, however it finished.
QString completedStepDetail(CreateStep id, bool localEngine);
// "m:ss" from `since` to `now`; "0:00" without a start.
QString elapsedText(const std::optional<QDateTime>& since, const QDateTime& now);

class ProgressModel {
public:
    explicit ProgressModel(RunContext& context) : context_(context) {}

    void setCreateStep(CreateStep id, ProgressRowState state, double progress,
                       const QString& detail);
    // The running (else the first pending) step fails, and Save with it unless it is done.
    void markCreateStepFailed(const QString& detail);
    void markCreateStepStopped(const QString& detail);
    // One tick of the time-driven movement of the running step.
    void advanceVisibleEditProgress();
    // The local engine finished a step: the rows before it are done and the next one runs.
    void followEngineMilestone(EngineMilestone milestone);
    // The agent's MP3 is saved: the timed steps are done and Save waits for the notes
    // (agent_run.cpp).
    void showSavedDeliverablesProgress(const QString& file);
    // Keeps the last few non-blank lines.
    void appendCreateLog(const QString& line);
    // The run is over, whichever way: nothing runs any more and its elapsed time stops.
    void endEditRun();
    void backToInstructions();
    // Clears the traces of an earlier edit run ("the progress reset"); does not notify.
    void resetProgress();

    QString progressDetail(CreateStep id, double progress) const;
    QString progressLog(CreateStep id) const;
    std::optional<ProgressRow> currentCreateStep() const;
    QString currentEditWorkLabel() const;
    bool createHasFailed() const;
    bool createWasStopped() const;
    double overallProgress() const;

    // The live status panel (live_status.cpp).
    QString liveEditHeadline() const;
    QString liveEditMessage() const;
    QString liveEditSymbolName() const;
    StatusColor liveEditStatusColor() const;
    // While a run goes on: elapsed, estimate and last activity; afterwards the elapsed time
    // alone.
    QString liveEditTimingText() const;

private:
    RunContext& context_;
};

}  // namespace app::run
