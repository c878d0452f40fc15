#include "renderer/encode/mp3_encoder.h"

#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>

#include "common/atomic_file.h"
#include "common/uuid.h"
#include "renderer/base/owner_lock.h"
#include "renderer/base/render_error.h"
#include "renderer/base/run_process.h"
#include "renderer/base/stop_request.h"

namespace renderer {
namespace {

// The running encode's temporary path, kept in fixed storage so that a signal handler
// can remove it without allocating. The flag is set only while the path is complete.
std::array<char, 4096> runningTemporaryPath{};
std::atomic<bool> hasRunningTemporaryPath{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void publishRunningTemporaryPath(const std::filesystem::path& path) {
    const std::string& text = path.native();
    if (text.size() >= runningTemporaryPath.size()) return;  // too long for LAME to open anyway
    std::memcpy(runningTemporaryPath.data(), text.c_str(), text.size() + 1);
    hasRunningTemporaryPath.store(true, std::memory_order_release);
}

void clearRunningTemporaryPath() {
    hasRunningTemporaryPath.store(false, std::memory_order_release);
}

// Hidden (a leading ".") and without an audio extension, so that nothing watching the
// output folder takes it for a finished edit.
std::filesystem::path temporaryPathFor(const std::filesystem::path& mp3Path) {
    const std::string name =
        "." + mp3Path.filename().string() + ".partial-" + common::makeUuidString();
    return mp3Path.parent_path() / name;
}

// Locked for the encode's life, so that a later render knows it from a killed render's
// leftover. Without the lock the encode still runs: LAME reports an unwritable folder itself.
std::unique_ptr<OwnerLock> lockTemporaryFile(const std::filesystem::path& path) {
    try {
        return std::make_unique<OwnerLock>(path);
    } catch (const std::system_error&) {
        return nullptr;
    }
}

void removeQuietly(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

}  // namespace

void encodeMP3(const ChildInputWriter& writeWav, const std::filesystem::path& mp3Path,
               const std::function<void(const std::filesystem::path&)>& finishTemporary) {
    writeMP3Atomically(
        [&](const std::filesystem::path& untagged) { runLameEncoder(writeWav, untagged); }, mp3Path,
        finishTemporary);
}

void runLameEncoder(const ChildInputWriter& writeWav, const std::filesystem::path& outputPath) {
    // "-": the WAV comes on standard input, so it is never written to disk.
    runProcessWithInput(lameExecutablePath(),
                        {"-b", "320", "--cbr", "--quiet", "-", outputPath.string()}, writeWav);
}

void writeMP3Atomically(const std::function<void(const std::filesystem::path&)>& writeUntagged,
                        const std::filesystem::path& mp3Path,
                        const std::function<void(const std::filesystem::path&)>& finishTemporary) {
    // A stop that ends a stuck run from the signal thread must not leave a partial MP3.
    static const bool registered = (addStopCleanupHook(removeTemporaryMP3OfRunningEncode), true);
    (void)registered;
    if (!isExecutableFile(lameExecutablePath()))
        throw RenderError("Bundled LAME encoder was not found.");

    // Absolute paths, so a name starting with "-" can never be read as an option.
    const std::filesystem::path finalPath = std::filesystem::absolute(mp3Path);
    const std::filesystem::path temporaryPath = temporaryPathFor(finalPath);
    publishRunningTemporaryPath(temporaryPath);
    try {
        const std::unique_ptr<OwnerLock> inUse = lockTemporaryFile(temporaryPath);
        writeUntagged(temporaryPath);
        if (finishTemporary) finishTemporary(temporaryPath);
        // Private while written; the finished edit is as readable as its companions.
        std::filesystem::permissions(temporaryPath, common::newFileMode());
        std::filesystem::rename(temporaryPath, finalPath);
    } catch (...) {
        clearRunningTemporaryPath();
        removeQuietly(temporaryPath);
        throw;
    }
    clearRunningTemporaryPath();
}

void removeTemporaryMP3OfRunningEncode() noexcept {
    if (hasRunningTemporaryPath.load(std::memory_order_acquire)) {
        ::unlink(runningTemporaryPath.data());
    }
}

}  // namespace renderer
