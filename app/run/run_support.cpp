#include "app/run/run_support.h"

#include <chrono>
#include <thread>

#include "app/wizard/content_view.h"

namespace app::run {

void postForRun(ContentView& view, int runNumber, std::function<void()> block) {
    view.postToInterface([&view, runNumber, block = std::move(block)] {
        if (view.currentRunNumber() != runNumber) return;
        if (!view.editRunController().isCurrentRun(runNumber)) return;
        block();
    });
}

std::optional<QString> startChild(EditRunController& controller,
                                  const std::shared_ptr<common::Subprocess>& process,
                                  int runNumber) {
    if (const std::optional<std::string> error = process->start()) {
        return QString::fromLocal8Bit(*error);
    }
    // cancel() found the child not yet running and could not signal it.
    if (controller.isCancellationRequested(runNumber)) {
        controller.terminateThenKill(process);
    }
    return std::nullopt;
}

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
    view.setCreateStep(QStringLiteral("analyze"), InstallPhaseState::done, 1.0, analyze);
    view.setCreateStep(QStringLiteral("cuts"), InstallPhaseState::done, 1.0, cuts);
    view.setCreateStep(QStringLiteral("render"), InstallPhaseState::done, 1.0, render);
    view.setCreateStep(QStringLiteral("save"), InstallPhaseState::done, 1.0, save);
}

void sleepSeconds(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

}  // namespace app::run
