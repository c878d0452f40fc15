#pragma once
// Whole-file writes that never leave a half-written file behind: the bytes go
// to a temporary file in the same folder, which is then renamed into place.

#include <filesystem>
#include <string_view>

namespace common {

// Replaces `path` with `contents`. The new file has permissions 0644. Throws std::system_error with the platform's description on failure;
// the temporary file is removed then and any earlier file at `path` is untouched.
void writeFileAtomically(const std::filesystem::path& path, std::string_view contents);

}  // namespace common
