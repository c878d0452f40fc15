// The local engine run: writes the render job, runs seamforge on it in the
// background, keeps its output for the log and judges the result by the exit status
// and a fresh finished MP3. When the engine cannot take or finish the edit, the run
// passes to the agent if the user allowed it.

#include "app/run/local_engine_run.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <memory>

#include "app/prepare/handoff_layout.h"
#include "app/prepare/prompt.h"
#include "app/run/agent_run.h"
#include "app/run/child_run.h"
#include "app/run/deliverables.h"
#include "app/run/progress_model.h"
#include "app/run/run_files.h"
#include "app/run/run_output.h"
#include "app/run/run_support.h"
#include "app/tool_check/tool_probes.h"

namespace app::run {
namespace {

constexpr double kMonitorIntervalSeconds = 0.5;

// Everything a local run needs to know, fixed on the interface thread when it starts.
struct LocalRun {
    int number = 0;
    QString workingDirectory;  // the song folder
    QString outputFolder;
    std::optional<QString> agentFallbackPath;
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
                QT_TRANSLATE_NOOP("Run",
                                  "Standalone local engine unavailable: bundled renderer was "
                                  "not found. Switching to AI fallback."),
                QT_TRANSLATE_NOOP("Run", "The local engine and AI fallback were not available.")};
        case HandOver::jobNotWritten:
            return {QT_TRANSLATE_NOOP("Run",
                                      "Standalone local engine could not prepare its job files. "
                                      "Switching to AI fallback."),
                    QT_TRANSLATE_NOOP("Run", "The fast renderer could not start.")};
        case HandOver::processDidNotStart:
            return {QT_TRANSLATE_NOOP("Run",
                                      "Standalone local engine could not start. Switching to AI "
                                      "fallback."),
                    QT_TRANSLATE_NOOP("Run", "The local engine could not start.")};
    }
    return {"", ""};
}

// The engine could not take the edit: the agent takes over, or the run fails.
void handOver(RunContext& context, const LocalRun& run, HandOver reason, const QString& error) {
    WizardState& state = context.state();
    const HandOverTexts texts = textsFor(reason);
    state.isUsingLocalEngine = false;
    context.progress().appendCreateLog(QCoreApplication::translate("Run", texts.logLine));

    if (run.agentFallbackPath) {
        const QString prompt = prepare::buildPrompt(context.state());
        context.progress().setCreateStep(
            CreateStep::analyze, ProgressRowState::running, 0.12,
            context.progress().progressDetail(CreateStep::analyze, 0.12));
        if (reason == HandOver::rendererMissing) {
            state.createLog = context.progress().progressLog(CreateStep::analyze);
        }
        context.notifyChanged();
        startAgentRun(context, *run.agentFallbackPath, prompt, run.workingDirectory,
                      run.outputFolder);
        return;
    }

    context.progress().markCreateStepFailed(
        reason == HandOver::rendererMissing
            ? QCoreApplication::translate(
                  "Run", "Bundled local renderer and AI fallback were not available.")
            : error);
    if (reason == HandOver::processDidNotStart) {
        state.createLog = QCoreApplication::translate(
            "Run",
            "The standalone local engine could not start and AI fallback was not available.");
        state.completedOutputFolder.reset();
    }
    state.status = QCoreApplication::translate("Run", texts.status);
    context.progress().endEditRun();
    context.notifyChanged();
}

void closeLocalRun(RunContext& context) {
    context.progress().endEditRun();
    context.state().isUsingLocalEngine = false;
}

void applySuccess(RunContext& context, const LocalRun& run) {
    WizardState& state = context.state();
    writeTextFile(run.lastMessageFile,
                  "Complete. Standalone local engine saved the finished MP3 and edit notes "
                  "in:\n" +
                      run.outputFolder + QLatin1Char('\n'));
    markEditStepsDone(context, true);
    state.completedOutputFolder = run.outputFolder;
    state.createLog =
        QCoreApplication::translate(
            "Run", "Complete. Standalone local engine finished without AI fallback.\n%1")
            .arg(run.outputFolder);
    state.status = QCoreApplication::translate(
        "Run", "Complete. Your edit is ready. Click View Edit to open the finished file.");
}

void passToAgent(RunContext& context, const LocalRun& run, const QString& summary) {
    WizardState& state = context.state();
    state.isUsingLocalEngine = false;
    context.progress().setCreateStep(CreateStep::analyze, ProgressRowState::running, 0.12,
                                     context.progress().progressDetail(CreateStep::analyze, 0.12));
    context.progress().setCreateStep(
        CreateStep::cuts, ProgressRowState::pending, 0.0,
        QCoreApplication::translate("Run", "Waiting for AI fallback to choose edit points."));
    context.progress().setCreateStep(
        CreateStep::render, ProgressRowState::pending, 0.0,
        QCoreApplication::translate("Run", "Waiting for AI fallback to render the MP3."));
    context.progress().setCreateStep(
        CreateStep::save, ProgressRowState::pending, 0.0,
        QCoreApplication::translate("Run", "Waiting for the finished MP3 and notes."));
    state.createLog = QCoreApplication::translate(
        "Run", "Standalone local engine could not verify the edit. Switching to AI fallback.");
    if (!summary.isEmpty()) state.createLog += QLatin1Char('\n') + summary;
    state.status = QCoreApplication::translate(
        "Run", "Local engine needed AI fallback. Continuing in the background.");
    context.notifyChanged();
    startAgentRun(context, *run.agentFallbackPath, prepare::buildPrompt(context.state()),
                  run.workingDirectory, run.outputFolder);
}

void applyFailure(RunContext& context, const QString& summary) {
    WizardState& state = context.state();
    context.progress().markCreateStepFailed(
        summary.isEmpty()
            ? QCoreApplication::translate("Run",
                                          "Standalone local engine stopped before a verified MP3 "
                                          "and edit notes were found.")
            : summary);
    state.completedOutputFolder.reset();
    state.createLog = QCoreApplication::translate(
        "Run", "Standalone local engine did not finish and AI fallback was not available.");
    if (!summary.isEmpty()) state.createLog += QLatin1Char('\n') + summary;
    state.status = QCoreApplication::translate("Run", "The fast render did not finish.");
}

void completeLocalRun(RunContext& context, const LocalRun& run, const ChildRunOutcome& outcome) {
    if (outcome.cancelled) {
        applyStoppedOutcome(context);
    } else if (outcome.success) {
        applySuccess(context, run);
    } else if (run.agentFallbackPath) {
        passToAgent(context, run, commandSummary(outcome.output));
        return;  // the agent run owns the end of the run now
    } else {
        applyFailure(context, commandSummary(outcome.output));
    }
    closeLocalRun(context);
    context.notifyChanged();
}

common::SubprocessOptions engineOptions(const QString& rendererPath, const LocalRun& run,
                                        const QString& resourceFolder) {
    common::SubprocessOptions options;
    options.executable = localPath(rendererPath);
    options.arguments = {localPath(run.jobFile)};
    options.workingDirectory = localPath(run.workingDirectory);
    options.stdinFromNullDevice = true;
    // Own group: a stop reaches the engine's LAME as well.
    options.ownProcessGroup = true;
    if (const std::optional<QString> lame = tools::lameProgramPath(resourceFolder)) {
        options.environmentOverrides["MUSIC_EDIT_LAME"] = localPath(*lame);
    }
    return options;
}

// The interface-thread handlers of one local run, then the lifecycle on a worker.
ChildRun localChildRun(RunContext& context, const LocalRun& run, const QString& rendererPath,
                       const QString& resourceFolder,
                       const std::shared_ptr<const PostingHandle>& poster) {
    auto milestones = std::make_shared<EngineMilestoneReader>();
    const auto followMilestones = [&context](const std::vector<EngineMilestone>& reached) {
        context.state().lastEditActivityAt = context.now();
        for (const EngineMilestone milestone : reached)
            context.progress().followEngineMilestone(milestone);
        context.progress().advanceVisibleEditProgress();
        context.notifyChanged();
    };
    const auto showActivity = [&context] {
        context.state().lastEditActivityAt = context.now();
        context.progress().advanceVisibleEditProgress();
        context.notifyChanged();
    };
    ChildRun child;
    child.number = run.number;
    child.options = engineOptions(rendererPath, run, resourceFolder);
    child.pollIntervalSeconds = kMonitorIntervalSeconds;
    child.onOutput = [poster, milestones, followMilestones](std::string_view chunk) {
        const std::vector<EngineMilestone> reached = milestones->feed(chunk);
        poster->post([followMilestones, reached] { followMilestones(reached); });
    };
    child.onPoll = [poster, showActivity](const std::shared_ptr<common::Subprocess>&,
                                          const QDateTime&) { poster->post(showActivity); };
    child.writeLog = [logFile = run.logFile](const QString& captured) {
        writeTextFile(logFile, captured);
    };
    child.judge = [outputFolder = run.outputFolder](const common::ExitStatus& status,
                                                    const QDateTime& startedAt) {
        const bool fresh = freshCompletedAudioFile(outputFolder, startedAt, 0.0).has_value();
        return status.succeeded() && fresh;
    };
    child.onAttached = [&context] {
        context.state().lastEditActivityAt = context.now();
        context.state().createLog = QCoreApplication::translate(
            "Run",
            "Standalone local engine: scanning first notes, section notes, phrase boundaries, and "
            "typed targets.");
        context.notifyChanged();
    };
    child.onStartFailed = [&context, run](const QString& error) {
        handOver(context, run, HandOver::processDidNotStart, error);
    };
    child.onComplete = [&context, run](const ChildRunOutcome& outcome) {
        completeLocalRun(context, run, outcome);
    };
    return child;
}

// Writes the render job; the reason when it could not (background thread).
std::optional<QString> writeRenderJob(const QString& jobFile, const prepare::RenderJob& job) {
    const QString workFolder = QFileInfo(jobFile).path();
    if (std::optional<QString> error = createFolderWithParents(workFolder)) {
        return QCoreApplication::translate("Run", "Could not create %1: %2")
            .arg(workFolder, *error);
    }
    return writeTextFile(jobFile, QString::fromStdString(prepare::encodeRenderJob(job)));
}

}  // namespace

void startLocalEngineRun(RunContext& context, const prepare::RenderJob& job,
                         const QString& workingDirectory, const QString& outputFolder,
                         const std::optional<QString>& agentFallbackPath) {
    const WizardState& state = context.state();
    LocalRun run;
    run.number = context.currentRunNumber();
    run.workingDirectory = workingDirectory;
    run.outputFolder = outputFolder;
    run.agentFallbackPath = agentFallbackPath;
    const QDir workFolder(state.handoffFolder
                              ? *state.handoffFolder
                              : QDir(workingDirectory).filePath(prepare::handoffFolderName));
    run.jobFile = workFolder.filePath(prepare::renderJobFileName);
    run.logFile = workFolder.filePath(prepare::renderLogFileName);
    run.lastMessageFile = workFolder.filePath(prepare::agentLastMessageFileName);

    const std::shared_ptr<const PostingHandle> poster = context.postingHandleForRun(run.number);
    const QString resourceFolder = context.resourceFolder();
    const std::optional<QString> rendererPath =
        tools::bundledToolPath(resourceFolder, QStringLiteral("seamforge"));
    if (!rendererPath) {
        poster->post(
            [&context, run] { handOver(context, run, HandOver::rendererMissing, QString()); });
        return;
    }
    const ChildRun child = localChildRun(context, run, *rendererPath, resourceFolder, poster);
    const auto jobNotWritten = [&context, run](const QString& error) {
        handOver(context, run, HandOver::jobNotWritten, error);
    };
    context.runInBackground([child, job, jobFile = run.jobFile, jobNotWritten, poster,
                             controller = context.sharedEditRunController()] {
        if (const std::optional<QString> error = writeRenderJob(jobFile, job)) {
            poster->post([jobNotWritten, error] { jobNotWritten(*error); });
            return;
        }
        runChild(child, controller, poster);
    });
}

}  // namespace app::run
