#include "app/run/run_support.h"

#include <QCoreApplication>

#include "app/run/progress_model.h"

namespace app::run {

void applyStoppedOutcome(RunContext& context) {
    WizardState& state = context.state();
    state.completedOutputFolder.reset();
    context.progress().markCreateStepStopped(
        QCoreApplication::translate("Run", "Stopped by the user."));
    state.createLog = QCoreApplication::translate(
        "Run", "Edit stopped. Go back to change anything, then click Create Edit again.");
    state.status =
        QCoreApplication::translate("Run", "Edit stopped. You can go back and make changes.");
}

void markEditStepsDone(RunContext& context, bool localEngine) {
    for (const CreateStep id :
         {CreateStep::analyze, CreateStep::cuts, CreateStep::render, CreateStep::save}) {
        context.progress().setCreateStep(id, ProgressRowState::done, 1.0,
                                         completedStepDetail(id, localEngine));
    }
}

}  // namespace app::run
