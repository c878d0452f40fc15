#include "app/run/run_support.h"

#include "app/wizard/content_view.h"

namespace app::run {

void applyStoppedOutcome(ContentView& view) {
    WizardState& state = view.state();
    state.completedOutputFolder.reset();
    view.markCreateStepStopped(QStringLiteral("Stopped by the user."));
    state.createLog =
        QStringLiteral("Edit stopped. Go back to change anything, then click Create Edit again.");
    state.status = QStringLiteral("Edit stopped. You can go back and make changes.");
}

void markEditStepsDone(ContentView& view, const QString& analyze, const QString& cuts,
                       const QString& render, const QString& save) {
    view.setCreateStep(run::CreateStep::analyze, InstallPhaseState::done, 1.0, analyze);
    view.setCreateStep(run::CreateStep::cuts, InstallPhaseState::done, 1.0, cuts);
    view.setCreateStep(run::CreateStep::render, InstallPhaseState::done, 1.0, render);
    view.setCreateStep(run::CreateStep::save, InstallPhaseState::done, 1.0, save);
}

}  // namespace app::run
