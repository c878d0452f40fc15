#pragma once
// The wizard's one owner of state and the facade the screens call.
//
// ContentView lives on the interface thread. Every operation reads and writes
// `state()` there and emits changed() when it is done. The operations are
// implemented by subsystem, each forwarded to in one line: app/tools (tool
// readiness), app/songs (song selection and edit settings, through the SongContext
// this view provides), app/prepare (eligibility and hand-off files), app/run (the
// progress model, the runs and deliverable monitoring, through the RunContext this
// view provides). Background work never touches the state: it posts blocks back
// with postToInterface() or a run's posting handle, in order.

#include <QDateTime>
#include <QObject>
#include <QThreadPool>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/prepare/render_job.h"
#include "app/run/edit_run_controller.h"
#include "app/run/engine_milestones.h"
#include "app/run/posting_handle.h"
#include "app/run/progress_row.h"
#include "app/run/run_context.h"
#include "app/songs/edit_options.h"
#include "app/songs/song_context.h"
#include "app/tool_check/tool_probes.h"
#include "app/state/platform_services.h"
#include "app/state/wizard_state.h"

namespace app {

class ContentView : public QObject, private songs::SongContext, private run::RunContext {
    Q_OBJECT

public:
    explicit ContentView(PlatformServices& services, QObject* parent = nullptr);
    ~ContentView() override;

    WizardState& state() override { return state_; }
    const WizardState& state() const { return state_; }
    PlatformServices& services() const override { return services_; }
    run::EditRunController& editRunController() const { return *editRunController_; }
    // For background bodies, which may outlive nothing but need the controller.
    std::shared_ptr<run::EditRunController> sharedEditRunController() const override {
        return editRunController_;
    }

    // Emits changed(); every operation calls it after changing the state.
    void notifyChanged() override;

    // ---- Start-up and screen actions (app/wizard/content_view.cpp) ----
    // Restores the stored preferences and starts the tool check.
    void startUp();
    void viewCreatedEdit();    // "View Edit"
    void showWorkFolder();     // "Show Work Folder"
    void showSongFolder();     // "Show Folder"
    void createAnotherEdit();  // "Create Another Edit"
    void backToSetup();        // "Back to Setup"

    // ---- Tool readiness (app/tool_check/tool_readiness.h) ----
    bool toolsReady() const;
    // Where the agent is (tools::agentExecutablePath unless a test replaced it).
    std::optional<QString> agentExecutablePath() const override;
    void setAgentLocatorForTesting(std::function<std::optional<QString>()> locator);
    // Where the tool check looks (this machine unless replaced).
    void setToolLookupsForTesting(tools::ToolLookups lookups);
    std::optional<QString> bundledToolPath(const QString& name) const;
    // The LAME that Step 1 accepts and the engine is given: the bundle's, else the
    // command line's (may run a login shell).
    std::optional<QString> lameProgramPath() const;
    // A snapshot of what the background probes need to know.
    tools::ToolEnvironment toolEnvironment() const;
    void applyToolCheckResults(std::vector<tools::ToolCheck> checks);
    void refreshToolChecksInBackground() override;

    // ---- Song selection (app/songs/song_selection.h) ----
    bool songFolderReady() const;
    bool canChooseSongs();
    void chooseSongFiles();
    void chooseSongFolder();
    void handleAudioFileSelection(const QStringList& paths);
    void handleSongFolderSelection(const QString& path);
    void scanSelectedFolder();
    void clearSongs();
    void replaceTrack(int index);
    void moveTrack(int index, int offset);
    bool isBlockedMediaLibraryPath(const QString& path) const;
    QString privacySafePickerStartDirectory(const std::optional<QString>& preferred) const;
    QString songPickerStartDirectory() const;
    // Clears the traces of an earlier edit run ("the progress reset").
    void resetProgress() override;

    // ---- Edit settings (app/songs/edit_settings.h) ----
    // The text field bindings: reading gives "0:00" / empty text by default,
    // writing stores the text exactly as typed under the song's path.
    QString songStartTime(const songs::TrackFile& track) const;
    QString songEndTime(const songs::TrackFile& track) const;
    QString songGuidanceText(const songs::TrackFile& track) const;
    void setSongStartTime(const songs::TrackFile& track, const QString& text);
    void setSongEndTime(const songs::TrackFile& track, const QString& text);
    void setSongGuidanceText(const songs::TrackFile& track, const QString& text);
    void syncSongGuidance();
    void syncSongTimingFields();
    void refreshStarterGuidanceAfterOrderChange(const std::vector<songs::TrackFile>& oldTracks);
    void chooseFinalEndingEffect(common::FinalEndingEffect effect);
    void chooseSnapToBeat(bool snapToBeat);
    void chooseAIAssistMode(songs::AIAssistMode mode);
    void saveAIAssistPreferences();
    void openAIProviderConnection(const songs::AIProviderConnection& provider);
    void chooseOutputFolder();
    // Restores "reelhopperAIAssistMode", "tunewrightFinalEndingEffect" and
    // "tunewrightSnapToBeat".
    void restorePreferences();

    // ---- Edit preparation (app/prepare/eligibility.h, handoff_export.h, prompt.h) ----
    prepare::LocalEngineEligibility localEngineEligibility(const QString& outputFolder) const;
    bool exportHandoff(bool rescanFolderIfNeeded) override;
    QString buildPrompt() const;

    // ---- Progress model (app/run/progress_model.h, live_status.h) ----
    void setCreateStep(run::CreateStep id, run::ProgressRowState state, double progress,
                       const QString& detail);
    void markCreateStepFailed(const QString& detail);
    void markCreateStepStopped(const QString& detail);
    void advanceVisibleEditProgress();
    // The local engine finished a step: the rows before it are done and the next one runs.
    void followEngineMilestone(run::EngineMilestone milestone);
    QString progressDetail(run::CreateStep id, double progress) const;
    QString progressLog(run::CreateStep id) const;
    void appendCreateLog(const QString& line);
    std::optional<run::ProgressRow> currentCreateStep() const;
    QString currentEditWorkLabel() const;
    QString elapsedText(const std::optional<QDateTime>& since) const;
    bool createHasFailed() const;
    bool createWasStopped() const;
    double overallProgress() const;
    QString liveEditHeadline() const;
    QString liveEditMessage() const;
    QString liveEditSymbolName() const;
    run::StatusColor liveEditStatusColor() const;
    QString liveEditTimingText() const;
    void stopCreateEdit();
    void backToInstructions();

    // ---- Create Edit and the local engine run (app/run/create_edit.h, local_engine_run.h) ----
    void createEdit();
    void continueCreateEdit(bool rescanFolderIfNeeded, const QString& outputFolder);
    void runLocalEngineEditInBackground(const prepare::RenderJob& job,
                                        const QString& workingDirectory,
                                        const QString& outputFolder,
                                        const std::optional<QString>& agentFallbackPath);

    // ---- The agent fallback run (app/run/agent_run.h) ----
    void runAgentEditInBackground(const QString& agentPath, const QString& prompt,
                                  const QString& workingDirectory, const QString& outputFolder);
    void showSavedDeliverablesProgress(const QString& file);

    // ---- Time and threads ----
    QDateTime now() const override;
    void setClockForTesting(std::function<QDateTime()> clock);
    // Runs `work` on a background worker (never on the interface thread).
    void runInBackground(std::function<void()> work) override;
    // Queues `block` onto the interface thread; blocks run in the order posted.
    void postToInterface(std::function<void()> block);
    // The posting handle of edit run `runNumber`: drops blocks once the run is superseded.
    std::shared_ptr<const run::PostingHandle> postingHandleForRun(int runNumber) override;
    // The number of the current edit run; completion handlers of an earlier
    // run compare it and do nothing when it has moved on.
    int currentRunNumber() const override { return runNumber_; }
    // Starts a new edit run and returns its number.
    int beginNewRun() override { return ++runNumber_; }
    // Waits until no background work is left (for tests and shutdown).
    void waitForBackgroundWork();

signals:
    void changed();

private:
    // What only the run's orchestration asks for.
    QString resourceFolder() const override { return services_.resourceFolder(); }
    void refreshSongList(bool rescanFolderIfNeeded) override;
    void runLater(int milliseconds, std::function<void()> block) override;

    PlatformServices& services_;
    WizardState state_;
    std::shared_ptr<run::EditRunController> editRunController_;
    std::function<QDateTime()> clock_;
    QThreadPool backgroundPool_;
    std::function<std::optional<QString>()> agentLocator_;
    tools::ToolLookups toolLookups_;
    int runNumber_ = 0;
};

}  // namespace app
