#pragma once
// The one lifecycle of an edit run's child program, shared by the local engine run
// and the agent run: capture its output, attach it to the controller, honour a Stop
// that came first, start it, poll it, wait for it, write the log, judge the result
// and post the completion. Each run brings only its options, texts and success rule.

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "app/run/edit_run_controller.h"
#include "app/run/posting_handle.h"
#include "common/subprocess.h"

namespace app::run {

struct ChildRunOutcome {
    bool success = false;
    bool cancelled = false;
    QString output;  // everything the child printed
};

struct ChildRun {
    int number = 0;
    common::SubprocessOptions options;
    double pollIntervalSeconds = 1.0;

    // Background threads. `startedAt` is when the child was about to be created: what
    // the run produced is newer.
    std::function<void(std::string_view chunk)> onOutput;  // after capture, non-empty chunks
    // May end the child itself (the agent run does once its edit is safely saved).
    std::function<void(const std::shared_ptr<common::Subprocess>& process,
                       const QDateTime& startedAt)>
        onPoll;
    std::function<void(const QString& captured)> writeLog;
    std::function<bool(const common::ExitStatus& status, const QDateTime& startedAt)> judge;

    // Interface thread; the process is already released from the controller.
    std::function<void()> onAttached;
    std::function<void(const QString& error)> onStartFailed;
    std::function<void(const ChildRunOutcome& outcome)> onComplete;
};

// Runs the whole lifecycle on the calling background thread.
void runChild(const ChildRun& run, const std::shared_ptr<EditRunController>& controller,
              const std::shared_ptr<const PostingHandle>& poster);

// The sleep between two checks of a run's child, in seconds (background thread).
void sleepSeconds(double seconds);

}  // namespace app::run
