#pragma once
// What earlier renders left behind when they were killed outright: their work folders
// ("tunewright-local-<UUID>" in the temporary folder) and their hidden partial MP3s
// (".<name>.partial-<UUID>" in an output folder). A leftover is removed only when its owner
// is gone (owner_lock.h): a work folder holds its owner's lock file, a partial MP3 is itself
// locked by its owner while LAME writes it. A work folder without a lock file is removed
// once it is older than a minute (its owner died before locking it); a younger one may be
// a render that is just starting. Errors are ignored: this is tidying, not the run's job.

#include <filesystem>

namespace renderer {

inline constexpr const char* workFolderPrefix = "tunewright-local-";
inline constexpr const char* workFolderLockName = ".owner-lock";

void removeLeftoverWorkFolders(const std::filesystem::path& temporaryFolder);
void removeLeftoverPartialMP3s(const std::filesystem::path& outputFolder);

}  // namespace renderer
