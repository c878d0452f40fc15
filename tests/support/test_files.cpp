#include "tests/support/test_files.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "common/uuid.h"

namespace testsupport {

TemporaryFolder::TemporaryFolder()
    : path_(std::filesystem::temp_directory_path() /
            ("tunewright-test-" + common::makeUuidString())) {
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path findProgram(const std::string& name) {
    const char* pathVariable = std::getenv("PATH");
    std::stringstream folders(pathVariable != nullptr ? pathVariable : "/usr/bin:/bin");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::filesystem::path candidate = std::filesystem::path(folder) / name;
        std::error_code error;
        if (!folder.empty() && std::filesystem::is_regular_file(candidate, error)) return candidate;
    }
    return {};
}

std::string requiredProgramMessage(const std::string& name) {
    return "The program '" + name +
           "' is needed by this test and was not found on the PATH: run scripts/install-deps.";
}

std::string convertWithFfmpeg(const std::filesystem::path& source,
                              const std::filesystem::path& destination,
                              const std::vector<std::string>& outputArguments) {
    const std::filesystem::path ffmpeg = findProgram("ffmpeg");
    if (ffmpeg.empty()) return requiredProgramMessage("ffmpeg");
    std::vector<std::string> arguments = {"-nostdin", "-hide_banner", "-loglevel",    "error",
                                          "-y",       "-i",           source.string()};
    arguments.insert(arguments.end(), outputArguments.begin(), outputArguments.end());
    arguments.push_back(destination.string());
    return runProgram(ffmpeg, arguments);
}

common::CapturedRun captureProgram(const std::filesystem::path& program,
                                   const std::vector<std::string>& arguments, size_t outputBytes) {
    common::SubprocessOptions options;
    options.executable = program.string();
    options.arguments = arguments;
    return common::runAndCapture(options, outputBytes);
}

std::string runProgram(const std::filesystem::path& program,
                       const std::vector<std::string>& arguments) {
    const common::CapturedRun run = captureProgram(program, arguments);
    if (run.startError) return *run.startError;
    if (!run.status.succeeded()) return program.filename().string() + " failed: " + run.output;
    return {};
}

std::string readWholeFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

nlohmann::json readJson(const std::filesystem::path& path) {
    return nlohmann::json::parse(readWholeFile(path));
}

std::filesystem::path bundleBinFolder() { return TUNEWRIGHT_BUNDLE_BIN_DIR; }

std::filesystem::path bundledLame() { return bundleBinFolder() / "lame"; }

std::string encodeWithLame(const std::filesystem::path& wav, const std::filesystem::path& mp3,
                           const std::vector<std::string>& options) {
    std::vector<std::string> arguments = options;
    arguments.insert(arguments.end(), {"--quiet", wav.string(), mp3.string()});
    return runProgram(bundledLame(), arguments);
}

std::string decodeWithLame(const std::filesystem::path& mp3, const std::filesystem::path& wav) {
    return runProgram(bundledLame(), {"--decode", "--quiet", mp3.string(), wav.string()});
}

}  // namespace testsupport
