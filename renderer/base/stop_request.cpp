#include "renderer/base/stop_request.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "common/subprocess.h"
#include "renderer/base/cancel_token.h"
#include "renderer/base/log.h"
#include "renderer/base/render_error.h"

namespace renderer {
namespace {

using Clock = std::chrono::steady_clock;

// LAME ends at once on SIGTERM; the kill only matters for a child that ignores it.
constexpr auto kChildKillDelay = std::chrono::milliseconds(250);
// The parent sends SIGKILL two seconds after SIGTERM; the run must be over well before.
constexpr auto kRenderThreadGrace = std::chrono::milliseconds(1000);
constexpr auto kPollInterval = std::chrono::milliseconds(10);
constexpr int kFailureStatus = 2;

std::atomic<bool> stopFlag{false};

enum class FinalLineWriter { none, renderThread, signalThread };

struct StopState {
    std::mutex childMutex;
    std::vector<std::shared_ptr<common::Subprocess>> children;  // songs decode side by side
    std::mutex workFolderMutex;
    std::optional<std::filesystem::path> workFolder;
    std::mutex cleanupMutex;
    std::vector<StopCleanupHook> cleanupHooks;
    std::mutex finalLineMutex;
    FinalLineWriter finalLineWriter = FinalLineWriter::none;
};

// Never destroyed: the signal thread may still use it while the process exits.
StopState& state() {
    static StopState* const instance = new StopState;
    return *instance;
}

std::vector<std::shared_ptr<common::Subprocess>> runningChildren() {
    std::lock_guard guard(state().childMutex);
    return state().children;
}

bool anyChildRunning() {
    for (const auto& child : runningChildren()) {
        if (child->isRunning()) return true;
    }
    return false;
}

void killRunningChildren() {
    for (const auto& child : runningChildren()) child->kill();
}

bool finalLineClaimed() {
    std::lock_guard guard(state().finalLineMutex);
    return state().finalLineWriter != FinalLineWriter::none;
}

// Whoever claims the last line first writes it; the other never writes one.
bool claimFinalLine(FinalLineWriter writer) {
    std::lock_guard guard(state().finalLineMutex);
    if (state().finalLineWriter != FinalLineWriter::none) return false;
    state().finalLineWriter = writer;
    return true;
}

bool signalThreadEndsTheRun() {
    std::lock_guard guard(state().finalLineMutex);
    return state().finalLineWriter == FinalLineWriter::signalThread;
}

void killChildAfterDelay(Clock::time_point deadline) {
    while (Clock::now() < deadline) {
        if (!anyChildRunning()) return;
        std::this_thread::sleep_for(kPollInterval);
    }
    killRunningChildren();
}

void removeWorkFolder() {
    std::optional<std::filesystem::path> folder;
    {
        std::lock_guard guard(state().workFolderMutex);
        folder = state().workFolder;
    }
    std::error_code ignored;
    if (folder) std::filesystem::remove_all(*folder, ignored);
}

void runCleanupHooks() {
    std::vector<StopCleanupHook> hooks;
    {
        std::lock_guard guard(state().cleanupMutex);
        hooks = state().cleanupHooks;
    }
    for (const StopCleanupHook hook : hooks) hook();
}

// The render thread is stuck in a step that does not look at the stop flag: the signal thread
// ends the run itself, as the render thread would have.
void endRunUnlessRenderThreadDoes(Clock::time_point deadline) {
    while (Clock::now() < deadline) {
        if (finalLineClaimed()) return;
        std::this_thread::sleep_for(kPollInterval);
    }
    if (!claimFinalLine(FinalLineWriter::signalThread)) return;
    killRunningChildren();
    runCleanupHooks();
    removeWorkFolder();
    log("LOCAL_RENDER_FAILED " + std::string(renderStoppedMessage));
    ::_exit(kFailureStatus);
}

sigset_t stopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGHUP);
    return signals;
}

[[noreturn]] void receiveStopSignals(sigset_t signals) {
    while (true) {
        int received = 0;
        if (::sigwait(&signals, &received) != 0) continue;
        const Clock::time_point signalTime = Clock::now();
        requestStop();
        killChildAfterDelay(signalTime + kChildKillDelay);
        endRunUnlessRenderThreadDoes(signalTime + kRenderThreadGrace);
    }
}

}  // namespace

void startStopSignalHandling() {
    const sigset_t signals = stopSignals();
    if (const int error = ::pthread_sigmask(SIG_BLOCK, &signals, nullptr); error != 0) {
        throw std::system_error(error, std::generic_category(), "Could not block stop signals");
    }
    state();  // built before the signal thread can race for it
    std::thread(receiveStopSignals, signals).detach();
}

bool stopRequested() noexcept { return stopFlag.load(std::memory_order_acquire); }

void throwIfStopRequested() {
    const CancelToken* token = currentCancelToken();
    if (stopRequested() || (token != nullptr && token->cancelled())) {
        throw RenderError(std::string(renderStoppedMessage));
    }
}

void requestStop() {
    stopFlag.store(true, std::memory_order_release);
    for (const auto& child : runningChildren()) child->terminate();
}

void clearStopRequestForTesting() noexcept { stopFlag.store(false, std::memory_order_release); }

void addRunningChild(std::shared_ptr<common::Subprocess> child) {
    std::lock_guard guard(state().childMutex);
    state().children.push_back(std::move(child));
}

void removeRunningChild(const common::Subprocess* child) {
    std::shared_ptr<common::Subprocess> removed;  // released outside the lock
    std::lock_guard guard(state().childMutex);
    auto& children = state().children;
    const auto found = std::find_if(children.begin(), children.end(),
                                    [&](const auto& entry) { return entry.get() == child; });
    if (found == children.end()) return;
    removed = std::move(*found);
    children.erase(found);
}

void addStopCleanupHook(StopCleanupHook hook) {
    std::lock_guard guard(state().cleanupMutex);
    std::vector<StopCleanupHook>& hooks = state().cleanupHooks;
    if (std::find(hooks.begin(), hooks.end(), hook) == hooks.end()) hooks.push_back(hook);
}

void setActiveWorkFolder(const std::filesystem::path& folder) {
    std::lock_guard guard(state().workFolderMutex);
    state().workFolder = folder;
}

void clearActiveWorkFolder() {
    std::lock_guard guard(state().workFolderMutex);
    state().workFolder.reset();
}

void writeFinalLine(std::string_view line) {
    if (claimFinalLine(FinalLineWriter::renderThread)) {
        log(line);
        return;
    }
    // The signal thread is ending the process; returning could still end it with status 0.
    while (signalThreadEndsTheRun()) std::this_thread::sleep_for(std::chrono::seconds(1));
}

}  // namespace renderer
