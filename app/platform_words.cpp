#include "app/platform_words.h"

namespace app::platform_words {

QString inFileManager() { return QStringLiteral("in the file manager"); }

QString regularFolder() { return QStringLiteral("a regular folder"); }

QString thisComputer() { return QStringLiteral("this computer"); }

QString slowerComputers() { return QStringLiteral("slower computers"); }

QString mediaLibraries() { return QStringLiteral("the Music and Pictures libraries"); }

QString mediaLibraryAccess() { return QStringLiteral("access to the Music or Pictures libraries"); }

QString avoidMediaLibrariesSentence() {
    return QStringLiteral(
        "Do not choose the Music or Pictures libraries or a media-library package.");
}

QString atSentenceStart(const QString& phrase) {
    if (phrase.isEmpty()) return phrase;
    return phrase.front().toUpper() + phrase.mid(1);
}

}  // namespace app::platform_words
