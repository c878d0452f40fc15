// The local engine run: writes the render job, runs seamforge on it in the
// background, keeps its output for the log and judges the result by the exit status
// and a fresh finished MP3. When the engine cannot take or finish the edit, the run
// passes to the agent if the user allowed it.

#include <QDir>
#include <QFileInfo>
#include <memory>

#include "app/prepare/handoff_layout.h"
#include "app/run/child_run.h"
#include "app/run/deliverables.h"
#include "app/run/run_files.h"
#include "app/run/run_output.h"
#include "app/run/run_support.h"
#include "app/tools/tool_probes.h"
#include "app/wizard/content_view.h"

namespace app {
namespace {

using run::InstallPhaseState;

constexpr double kMonitorIntervalSeconds = 0.5;

// Everything a local run needs to know, fixed on the interface thread when it starts.
struct LocalRun {
    int number = 0;
    QString workingDirectory;  // the song folder
    QString outputFolder;
    std::optional<QString> codexFallbackPath;
    QString jobFile;
    QString logFile;
    QString lastMessageFile;
};

enum class HandOver { rendererMissing, jobNotWritten, processDidNotStart };

struct HandOverTexts {
    const char* logLine;
    const char* status;
};

HandOverTexts textsFor(HandOver reason) {
    switch (reason) {
        case HandOver::rendererMissing:
            return {
                "Standalone local engine unavailable: bundled renderer was not found. "
                "Switching to AI fallback.",
                "The local engine and AI fallback were not available."};
        case HandOver::jobNotWritten:
            return {
                "Standalone local engine could not prepare its job files. Switching to AI "
                "fallback.",
                "The fast renderer could not start."};
        case HandOver::processDidNotStart:
            return {"Standalone local engine could not start. Switching to AI fallback.",
                    "The local engine could not start."};
    }
    return {"", ""};
}

// The engine could not take the edit: the agent takes over, or the run fails.
void handOver(ContentView& view, const LocalRun& run, HandOver reason, const QString& error) {
    WizardState& state = view.state();
    const HandOverTexts texts = textsFor(reason);
    state.isUsingFastTimeRenderer = false;
    view.appendCreateLog(QString::fromUtf8(texts.logLine));

    if (run.codexFallbackPath) {
        const QString prompt = view.buildPrompt();
        view.setCreateStep(run::CreateStep::analyze, InstallPhaseState::running, 0.12,
                           view.progressDetail(run::CreateStep::analyze, 0.12));
        if (reason == HandOver::rendererMissing) {
            state.createLog = view.progressLog(run::CreateStep::analyze);
        }
        view.notifyChanged();
        view.runCodexEditInBackground(*run.codexFallbackPath, prompt, run.workingDirectory,
                                      run.outputFolder);
        return;
    }

    view.markCreateStepFailed(
        reason == HandOver::rendererMissing
            ? QStringLiteral("Bundled local renderer and AI fallback were not available.")
            : error);
    if (reason == HandOver::processDidNotStart) {
        state.createLog = QStringLiteral(
            "The standalone local engine could not start and AI fallback was not available.");
        state.completedOutputFolder.reset();
    }
    state.status = QString::fromUtf8(texts.status);
    state.isCreatingEdit = false;
    view.notifyChanged();
}

void closeLocalRun(WizardState& state) {
    state.isCreatingEdit = false;
    state.isUsingFastTimeRenderer = false;
}

void applySuccess(ContentView& view, const LocalRun& run) {
    WizardState& state = view.state();
    run::writeTextFile(run.lastMessageFile,
                       "Complete. Standalone local engine saved the finished MP3 and edit notes "
                       "in:\n" +
                           run.outputFolder + QLatin1Char('\n'));
    run::markEditStepsDone(
        view, QStringLiteral("Local audio and structure scan complete."),
        QStringLiteral("Timing and phrase targets snapped to clean cut points."),
        QStringLiteral("Continuous 320 kbps MP3 built."),
        QStringLiteral("MP3, edit notes, and QC files saved in the selected output folder."));
    state.completedOutputFolder = run.outputFolder;
    state.createLog =
        "Complete. Standalone local engine finished without AI fallback.\n" + run.outputFolder;
    state.status =
        QStringLiteral("Complete. Your edit is ready. Click View Edit to open the finished file.");
}

void passToAgent(ContentView& view, const LocalRun& run, const QString& summary) {
    WizardState& state = view.state();
    state.isUsingFastTimeRenderer = false;
    view.setCreateStep(run::CreateStep::analyze, InstallPhaseState::running, 0.12,
                       view.progressDetail(run::CreateStep::analyze, 0.12));
    view.setCreateStep(run::CreateStep::cuts, InstallPhaseState::pending, 0.0,
                       QStringLiteral("Waiting for AI fallback to choose edit points."));
    view.setCreateStep(run::CreateStep::render, InstallPhaseState::pending, 0.0,
                       QStringLiteral("Waiting for AI fallback to render the MP3."));
    view.setCreateStep(run::CreateStep::save, InstallPhaseState::pending, 0.0,
                       QStringLiteral("Waiting for the finished MP3 and notes."));
    state.createLog = QStringLiteral(
        "Standalone local engine could not verify the edit. Switching to AI fallback.");
    if (!summary.isEmpty()) state.createLog += QLatin1Char('\n') + summary;
    state.status = QStringLiteral("Local engine needed AI fallback. Continuing in the background.");
    view.notifyChanged();
    view.runCodexEditInBackground(*run.codexFallbackPath, view.buildPrompt(), run.workingDirectory,
                                  run.outputFolder);
}

void applyFailure(ContentView& view, const QString& summary) {
    WizardState& state = view.state();
    view.markCreateStepFailed(
        summary.isEmpty() ? QStringLiteral("Standalone local engine stopped before a verified MP3 "
                                           "and edit notes were found.")
                          : summary);
    state.completedOutputFolder.reset();
    state.createLog =
        QStringLiteral("Standalone local engine did not finish and AI fallback was not available.");
    if (!summary.isEmpty()) state.createLog += QLatin1Char('\n') + summary;
    state.status = QStringLiteral("The fast render did not finish.");
}

void completeLocalRun(ContentView& view, const LocalRun& run, const run::ChildRunOutcome& outcome) {
    WizardState& state = view.state();
    if (outcome.cancelled) {
        run::applyStoppedOutcome(view);
    } else if (outcome.success) {
        applySuccess(view, run);
    } else if (run.codexFallbackPath) {
        passToAgent(view, run, run::commandSummary(outcome.output));
        return;  // the agent run owns the end of the run now
    } else {
        applyFailure(view, run::commandSummary(outcome.output));
    }
    closeLocalRun(state);
    view.notifyChanged();
}

common::SubprocessOptions engineOptions(const QString& rendererPath, const LocalRun& run,
                                        const QString& resourceFolder) {
    common::SubprocessOptions options;
    options.executable = run::localPath(rendererPath);
    options.arguments = {run::localPath(run.jobFile)};
    options.workingDirectory = run::localPath(run.workingDirectory);
    options.stdinFromNullDevice = true;
    // Own group: a stop reaches the engine's LAME as well.
    options.ownProcessGroup = true;
    if (const std::optional<QString> lame = tools::lameProgramPath(resourceFolder)) {
        options.environmentOverrides["MUSIC_EDIT_LAME"] = run::localPath(*lame);
    }
    return options;
}

// The interface-thread handlers of one local run, then the lifecycle on a worker.
run::ChildRun localChildRun(ContentView& view, const LocalRun& run, const QString& rendererPath,
                            const QString& resourceFolder,
                            const std::shared_ptr<const run::PostingHandle>& poster) {
    auto milestones = std::make_shared<run::EngineMilestoneReader>();
    const auto followMilestones = [&view](const std::vector<run::EngineMilestone>& reached) {
        view.state().lastEditActivityAt = view.now();
        for (const run::EngineMilestone milestone : reached) view.followEngineMilestone(milestone);
        view.advanceVisibleEditProgress();
        view.notifyChanged();
    };
    const auto showActivity = [&view] {
        view.state().lastEditActivityAt = view.now();
        view.advanceVisibleEditProgress();
        view.notifyChanged();
    };
    run::ChildRun child;
    child.number = run.number;
    child.options = engineOptions(rendererPath, run, resourceFolder);
    child.pollIntervalSeconds = kMonitorIntervalSeconds;
    child.onOutput = [poster, milestones, followMilestones](std::string_view chunk) {
        const std::vector<run::EngineMilestone> reached = milestones->feed(chunk);
        poster->post([followMilestones, reached] { followMilestones(reached); });
    };
    child.onPoll = [poster, showActivity](const std::shared_ptr<common::Subprocess>&,
                                          const QDateTime&) { poster->post(showActivity); };
    child.writeLog = [logFile = run.logFile](const QString& captured) {
        run::writeTextFile(logFile, captured);
    };
    child.judge = [outputFolder = run.outputFolder](const common::ExitStatus& status,
                                                    const QDateTime& startedAt) {
        const bool fresh = run::freshCompletedAudioFile(outputFolder, startedAt, 0.0).has_value();
        return status.succeeded() && fresh;
    };
    child.onAttached = [&view] {
        view.state().lastEditActivityAt = view.now();
        view.state().createLog = QStringLiteral(
            "Standalone local engine: scanning first notes, section notes, phrase boundaries, and "
            "typed targets.");
        view.notifyChanged();
    };
    child.onStartFailed = [&view, run](const QString& error) {
        handOver(view, run, HandOver::processDidNotStart, error);
    };
    child.onComplete = [&view, run](const run::ChildRunOutcome& outcome) {
        completeLocalRun(view, run, outcome);
    };
    return child;
}

// Writes the render job; the reason when it could not (background thread).
std::optional<QString> writeRenderJob(const QString& jobFile,
                                      const prepare::FastTimeRenderJob& job) {
    const QString workFolder = QFileInfo(jobFile).path();
    if (std::optional<QString> error = run::createFolderWithParents(workFolder)) {
        return "Could not create " + workFolder + ": " + *error;
    }
    return run::writeTextFile(jobFile,
                              QString::fromStdString(prepare::encodeFastTimeRenderJob(job)));
}

}  // namespace

void ContentView::runFastTimeEditInBackground(const prepare::FastTimeRenderJob& job,
                                              const QString& workingDirectory,
                                              const QString& outputFolder,
                                              const std::optional<QString>& codexFallbackPath) {
    LocalRun run;
    run.number = currentRunNumber();
    run.workingDirectory = workingDirectory;
    run.outputFolder = outputFolder;
    run.codexFallbackPath = codexFallbackPath;
    const QDir workFolder(state_.handoffFolder
                              ? *state_.handoffFolder
                              : QDir(workingDirectory).filePath(prepare::handoffFolderName));
    run.jobFile = workFolder.filePath(prepare::renderJobFileName);
    run.logFile = workFolder.filePath(prepare::renderLogFileName);
    run.lastMessageFile = workFolder.filePath(prepare::codexLastMessageFileName);

    const std::shared_ptr<const run::PostingHandle> poster = postingHandleForRun(run.number);
    const std::optional<QString> rendererPath = bundledToolPath(QStringLiteral("seamforge"));
    if (!rendererPath) {
        poster->post([this, run] { handOver(*this, run, HandOver::rendererMissing, QString()); });
        return;
    }
    const run::ChildRun child =
        localChildRun(*this, run, *rendererPath, services_.resourceFolder(), poster);
    const auto jobNotWritten = [this, run](const QString& error) {
        handOver(*this, run, HandOver::jobNotWritten, error);
    };
    runInBackground([child, job, jobFile = run.jobFile, jobNotWritten, poster,
                     controller = sharedEditRunController()] {
        if (const std::optional<QString> error = writeRenderJob(jobFile, job)) {
            poster->post([jobNotWritten, error] { jobNotWritten(*error); });
            return;
        }
        run::runChild(child, controller, poster);
    });
}

}  // namespace app
