#include "app/songs/audio_files.h"

#include <QCollator>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

namespace app::songs {

const QStringList& audioFileTypes() {
    static const QStringList types = {"mp3", "wav", "aif", "aiff", "m4a", "flac", "aac"};
    return types;
}

const QSet<QString>& audioExtensions() {
    static const QSet<QString> extensions(audioFileTypes().begin(), audioFileTypes().end());
    return extensions;
}

bool hasSupportedAudioExtension(const QString& path) {
    return audioExtensions().contains(QFileInfo(path).suffix().toLower());
}

QStringList sortedByFileName(QStringList paths) {
    // The C locale's collation ignores numeric mode, so it falls back to a real locale.
    QLocale locale;
    if (locale.language() == QLocale::C) locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(paths.begin(), paths.end(), [&](const QString& left, const QString& right) {
        return collator.compare(QFileInfo(left).fileName(), QFileInfo(right).fileName()) < 0;
    });
    return paths;
}

}  // namespace app::songs
