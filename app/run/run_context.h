#pragma once
// What an edit run works with, provided by the wizard's view. Interface thread only:
// background work gets a posting handle instead, never this. Closures posted for a
// run may use it, since the run's posting handle drops them once the view is gone.

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "app/run/edit_run_controller.h"
#include "app/run/posting_handle.h"
#include "app/state/wizard_state.h"

namespace app::run {

class RunContext {
public:
    // The state, and telling the screens it changed.
    virtual WizardState& state() = 0;
    virtual void notifyChanged() = 0;
    virtual QDateTime now() const = 0;

    // The folder of the bundled programs, and the agent if there is one.
    virtual QString resourceFolder() const = 0;
    virtual std::optional<QString> agentExecutablePath() const = 0;

    // The preparation Create Edit begins with (the songs, then the hand-off files;
    // both set the status and notify).
    virtual void refreshSongList(bool rescanFolderIfNeeded) = 0;
    virtual bool exportHandoff(bool rescanFolderIfNeeded) = 0;

    // Run numbers, the controller Stop goes through, and threads.
    virtual int beginNewRun() = 0;
    virtual int currentRunNumber() const = 0;
    virtual std::shared_ptr<EditRunController> sharedEditRunController() const = 0;
    virtual std::shared_ptr<const PostingHandle> postingHandleForRun(int runNumber) = 0;
    virtual void runInBackground(std::function<void()> work) = 0;
    // Runs `block` on the interface thread after `milliseconds`, unless the view is gone.
    virtual void runLater(int milliseconds, std::function<void()> block) = 0;

protected:
    ~RunContext() = default;
};

}  // namespace app::run
