#pragma once
// How a render marks the files it owns as in use, so that a later render can tell its
// leftovers from those of a render still running: it holds an exclusive flock() on a file
// for as long as it lives. The kernel drops the lock when the process ends, however it
// ends (SIGKILL included), so a lock that can be taken means the owner is gone.

#include <filesystem>

namespace renderer {

class OwnerLock {
public:
    // Opens (creating if needed) and locks `path`; throws std::system_error on failure.
    explicit OwnerLock(const std::filesystem::path& path);
    ~OwnerLock();  // releases the lock; the file stays
    OwnerLock(const OwnerLock&) = delete;
    OwnerLock& operator=(const OwnerLock&) = delete;

private:
    int fd_ = -1;
};

// True when `path` exists and no process holds its lock any more. Takes the lock for a
// moment to find out, so two renders cleaning at once agree on one answer.
bool ownerIsGone(const std::filesystem::path& path);

}  // namespace renderer
