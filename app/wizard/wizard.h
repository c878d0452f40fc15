#pragma once
// The wizard: the one owner of state, the threads and the changed() signal, and the
// feature objects the screens call: songs() (song selection), settings() (edit
// settings), tools() (tool readiness), progress() (the Step 4 rows and live status) and
// runs() (Create Edit, the runs, Stop).
//
// The wizard lives on the interface thread. Every operation reads and writes `state()`
// there and emits changed() when it is done. Background work never touches the state:
// it posts blocks back through the interface thread or a run's posting handle, in order.

#include <QDateTime>
#include <QObject>
#include <QThreadPool>
#include <functional>
#include <memory>

#include "app/run/edit_run_controller.h"
#include "app/run/edit_runs.h"
#include "app/run/progress_model.h"
#include "app/run/run_context.h"
#include "app/songs/edit_settings.h"
#include "app/songs/song_context.h"
#include "app/songs/song_selection.h"
#include "app/state/platform_services.h"
#include "app/state/wizard_state.h"
#include "app/tool_check/tool_readiness.h"

namespace app {

class Wizard : public QObject,
               private songs::SongContext,
               private run::RunContext,
               private tools::ToolContext {
    Q_OBJECT

public:
    explicit Wizard(PlatformServices& services, QObject* parent = nullptr);
    ~Wizard() override;

    WizardState& state() override { return state_; }
    const WizardState& state() const { return state_; }
    PlatformServices& services() const override { return services_; }

    songs::SongSelection& songs() { return songs_; }
    songs::EditSettings& settings() { return settings_; }
    tools::ToolReadiness& tools() { return tools_; }
    const tools::ToolReadiness& tools() const { return tools_; }
    run::ProgressModel& progress() override { return progress_; }
    const run::ProgressModel& progress() const { return progress_; }
    run::EditRuns& runs() { return runs_; }

    // Emits changed(); every operation calls it after changing the state.
    void notifyChanged() override;

    // ---- Start-up and the buttons that belong to no one subsystem ----
    // Restores the stored preferences and starts the tool check.
    void startUp();
    void viewCreatedEdit();    // "View Edit"
    void showWorkFolder();     // "Show Work Folder"
    void showSongFolder();     // "Show Folder"
    void createAnotherEdit();  // "Create Another Edit"
    void backToSetup();        // "Back to Setup"

    // The number of the current edit run; completion handlers of an earlier run compare
    // it and do nothing when it has moved on.
    int currentRunNumber() const override { return runNumber_; }
    run::EditRunController& editRunController() const { return *editRunController_; }

    // ---- Time and threads, for tests ----
    void setClockForTesting(std::function<QDateTime()> clock);
    // Waits until no background work is left (for tests and shutdown).
    void waitForBackgroundWork();

signals:
    void changed();

private:
    // The contexts the feature objects are given.
    QDateTime now() const override;
    QString resourceFolder() const override { return services_.resourceFolder(); }
    void resetProgress() override { progress_.resetProgress(); }
    bool songFolderReady() const override;
    int beginNewRun() override { return ++runNumber_; }
    // For background bodies, which may outlive nothing but need the controller.
    std::shared_ptr<run::EditRunController> sharedEditRunController() const override {
        return editRunController_;
    }
    // The posting handle of edit run `runNumber`: drops blocks once the run is superseded.
    std::shared_ptr<const run::PostingHandle> postingHandleForRun(int runNumber) override;
    // Runs `work` on a background worker (never on the interface thread).
    void runInBackground(std::function<void()> work) override;
    // Queues `block` onto the interface thread; blocks run in the order posted.
    void postToInterface(std::function<void()> block) override;
    void runLater(int milliseconds, std::function<void()> block) override;

    PlatformServices& services_;
    WizardState state_;
    std::shared_ptr<run::EditRunController> editRunController_;
    std::function<QDateTime()> clock_;
    QThreadPool backgroundPool_;
    int runNumber_ = 0;

    tools::ToolReadiness tools_{static_cast<tools::ToolContext&>(*this)};
    songs::EditSettings settings_{static_cast<songs::SongContext&>(*this)};
    songs::SongSelection songs_{static_cast<songs::SongContext&>(*this), settings_, tools_};
    run::ProgressModel progress_{static_cast<run::RunContext&>(*this)};
    run::EditRuns runs_{static_cast<run::RunContext&>(*this), songs_, tools_};
};

}  // namespace app
