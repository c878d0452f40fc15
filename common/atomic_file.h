#pragma once
// Whole-file writes that never leave a half-written file behind: the bytes go
// to a temporary file in the same folder, which is then renamed into place.

#include <filesystem>
#include <string_view>

namespace common {

// Replaces `path` with `contents`. The new file has the mode newFileMode() gives. Throws
// std::system_error with the platform's description on failure; the temporary file is removed
// then and any earlier file at `path` is untouched.
void writeFileAtomically(const std::filesystem::path& path, std::string_view contents);

// The mode a newly created file gets under the process's umask (0666 less the umask), for a
// file that was written privately first and is now put in place. Read without changing the
// umask; 0644 where the kernel does not show it. Any thread.
std::filesystem::perms newFileMode();

}  // namespace common
