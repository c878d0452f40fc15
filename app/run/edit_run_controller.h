#pragma once
// Holds the running child process and the cancel flag, shared between the
// interface thread (Stop) and the background run. One mutex guards the fields;
// signals are always sent outside it.
//
// Runs are numbered by the wizard. A run that has been superseded (a new run was
// prepared, or the controller was reset) counts as cancelled and can no longer
// attach its process, so a late run can never take Stop away from the current one.
//
// A run's child leads a process group of its own; stopping it signals that whole
// group, so whatever the child started ends with it.

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "common/subprocess.h"

namespace app::run {

class EditRunController {
public:
    static constexpr double killDelaySeconds = 2.0;

    EditRunController() = default;
    // Sends every kill still due first (see finishPendingKills).
    ~EditRunController();
    EditRunController(const EditRunController&) = delete;
    EditRunController& operator=(const EditRunController&) = delete;

    // Clears the cancel flag, forgets any process and makes `runNumber` the current run.
    void prepareForNewRun(int runNumber);
    // Attaches the process of `runNumber`; false, attaching nothing, when that run is
    // no longer the current one.
    bool attach(std::shared_ptr<common::Subprocess> process, int runNumber);
    // Sets the cancel flag and stops the attached process (terminateThenKill).
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

    // SIGTERM to the process's group now and SIGKILL 2 s later to whatever of it is still
    // left (on a thread of its own); false, sending nothing, when nothing of it is left.
    bool terminateThenKill(const std::shared_ptr<common::Subprocess>& process);
    // Blocks until every kill that terminateThenKill has scheduled is sent or no longer
    // needed: when the window closes, nothing a run started may outlive the app.
    void finishPendingKills();

private:
    struct PendingKill {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> finished;
    };
    // Joins the threads whose kill is done; pendingKillsLock_ held.
    void joinFinishedKills();

    mutable std::mutex lock_;
    std::shared_ptr<common::Subprocess> process_;
    bool cancellationRequested_ = false;
    int currentRunNumber_ = 0;  // 0: no run

    std::mutex pendingKillsLock_;  // never held together with lock_
    std::vector<PendingKill> pendingKills_;
};

}  // namespace app::run
