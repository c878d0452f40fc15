#pragma once
// Holds the running child process and the cancel flag, shared between the
// interface thread (Stop) and the background run. One mutex guards both fields;
// signals are always sent outside it.

#include <memory>
#include <mutex>

#include "common/subprocess.h"

namespace app::run {

class EditRunController {
public:
    static constexpr double killDelaySeconds = 2.0;

    // Clears the cancel flag and forgets any process.
    void prepareForNewRun();
    void attach(std::shared_ptr<common::Subprocess> process);
    // Sets the cancel flag; a running process gets SIGTERM now and SIGKILL
    // 2 s later (on a utility worker) if that same process still runs.
    void cancel();
    // Forgets the process only when it is the very one given.
    void clearIfCurrent(const std::shared_ptr<common::Subprocess>& process);
    bool isCancellationRequested() const;
    // Forgets the process and clears the flag (used when the songs are cleared).
    void reset();

private:
    mutable std::mutex lock_;
    std::shared_ptr<common::Subprocess> process_;
    bool cancellationRequested_ = false;
};

}  // namespace app::run
