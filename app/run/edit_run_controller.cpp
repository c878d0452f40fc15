#include "app/run/edit_run_controller.h"

#include <chrono>
#include <thread>

namespace app::run {
namespace {

constexpr std::chrono::milliseconds kGroupCheckInterval(50);

}  // namespace

void EditRunController::prepareForNewRun(int runNumber) {
    std::lock_guard<std::mutex> guard(lock_);
    cancellationRequested_ = false;
    process_.reset();
    currentRunNumber_ = runNumber;
}

void EditRunController::reset() { prepareForNewRun(0); }

bool EditRunController::attach(std::shared_ptr<common::Subprocess> process, int runNumber) {
    std::lock_guard<std::mutex> guard(lock_);
    if (runNumber != currentRunNumber_) return false;
    process_ = std::move(process);
    return true;
}

void EditRunController::cancel() {
    std::shared_ptr<common::Subprocess> process;
    {
        std::lock_guard<std::mutex> guard(lock_);
        cancellationRequested_ = true;
        process = process_;
    }
    terminateThenKill(process);
}

bool EditRunController::terminateThenKill(const std::shared_ptr<common::Subprocess>& process) {
    if (!process || !process->terminate()) return false;
    auto finished = std::make_shared<std::atomic<bool>>(false);
    // The kill follows on a thread of its own so that a busy worker pool can never hold
    // it back; it keeps the process object alive until then.
    std::thread killer([process, finished] {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::duration<double>(killDelaySeconds);
        // Ending early once the whole group is gone lets a closing window go at once.
        while (std::chrono::steady_clock::now() < deadline && process->hasLiveProcesses()) {
            std::this_thread::sleep_for(kGroupCheckInterval);
        }
        process->kill();
        *finished = true;
    });
    std::lock_guard<std::mutex> guard(pendingKillsLock_);
    joinFinishedKills();
    pendingKills_.push_back({std::move(killer), std::move(finished)});
    return true;
}

void EditRunController::finishPendingKills() {
    std::vector<PendingKill> pending;
    {
        std::lock_guard<std::mutex> guard(pendingKillsLock_);
        pending.swap(pendingKills_);
    }
    for (PendingKill& kill : pending) kill.thread.join();
}

EditRunController::~EditRunController() { finishPendingKills(); }

void EditRunController::joinFinishedKills() {
    std::erase_if(pendingKills_, [](PendingKill& kill) {
        if (!*kill.finished) return false;
        kill.thread.join();
        return true;
    });
}

void EditRunController::clearIfCurrent(const std::shared_ptr<common::Subprocess>& process) {
    std::lock_guard<std::mutex> guard(lock_);
    if (process_ == process) process_.reset();
}

bool EditRunController::isCancellationRequested() const {
    std::lock_guard<std::mutex> guard(lock_);
    return cancellationRequested_;
}

bool EditRunController::isCancellationRequested(int runNumber) const {
    std::lock_guard<std::mutex> guard(lock_);
    return cancellationRequested_ || runNumber != currentRunNumber_;
}

bool EditRunController::isCurrentRun(int runNumber) const {
    std::lock_guard<std::mutex> guard(lock_);
    return runNumber == currentRunNumber_;
}

}  // namespace app::run
