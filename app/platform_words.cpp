#include "app/platform_words.h"

#include <QCoreApplication>

namespace app::platform_words {

QString inFileManager() {
    return QCoreApplication::translate("PlatformWords", "in the file manager");
}

QString regularFolder() { return QCoreApplication::translate("PlatformWords", "a regular folder"); }

QString thisComputer() { return QCoreApplication::translate("PlatformWords", "this computer"); }

QString slowerComputers() {
    return QCoreApplication::translate("PlatformWords", "slower computers");
}

QString mediaLibraries() {
    return QCoreApplication::translate("PlatformWords", "the Music and Pictures libraries");
}

QString mediaLibraryAccess() {
    return QCoreApplication::translate("PlatformWords",
                                       "access to the Music or Pictures libraries");
}

QString avoidMediaLibrariesSentence() {
    return QCoreApplication::translate(
        "PlatformWords",
        "Do not choose the Music or Pictures libraries or a media-library package.");
}

QString atSentenceStart(const QString& phrase) {
    if (phrase.isEmpty()) return phrase;
    return phrase.front().toUpper() + phrase.mid(1);
}

}  // namespace app::platform_words
