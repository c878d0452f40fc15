#include "renderer/work_folder.h"

#include <system_error>

#include "common/uuid.h"

namespace renderer {

WorkFolder::WorkFolder()
    : path_(std::filesystem::temp_directory_path() /
            ("tunewright-local-" + common::makeUuidString())) {
    std::filesystem::create_directories(path_);
}

WorkFolder::~WorkFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace renderer
