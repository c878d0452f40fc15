// Create Edit: checks the selection and the output folder, resets the progress
// model, writes the hand-off files and hands the edit to the local engine or the agent.

#include "app/run/edit_runs.h"

#include <QCoreApplication>

#include "app/platform_words.h"
#include "app/prepare/eligibility.h"
#include "app/prepare/handoff_export.h"
#include "app/prepare/prompt.h"
#include "app/run/agent_run.h"
#include "app/run/local_engine_run.h"
#include "app/run/progress_model.h"
#include "app/run/run_files.h"
#include "app/run/run_support.h"
#include "app/tool_check/tool_probes.h"

namespace app::run {
namespace {

// The pause that lets the progress screen draw before the file work starts.
constexpr int kPreparePauseMs = 150;

QString refusalMessage(songs::AIAssistMode mode) {
    switch (mode) {
        case songs::AIAssistMode::localOnly:
            return QCoreApplication::translate(
                "Run",
                "AI assist is set to Local Only. Change AI assist fallback to Codex or a "
                "configured provider for difficult edits.");
        case songs::AIAssistMode::agentFallback:
            return QCoreApplication::translate("Run",
                                               "Codex fallback is selected, but Codex was not "
                                               "found or is not signed in on %1.")
                .arg(platform_words::thisComputer());
        case songs::AIAssistMode::providerLater:
            return QCoreApplication::translate(
                "Run",
                "Provider API fallback is selected, but secure OpenAI/Gemini/Grok/custom provider "
                "setup is not connected yet.");
    }
    return {};
}

}  // namespace

void EditRuns::createEdit() {
    WizardState& state = context_.state();
    if (state.isCreatingEdit) return;
    const auto refuse = [this, &state](const QString& status) {
        state.status = status;
        context_.notifyChanged();
    };

    if (!state.selectedFolder)
        return refuse(QCoreApplication::translate("Run", "Choose 1, 2, or 3 songs first."));
    // A folder's list is scanned again; a list picked or ordered by hand only loses songs
    // whose files are gone, since a scan would sort it by file name.
    const bool rescanFolderIfNeeded = true;
    songs_.refreshSongList(rescanFolderIfNeeded);

    const size_t songCount = state.tracks.size();
    if (songCount == 0) {
        return refuse(QCoreApplication::translate(
            "Run", "No audio files found. Add 1, 2, or 3 songs first."));
    }
    if (songCount > 3)
        return refuse(
            QCoreApplication::translate("Run", "This setup expects 1, 2, or 3 source songs."));
    if (!state.outputFolder) {
        return refuse(QCoreApplication::translate(
            "Run", "Choose an output folder before creating the edit."));
    }
    const QString outputFolder = *state.outputFolder;
    if (const std::optional<QString> error = createFolderWithParents(outputFolder)) {
        return refuse(
            QCoreApplication::translate("Run", "Could not use that output folder: %1").arg(*error));
    }

    const int runNumber = context_.beginNewRun();
    state.isCreatingEdit = true;
    state.showCreateProgressScreen = true;
    state.completedOutputFolder.reset();
    state.isUsingLocalEngine = false;
    context_.sharedEditRunController()->prepareForNewRun(runNumber);
    state.editStartedAt = context_.now();
    state.editEndedAt.reset();
    state.lastEditActivityAt = state.editStartedAt;
    state.createSteps = defaultCreateSteps();
    state.createLog = QCoreApplication::translate("Run", "Preparing the songs.");
    state.status = QCoreApplication::translate("Run", "Creating the music edit...");
    context_.progress().setCreateStep(
        CreateStep::prepare, ProgressRowState::running, 0.35,
        QCoreApplication::translate("Run", "Preparing the selected songs and output folder."));
    context_.notifyChanged();

    const bool rescan = !state.usedDirectSongSelection && !state.manualTrackOrder;
    context_.runLater(kPreparePauseMs, [this, runNumber, rescan, outputFolder] {
        // A Stop, Back and new Create Edit inside the pause must not continue this run.
        if (context_.currentRunNumber() != runNumber) return;
        continueCreateEdit(rescan, outputFolder);
    });
}

void EditRuns::continueCreateEdit(bool rescanFolderIfNeeded, const QString& outputFolder) {
    WizardState& state = context_.state();
    if (!state.isCreatingEdit) return;

    if (!exportHandoff(rescanFolderIfNeeded)) {
        context_.progress().setCreateStep(
            CreateStep::prepare, ProgressRowState::failed, 1.0,
            QCoreApplication::translate("Run", "Could not prepare the setup files."));
        context_.progress().markCreateStepFailed(
            QCoreApplication::translate("Run", "The edit did not start."));
        context_.progress().endEditRun();
        state.createLog = QCoreApplication::translate(
            "Run", "Setup files could not be prepared. Check the selected songs and try again.");
        context_.notifyChanged();
        return;
    }
    context_.progress().setCreateStep(CreateStep::prepare, ProgressRowState::done, 1.0,
                                      completedStepDetail(CreateStep::prepare, true));

    if (!state.selectedFolder) {
        context_.progress().setCreateStep(
            CreateStep::analyze, ProgressRowState::failed, 1.0,
            QCoreApplication::translate("Run", "The selected song folder was not found."));
        context_.progress().markCreateStepFailed(QCoreApplication::translate(
            "Run", "Choose the song files again, then try Create Edit."));
        context_.progress().endEditRun();
        state.createLog = QCoreApplication::translate(
            "Run",
            "The selected song folder was not found. Choose the song files again, then try "
            "Create Edit.");
        state.status =
            QCoreApplication::translate("Run", "The selected song folder was not found.");
        context_.notifyChanged();
        return;
    }
    const QString songFolder = *state.selectedFolder;

    const prepare::LocalEngineEligibility eligibility =
        prepare::localEngineEligibility(state, outputFolder);
    // An agent that Step 1 found not signed in would only retry its connection for ever.
    const bool agentUsable = state.aiAssistMode == songs::AIAssistMode::agentFallback &&
                             !tools::agentKnownNotSignedIn(state.toolChecks);
    const std::optional<QString> agentPath =
        agentUsable ? tools_.agentExecutablePath() : std::nullopt;

    if (eligibility.job) {
        state.isUsingLocalEngine = true;
        context_.progress().setCreateStep(
            CreateStep::analyze, ProgressRowState::running, 0.18,
            context_.progress().progressDetail(CreateStep::analyze, 0.18));
        state.createLog = QCoreApplication::translate(
            "Run",
            "Standalone local engine: analyzing timing, notes, phrase structure, and clean cut "
            "points.");
        context_.notifyChanged();
        startLocalEngineRun(context_, *eligibility.job, songFolder, outputFolder, agentPath);
    } else if (agentPath) {
        state.isUsingLocalEngine = false;
        const QString prompt = prepare::buildPrompt(state);
        context_.progress().setCreateStep(
            CreateStep::analyze, ProgressRowState::running, 0.12,
            context_.progress().progressDetail(CreateStep::analyze, 0.12));
        state.createLog = eligibility.reason + QLatin1Char('\n') +
                          context_.progress().progressLog(CreateStep::analyze);
        context_.notifyChanged();
        startAgentRun(context_, *agentPath, prompt, songFolder, outputFolder);
    } else {
        const QString refusal = refusalMessage(state.aiAssistMode);
        context_.progress().setCreateStep(
            CreateStep::analyze, ProgressRowState::failed, 1.0,
            QCoreApplication::translate("Run", "The background editing engine was not found."));
        context_.progress().markCreateStepFailed(refusal);
        context_.progress().endEditRun();
        state.createLog = QCoreApplication::translate(
                              "Run", "The local engine could not handle this edit. %1\n%2")
                              .arg(eligibility.reason, refusal);
        state.status =
            QCoreApplication::translate("Run", "The local engine needs AI help for this edit.");
        context_.notifyChanged();
    }
}

bool EditRuns::exportHandoff(bool rescanFolderIfNeeded) {
    const bool exported = prepare::exportHandoff(context_.state(), [this, rescanFolderIfNeeded] {
        songs_.refreshSongList(rescanFolderIfNeeded);
    });
    context_.notifyChanged();
    return exported;
}

void EditRuns::stopCreateEdit() {
    WizardState& state = context_.state();
    if (!state.isCreatingEdit) return;
    context_.sharedEditRunController()->cancel();
    context_.progress().endEditRun();
    state.isUsingLocalEngine = false;
    state.lastEditActivityAt = context_.now();
    applyStoppedOutcome(context_);
    context_.notifyChanged();
}

}  // namespace app::run
