#include "app/run/run_support.h"

#include "app/run/progress_model.h"

namespace app::run {

void applyStoppedOutcome(RunContext& context) {
    WizardState& state = context.state();
    state.completedOutputFolder.reset();
    markCreateStepStopped(context, QStringLiteral("Stopped by the user."));
    state.createLog =
        QStringLiteral("Edit stopped. Go back to change anything, then click Create Edit again.");
    state.status = QStringLiteral("Edit stopped. You can go back and make changes.");
}

void markEditStepsDone(RunContext& context, const QString& analyze, const QString& cuts,
                       const QString& render, const QString& save) {
    setCreateStep(context, CreateStep::analyze, InstallPhaseState::done, 1.0, analyze);
    setCreateStep(context, CreateStep::cuts, InstallPhaseState::done, 1.0, cuts);
    setCreateStep(context, CreateStep::render, InstallPhaseState::done, 1.0, render);
    setCreateStep(context, CreateStep::save, InstallPhaseState::done, 1.0, save);
}

}  // namespace app::run
