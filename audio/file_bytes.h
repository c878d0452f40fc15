#pragma once
// Whole-file reads of regular files (job files, WAV files).

#include <cstdint>
#include <filesystem>
#include <vector>

#include "audio/little_endian.h"

namespace audio {

// Reads every byte of the regular file at `path`. Throws a one-line
// "Could not read <path>: <reason>" (std::system_error, or AudioError for a device
// or a pipe, which could block or never end) when it is missing, unreadable or a folder.
ByteBuffer readFileBytes(const std::filesystem::path& path);

// The bytes of a file held in 16-bit storage, so that 16-bit samples inside it can be used
// where they lie instead of being copied.
struct FileSamples {
    std::vector<int16_t> storage;  // the file's bytes, plus one zero byte for an odd count
    size_t byteCount = 0;
    ConstByteSpan bytes() const {
        return {reinterpret_cast<const uint8_t*>(storage.data()), byteCount};
    }
};

// Reads like readFileBytes, into 16-bit storage.
FileSamples readFileAsSamples(const std::filesystem::path& path);

// Throws like readFileBytes unless `path` names a regular file (links followed).
void requireRegularFile(const std::filesystem::path& path);

}  // namespace audio
