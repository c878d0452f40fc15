#include "app/run/run_support.h"

#include "app/run/progress_model.h"

namespace app::run {

void applyStoppedOutcome(RunContext& context) {
    WizardState& state = context.state();
    state.completedOutputFolder.reset();
    context.progress().markCreateStepStopped(QStringLiteral("Stopped by the user."));
    state.createLog =
        QStringLiteral("Edit stopped. Go back to change anything, then click Create Edit again.");
    state.status = QStringLiteral("Edit stopped. You can go back and make changes.");
}

void markEditStepsDone(RunContext& context, bool localEngine) {
    for (const CreateStep id :
         {CreateStep::analyze, CreateStep::cuts, CreateStep::render, CreateStep::save}) {
        context.progress().setCreateStep(id, ProgressRowState::done, 1.0,
                                         completedStepDetail(id, localEngine));
    }
}

}  // namespace app::run
