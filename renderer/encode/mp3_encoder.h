#pragma once
// Encodes the finished edit to a 320 kbps constant-bit-rate MP3 with the delivered LAME, which
// reads the edit as a WAV on its standard input while it is being produced.

#include <filesystem>
#include <functional>

#include "renderer/base/run_process.h"

namespace renderer {

// LAME writes to a hidden temporary file in the MP3's folder, which replaces `mp3Path`
// only once LAME has succeeded; on any failure the temporary file is removed and an
// earlier file at `mp3Path` is left as it was. Throws RenderError "Bundled LAME encoder
// was not found." when the LAME path is not an executable file, LAME's trimmed output
// (or "<name> failed") when it fails, and std::filesystem::filesystem_error when the
// result cannot be moved into place. `finishTemporary`, when given, runs on LAME's finished
// temporary file before it is moved into place; what it throws fails the encode the same way.
// `writeWav` writes the whole WAV file (header and samples) into the sink it is given.
// The temporary file is readable by its owner only; the finished MP3 has the mode the umask
// gives a new file.
void encodeMP3(const ChildInputWriter& writeWav, const std::filesystem::path& mp3Path,
               const std::function<void(const std::filesystem::path&)>& finishTemporary = {});

// As encodeMP3, for any way of making the untagged MP3: `writeUntagged` writes it at the
// temporary path it is given, in place (the file may already exist, locked as in use).
void writeMP3Atomically(const std::function<void(const std::filesystem::path&)>& writeUntagged,
                        const std::filesystem::path& mp3Path,
                        const std::function<void(const std::filesystem::path&)>& finishTemporary);

// One run of the delivered LAME with the edit's options (-b 320 --cbr), reading the WAV that
// `writeWav` writes and writing `outputPath`. Fails as runProcessWithInput does.
void runLameEncoder(const ChildInputWriter& writeWav, const std::filesystem::path& outputPath);

// Removes the temporary MP3 of the encode now running, if any. Async-signal-safe; the first
// encode registers it as a stop clean-up hook. LAME should be ended first, or it may write again.
void removeTemporaryMP3OfRunningEncode() noexcept;

}  // namespace renderer
