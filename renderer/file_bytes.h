#pragma once
// Whole-file reads for the renderer's inputs (the job file, WAV files).

#include <filesystem>

#include "renderer/little_endian.h"

namespace renderer {

// Reads every byte of the regular file at `path`. Throws a one-line
// "Could not read <path>: <reason>" (std::system_error, or RenderError for a device
// or a pipe, which could block or never end) when it is missing, unreadable or a folder.
ByteBuffer readFileBytes(const std::filesystem::path& path);

// Throws like readFileBytes unless `path` names a regular file (links followed).
void requireRegularFile(const std::filesystem::path& path);

}  // namespace renderer
