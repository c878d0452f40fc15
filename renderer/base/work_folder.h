#pragma once
// The run's private work folder: "tunewright-local-<UUID>" inside the system's
// temporary folder (TMPDIR honoured), removed with everything inside when the
// object goes away, whether the run succeeded or threw. While it exists, the stop handling
// knows it, so a stop that has to end the run from the signal thread removes it too, and
// its owner lock (leftovers.h) tells later renders that it is still in use.

#include <filesystem>
#include <memory>

#include "renderer/base/owner_lock.h"

namespace renderer {

class WorkFolder {
public:
    // Creates the folder with its parents; throws std::system_error with a one-line reason.
    WorkFolder();
    ~WorkFolder();  // removal errors are ignored
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    std::unique_ptr<OwnerLock> ownerLock_;
};

}  // namespace renderer
