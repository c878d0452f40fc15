#pragma once
// Holds the running child process and the cancel flag, shared between the
// interface thread (Stop) and the background run. One mutex guards the fields;
// signals are always sent outside it.
//
// Runs are numbered by the view. A run that has been superseded (a new run was
// prepared, or the controller was reset) counts as cancelled and can no longer
// attach its process, so a late run can never take Stop away from the current one.

#include <memory>
#include <mutex>

#include "common/subprocess.h"

namespace app::run {

class EditRunController {
public:
    static constexpr double killDelaySeconds = 2.0;

    // Clears the cancel flag, forgets any process and makes `runNumber` the current run.
    void prepareForNewRun(int runNumber);
    // Attaches the process of `runNumber`; false, attaching nothing, when that run is
    // no longer the current one.
    bool attach(std::shared_ptr<common::Subprocess> process, int runNumber);
    // Sets the cancel flag; a running process gets SIGTERM now and SIGKILL
    // 2 s later (on a thread of its own) if that same process still runs.
    void cancel();
    // Forgets the process only when it is the very one given.
    void clearIfCurrent(const std::shared_ptr<common::Subprocess>& process);
    bool isCancellationRequested() const;
    // True when Stop was requested or `runNumber` is no longer the current run.
    bool isCancellationRequested(int runNumber) const;
    bool isCurrentRun(int runNumber) const;
    // Forgets the process, clears the flag and ends the current run's claim (used when
    // the songs are cleared).
    void reset();

    // SIGTERM now and SIGKILL 2 s later if the process still runs; nothing when it has ended.
    static void terminateThenKill(const std::shared_ptr<common::Subprocess>& process);

private:
    mutable std::mutex lock_;
    std::shared_ptr<common::Subprocess> process_;
    bool cancellationRequested_ = false;
    int currentRunNumber_ = 0;  // 0: no run
};

}  // namespace app::run
