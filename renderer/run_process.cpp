#include "renderer/run_process.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "common/subprocess.h"
#include "common/text.h"
#include "renderer/render_error.h"
#include "renderer/utf8.h"

namespace renderer {
namespace {

constexpr size_t kMaxCapturedOutputBytes = 200000;

std::string runningExecutablePath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.string();
}

}  // namespace

std::string runProcess(const std::string& executable, const std::vector<std::string>& arguments) {
    common::SubprocessOptions options;
    options.executable = executable;
    options.arguments = arguments;
    const common::CapturedRun run = common::runAndCapture(options, kMaxCapturedOutputBytes);
    if (run.startError) throw RenderError(*run.startError);

    const std::string text = isValidUtf8(run.output) ? run.output : std::string();
    if (run.status.succeeded()) return text;
    const std::string message = common::trim(text);
    if (!message.empty()) throw RenderError(message);
    throw RenderError(std::filesystem::path(executable).filename().string() + " failed");
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
