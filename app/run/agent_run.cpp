// The agent run: hands the whole edit to the outside agent and judges it by the files
// it leaves. Every second it looks for activity and for a finished, stable MP3; it
// brings the MP3 into the output folder and ends the agent itself a few seconds
// after the MP3 is safely there.

#include <QDir>
#include <QFileInfo>
#include <chrono>
#include <memory>

#include "app/prepare/handoff_layout.h"
#include "app/run/deliverables.h"
#include "app/run/run_files.h"
#include "app/run/run_output.h"
#include "app/run/run_support.h"
#include "app/tools/agent_command.h"
#include "app/wizard/content_view.h"

namespace app {
namespace {

using run::InstallPhaseState;
using SteadyClock = std::chrono::steady_clock;

// Everything an agent run needs to know, fixed on the interface thread when it starts.
struct AgentRun {
    int number = 0;
    QString codexPath;
    QString prompt;
    QString workingDirectory;  // the song folder
    QString outputFolder;
    std::optional<QString> handoffFolder;
    std::optional<QString> lastMessageFile;
    std::optional<QString> agentLogFile;
};

struct AgentResult {
    bool success = false;
    bool cancelled = false;
    bool appEndedAgent = false;
    QString output;
};

void applyStartFailure(ContentView& view, const std::shared_ptr<common::Subprocess>& process,
                       const QString& error) {
    WizardState& state = view.state();
    view.editRunController().clearIfCurrent(process);
    view.markCreateStepFailed(error);
    state.completedOutputFolder.reset();
    state.createLog = QStringLiteral(
        "The background editor could not start.\nMake sure Codex is installed and signed in, "
        "then try Create Edit again.");
    state.status = "The background editor could not start: " + error;
    state.isCreatingEdit = false;
    view.notifyChanged();
}

void applySuccess(ContentView& view, const AgentRun& run, bool appEndedAgent) {
    WizardState& state = view.state();
    if (appEndedAgent && run.lastMessageFile) {
        run::writeTextFile(*run.lastMessageFile,
                           "Complete. The finished MP3 and edit notes are saved in:\n" +
                               run.outputFolder + QLatin1Char('\n'));
    }
    run::markEditStepsDone(
        view, QStringLiteral("Audio analysis complete."), QStringLiteral("Edit points selected."),
        QStringLiteral("Continuous edit built."),
        QStringLiteral("320 kbps MP3 file saved in the selected output folder."));
    state.completedOutputFolder = run.outputFolder;
    state.createLog = "Complete. Your edit is ready in:\n" + run.outputFolder;
    state.status =
        QStringLiteral("Complete. Your edit is ready. Click View Edit to open the finished file.");
}

void applyFailure(ContentView& view, const QString& summary) {
    WizardState& state = view.state();
    view.markCreateStepFailed(summary.isEmpty()
                                  ? QStringLiteral("The background editor stopped before a "
                                                   "verified MP3 and edit notes were found.")
                                  : summary);
    state.completedOutputFolder.reset();
    state.createLog = summary.isEmpty()
                          ? QStringLiteral(
                                "The background edit did not finish.\nNo verified MP3 and edit "
                                "notes were found in the selected output folder.")
                          : "The background edit did not finish.\n" + summary;
    state.status = QStringLiteral(
        "The background edit did not finish. A log was saved in the Tunewright Setup folder.");
}

void completeAgentRun(ContentView& view, const AgentRun& run,
                      const std::shared_ptr<common::Subprocess>& process,
                      const AgentResult& result) {
    view.editRunController().clearIfCurrent(process);
    if (result.cancelled) {
        run::applyStoppedOutcome(view);
    } else if (result.success) {
        applySuccess(view, run, result.appEndedAgent);
    } else {
        applyFailure(view, run::commandSummary(result.output));
    }
    view.state().isCreatingEdit = false;
    view.notifyChanged();
}

common::SubprocessOptions agentOptions(const AgentRun& run) {
    common::SubprocessOptions options;
    options.executable = run::localPath(run.codexPath);
    for (const QString& argument :
         tools::codexEditArguments(run.workingDirectory, run.lastMessageFile, run.prompt)) {
        options.arguments.push_back(argument.toStdString());
    }
    options.workingDirectory = run::localPath(run.workingDirectory);
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
                run::freshCompletedAudioFile(folder, runStart, completedDeliverablesStablePeriod)) {
            return found;
        }
    }
    return std::nullopt;
}

// The last look once the agent has ended: no stability wait.
bool finalDeliverableFound(const AgentRun& run, const QDateTime& runStart) {
    if (run::freshCompletedAudioFile(run.outputFolder, runStart, 0.0)) return true;
    if (auto found = run::freshCompletedAudioFile(run.workingDirectory, runStart, 0.0)) {
        run::copyDeliverableToOutputIfNeeded(*found, run.outputFolder);
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
    run::writeTextFile(*run.agentLogFile, text);
}

// Watches the running agent until it ends; true when the app ended it itself.
bool monitorAgent(ContentView& view, const AgentRun& run,
                  const std::shared_ptr<common::Subprocess>& process, const QDateTime& runStart) {
    run::EditRunController& controller = view.editRunController();
    std::optional<SteadyClock::time_point> firstSighting;
    bool appEndedAgent = false;
    while (process->isRunning()) {
        run::sleepSeconds(editProgressPollInterval);
        // After Stop only the agent's exit is awaited.
        if (controller.isCancellationRequested(run.number)) continue;

        const std::optional<QDateTime> activity =
            run::latestGeneratedActivityDate(activityFolders(run));
        run::postForRun(view, run.number, [&view, activity] {
            std::optional<QDateTime>& last = view.state().lastEditActivityAt;
            if (activity && (!last || *activity > *last)) last = activity;
            view.advanceVisibleEditProgress();
            view.notifyChanged();
        });

        const std::optional<QString> found = stableDeliverable(run, runStart);
        if (!found) continue;
        const QString deliverable = run::copyDeliverableToOutputIfNeeded(*found, run.outputFolder);
        if (!firstSighting) {
            firstSighting = SteadyClock::now();
            run::postForRun(view, run.number, [&view, deliverable] {
                view.showSavedDeliverablesProgress(deliverable);
            });
        } else if (!appEndedAgent &&
                   SteadyClock::now() - *firstSighting >=
                       std::chrono::duration<double>(completedDeliverablesGracePeriod)) {
            // The agent has had its chance to finish its notes; what it started goes too.
            appEndedAgent = controller.terminateThenKill(process);
        }
    }
    return appEndedAgent;
}

// The background body of one agent run.
void runAgent(ContentView& view, const AgentRun& run) {
    run::EditRunController& controller = view.editRunController();
    auto output = std::make_shared<run::CapturedOutput>();
    const QDateTime runStart = QDateTime::currentDateTimeUtc();
    auto process = std::make_shared<common::Subprocess>(
        agentOptions(run), [&view, output, number = run.number](std::string_view chunk) {
            if (chunk.empty()) return;
            output->append(chunk);
            // The agent's chatter moves the bars but is no sign of real work.
            run::postForRun(view, number, [&view] { view.advanceVisibleEditProgress(); });
        });

    const bool attached = controller.attach(process, run.number);
    run::postForRun(view, run.number, [&view] {
        view.state().lastEditActivityAt = view.now();
        view.notifyChanged();
    });
    if (!attached || controller.isCancellationRequested(run.number)) {
        AgentResult stopped;
        stopped.cancelled = true;
        run::postForRun(view, run.number, [&view, run, process, stopped] {
            completeAgentRun(view, run, process, stopped);
        });
        return;
    }
    if (const std::optional<QString> error = run::startChild(controller, process, run.number)) {
        run::postForRun(view, run.number,
                        [&view, process, error] { applyStartFailure(view, process, *error); });
        return;
    }

    AgentResult result;
    result.appEndedAgent = monitorAgent(view, run, process, runStart);
    const common::ExitStatus status = process->waitForExit();
    result.output = output->text();
    writeAgentLog(run, result.output);

    const bool deliverableFound = finalDeliverableFound(run, runStart);
    result.success = result.appEndedAgent || (status.succeeded() && deliverableFound);
    result.cancelled = controller.isCancellationRequested(run.number);
    run::postForRun(view, run.number, [&view, run, process, result] {
        completeAgentRun(view, run, process, result);
    });
}

}  // namespace

void ContentView::runCodexEditInBackground(const QString& codexPath, const QString& prompt,
                                           const QString& workingDirectory,
                                           const QString& outputFolder) {
    AgentRun run;
    run.number = currentRunNumber();
    run.codexPath = codexPath;
    run.prompt = prompt;
    run.workingDirectory = workingDirectory;
    run.outputFolder = outputFolder;
    run.handoffFolder = state_.handoffFolder;
    if (state_.handoffFolder) {
        const QDir handoff(*state_.handoffFolder);
        run.lastMessageFile = handoff.filePath(prepare::codexLastMessageFileName);
        run.agentLogFile = handoff.filePath(prepare::backgroundCodexLogFileName);
    }
    runInBackground([this, run] { runAgent(*this, run); });
}

}  // namespace app
