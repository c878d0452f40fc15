#pragma once
// Temporary folders, files read whole, and the outside programs tests need (ffmpeg, lame).

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "common/subprocess.h"

namespace testsupport {

// A fresh folder under the system's temporary folder, removed with everything
// inside when the object goes away.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// The absolute path of a program on the PATH, or an empty path. Tests that need
// a program assert on it with requiredProgramMessage() so that a missing tool
// fails loudly with what to install.
std::filesystem::path findProgram(const std::string& name);
std::string requiredProgramMessage(const std::string& name);

// Runs ffmpeg quietly to convert `source` into `destination` (format from its
// extension) with extra output arguments; returns ffmpeg's output on failure,
// an empty text on success.
std::string convertWithFfmpeg(const std::filesystem::path& source,
                              const std::filesystem::path& destination,
                              const std::vector<std::string>& outputArguments = {});

// Runs `program` with `arguments` and waits for it; returns why it could not start or its
// output when it failed, an empty text on success.
std::string runProgram(const std::filesystem::path& program,
                       const std::vector<std::string>& arguments);
// Runs `program` and keeps the last `outputBytes` of what it printed.
common::CapturedRun captureProgram(const std::filesystem::path& program,
                                   const std::vector<std::string>& arguments,
                                   size_t outputBytes = 1 << 20);

std::string readWholeFile(const std::filesystem::path& path);
nlohmann::json readJson(const std::filesystem::path& path);

// The build tree's bundle folder holding seamforge, lame and VelvetcutSetup.
std::filesystem::path bundleBinFolder();
// The build tree's LAME, the one seamforge is bundled with.
std::filesystem::path bundledLame();

// Encode (with extra `options` first) or decode quietly with bundledLame(); like runProgram,
// an empty text on success.
std::string encodeWithLame(const std::filesystem::path& wav, const std::filesystem::path& mp3,
                           const std::vector<std::string>& options = {});
std::string decodeWithLame(const std::filesystem::path& mp3, const std::filesystem::path& wav);

}  // namespace testsupport
