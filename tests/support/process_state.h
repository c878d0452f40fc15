#pragma once
// Whether a process the test started (directly or through a child) has ended.

#include <sys/types.h>

#include <filesystem>
#include <optional>

namespace testsupport {

// True when `pid` no longer runs: its /proc entry is gone or it is a zombie (an orphan
// may wait as a zombie when nothing on the machine reaps orphans).
bool processHasEnded(pid_t pid);
// Waits up to `timeoutSeconds` for processHasEnded(pid); returns it.
bool waitForProcessEnd(pid_t pid, double timeoutSeconds = 5.0);

// The process id a script wrote into `file`, once the file holds one (waits up to
// `timeoutSeconds`); nothing when it never does.
std::optional<pid_t> readPidFile(const std::filesystem::path& file, double timeoutSeconds = 5.0);

}  // namespace testsupport
