#include "app/run/child_run.h"

#include <chrono>
#include <thread>

#include "app/run/run_output.h"

namespace app::run {
namespace {

// A Stop that came after the caller's last check, while the child was starting,
// ends it at once. The reason when the child could not start.
std::optional<QString> startChild(EditRunController& controller,
                                  const std::shared_ptr<common::Subprocess>& process,
                                  int runNumber) {
    if (const std::optional<std::string> error = process->start()) {
        return QString::fromLocal8Bit(*error);
    }
    // cancel() found the child not yet running and could not signal it.
    if (controller.isCancellationRequested(runNumber)) {
        controller.terminateThenKill(process);
    }
    return std::nullopt;
}

void postCompletion(const ChildRun& run, const std::shared_ptr<EditRunController>& controller,
                    const PostingHandle& poster, const std::shared_ptr<common::Subprocess>& process,
                    const ChildRunOutcome& outcome) {
    poster.post([controller, process, onComplete = run.onComplete, outcome] {
        controller->clearIfCurrent(process);
        onComplete(outcome);
    });
}

}  // namespace

void runChild(const ChildRun& run, const std::shared_ptr<EditRunController>& controller,
              const std::shared_ptr<const PostingHandle>& poster) {
    auto output = std::make_shared<CapturedOutput>();
    const QDateTime startedAt = QDateTime::currentDateTimeUtc();
    auto process = std::make_shared<common::Subprocess>(
        run.options, [output, onOutput = run.onOutput](std::string_view chunk) {
            if (chunk.empty()) return;
            output->append(chunk);
            if (onOutput) onOutput(chunk);
        });

    const bool attached = controller->attach(process, run.number);
    if (run.onAttached) poster->post(run.onAttached);
    if (!attached || controller->isCancellationRequested(run.number)) {
        ChildRunOutcome stopped;
        stopped.cancelled = true;
        postCompletion(run, controller, *poster, process, stopped);
        return;
    }
    if (const std::optional<QString> error = startChild(*controller, process, run.number)) {
        poster->post([controller, process, onStartFailed = run.onStartFailed, error] {
            controller->clearIfCurrent(process);
            onStartFailed(*error);
        });
        return;
    }

    while (process->isRunning()) {
        sleepSeconds(run.pollIntervalSeconds);
        if (run.onPoll) run.onPoll(process, startedAt);
    }
    const common::ExitStatus status = process->waitForExit();
    ChildRunOutcome outcome;
    outcome.output = output->text();
    if (run.writeLog) run.writeLog(outcome.output);
    outcome.success = run.judge(status, startedAt);
    outcome.cancelled = controller->isCancellationRequested(run.number);
    postCompletion(run, controller, *poster, process, outcome);
}

void sleepSeconds(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

}  // namespace app::run
