#pragma once
// Small file helpers of the runs. Safe on any thread; none of them throws.

#include <QString>
#include <optional>
#include <string>

namespace app::run {

// A path as the C++ and POSIX file interfaces take it.
std::string localPath(const QString& path);

// Creates the folder with its parents; the reason when it is not a folder afterwards.
std::optional<QString> createFolderWithParents(const QString& folder);

// Writes `text` as UTF-8, atomically; the reason when that fails.
std::optional<QString> writeTextFile(const QString& path, const QString& text);

}  // namespace app::run
