#include "app/run/edit_run_controller.h"

#include <chrono>
#include <thread>

namespace app::run {

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

void EditRunController::terminateThenKill(const std::shared_ptr<common::Subprocess>& process) {
    if (!process || !process->terminate()) return;
    // The kill follows on a thread of its own so that a busy worker pool can never
    // hold it back; it keeps the process object alive until then.
    std::thread([process] {
        std::this_thread::sleep_for(std::chrono::duration<double>(killDelaySeconds));
        process->kill();
    }).detach();
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
