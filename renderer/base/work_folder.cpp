#include "renderer/base/work_folder.h"

#include <system_error>

#include "common/uuid.h"
#include "renderer/base/leftovers.h"
#include "renderer/base/stop_request.h"

namespace renderer {

namespace {

std::filesystem::path systemTemporaryFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error) throw std::system_error(error, "Could not find the temporary folder");
    return folder;
}

}  // namespace

WorkFolder::WorkFolder()
    : path_(systemTemporaryFolder() / (workFolderPrefix + common::makeUuidString())) {
    std::error_code error;
    std::filesystem::create_directories(path_, error);
    if (error) throw std::system_error(error, "Could not create the work folder " + path_.string());
    setActiveWorkFolder(path_);
    try {
        ownerLock_ = std::make_unique<OwnerLock>(path_ / workFolderLockName);
    } catch (...) {
        clearActiveWorkFolder();
        std::filesystem::remove_all(path_, error);
        throw;
    }
}

WorkFolder::~WorkFolder() {
    clearActiveWorkFolder();
    ownerLock_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace renderer
