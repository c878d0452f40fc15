#pragma once
// Deciding from the files themselves whether an edit is finished.
//
// Free functions that only read (or, for the copy, write) the file system and keep
// no state: safe on any thread. Folder listings are one level deep unless stated,
// skip hidden entries, and a folder that cannot be listed counts as empty.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

namespace app::run {

// A file counts as fresh when modified no earlier than this before the run started.
inline constexpr double freshnessToleranceSeconds = 2.0;

// The notes file that must accompany a finished MP3.
inline const QString editNotesFileName = QStringLiteral("edit-notes.md");

// The newest non-empty fresh audio file in `folder` whose non-empty fresh notes file
// sits beside it, once neither has changed for `stableForSeconds`; nothing otherwise.
std::optional<QString> freshCompletedAudioFile(const QString& folder, const QDateTime& startedAt,
                                               double stableForSeconds);

// The latest modification time of any regular file under the existing `folders`,
// walked recursively; nothing when no file qualifies.
std::optional<QDateTime> latestGeneratedActivityDate(const QStringList& folders);

// Copies the audio file and its companions (notes and the three JSON reports) into
// `outputFolder`, replacing files of the same names, unless the file already lies
// there. Copies keep their modification times. Failures are skipped silently.
// Returns the deliverable's path inside the output folder.
QString copyDeliverableToOutputIfNeeded(const QString& audioFile, const QString& outputFolder);

// The most recently modified audio file in `folder` (the file View Edit shows).
std::optional<QString> newestAudioFile(const QString& folder);

}  // namespace app::run
