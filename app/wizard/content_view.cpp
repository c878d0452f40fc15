#include "app/wizard/content_view.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QTimer>

#include "app/platform_words.h"
#include "app/prepare/eligibility.h"
#include "app/prepare/handoff_export.h"
#include "app/prepare/prompt.h"
#include "app/run/agent_run.h"
#include "app/run/create_edit.h"
#include "app/run/deliverables.h"
#include "app/run/live_status.h"
#include "app/run/local_engine_run.h"
#include "app/run/progress_model.h"
#include "app/songs/edit_settings.h"
#include "app/songs/media_library_paths.h"
#include "app/songs/song_selection.h"
#include "app/tool_check/agent_command.h"
#include "app/tool_check/tool_probes.h"
#include "app/tool_check/tool_readiness.h"
#include "app/wizard/run_posting_handle.h"

namespace app {

ContentView::ContentView(PlatformServices& services, QObject* parent)
    : QObject(parent),
      services_(services),
      editRunController_(std::make_shared<run::EditRunController>()) {
    // Runs hold a worker for their whole life; leave room for tool checks and copies.
    backgroundPool_.setMaxThreadCount(8);
}

ContentView::~ContentView() {
    // Closing the window during a run stops it like Stop Edit, and waits for the kill.
    editRunController_->cancel();
    backgroundPool_.waitForDone();
    editRunController_->finishPendingKills();
    // The run's completion, which would release its child, was dropped with this view; the
    // child's output callback holds a poster that holds the controller, so release it here.
    editRunController_->reset();
}

void ContentView::notifyChanged() { emit changed(); }

QDateTime ContentView::now() const { return clock_ ? clock_() : QDateTime::currentDateTimeUtc(); }

void ContentView::setClockForTesting(std::function<QDateTime()> clock) {
    clock_ = std::move(clock);
}

void ContentView::runInBackground(std::function<void()> work) {
    backgroundPool_.start(std::move(work));
}

void ContentView::postToInterface(std::function<void()> block) {
    QMetaObject::invokeMethod(this, std::move(block), Qt::QueuedConnection);
}

void ContentView::runLater(int milliseconds, std::function<void()> block) {
    // With this view as the timer's context, a view destroyed meanwhile runs nothing.
    QTimer::singleShot(milliseconds, this, std::move(block));
}

std::shared_ptr<const run::PostingHandle> ContentView::postingHandleForRun(int runNumber) {
    return std::make_shared<RunPostingHandle>(
        this, [this] { return currentRunNumber(); }, editRunController_, runNumber);
}

void ContentView::waitForBackgroundWork() { backgroundPool_.waitForDone(); }

std::optional<QString> ContentView::agentExecutablePath() const {
    return agentLocator_ ? agentLocator_() : tools::agentExecutablePath();
}

// ---- Start-up and screen actions ----

void ContentView::startUp() {
    restorePreferences();
    refreshToolChecksInBackground();
}

void ContentView::viewCreatedEdit() {
    const std::optional<QString> folder =
        state_.completedOutputFolder ? state_.completedOutputFolder : state_.outputFolder;
    if (!folder) {
        state_.status = QCoreApplication::translate("Wizard", "Choose an output folder first.");
    } else if (const std::optional<QString> file = run::newestAudioFile(*folder)) {
        services_.revealInFileManager(*file);
        state_.status =
            QCoreApplication::translate("Wizard", "Complete. Showing the finished edit %1.")
                .arg(platform_words::inFileManager());
    } else {
        services_.revealInFileManager(*folder);
        state_.status =
            QCoreApplication::translate("Wizard", "Complete. Showing the output folder %1.")
                .arg(platform_words::inFileManager());
    }
    notifyChanged();
}

void ContentView::showWorkFolder() {
    // The folder exists only after a successful hand-off export; the button is disabled before.
    if (state_.handoffFolder) services_.revealInFileManager(*state_.handoffFolder);
}

void ContentView::showSongFolder() {
    if (!state_.selectedFolder) {
        state_.status = QCoreApplication::translate("Wizard", "Choose a folder first.");
        notifyChanged();
        return;
    }
    services_.revealInFileManager(*state_.selectedFolder);
}

void ContentView::createAnotherEdit() {
    // clearSongs refuses while an edit runs and otherwise also leaves the progress screen.
    clearSongs();
}

void ContentView::backToSetup() {
    state_.showCreateProgressScreen = false;
    notifyChanged();
}

// ---- Tool readiness ----

bool ContentView::toolsReady() const { return tools::toolsReady(state_); }

std::optional<QString> ContentView::bundledToolPath(const QString& name) const {
    return tools::bundledToolPath(services_.resourceFolder(), name);
}

std::optional<QString> ContentView::lameProgramPath() const {
    return tools::lameProgramPath(services_.resourceFolder());
}

tools::ToolEnvironment ContentView::toolEnvironment() const {
    tools::ToolEnvironment environment;
    environment.resourceFolder = services_.resourceFolder();
    environment.homeFolder = services_.homeFolder();
    environment.documentsFolder = services_.documentsFolder();
    environment.selectedFolder = state_.selectedFolder;
    environment.agentLocator = agentLocator_;
    environment.lookups = toolLookups_;
    return environment;
}

void ContentView::applyToolCheckResults(std::vector<tools::ToolCheck> checks) {
    tools::applyToolCheckResults(state_, std::move(checks), songFolderReady());
    notifyChanged();
}

void ContentView::refreshToolChecksInBackground() {
    if (state_.isCheckingTools) return;
    state_.isCheckingTools = true;
    state_.statusAtToolCheckStart = state_.status;
    notifyChanged();
    // The probes get a snapshot: background work never reads the state.
    runInBackground([this, environment = toolEnvironment()] {
        std::vector<tools::ToolCheck> checks = tools::buildToolChecks(environment);
        postToInterface([this, checks = std::move(checks)]() mutable {
            applyToolCheckResults(std::move(checks));
        });
    });
}

void ContentView::setToolLookupsForTesting(tools::ToolLookups lookups) {
    toolLookups_ = std::move(lookups);
}

void ContentView::setAgentLocatorForTesting(std::function<std::optional<QString>()> locator) {
    agentLocator_ = std::move(locator);
}

// ---- Song selection ----

bool ContentView::songFolderReady() const { return songs::songFolderReady(state_); }
bool ContentView::canChooseSongs() { return songs::canChooseSongs(*this); }
void ContentView::chooseSongFiles() { songs::chooseSongFiles(*this); }
void ContentView::chooseSongFolder() { songs::chooseSongFolder(*this); }

void ContentView::handleAudioFileSelection(const QStringList& paths) {
    songs::handleAudioFileSelection(*this, paths);
}

void ContentView::handleSongFolderSelection(const QString& path) {
    songs::handleSongFolderSelection(*this, path);
}

void ContentView::scanSelectedFolder() { songs::scanSelectedFolder(*this); }
void ContentView::clearSongs() { songs::clearSongs(*this); }
void ContentView::replaceTrack(int index) { songs::replaceTrack(*this, index); }
void ContentView::moveTrack(int index, int offset) { songs::moveTrack(*this, index, offset); }

bool ContentView::isBlockedMediaLibraryPath(const QString& path) const {
    return songs::isBlockedMediaLibraryPath(path, services_.homeFolder());
}

QString ContentView::privacySafePickerStartDirectory(
    const std::optional<QString>& preferred) const {
    return songs::privacySafePickerStartDirectory(state_, services_, preferred);
}

QString ContentView::songPickerStartDirectory() const {
    return songs::songPickerStartDirectory(state_, services_);
}

void ContentView::resetProgress() { run::resetProgress(state_, *editRunController_); }

void ContentView::refreshSongList(bool rescanFolderIfNeeded) {
    songs::refreshSongList(*this, rescanFolderIfNeeded);
}

// ---- Edit settings ----

QString ContentView::songStartTime(const songs::TrackFile& track) const {
    return songs::songStartTime(state_, track);
}

QString ContentView::songEndTime(const songs::TrackFile& track) const {
    return songs::songEndTime(state_, track);
}

QString ContentView::songGuidanceText(const songs::TrackFile& track) const {
    return songs::songGuidanceText(state_, track);
}

void ContentView::setSongStartTime(const songs::TrackFile& track, const QString& text) {
    songs::setSongStartTime(*this, track, text);
}

void ContentView::setSongEndTime(const songs::TrackFile& track, const QString& text) {
    songs::setSongEndTime(*this, track, text);
}

void ContentView::setSongGuidanceText(const songs::TrackFile& track, const QString& text) {
    songs::setSongGuidanceText(*this, track, text);
}

void ContentView::syncSongGuidance() { songs::syncSongGuidance(state_); }
void ContentView::syncSongTimingFields() { songs::syncSongTimingFields(state_); }

void ContentView::refreshStarterGuidanceAfterOrderChange(
    const std::vector<songs::TrackFile>& oldTracks) {
    songs::refreshStarterGuidanceAfterOrderChange(state_, oldTracks);
}

void ContentView::chooseFinalEndingEffect(common::FinalEndingEffect effect) {
    songs::chooseFinalEndingEffect(*this, effect);
}

void ContentView::chooseSnapToBeat(bool snapToBeat) { songs::chooseSnapToBeat(*this, snapToBeat); }

void ContentView::chooseAIAssistMode(songs::AIAssistMode mode) {
    songs::chooseAIAssistMode(*this, mode);
}

void ContentView::saveAIAssistPreferences() { songs::saveAIAssistPreferences(state_, services_); }

void ContentView::openAIProviderConnection(const songs::AIProviderConnection& provider) {
    songs::openAIProviderConnection(*this, provider);
}

void ContentView::chooseOutputFolder() { songs::chooseOutputFolder(*this); }
void ContentView::restorePreferences() { songs::restorePreferences(*this); }

// ---- Edit preparation ----

prepare::LocalEngineEligibility ContentView::localEngineEligibility(
    const QString& outputFolder) const {
    return prepare::localEngineEligibility(state_, outputFolder);
}

bool ContentView::exportHandoff(bool rescanFolderIfNeeded) {
    const bool exported = prepare::exportHandoff(
        state_, [this, rescanFolderIfNeeded] { refreshSongList(rescanFolderIfNeeded); });
    notifyChanged();
    return exported;
}

QString ContentView::buildPrompt() const { return prepare::buildPrompt(state_); }

// ---- Progress model ----

void ContentView::setCreateStep(run::CreateStep id, run::ProgressRowState state, double progress,
                                const QString& detail) {
    run::setCreateStep(*this, id, state, progress, detail);
}

void ContentView::markCreateStepFailed(const QString& detail) {
    run::markCreateStepFailed(*this, detail);
}

void ContentView::markCreateStepStopped(const QString& detail) {
    run::markCreateStepStopped(*this, detail);
}

void ContentView::advanceVisibleEditProgress() { run::advanceVisibleEditProgress(*this); }

void ContentView::followEngineMilestone(run::EngineMilestone milestone) {
    run::followEngineMilestone(*this, milestone);
}

QString ContentView::progressDetail(run::CreateStep id, double progress) const {
    return run::progressDetail(state_, id, progress);
}

QString ContentView::progressLog(run::CreateStep id) const { return run::progressLog(state_, id); }
void ContentView::appendCreateLog(const QString& line) { run::appendCreateLog(*this, line); }

std::optional<run::ProgressRow> ContentView::currentCreateStep() const {
    return run::currentCreateStep(state_);
}

QString ContentView::currentEditWorkLabel() const { return run::currentEditWorkLabel(state_); }

QString ContentView::elapsedText(const std::optional<QDateTime>& since) const {
    return run::elapsedText(since, now());
}

bool ContentView::createHasFailed() const { return run::createHasFailed(state_); }
bool ContentView::createWasStopped() const { return run::createWasStopped(state_); }
double ContentView::overallProgress() const { return run::overallProgress(state_); }
QString ContentView::liveEditHeadline() const { return run::liveEditHeadline(state_); }
QString ContentView::liveEditMessage() const { return run::liveEditMessage(state_, now()); }
QString ContentView::liveEditSymbolName() const { return run::liveEditSymbolName(state_); }

run::StatusColor ContentView::liveEditStatusColor() const {
    return run::liveEditStatusColor(state_);
}

QString ContentView::liveEditTimingText() const { return run::liveEditTimingText(state_, now()); }
void ContentView::stopCreateEdit() { run::stopCreateEdit(*this); }
void ContentView::backToInstructions() { run::backToInstructions(*this); }

// ---- Create Edit and the runs ----

void ContentView::createEdit() { run::createEdit(*this); }

void ContentView::continueCreateEdit(bool rescanFolderIfNeeded, const QString& outputFolder) {
    run::continueCreateEdit(*this, rescanFolderIfNeeded, outputFolder);
}

void ContentView::runLocalEngineEditInBackground(const prepare::RenderJob& job,
                                                 const QString& workingDirectory,
                                                 const QString& outputFolder,
                                                 const std::optional<QString>& agentFallbackPath) {
    run::startLocalEngineRun(*this, job, workingDirectory, outputFolder, agentFallbackPath);
}

void ContentView::runAgentEditInBackground(const QString& agentPath, const QString& prompt,
                                           const QString& workingDirectory,
                                           const QString& outputFolder) {
    run::startAgentRun(*this, agentPath, prompt, workingDirectory, outputFolder);
}

void ContentView::showSavedDeliverablesProgress(const QString& file) {
    run::showSavedDeliverablesProgress(*this, file);
}

}  // namespace app
