#include "renderer/base/run_process.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>

#include "common/subprocess.h"
#include "common/text.h"
#include "renderer/base/cancel_token.h"
#include "renderer/base/render_error.h"
#include "renderer/base/stop_request.h"
#include "renderer/base/utf8.h"

namespace renderer {
namespace {

constexpr size_t kMaxCapturedOutputBytes = 200000;

std::string runningExecutablePath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.string();
}

// Registered for the whole life of the child, so that a stop, or the cancel of its song's
// work, can end it.
class RunningChildRegistration {
public:
    explicit RunningChildRegistration(const std::shared_ptr<common::Subprocess>& child)
        : child_(child.get()), token_(currentCancelToken()) {
        addRunningChild(child);
        if (token_ != nullptr) token_->attach(child);
    }
    ~RunningChildRegistration() {
        if (token_ != nullptr) token_->detach();
        removeRunningChild(child_);
    }
    RunningChildRegistration(const RunningChildRegistration&) = delete;
    RunningChildRegistration& operator=(const RunningChildRegistration&) = delete;

private:
    const common::Subprocess* child_;
    CancelToken* token_;
};

}  // namespace

std::string runProcess(const std::string& executable, const std::vector<std::string>& arguments) {
    return runProcessWithInput(executable, arguments, nullptr);
}

std::string runProcessWithInput(const std::string& executable,
                                const std::vector<std::string>& arguments,
                                const ChildInputWriter& writeInput) {
    throwIfStopRequested();
    common::SubprocessOptions options;
    options.executable = executable;
    options.arguments = arguments;
    options.stdinFromPipe = static_cast<bool>(writeInput);
    // Nothing the renderer starts may outlive it, even when it is killed outright.
    options.dieWithParent = true;
    std::mutex outputMutex;
    std::string output;
    const auto child =
        std::make_shared<common::Subprocess>(std::move(options), [&](std::string_view chunk) {
            std::lock_guard guard(outputMutex);
            output.append(chunk);
            if (output.size() > kMaxCapturedOutputBytes) {
                output.erase(0, output.size() - kMaxCapturedOutputBytes);
            }
        });
    if (const std::optional<std::string> startError = child->start()) {
        throw RenderError(*startError);
    }
    const RunningChildRegistration registration(child);
    // A stop that came before the registration could not reach this child.
    if (stopRequested()) child->kill();
    bool inputRefused = false;
    if (writeInput) {
        try {
            writeInput([&](std::string_view bytes) {
                inputRefused = inputRefused || !child->writeInput(bytes);
                return !inputRefused;
            });
        } catch (...) {
            child->kill();
            child->waitForExit();
            throw;
        }
        child->closeInput();
    }
    const common::ExitStatus status = child->waitForExit();
    throwIfStopRequested();

    // The reader thread has finished; the lock only orders its last append before this read.
    std::lock_guard guard(outputMutex);
    const std::string text = isValidUtf8(output) ? output : std::string();
    const std::string name = std::filesystem::path(executable).filename().string();
    if (status.succeeded() && inputRefused) {
        throw RenderError(name + " did not read all of its input.");
    }
    if (status.succeeded()) return text;
    // The child's lines read as one sentence on the renderer's one failure line.
    const std::string message =
        common::trim(common::replaceAll(common::replaceAll(text, "\r", " "), "\n", " "));
    if (!message.empty()) throw RenderError(message);
    throw RenderError(name + " failed");
}

std::string bundledLamePath() {
    const std::filesystem::path self = runningExecutablePath();
    return (self.parent_path() / "lame").string();
}

std::string lameExecutablePath() {
    if (const char* configured = std::getenv("MUSIC_EDIT_LAME")) return configured;
    return bundledLamePath();
}

bool isExecutableFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error) &&
           ::access(path.c_str(), X_OK) == 0;
}

}  // namespace renderer
