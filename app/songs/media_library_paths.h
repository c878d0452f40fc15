#pragma once
// Media-library locations the wizard refuses outright, so that it never needs
// permission to read the user's music or picture libraries.

#include <QString>

namespace app::songs {

// True for the home folder's Music and Pictures folders and everything below them,
// for library packages, and for any path naming a photo or music library.
// Compared on the cleaned, lower-cased path; nothing is read from disk.
bool isBlockedMediaLibraryPath(const QString& path, const QString& homeFolder);

}  // namespace app::songs
