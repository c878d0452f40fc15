#pragma once
// Ends one song's work without ending the run: once an earlier song has failed, the work on
// later songs can only be thrown away. A worker thread installs its song's token with
// ScopedCancelToken; runProcess attaches its child to it, and throwIfStopRequested() then
// also throws on that thread once the token is cancelled. Thread-safe.

#include <atomic>
#include <memory>
#include <mutex>

namespace common {
class Subprocess;
}

namespace renderer {

class CancelToken {
public:
    // Sets the flag and sends SIGTERM to the attached child, if any.
    void cancel();
    bool cancelled() const noexcept { return cancelled_.load(std::memory_order_acquire); }

    // The child now working for this song; detach() once it has been waited for.
    void attach(std::shared_ptr<common::Subprocess> child);
    void detach();

private:
    std::atomic<bool> cancelled_{false};
    std::mutex childMutex_;  // guards child_
    std::shared_ptr<common::Subprocess> child_;
};

// The token installed on the calling thread, or nullptr.
CancelToken* currentCancelToken() noexcept;

class ScopedCancelToken {
public:
    explicit ScopedCancelToken(CancelToken& token);
    ~ScopedCancelToken();
    ScopedCancelToken(const ScopedCancelToken&) = delete;
    ScopedCancelToken& operator=(const ScopedCancelToken&) = delete;

private:
    CancelToken* previous_;
};

}  // namespace renderer
