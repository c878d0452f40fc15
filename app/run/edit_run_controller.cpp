#include "app/run/edit_run_controller.h"

#include <chrono>
#include <thread>

namespace app::run {

void EditRunController::prepareForNewRun() { reset(); }

void EditRunController::reset() {
    std::lock_guard<std::mutex> guard(lock_);
    cancellationRequested_ = false;
    process_.reset();
}

void EditRunController::attach(std::shared_ptr<common::Subprocess> process) {
    std::lock_guard<std::mutex> guard(lock_);
    process_ = std::move(process);
}

void EditRunController::cancel() {
    std::shared_ptr<common::Subprocess> process;
    {
        std::lock_guard<std::mutex> guard(lock_);
        cancellationRequested_ = true;
        process = process_;
    }
    if (!process || !process->isRunning()) return;
    process->terminate();
    // The kill follows on its own low-priority thread so that a busy worker pool
    // can never hold it back; it keeps the process object alive until then.
    std::thread([process] {
        std::this_thread::sleep_for(std::chrono::duration<double>(killDelaySeconds));
        if (process->isRunning()) process->kill();
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

}  // namespace app::run
