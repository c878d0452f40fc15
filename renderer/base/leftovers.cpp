#include "renderer/base/leftovers.h"

#include <chrono>
#include <regex>
#include <string>
#include <system_error>

#include "renderer/base/owner_lock.h"

namespace renderer {
namespace {

namespace fs = std::filesystem;

constexpr auto kUnlockedFolderAge = std::chrono::minutes(1);
constexpr const char* kUuidPattern = "[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}";

bool isOlderThan(const fs::path& path, fs::file_time_type::duration age) {
    std::error_code error;
    const fs::file_time_type modified = fs::last_write_time(path, error);
    return !error && fs::file_time_type::clock::now() - modified > age;
}

bool isLeftoverWorkFolder(const fs::directory_entry& entry) {
    static const std::regex name(std::string(workFolderPrefix) + kUuidPattern);
    std::error_code error;
    if (!entry.is_directory(error) || entry.is_symlink(error)) return false;
    if (!std::regex_match(entry.path().filename().string(), name)) return false;
    const fs::path lock = entry.path() / workFolderLockName;
    if (fs::exists(lock, error)) return ownerIsGone(lock);
    return isOlderThan(entry.path(), kUnlockedFolderAge);
}

bool isLeftoverPartialMP3(const fs::directory_entry& entry) {
    static const std::regex name(std::string(R"(\..+\.partial-)") + kUuidPattern);
    std::error_code error;
    if (!entry.is_regular_file(error) || entry.is_symlink(error)) return false;
    return std::regex_match(entry.path().filename().string(), name) && ownerIsGone(entry.path());
}

template <typename IsLeftover>
void removeEntries(const fs::path& folder, IsLeftover isLeftover) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (isLeftover(*it)) fs::remove_all(it->path(), ignored);
    }
}

}  // namespace

void removeLeftoverWorkFolders(const fs::path& temporaryFolder) {
    removeEntries(temporaryFolder, isLeftoverWorkFolder);
}

void removeLeftoverPartialMP3s(const fs::path& outputFolder) {
    removeEntries(outputFolder, isLeftoverPartialMP3);
}

}  // namespace renderer
