#include "app/run/deliverables.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "app/songs/audio_files.h"

namespace app::run {
namespace {

const std::array<QString, 4> kCompanionNamesAfterAudio = {
    editNotesFileName, QStringLiteral("analysis-map.json"), QStringLiteral("render-stats.json"),
    QStringLiteral("qc-report.json")};

QFileInfoList visibleEntries(const QString& folder) {
    return QDir(folder).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot,
                                      QDir::Name);
}

bool isAudioEntry(const QFileInfo& entry) {
    return songs::audioExtensions().contains(entry.suffix().toLower());
}

// A regular file (not a link) of at least one byte, modified no earlier than `threshold`.
bool isFreshNonEmptyFile(const QFileInfo& entry, const QDateTime& threshold) {
    const QDateTime modified = entry.lastModified();
    return entry.isFile() && !entry.isSymLink() && entry.size() >= 1 && modified.isValid() &&
           modified >= threshold;
}

// The same file or folder, also when one path reaches it through a link.
bool isSamePath(const QString& first, const QString& second) {
    const QString firstCanonical = QFileInfo(first).canonicalFilePath();
    const QString secondCanonical = QFileInfo(second).canonicalFilePath();
    if (!firstCanonical.isEmpty() && !secondCanonical.isEmpty()) {
        return firstCanonical == secondCanonical;
    }
    return QDir::cleanPath(QFileInfo(first).absoluteFilePath()) ==
           QDir::cleanPath(QFileInfo(second).absoluteFilePath());
}

void copyReplacing(const QString& source, const QString& destination) {
    // Removing the destination first must never delete the source itself.
    if (isSamePath(source, destination)) return;
    QFile::remove(destination);
    if (!QFile::copy(source, destination)) return;
    std::error_code ignored;
    const auto modified = std::filesystem::last_write_time(source.toStdString(), ignored);
    if (!ignored) std::filesystem::last_write_time(destination.toStdString(), modified, ignored);
}

}  // namespace

std::optional<QString> freshCompletedAudioFile(const QString& folder, const QDateTime& startedAt,
                                               double stableForSeconds) {
    const QDateTime threshold =
        startedAt.addMSecs(-static_cast<qint64>(freshnessToleranceSeconds * 1000));
    const QDateTime now = QDateTime::currentDateTimeUtc();

    std::optional<QFileInfo> newest;
    for (const QFileInfo& entry : visibleEntries(folder)) {
        if (!isAudioEntry(entry) || !isFreshNonEmptyFile(entry, threshold)) continue;
        if (!newest || entry.lastModified() > newest->lastModified()) newest = entry;
    }
    if (!newest) return std::nullopt;

    const QFileInfo notes(QDir(folder).filePath(editNotesFileName));
    if (!isFreshNonEmptyFile(notes, threshold)) return std::nullopt;

    const QDateTime latest = std::max(newest->lastModified(), notes.lastModified());
    // A time stamp ahead of this clock (another machine's disk) counts as just written.
    const qint64 unchangedForMs = std::max<qint64>(0, latest.msecsTo(now));
    if (static_cast<double>(unchangedForMs) < stableForSeconds * 1000.0) return std::nullopt;
    return newest->filePath();
}

std::optional<QDateTime> latestGeneratedActivityDate(const QStringList& folders) {
    std::optional<QDateTime> latest;
    for (const QString& folder : folders) {
        if (!QFileInfo(folder).isDir()) continue;
        QDirIterator files(folder, QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QDateTime modified = files.nextFileInfo().lastModified();
            if (modified.isValid() && (!latest || modified > *latest)) latest = modified;
        }
    }
    return latest;
}

QString copyDeliverableToOutputIfNeeded(const QString& audioFile, const QString& outputFolder) {
    const QFileInfo audio(audioFile);
    if (isSamePath(audio.absolutePath(), outputFolder)) return audioFile;

    QDir().mkpath(outputFolder);
    const QDir source = audio.absoluteDir();
    const QDir output(outputFolder);
    QStringList names = {audio.fileName()};
    for (const QString& companion : kCompanionNamesAfterAudio) names << companion;
    for (const QString& name : names) {
        if (QFileInfo::exists(source.filePath(name))) {
            copyReplacing(source.filePath(name), output.filePath(name));
        }
    }
    return output.filePath(audio.fileName());
}

std::optional<QString> newestAudioFile(const QString& folder) {
    std::optional<QFileInfo> newest;
    for (const QFileInfo& entry : visibleEntries(folder)) {
        if (!isAudioEntry(entry)) continue;
        // A missing time counts as the distant past (an invalid QDateTime compares earliest).
        const QDateTime modified = entry.lastModified();
        if (!newest) {
            newest = entry;
        } else if (modified.isValid() &&
                   (!newest->lastModified().isValid() || modified > newest->lastModified())) {
            newest = entry;
        }
    }
    if (!newest) return std::nullopt;
    return newest->filePath();
}

}  // namespace app::run
