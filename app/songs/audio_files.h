#pragma once
// The audio types a song may have, and the order in which song files are listed.

#include <QSet>
#include <QString>
#include <QStringList>

namespace app::songs {

// "mp3", "wav", "aif", "aiff", "m4a", "flac", "aac", in the picker's order.
const QStringList& audioFileTypes();
// The same seven, for membership tests.
const QSet<QString>& audioExtensions();

// True when the path's extension, lower-cased, is one of audioExtensions().
bool hasSupportedAudioExtension(const QString& path);

// Sorted by last path component as a file manager lists names: case-insensitive, digits
// compared as numbers ("a2" before "a10"); equal names keep their incoming order.
QStringList sortedByFileName(QStringList paths);

}  // namespace app::songs
