#pragma once
// The Step 4 progress model: the five step rows, their time-driven movement, the
// short log, and Stop and Back. The changes notify the screens themselves; the
// queries only read.

#include <QDateTime>
#include <QString>
#include <optional>

#include "app/run/create_step.h"
#include "app/run/engine_milestones.h"
#include "app/run/progress_row.h"
#include "app/run/run_context.h"

namespace app::run {

void setCreateStep(RunContext& context, CreateStep id, ProgressRowState state, double progress,
                   const QString& detail);
// The running (else the first pending) step fails, and Save with it unless it is done.
void markCreateStepFailed(RunContext& context, const QString& detail);
void markCreateStepStopped(RunContext& context, const QString& detail);
// One tick of the time-driven movement of the running step.
void advanceVisibleEditProgress(RunContext& context);
// The local engine finished a step: the rows before it are done and the next one runs.
void followEngineMilestone(RunContext& context, EngineMilestone milestone);
// Keeps the last few non-blank lines.
void appendCreateLog(RunContext& context, const QString& line);
// The run is over, whichever way: nothing runs any more and its elapsed time stops.
void endEditRun(RunContext& context);
void stopCreateEdit(RunContext& context);
void backToInstructions(RunContext& context);
// Clears the traces of an earlier edit run ("the progress reset"); does not notify.
void resetProgress(WizardState& state, EditRunController& controller);

QString progressDetail(const WizardState& state, CreateStep id, double progress);
// What a finished step reads, for the local engine or the agent, however it finished.
QString completedStepDetail(CreateStep id, bool localEngine);
QString progressLog(const WizardState& state, CreateStep id);
std::optional<ProgressRow> currentCreateStep(const WizardState& state);
QString currentEditWorkLabel(const WizardState& state);
// "m:ss" from `since` to `now`; "0:00" without a start.
QString elapsedText(const std::optional<QDateTime>& since, const QDateTime& now);
bool createHasFailed(const WizardState& state);
bool createWasStopped(const WizardState& state);
double overallProgress(const WizardState& state);

}  // namespace app::run
