#include "app/songs/media_library_paths.h"

#include <QDir>
#include <QFileInfo>

namespace app::songs {
namespace {

bool isInside(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder + "/");
}

}  // namespace

bool isBlockedMediaLibraryPath(const QString& path, const QString& homeFolder) {
    const QString cleaned = QDir::cleanPath(path);
    const QString lowered = cleaned.toLower();
    QString home = QDir::cleanPath(homeFolder).toLower();
    // A home of "/" would otherwise give "//music", which no cleaned path can start with.
    if (home.endsWith('/')) home.chop(1);

    if (isInside(lowered, home + "/music") || isInside(lowered, home + "/pictures")) return true;

    static const QStringList libraryExtensions = {"photoslibrary", "photolibrary", "musiclibrary",
                                                  "medialibrary", "aplibrary"};
    if (libraryExtensions.contains(QFileInfo(cleaned).suffix().toLower())) return true;

    static const QStringList libraryNames = {".photoslibrary",  ".photolibrary", ".musiclibrary",
                                             "/photos library", "/apple music",  "/itunes",
                                             "/music library"};
    for (const QString& name : libraryNames) {
        if (lowered.contains(name)) return true;
    }
    return false;
}

}  // namespace app::songs
