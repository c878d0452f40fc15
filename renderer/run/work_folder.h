#pragma once
// The run's private work folder: "tunewright-local-<UUID>" inside the system's
// temporary folder (TMPDIR honoured), removed with everything inside when the
// object goes away, whether the run succeeded or threw. While it exists, the stop handling
// knows it, so a stop that has to end the run from the signal thread removes it too.

#include <filesystem>

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
};

}  // namespace renderer
