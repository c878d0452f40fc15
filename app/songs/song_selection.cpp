// Song selection: picking, scanning, replacing, moving and clearing songs.

#include "app/songs/song_selection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "app/platform_words.h"
#include "app/songs/audio_files.h"
#include "app/songs/default_notes.h"
#include "app/songs/edit_settings.h"
#include "app/songs/media_library_paths.h"
#include "app/songs/starter_guidance.h"
#include "app/tool_check/tool_probes.h"

namespace app::songs {
namespace {

QString blockedSongsMessage() {
    return QCoreApplication::translate("Songs",
                                       "Move or copy the audio files to Desktop, Downloads, or "
                                       "Documents first. This app does not need %1.")
        .arg(platform_words::mediaLibraryAccess());
}
QString stepTwoNeedsOutputMessage() {
    return QCoreApplication::translate(
        "Songs", "Step 2 complete. Add timing notes, then choose an output folder.");
}
QString stepTwoWithOutputMessage() {
    return QCoreApplication::translate(
        "Songs", "Step 2 complete. Add any timing or section instructions for the edit.");
}
// Changing the songs mid-run would hide the run's progress and lose its Stop button.
QString editRunningMessage() {
    return QCoreApplication::translate("Songs",
                                       "Stop the edit before going back to change the setup.");
}

QString parentFolder(const QString& path) {
    return QFileInfo(QDir::cleanPath(path)).absolutePath();
}

bool isExistingDirectory(const QString& path) { return QFileInfo(path).isDir(); }

OpenPanelRequest songFilesPanel(const QString& startDirectory) {
    OpenPanelRequest request;
    request.title = QCoreApplication::translate("Songs", "Choose 1 to 3 audio files");
    request.prompt = QCoreApplication::translate("Songs", "Choose Audio Files");
    request.message =
        QCoreApplication::translate("Songs",
                                    "Choose only the song files for this edit. %1 are not "
                                    "needed.")
            .arg(platform_words::atSentenceStart(platform_words::mediaLibraries()));
    request.startDirectory = startDirectory;
    request.canChooseFiles = true;
    request.canChooseDirectories = false;
    request.allowsMultipleSelection = true;
    request.allowedExtensions = audioFileTypes();
    return request;
}

OpenPanelRequest songFolderPanel(const QString& startDirectory) {
    OpenPanelRequest request;
    request.title =
        QCoreApplication::translate("Songs", "Choose a normal folder with 1 to 3 songs");
    request.prompt = QCoreApplication::translate("Songs", "Choose Folder");
    request.message =
        QCoreApplication::translate("Songs", "Choose %1 that contains 1 to 3 audio files. %2")
            .arg(platform_words::regularFolder(), platform_words::avoidMediaLibrariesSentence());
    request.startDirectory = startDirectory;
    request.canChooseFiles = false;
    request.canChooseDirectories = true;
    request.allowsMultipleSelection = false;
    return request;
}

OpenPanelRequest replacementPanel(int index, const QString& startDirectory) {
    const QString number = QString::number(index + 1);
    OpenPanelRequest request;
    request.title =
        QCoreApplication::translate("Songs", "Choose replacement for song %1").arg(number);
    request.prompt = QCoreApplication::translate("Songs", "Replace Song %1").arg(number);
    request.message = QCoreApplication::translate(
        "Songs",
        "Choose one replacement audio file from the same folder as the other selected songs.");
    request.startDirectory = startDirectory;
    request.canChooseFiles = true;
    request.canChooseDirectories = false;
    request.allowsMultipleSelection = false;
    request.allowedExtensions = audioFileTypes();
    return request;
}

std::vector<TrackFile> tracksFor(const QStringList& paths) {
    std::vector<TrackFile> tracks;
    for (const QString& path : paths) tracks.push_back(TrackFile::forPath(path));
    return tracks;
}

bool isBlocked(const SongContext& context, const QString& path) {
    return isBlockedMediaLibraryPath(path, context.services().homeFolder());
}

}  // namespace
bool songFolderReady(const WizardState& state) {
    const size_t count = state.tracks.size();
    return state.selectedFolder.has_value() && count >= 1 && count <= 3;
}

bool SongSelection::canChooseSongs() {
    WizardState& state = context_.state();
    if (state.isCreatingEdit) {
        state.status = editRunningMessage();
        context_.notifyChanged();
        return false;
    }
    if (state.toolChecks.empty()) tools_.refreshToolChecksInBackground();
    const QString resourceFolder = context_.services().resourceFolder();
    QStringList missing;
    if (!tools::bundledToolPath(resourceFolder, QStringLiteral("seamforge"))) {
        missing << QCoreApplication::translate("ToolCheck", "Local music renderer");
    }
    if (!tools::lameProgramPath(resourceFolder))
        missing << QCoreApplication::translate("ToolCheck", "MP3 encoder");
    if (missing.isEmpty()) return true;
    state.status = QCoreApplication::translate(
                       "Songs",
                       "Missing local engine setup: %1. Reinstall Tunewright or contact "
                       "support.")
                       .arg(missing.join(", "));
    context_.notifyChanged();
    return false;
}

void SongSelection::chooseSongFiles() {
    if (!canChooseSongs()) return;
    const QStringList chosen = context_.services().runOpenPanel(
        songFilesPanel(songPickerStartDirectory(context_.state(), context_.services())));
    if (chosen.isEmpty()) return;
    handleAudioFileSelection(chosen);
    tools_.refreshToolChecksInBackground();
}

void SongSelection::chooseSongFolder() {
    if (!canChooseSongs()) return;
    const QStringList chosen = context_.services().runOpenPanel(
        songFolderPanel(songPickerStartDirectory(context_.state(), context_.services())));
    if (chosen.isEmpty()) return;
    handleSongFolderSelection(chosen.front());
    tools_.refreshToolChecksInBackground();
}

void SongSelection::handleAudioFileSelection(const QStringList& paths) {
    WizardState& state = context_.state();
    if (state.isCreatingEdit) {
        state.status = editRunningMessage();
    } else if (paths.isEmpty()) {
        state.status = QCoreApplication::translate("Songs", "Choose 1, 2, or 3 audio files.");
    } else if (std::any_of(paths.begin(), paths.end(),
                           [this](const QString& path) { return isBlocked(context_, path); })) {
        state.status = blockedSongsMessage();
    } else {
        QStringList kept;
        for (const QString& path : paths) {
            if (!isExistingDirectory(path) && hasSupportedAudioExtension(path)) {
                kept << QDir::cleanPath(path);
            }
        }
        kept = sortedByFileName(kept);
        if (kept.isEmpty()) {
            state.status = QCoreApplication::translate(
                "Songs",
                "No supported audio files were selected. Supported: MP3, WAV, AIFF, M4A, FLAC, "
                "AAC.");
        } else if (const QString folder = parentFolder(kept.front());
                   std::any_of(kept.begin(), kept.end(), [&folder](const QString& path) {
                       return parentFolder(path) != folder;
                   })) {
            state.status = QCoreApplication::translate(
                "Songs",
                "Choose songs from one folder so the setup files can be created beside them.");
        } else {
            state.selectedFolder = folder;
            state.outputFolder.reset();
            context_.resetProgress();
            state.usedDirectSongSelection = true;
            state.manualTrackOrder = false;
            state.tracks = tracksFor(kept);
            settings_.syncSongGuidance();
            settings_.syncJoinChoices();
            settings_.syncSongTimingFields();
            const qsizetype count = kept.size();
            state.status =
                count <= 3
                    ? stepTwoNeedsOutputMessage()
                    : (count == 1
                           ? QCoreApplication::translate("Songs",
                                                         "Selected %1 supported audio file. "
                                                         "Choose 1, 2, or 3 songs.")
                           : QCoreApplication::translate("Songs",
                                                         "Selected %1 supported audio files. "
                                                         "Choose 1, 2, or 3 songs."))
                          .arg(count);
        }
    }
    context_.notifyChanged();
}

void SongSelection::handleSongFolderSelection(const QString& path) {
    WizardState& state = context_.state();
    if (state.isCreatingEdit) {
        state.status = editRunningMessage();
    } else if (isBlocked(context_, path)) {
        state.status = blockedSongsMessage();
    } else if (!isExistingDirectory(path)) {
        state.status = QCoreApplication::translate(
            "Songs", "Choose a regular folder that contains 1, 2, or 3 audio files.");
    } else {
        state.usedDirectSongSelection = false;
        state.selectedFolder = QDir::cleanPath(path);
        state.outputFolder.reset();
        context_.resetProgress();
        state.manualTrackOrder = false;
        settings_.syncSongTimingFields();
        scanSelectedFolder();  // sets the status and notifies
        return;
    }
    context_.notifyChanged();
}

void SongSelection::scanSelectedFolder() {
    WizardState& state = context_.state();
    if (!state.selectedFolder) {
        state.status = QCoreApplication::translate("Songs", "Choose a folder first.");
    } else if (isBlocked(context_, *state.selectedFolder)) {
        state.status = blockedSongsMessage();
    } else {
        state.usedDirectSongSelection = false;
        state.manualTrackOrder = false;
        // Files only: a folder named like a song cannot be rendered. Without QDir::Hidden,
        // hidden entries are skipped; an unreadable folder lists as empty.
        const QFileInfoList entries =
            QDir(*state.selectedFolder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
        QStringList songPaths;
        for (const QFileInfo& entry : entries) {
            if (hasSupportedAudioExtension(entry.fileName())) {
                songPaths << QDir::cleanPath(entry.filePath());
            }
        }
        songPaths = sortedByFileName(songPaths);
        state.tracks = tracksFor(songPaths);
        settings_.syncSongGuidance();
        settings_.syncJoinChoices();
        settings_.syncSongTimingFields();
        const qsizetype count = songPaths.size();
        if (count == 0) {
            state.status = QCoreApplication::translate(
                "Songs", "No supported audio files found in that folder.");
        } else if (count > 3) {
            state.status = QCoreApplication::translate(
                               "Songs",
                               "Found %1 audio files. This app expects 1, 2, or 3 source "
                               "songs.")
                               .arg(count);
        } else {
            state.status =
                state.outputFolder ? stepTwoWithOutputMessage() : stepTwoNeedsOutputMessage();
        }
    }
    context_.notifyChanged();
}

void SongSelection::refreshSongList(bool rescanFolderIfNeeded) {
    WizardState& state = context_.state();
    // A folder scan sorts by file name: it would undo songs picked one by one or reordered.
    if (rescanFolderIfNeeded && !state.usedDirectSongSelection && !state.manualTrackOrder) {
        scanSelectedFolder();
        return;
    }
    std::erase_if(state.tracks,
                  [](const TrackFile& track) { return !QFileInfo::exists(track.url); });
    settings_.syncSongGuidance();
    settings_.syncJoinChoices();
}

void SongSelection::clearSongs() {
    WizardState& state = context_.state();
    if (state.isCreatingEdit) {
        // Forgetting the run's process now would leave it running with no way to stop it.
        state.status = editRunningMessage();
        context_.notifyChanged();
        return;
    }
    state.selectedFolder.reset();
    state.outputFolder.reset();
    state.tracks.clear();
    state.songGuidance.clear();
    state.songJoinChoices.clear();
    state.endingChoice.reset();
    state.songStartTimes.clear();
    state.songEndTimes.clear();
    state.usedDirectSongSelection = false;
    state.manualTrackOrder = false;
    state.handoffFolder.reset();
    // No edit runs here, so this also ends the claim of a stopped run that is still ending.
    context_.resetProgress();
    state.isUsingLocalEngine = false;
    state.status = QCoreApplication::translate(
        "Songs", "Song selection cleared. Choose 1, 2, or 3 songs again.");
    context_.notifyChanged();
    tools_.refreshToolChecksInBackground();
}

void SongSelection::replaceTrack(int index) {
    WizardState& state = context_.state();
    const int count = static_cast<int>(state.tracks.size());
    if (index < 0 || index >= count || state.isCreatingEdit) return;

    const QString oldPath = state.tracks[static_cast<size_t>(index)].url;
    const QStringList chosen = context_.services().runOpenPanel(replacementPanel(
        index, privacySafePickerStartDirectory(state, context_.services(), parentFolder(oldPath))));
    if (chosen.isEmpty() || chosen.front().isEmpty()) return;
    const QString newPath = QDir::cleanPath(chosen.front());

    const auto refuse = [this, &state](const QString& status) {
        state.status = status;
        context_.notifyChanged();
    };
    if (isBlocked(context_, newPath)) {
        return refuse(
            QCoreApplication::translate("Songs",
                                        "Move or copy the replacement song to the same regular "
                                        "folder as the other songs. This app does not need %1.")
                .arg(platform_words::mediaLibraryAccess()));
    }
    if (isExistingDirectory(newPath) || !hasSupportedAudioExtension(newPath)) {
        return refuse(QCoreApplication::translate(
            "Songs", "Choose a supported audio file: MP3, WAV, AIFF, M4A, FLAC, or AAC."));
    }
    if (state.selectedFolder && parentFolder(newPath) != QDir::cleanPath(*state.selectedFolder)) {
        return refuse(QCoreApplication::translate(
            "Songs",
            "Choose the replacement song from the same folder as the other selected songs."));
    }
    for (int other = 0; other < count; ++other) {
        if (other != index && state.tracks[static_cast<size_t>(other)].url == newPath) {
            return refuse(QCoreApplication::translate(
                "Songs",
                "That song is already selected. Choose a different song or use the arrows to "
                "reorder."));
        }
    }

    const QString starter = starterGuidance(index, count);
    const QString oldNote = state.songGuidance.value(oldPath);
    const QString oldStart = state.songStartTimes.value(oldPath, QStringLiteral("0:00"));
    const QString oldEnd = state.songEndTimes.value(oldPath);
    // Any default text (this position's starter included, trimmed) is not the user's own.
    const bool noteIsOwn = !oldNote.trimmed().isEmpty() && !isDefaultNote(oldNote);

    state.tracks[static_cast<size_t>(index)] = TrackFile::forPath(newPath);
    state.usedDirectSongSelection = true;
    state.manualTrackOrder = true;
    context_.resetProgress();
    state.songGuidance.remove(oldPath);
    state.songStartTimes.remove(oldPath);
    state.songEndTimes.remove(oldPath);
    // The new song takes the old one's place, and with it the join chosen out of that place.
    if (const auto join = state.songJoinChoices.constFind(oldPath);
        join != state.songJoinChoices.constEnd()) {
        const JoinChoice choice = *join;
        state.songJoinChoices.remove(oldPath);
        state.songJoinChoices.insert(newPath, choice);
    }
    state.songGuidance.insert(newPath, noteIsOwn ? oldNote : starter);
    state.songStartTimes.insert(newPath,
                                oldStart.trimmed().isEmpty() ? QStringLiteral("0:00") : oldStart);
    state.songEndTimes.insert(newPath, oldEnd);
    settings_.syncSongGuidance();
    settings_.syncJoinChoices();
    settings_.syncSongTimingFields();
    state.status = QCoreApplication::translate("Songs",
                                               "Song %1 replaced. Review the notes, then choose an "
                                               "output folder or click Create Edit.")
                       .arg(index + 1);
    context_.notifyChanged();
}

void SongSelection::moveTrack(int index, int offset) {
    WizardState& state = context_.state();
    const int count = static_cast<int>(state.tracks.size());
    const int target = index + offset;
    if (index < 0 || index >= count || target < 0 || target >= count) return;
    if (state.isCreatingEdit) {
        state.status = editRunningMessage();
        context_.notifyChanged();
        return;
    }
    const std::vector<TrackFile> oldTracks = state.tracks;
    std::swap(state.tracks[static_cast<size_t>(index)], state.tracks[static_cast<size_t>(target)]);
    state.manualTrackOrder = true;
    settings_.refreshStarterGuidanceAfterOrderChange(oldTracks);
    settings_.syncJoinChoices();
    context_.resetProgress();
    state.status =
        state.outputFolder
            ? QCoreApplication::translate(
                  "Songs", "Song order updated. Add any timing notes, then click Create Edit.")
            : QCoreApplication::translate(
                  "Songs", "Song order updated. Add timing notes, then choose an output folder.");
    context_.notifyChanged();
}

QString privacySafePickerStartDirectory(const WizardState& state, const PlatformServices& services,
                                        const std::optional<QString>& preferred) {
    const QString homeFolder = services.homeFolder();
    const auto acceptable = [&homeFolder](const QString& folder) {
        return !folder.isEmpty() && !isBlockedMediaLibraryPath(folder, homeFolder) &&
               isExistingDirectory(folder);
    };
    std::vector<QString> candidates;
    if (preferred) candidates.push_back(*preferred);
    if (state.selectedFolder) candidates.push_back(*state.selectedFolder);
    if (!state.tracks.empty()) candidates.push_back(parentFolder(state.tracks.front().url));
    for (const QString& candidate : candidates) {
        if (candidate.isEmpty()) continue;
        const QString folder = isExistingDirectory(candidate) ? candidate : parentFolder(candidate);
        if (acceptable(folder)) return folder;
    }
    for (const QString& folder : {services.desktopFolder(), services.downloadsFolder(),
                                  services.documentsFolder(), homeFolder}) {
        if (acceptable(folder)) return folder;
    }
    return QStringLiteral("/");
}

QString songPickerStartDirectory(const WizardState& state, const PlatformServices& services) {
    std::optional<QString> preferred = state.selectedFolder;
    if (!preferred && !state.tracks.empty()) preferred = parentFolder(state.tracks.front().url);
    return privacySafePickerStartDirectory(state, services, preferred);
}

}  // namespace app::songs
