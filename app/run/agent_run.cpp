// The agent run: hands the whole edit to the outside agent and judges it by the files
// it leaves. Every second it looks for activity and for a finished, stable MP3; it
// brings the MP3 into the output folder and ends the agent itself a few seconds
// after the MP3 is safely there.

#include "app/run/agent_run.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <chrono>
#include <memory>

#include "app/prepare/handoff_layout.h"
#include "app/run/child_run.h"
#include "app/run/deliverables.h"
#include "app/run/progress_model.h"
#include "app/run/run_files.h"
#include "app/run/run_output.h"
#include "app/run/run_support.h"
#include "app/tool_check/agent_command.h"

namespace app::run {
namespace {

using SteadyClock = std::chrono::steady_clock;

// Everything an agent run needs to know, fixed on the interface thread when it starts.
struct AgentRun {
    int number = 0;
    QString agentPath;
    QString prompt;
    QString workingDirectory;  // the song folder
    QString outputFolder;
    std::optional<QString> handoffFolder;
    std::optional<QString> lastMessageFile;
    std::optional<QString> agentLogFile;
};

// What the watch of a running agent found; written by the background body before
// the completion is posted, read by the completion.
struct AgentWatch {
    std::optional<SteadyClock::time_point> firstSighting;
    bool appEndedAgent = false;
};

void applyStartFailure(RunContext& context, const QString& error) {
    WizardState& state = context.state();
    context.progress().markCreateStepFailed(error);
    state.completedOutputFolder.reset();
    state.createLog = QCoreApplication::translate(
        "Run",
        "The background editor could not start.\nMake sure Codex is installed and signed in, "
        "then try Create Edit again.");
    state.status =
        QCoreApplication::translate("Run", "The background editor could not start: %1").arg(error);
    context.progress().endEditRun();
    context.notifyChanged();
}

void applySuccess(RunContext& context, const AgentRun& run, bool appEndedAgent) {
    WizardState& state = context.state();
    if (appEndedAgent && run.lastMessageFile) {
        writeTextFile(*run.lastMessageFile,
                      "Complete. The finished MP3 and edit notes are saved in:\n" +
                          run.outputFolder + QLatin1Char('\n'));
    }
    markEditStepsDone(context, false);
    state.completedOutputFolder = run.outputFolder;
    state.createLog = QCoreApplication::translate("Run", "Complete. Your edit is ready in:\n%1")
                          .arg(run.outputFolder);
    state.status = QCoreApplication::translate(
        "Run", "Complete. Your edit is ready. Click View Edit to open the finished file.");
}

void applyFailure(RunContext& context, const QString& summary) {
    WizardState& state = context.state();
    context.progress().markCreateStepFailed(
        summary.isEmpty() ? QCoreApplication::translate("Run",
                                                        "The background editor stopped before a "
                                                        "verified MP3 and edit notes were found.")
                          : summary);
    state.completedOutputFolder.reset();
    state.createLog =
        summary.isEmpty()
            ? QCoreApplication::translate(
                  "Run",
                  "The background edit did not finish.\nNo verified MP3 and edit "
                  "notes were found in the selected output folder.")
            : QCoreApplication::translate("Run", "The background edit did not finish.\n%1")
                  .arg(summary);
    state.status = QCoreApplication::translate(
        "Run",
        "The background edit did not finish. A log was saved in the Tunewright Setup folder.");
}

void completeAgentRun(RunContext& context, const AgentRun& run, const ChildRunOutcome& outcome,
                      bool appEndedAgent) {
    if (outcome.cancelled) {
        applyStoppedOutcome(context);
    } else if (outcome.success) {
        applySuccess(context, run, appEndedAgent);
    } else {
        applyFailure(context, commandSummary(outcome.output));
    }
    context.progress().endEditRun();
    context.notifyChanged();
}

common::SubprocessOptions agentOptions(const AgentRun& run) {
    common::SubprocessOptions options;
    options.executable = localPath(run.agentPath);
    for (const QString& argument :
         tools::agentEditArguments(run.workingDirectory, run.lastMessageFile, run.prompt)) {
        options.arguments.push_back(argument.toStdString());
    }
    options.workingDirectory = localPath(run.workingDirectory);
    options.stdinFromNullDevice = true;
    options.ownProcessGroup = true;  // a stop reaches the agent's own children too
    return options;
}

QStringList activityFolders(const AgentRun& run) {
    QStringList folders = {run.outputFolder, run.workingDirectory,
                           QDir(run.workingDirectory).filePath(QStringLiteral("demix"))};
    if (run.handoffFolder) folders << *run.handoffFolder;
    return folders;
}

// A finished, stable MP3 in the output folder, else in the song folder.
std::optional<QString> stableDeliverable(const AgentRun& run, const QDateTime& runStart) {
    for (const QString& folder : {run.outputFolder, run.workingDirectory}) {
        if (auto found =
                freshCompletedAudioFile(folder, runStart, completedDeliverablesStablePeriod)) {
            return found;
        }
    }
    return std::nullopt;
}

// The last look once the agent has ended: no stability wait.
bool finalDeliverableFound(const AgentRun& run, const QDateTime& runStart) {
    if (freshCompletedAudioFile(run.outputFolder, runStart, 0.0)) return true;
    if (auto found = freshCompletedAudioFile(run.workingDirectory, runStart, 0.0)) {
        copyDeliverableToOutputIfNeeded(*found, run.outputFolder);
        return true;
    }
    return false;
}

void writeAgentLog(const AgentRun& run, const QString& captured) {
    if (!run.agentLogFile) return;
    const QString text =
        !captured.isEmpty()
            ? captured
            : "No terminal output was captured from Codex. The app monitored generated files and "
              "verified the selected output folder instead.\nOutput folder: " +
                  run.outputFolder + QLatin1Char('\n');
    writeTextFile(*run.agentLogFile, text);
}

// One look at the running agent (background thread): its activity, and a finished,
// stable MP3, which it gets a few seconds to finish its notes after.
void watchAgent(const AgentRun& run, AgentWatch& watch, EditRunController& controller,
                const PostingHandle& poster,
                const std::function<void(std::optional<QDateTime>)>& showActivity,
                const std::function<void(QString)>& showSaved,
                const std::shared_ptr<common::Subprocess>& process, const QDateTime& runStart) {
    // After Stop only the agent's exit is awaited.
    if (controller.isCancellationRequested(run.number)) return;

    const std::optional<QDateTime> activity = latestGeneratedActivityDate(activityFolders(run));
    poster.post([showActivity, activity] { showActivity(activity); });

    const std::optional<QString> found = stableDeliverable(run, runStart);
    if (!found) return;
    const QString deliverable = copyDeliverableToOutputIfNeeded(*found, run.outputFolder);
    if (!watch.firstSighting) {
        watch.firstSighting = SteadyClock::now();
        poster.post([showSaved, deliverable] { showSaved(deliverable); });
    } else if (!watch.appEndedAgent &&
               SteadyClock::now() - *watch.firstSighting >=
                   std::chrono::duration<double>(completedDeliverablesGracePeriod)) {
        // The agent has had its chance to finish its notes; what it started goes too.
        watch.appEndedAgent = controller.terminateThenKill(process);
    }
}

// The interface-thread handlers of one agent run and its watch.
ChildRun agentChildRun(RunContext& context, const AgentRun& run,
                       const std::shared_ptr<EditRunController>& controller,
                       const std::shared_ptr<const PostingHandle>& poster) {
    auto watch = std::make_shared<AgentWatch>();
    const std::function<void(std::optional<QDateTime>)> showActivity =
        [&context](std::optional<QDateTime> activity) {
            std::optional<QDateTime>& last = context.state().lastEditActivityAt;
            if (activity && (!last || *activity > *last)) last = activity;
            context.progress().advanceVisibleEditProgress();
            context.notifyChanged();
        };
    const std::function<void(QString)> showSaved = [&context](const QString& deliverable) {
        context.progress().showSavedDeliverablesProgress(deliverable);
    };
    const auto advance = [&context] { context.progress().advanceVisibleEditProgress(); };

    ChildRun child;
    child.number = run.number;
    child.options = agentOptions(run);
    child.pollIntervalSeconds = editProgressPollInterval;
    // The agent's chatter moves the bars but is no sign of real work.
    child.onOutput = [poster, advance](std::string_view) { poster->post(advance); };
    child.onPoll = [run, watch, controller, poster, showActivity, showSaved](
                       const std::shared_ptr<common::Subprocess>& process,
                       const QDateTime& startedAt) {
        watchAgent(run, *watch, *controller, *poster, showActivity, showSaved, process, startedAt);
    };
    child.writeLog = [run](const QString& captured) { writeAgentLog(run, captured); };
    child.judge = [run, watch](const common::ExitStatus& status, const QDateTime& startedAt) {
        // Looked for even when the app ended the agent: it brings a song-folder MP3 over.
        const bool deliverableFound = finalDeliverableFound(run, startedAt);
        return watch->appEndedAgent || (status.succeeded() && deliverableFound);
    };
    child.onAttached = [&context] {
        context.state().lastEditActivityAt = context.now();
        context.notifyChanged();
    };
    child.onStartFailed = [&context](const QString& error) { applyStartFailure(context, error); };
    child.onComplete = [&context, run, watch](const ChildRunOutcome& outcome) {
        completeAgentRun(context, run, outcome, watch->appEndedAgent);
    };
    return child;
}

}  // namespace

void startAgentRun(RunContext& context, const QString& agentPath, const QString& prompt,
                   const QString& workingDirectory, const QString& outputFolder) {
    const WizardState& state = context.state();
    AgentRun run;
    run.number = context.currentRunNumber();
    run.agentPath = agentPath;
    run.prompt = prompt;
    run.workingDirectory = workingDirectory;
    run.outputFolder = outputFolder;
    run.handoffFolder = state.handoffFolder;
    if (state.handoffFolder) {
        const QDir handoff(*state.handoffFolder);
        run.lastMessageFile = handoff.filePath(prepare::agentLastMessageFileName);
        run.agentLogFile = handoff.filePath(prepare::backgroundAgentLogFileName);
    }
    const std::shared_ptr<EditRunController> controller = context.sharedEditRunController();
    const std::shared_ptr<const PostingHandle> poster = context.postingHandleForRun(run.number);
    context.runInBackground([child = agentChildRun(context, run, controller, poster), controller,
                             poster] { runChild(child, controller, poster); });
}

void ProgressModel::showSavedDeliverablesProgress(const QString& file) {
    WizardState& state = context_.state();
    for (const CreateStep id : {CreateStep::analyze, CreateStep::cuts, CreateStep::render}) {
        setCreateStep(id, ProgressRowState::done, 1.0, completedStepDetail(id, false));
    }
    const auto save =
        std::find_if(state.createSteps.begin(), state.createSteps.end(),
                     [](const ProgressRow& step) { return step.id == CreateStep::save; });
    const double saveProgress = save != state.createSteps.end() ? save->progress : 0.1;
    setCreateStep(CreateStep::save, ProgressRowState::running, std::max(0.975, saveProgress),
                  QCoreApplication::translate(
                      "Run",
                      "The 320 kbps MP3 file is saved. The editor is writing the final "
                      "note and closing the job."));
    state.lastEditActivityAt = context_.now();
    state.createLog = QCoreApplication::translate("Run",
                                                  "320 kbps MP3 file saved:\n%1\nWriting final "
                                                  "notes and closing. This should finish shortly.")
                          .arg(QFileInfo(file).fileName());
    context_.notifyChanged();
}

}  // namespace app::run
