// ContentView's song selection: picking, scanning, replacing, moving and clearing songs.

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "app/prepare/note_portion.h"
#include "app/platform_words.h"
#include "app/songs/audio_files.h"
#include "app/songs/media_library_paths.h"
#include "app/songs/starter_guidance.h"
#include "app/wizard/content_view.h"

namespace app {
namespace {

const QString kBlockedSongsMessage =
    "Move or copy the audio files to Desktop, Downloads, or Documents first. This app does not "
    "need " +
    platform_words::mediaLibraryAccess() + ".";
const QString kStepTwoNeedsOutputMessage =
    QStringLiteral("Step 2 complete. Add timing notes, then choose an output folder.");
const QString kStepTwoWithOutputMessage =
    QStringLiteral("Step 2 complete. Add any timing or section instructions for the edit.");
// Changing the songs mid-run would hide the run's progress and lose its Stop button.
const QString kEditRunningMessage =
    QStringLiteral("Stop the edit before going back to change the setup.");

QString parentFolder(const QString& path) {
    return QFileInfo(QDir::cleanPath(path)).absolutePath();
}

bool isExistingDirectory(const QString& path) { return QFileInfo(path).isDir(); }

OpenPanelRequest songFilesPanel(const QString& startDirectory) {
    OpenPanelRequest request;
    request.title = QStringLiteral("Choose 1 to 3 audio files");
    request.prompt = QStringLiteral("Choose Audio Files");
    request.message = "Choose only the song files for this edit. " +
                      platform_words::atSentenceStart(platform_words::mediaLibraries()) +
                      " are not needed.";
    request.startDirectory = startDirectory;
    request.canChooseFiles = true;
    request.canChooseDirectories = false;
    request.allowsMultipleSelection = true;
    request.allowedExtensions = songs::audioFileTypes();
    return request;
}

OpenPanelRequest songFolderPanel(const QString& startDirectory) {
    OpenPanelRequest request;
    request.title = QStringLiteral("Choose a normal folder with 1 to 3 songs");
    request.prompt = QStringLiteral("Choose Folder");
    request.message = "Choose " + platform_words::regularFolder() +
                      " that contains 1 to 3 audio files. " +
                      platform_words::avoidMediaLibrariesSentence();
    request.startDirectory = startDirectory;
    request.canChooseFiles = false;
    request.canChooseDirectories = true;
    request.allowsMultipleSelection = false;
    return request;
}

OpenPanelRequest replacementPanel(int index, const QString& startDirectory) {
    const QString number = QString::number(index + 1);
    OpenPanelRequest request;
    request.title = "Choose replacement for song " + number;
    request.prompt = "Replace Song " + number;
    request.message = QStringLiteral(
        "Choose one replacement audio file from the same folder as the other selected songs.");
    request.startDirectory = startDirectory;
    request.canChooseFiles = true;
    request.canChooseDirectories = false;
    request.allowsMultipleSelection = false;
    request.allowedExtensions = songs::audioFileTypes();
    return request;
}

std::vector<songs::TrackFile> tracksFor(const QStringList& paths) {
    std::vector<songs::TrackFile> tracks;
    for (const QString& path : paths) tracks.push_back(songs::TrackFile::forPath(path));
    return tracks;
}

}  // namespace

bool ContentView::songFolderReady() const {
    const size_t count = state_.tracks.size();
    return state_.selectedFolder.has_value() && count >= 1 && count <= 3;
}

bool ContentView::canChooseSongs() {
    if (state_.isCreatingEdit) {
        state_.status = kEditRunningMessage;
        notifyChanged();
        return false;
    }
    if (state_.toolChecks.empty()) refreshToolChecksInBackground();
    QStringList missing;
    if (!bundledToolPath(QStringLiteral("seamforge"))) missing << "Local music renderer";
    if (!lameProgramPath()) missing << "MP3 encoder";
    if (missing.isEmpty()) return true;
    state_.status = "Missing local engine setup: " + missing.join(", ") +
                    ". Reinstall Tunewright or contact support.";
    notifyChanged();
    return false;
}

void ContentView::chooseSongFiles() {
    if (!canChooseSongs()) return;
    const QStringList chosen = services_.runOpenPanel(songFilesPanel(songPickerStartDirectory()));
    if (chosen.isEmpty()) return;
    handleAudioFileSelection(chosen);
    refreshToolChecksInBackground();
}

void ContentView::chooseSongFolder() {
    if (!canChooseSongs()) return;
    const QStringList chosen = services_.runOpenPanel(songFolderPanel(songPickerStartDirectory()));
    if (chosen.isEmpty()) return;
    handleSongFolderSelection(chosen.front());
    refreshToolChecksInBackground();
}

void ContentView::handleAudioFileSelection(const QStringList& paths) {
    if (state_.isCreatingEdit) {
        state_.status = kEditRunningMessage;
    } else if (paths.isEmpty()) {
        state_.status = QStringLiteral("Choose 1, 2, or 3 audio files.");
    } else if (std::any_of(paths.begin(), paths.end(), [this](const QString& path) {
                   return isBlockedMediaLibraryPath(path);
               })) {
        state_.status = kBlockedSongsMessage;
    } else {
        QStringList kept;
        for (const QString& path : paths) {
            if (!isExistingDirectory(path) && songs::hasSupportedAudioExtension(path)) {
                kept << QDir::cleanPath(path);
            }
        }
        kept = songs::sortedByFileName(kept);
        if (kept.isEmpty()) {
            state_.status = QStringLiteral(
                "No supported audio files were selected. Supported: MP3, WAV, AIFF, M4A, FLAC, "
                "AAC.");
        } else if (const QString folder = parentFolder(kept.front());
                   std::any_of(kept.begin(), kept.end(), [&folder](const QString& path) {
                       return parentFolder(path) != folder;
                   })) {
            state_.status = QStringLiteral(
                "Choose songs from one folder so the setup files can be created beside them.");
        } else {
            state_.selectedFolder = folder;
            state_.outputFolder.reset();
            resetProgress();
            state_.usedDirectSongSelection = true;
            state_.manualTrackOrder = false;
            state_.tracks = tracksFor(kept);
            syncSongGuidance();
            syncSongTimingFields();
            const qsizetype count = kept.size();
            state_.status = count <= 3
                                ? kStepTwoNeedsOutputMessage
                                : "Selected " + QString::number(count) + " supported audio file" +
                                      (count == 1 ? "" : "s") + ". Choose 1, 2, or 3 songs.";
        }
    }
    notifyChanged();
}

void ContentView::handleSongFolderSelection(const QString& path) {
    if (state_.isCreatingEdit) {
        state_.status = kEditRunningMessage;
    } else if (isBlockedMediaLibraryPath(path)) {
        state_.status = kBlockedSongsMessage;
    } else if (!isExistingDirectory(path)) {
        state_.status =
            QStringLiteral("Choose a regular folder that contains 1, 2, or 3 audio files.");
    } else {
        state_.usedDirectSongSelection = false;
        state_.selectedFolder = QDir::cleanPath(path);
        state_.outputFolder.reset();
        resetProgress();
        state_.manualTrackOrder = false;
        syncSongTimingFields();
        scanSelectedFolder();  // sets the status and notifies
        return;
    }
    notifyChanged();
}

void ContentView::scanSelectedFolder() {
    if (!state_.selectedFolder) {
        state_.status = QStringLiteral("Choose a folder first.");
    } else if (isBlockedMediaLibraryPath(*state_.selectedFolder)) {
        state_.status = kBlockedSongsMessage;
    } else {
        state_.usedDirectSongSelection = false;
        state_.manualTrackOrder = false;
        // Files only: a folder named like a song cannot be rendered. Without QDir::Hidden,
        // hidden entries are skipped; an unreadable folder lists as empty.
        const QFileInfoList entries =
            QDir(*state_.selectedFolder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
        QStringList songPaths;
        for (const QFileInfo& entry : entries) {
            if (songs::hasSupportedAudioExtension(entry.fileName())) {
                songPaths << QDir::cleanPath(entry.filePath());
            }
        }
        songPaths = songs::sortedByFileName(songPaths);
        state_.tracks = tracksFor(songPaths);
        syncSongGuidance();
        syncSongTimingFields();
        const qsizetype count = songPaths.size();
        if (count == 0) {
            state_.status = QStringLiteral("No supported audio files found in that folder.");
        } else if (count > 3) {
            state_.status = "Found " + QString::number(count) +
                            " audio files. This app expects 1, 2, or 3 source songs.";
        } else {
            state_.status =
                state_.outputFolder ? kStepTwoWithOutputMessage : kStepTwoNeedsOutputMessage;
        }
    }
    notifyChanged();
}

void ContentView::clearSongs() {
    if (state_.isCreatingEdit) {
        // Forgetting the run's process now would leave it running with no way to stop it.
        state_.status = kEditRunningMessage;
        notifyChanged();
        return;
    }
    state_.selectedFolder.reset();
    state_.outputFolder.reset();
    state_.tracks.clear();
    state_.songGuidance.clear();
    state_.songStartTimes.clear();
    state_.songEndTimes.clear();
    state_.usedDirectSongSelection = false;
    state_.manualTrackOrder = false;
    state_.handoffFolder.reset();
    resetProgress();
    state_.isUsingFastTimeRenderer = false;
    editRunController().reset();
    state_.status = QStringLiteral("Song selection cleared. Choose 1, 2, or 3 songs again.");
    notifyChanged();
    refreshToolChecksInBackground();
}

void ContentView::replaceTrack(int index) {
    const int count = static_cast<int>(state_.tracks.size());
    if (index < 0 || index >= count || state_.isCreatingEdit) return;

    const QString oldPath = state_.tracks[static_cast<size_t>(index)].url;
    const QStringList chosen = services_.runOpenPanel(
        replacementPanel(index, privacySafePickerStartDirectory(parentFolder(oldPath))));
    if (chosen.isEmpty() || chosen.front().isEmpty()) return;
    const QString newPath = QDir::cleanPath(chosen.front());

    if (isBlockedMediaLibraryPath(newPath)) {
        state_.status =
            "Move or copy the replacement song to the same regular folder as the other songs. "
            "This app does not need " +
            platform_words::mediaLibraryAccess() + ".";
        notifyChanged();
        return;
    }
    if (isExistingDirectory(newPath) || !songs::hasSupportedAudioExtension(newPath)) {
        state_.status =
            QStringLiteral("Choose a supported audio file: MP3, WAV, AIFF, M4A, FLAC, or AAC.");
        notifyChanged();
        return;
    }
    if (state_.selectedFolder && parentFolder(newPath) != QDir::cleanPath(*state_.selectedFolder)) {
        state_.status = QStringLiteral(
            "Choose the replacement song from the same folder as the other selected songs.");
        notifyChanged();
        return;
    }
    for (int other = 0; other < count; ++other) {
        if (other != index && state_.tracks[static_cast<size_t>(other)].url == newPath) {
            state_.status = QStringLiteral(
                "That song is already selected. Choose a different song or use the arrows to "
                "reorder.");
            notifyChanged();
            return;
        }
    }

    const QString starter = songs::starterGuidance(index, count);
    const QString oldNote = state_.songGuidance.value(oldPath);
    const QString oldStart = state_.songStartTimes.value(oldPath, QStringLiteral("0:00"));
    const QString oldEnd = state_.songEndTimes.value(oldPath);
    // Any default text (this position's starter included, trimmed) is not the user's own.
    const bool noteIsOwn = !oldNote.trimmed().isEmpty() && !prepare::isDefaultNote(oldNote);

    state_.tracks[static_cast<size_t>(index)] = songs::TrackFile::forPath(newPath);
    state_.usedDirectSongSelection = true;
    state_.manualTrackOrder = true;
    resetProgress();
    state_.songGuidance.remove(oldPath);
    state_.songStartTimes.remove(oldPath);
    state_.songEndTimes.remove(oldPath);
    state_.songGuidance.insert(newPath, noteIsOwn ? oldNote : starter);
    state_.songStartTimes.insert(newPath,
                                 oldStart.trimmed().isEmpty() ? QStringLiteral("0:00") : oldStart);
    state_.songEndTimes.insert(newPath, oldEnd);
    syncSongGuidance();
    syncSongTimingFields();
    state_.status = "Song " + QString::number(index + 1) +
                    " replaced. Review the notes, then choose an output folder or click Create "
                    "Edit.";
    notifyChanged();
}

void ContentView::moveTrack(int index, int offset) {
    const int count = static_cast<int>(state_.tracks.size());
    const int target = index + offset;
    if (index < 0 || index >= count || target < 0 || target >= count) return;
    if (state_.isCreatingEdit) {
        state_.status = kEditRunningMessage;
        notifyChanged();
        return;
    }
    const std::vector<songs::TrackFile> oldTracks = state_.tracks;
    std::swap(state_.tracks[static_cast<size_t>(index)],
              state_.tracks[static_cast<size_t>(target)]);
    state_.manualTrackOrder = true;
    refreshStarterGuidanceAfterOrderChange(oldTracks);
    resetProgress();
    state_.status =
        state_.outputFolder
            ? QStringLiteral("Song order updated. Add any timing notes, then click Create Edit.")
            : QStringLiteral("Song order updated. Add timing notes, then choose an output folder.");
    notifyChanged();
}

bool ContentView::isBlockedMediaLibraryPath(const QString& path) const {
    return songs::isBlockedMediaLibraryPath(path, services_.homeFolder());
}

QString ContentView::privacySafePickerStartDirectory(
    const std::optional<QString>& preferred) const {
    const auto acceptable = [this](const QString& folder) {
        return !folder.isEmpty() && !isBlockedMediaLibraryPath(folder) &&
               isExistingDirectory(folder);
    };
    std::vector<QString> candidates;
    if (preferred) candidates.push_back(*preferred);
    if (state_.selectedFolder) candidates.push_back(*state_.selectedFolder);
    if (!state_.tracks.empty()) candidates.push_back(parentFolder(state_.tracks.front().url));
    for (const QString& candidate : candidates) {
        if (candidate.isEmpty()) continue;
        const QString folder = isExistingDirectory(candidate) ? candidate : parentFolder(candidate);
        if (acceptable(folder)) return folder;
    }
    for (const QString& folder : {services_.desktopFolder(), services_.downloadsFolder(),
                                  services_.documentsFolder(), services_.homeFolder()}) {
        if (acceptable(folder)) return folder;
    }
    return QStringLiteral("/");
}

QString ContentView::songPickerStartDirectory() const {
    std::optional<QString> preferred = state_.selectedFolder;
    if (!preferred && !state_.tracks.empty()) preferred = parentFolder(state_.tracks.front().url);
    return privacySafePickerStartDirectory(preferred);
}

void ContentView::resetProgress() {
    state_.completedOutputFolder.reset();
    state_.showCreateProgressScreen = false;
    state_.createSteps.clear();
    state_.createLog.clear();
    state_.editStartedAt.reset();
    state_.lastEditActivityAt.reset();
    // A stopped run may still be ending: its late updates must not reach the new selection.
    if (!state_.isCreatingEdit) editRunController().reset();
}

}  // namespace app
