#pragma once
// Whole-file reads for the renderer's inputs (the job file, WAV files).

#include <filesystem>

#include "renderer/little_endian.h"

namespace renderer {

// Reads every byte of the regular file at `path`. Throws std::system_error with a
// one-line "Could not read <path>: <reason>" when it is missing, unreadable, a
// folder or not a regular file (a device or a pipe could block or never end).
ByteBuffer readFileBytes(const std::filesystem::path& path);

// Throws like readFileBytes unless `path` names a regular file (links followed).
void requireRegularFile(const std::filesystem::path& path);

}  // namespace renderer
