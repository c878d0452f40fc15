#pragma once
// What an edit run works with, provided by the wizard. Interface thread only:
// background work gets a posting handle instead, never this. Closures posted for a
// run may use it, since the run's posting handle drops them once the wizard is gone.

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

#include "app/run/edit_run_controller.h"
#include "app/run/posting_handle.h"
#include "app/state/wizard_state.h"

namespace app::run {

class ProgressModel;

class RunContext {
public:
    // The state, and telling the screens it changed.
    virtual WizardState& state() = 0;
    virtual void notifyChanged() = 0;
    virtual QDateTime now() const = 0;
    // The step rows every run moves.
    virtual ProgressModel& progress() = 0;

    // The folder of the bundled programs.
    virtual QString resourceFolder() const = 0;

    // Run numbers, the controller Stop goes through, and threads.
    virtual int beginNewRun() = 0;
    virtual int currentRunNumber() const = 0;
    virtual std::shared_ptr<EditRunController> sharedEditRunController() const = 0;
    virtual std::shared_ptr<const PostingHandle> postingHandleForRun(int runNumber) = 0;
    virtual void runInBackground(std::function<void()> work) = 0;
    // Runs `block` on the interface thread after `milliseconds`, unless the wizard is gone.
    virtual void runLater(int milliseconds, std::function<void()> block) = 0;

protected:
    ~RunContext() = default;
};

}  // namespace app::run
