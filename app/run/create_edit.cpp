// Create Edit: checks the selection and the output folder, resets the progress
// model, writes the hand-off files and hands the edit to the local engine or the agent.

#include <QFileInfo>
#include <QTimer>

#include "app/platform_words.h"
#include "app/run/run_files.h"
#include "app/tools/tool_probes.h"
#include "app/wizard/content_view.h"

namespace app {
namespace {

using run::InstallPhaseState;

// The pause that lets the progress screen draw before the file work starts.
constexpr int kPreparePauseMs = 150;

QString refusalMessage(songs::AIAssistMode mode) {
    switch (mode) {
        case songs::AIAssistMode::localOnly:
            return QStringLiteral(
                "AI assist is set to Local Only. Change AI assist fallback to Codex or a "
                "configured provider for difficult edits.");
        case songs::AIAssistMode::codexFallback:
            return "Codex fallback is selected, but Codex was not found or is not signed in on " +
                   platform_words::thisComputer() + ".";
        case songs::AIAssistMode::providerLater:
            return QStringLiteral(
                "Provider API fallback is selected, but secure OpenAI/Gemini/Grok/custom provider "
                "setup is not connected yet.");
    }
    return {};
}

}  // namespace

void ContentView::createEdit() {
    if (state_.isCreatingEdit) return;
    const auto refuse = [this](const QString& status) {
        state_.status = status;
        notifyChanged();
    };

    if (!state_.selectedFolder) return refuse(QStringLiteral("Choose 1, 2, or 3 songs first."));

    // A folder scan sorts by file name: it would undo songs picked one by one or reordered.
    if (!state_.usedDirectSongSelection && !state_.manualTrackOrder) {
        scanSelectedFolder();
    } else {
        std::erase_if(state_.tracks,
                      [](const songs::TrackFile& track) { return !QFileInfo::exists(track.url); });
        syncSongGuidance();
    }

    const size_t songCount = state_.tracks.size();
    if (songCount == 0) {
        return refuse(QStringLiteral("No audio files found. Add 1, 2, or 3 songs first."));
    }
    if (songCount > 3) return refuse(QStringLiteral("This setup expects 1, 2, or 3 source songs."));
    if (!state_.outputFolder) {
        return refuse(QStringLiteral("Choose an output folder before creating the edit."));
    }
    const QString outputFolder = *state_.outputFolder;
    if (const std::optional<QString> error = run::createFolderWithParents(outputFolder)) {
        return refuse("Could not use that output folder: " + *error);
    }

    const int runNumber = beginNewRun();
    state_.isCreatingEdit = true;
    state_.showCreateProgressScreen = true;
    state_.completedOutputFolder.reset();
    state_.isUsingFastTimeRenderer = false;
    editRunController().prepareForNewRun(runNumber);
    state_.editStartedAt = now();
    state_.lastEditActivityAt = state_.editStartedAt;
    state_.createSteps = run::defaultCreateSteps();
    state_.createLog = QStringLiteral("Preparing the songs.");
    state_.status = QStringLiteral("Creating the music edit...");
    setCreateStep(run::CreateStep::prepare, InstallPhaseState::running, 0.35,
                  QStringLiteral("Preparing the selected songs and output folder."));
    notifyChanged();

    const bool rescan = !state_.usedDirectSongSelection && !state_.manualTrackOrder;
    QTimer::singleShot(kPreparePauseMs, this, [this, runNumber, rescan, outputFolder] {
        // A Stop, Back and new Create Edit inside the pause must not continue this run.
        if (currentRunNumber() != runNumber) return;
        continueCreateEdit(rescan, outputFolder);
    });
}

void ContentView::continueCreateEdit(bool rescanFolderIfNeeded, const QString& outputFolder) {
    if (!state_.isCreatingEdit) return;

    if (!exportHandoff(rescanFolderIfNeeded)) {
        setCreateStep(run::CreateStep::prepare, InstallPhaseState::failed, 1.0,
                      QStringLiteral("Could not prepare the setup files."));
        markCreateStepFailed(QStringLiteral("The edit did not start."));
        state_.isCreatingEdit = false;
        state_.createLog = QStringLiteral(
            "Setup files could not be prepared. Check the selected songs and try again.");
        notifyChanged();
        return;
    }
    setCreateStep(run::CreateStep::prepare, InstallPhaseState::done, 1.0,
                  QStringLiteral("Songs and output folder are ready."));

    if (!state_.selectedFolder) {
        setCreateStep(run::CreateStep::analyze, InstallPhaseState::failed, 1.0,
                      QStringLiteral("The selected song folder was not found."));
        markCreateStepFailed(QStringLiteral("Choose the song files again, then try Create Edit."));
        state_.isCreatingEdit = false;
        state_.createLog = QStringLiteral(
            "The selected song folder was not found. Choose the song files again, then try "
            "Create Edit.");
        state_.status = QStringLiteral("The selected song folder was not found.");
        notifyChanged();
        return;
    }
    const QString songFolder = *state_.selectedFolder;

    const prepare::FastTimeEligibility eligibility = fastTimeEligibility(outputFolder);
    // An agent that Step 1 found not signed in would only retry its connection for ever.
    const bool codexUsable = state_.aiAssistMode == songs::AIAssistMode::codexFallback &&
                             !tools::codexKnownNotSignedIn(state_.toolChecks);
    const std::optional<QString> codexPath = codexUsable ? codexExecutablePath() : std::nullopt;

    if (eligibility.job) {
        state_.isUsingFastTimeRenderer = true;
        setCreateStep(run::CreateStep::analyze, InstallPhaseState::running, 0.18,
                      progressDetail(run::CreateStep::analyze, 0.18));
        state_.createLog = QStringLiteral(
            "Standalone local engine: analyzing timing, notes, phrase structure, and clean cut "
            "points.");
        notifyChanged();
        runFastTimeEditInBackground(*eligibility.job, songFolder, outputFolder, codexPath);
    } else if (codexPath) {
        state_.isUsingFastTimeRenderer = false;
        const QString prompt = buildPrompt();
        setCreateStep(run::CreateStep::analyze, InstallPhaseState::running, 0.12,
                      progressDetail(run::CreateStep::analyze, 0.12));
        state_.createLog =
            eligibility.reason + QLatin1Char('\n') + progressLog(run::CreateStep::analyze);
        notifyChanged();
        runCodexEditInBackground(*codexPath, prompt, songFolder, outputFolder);
    } else {
        const QString refusal = refusalMessage(state_.aiAssistMode);
        setCreateStep(run::CreateStep::analyze, InstallPhaseState::failed, 1.0,
                      QStringLiteral("The background editing engine was not found."));
        markCreateStepFailed(refusal);
        state_.isCreatingEdit = false;
        state_.createLog = "The local engine could not handle this edit. " + eligibility.reason +
                           QLatin1Char('\n') + refusal;
        state_.status = QStringLiteral("The local engine needs AI help for this edit.");
        notifyChanged();
    }
}

}  // namespace app
