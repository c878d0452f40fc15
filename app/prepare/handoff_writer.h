#pragma once
// Writing the hand-off files: whole files only, UTF-8, replacing earlier versions.

#include <QString>

namespace app::prepare {

// Writes `text` to `path` atomically (a temporary file renamed into place) and,
// when `makeExecutable` is true, then gives the file permissions 0755.
// Throws std::system_error with a one-line description on failure.
void write(const QString& text, const QString& path, bool makeExecutable);

// Creates `path` and any missing parents; an existing folder is reused.
// Throws std::system_error with a one-line description on failure.
void createFolder(const QString& path);

}  // namespace app::prepare
