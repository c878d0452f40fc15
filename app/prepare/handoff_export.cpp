// ContentView::exportHandoff: refreshes the song list and writes the hand-off
// folder beside the songs.

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <exception>

#include "app/prepare/diagnostics_script.h"
#include "app/prepare/handoff_layout.h"
#include "app/prepare/handoff_writer.h"
#include "app/prepare/readme_text.h"
#include "app/prepare/skill_text.h"
#include "app/wizard/content_view.h"

namespace app {
namespace {

void dropMissingSongs(std::vector<songs::TrackFile>& tracks) {
    std::erase_if(tracks,
                  [](const songs::TrackFile& track) { return !QFileInfo::exists(track.url); });
}

}  // namespace

bool ContentView::exportHandoff(bool rescanFolderIfNeeded) {
    const auto finish = [this](const QString& status, bool result) {
        state_.status = status;
        notifyChanged();
        return result;
    };

    if (!state_.selectedFolder) return finish(QStringLiteral("Choose a song folder first."), false);

    // A rescan would throw away a list the user picked or ordered by hand.
    if (rescanFolderIfNeeded && !state_.usedDirectSongSelection && !state_.manualTrackOrder) {
        scanSelectedFolder();
    } else {
        dropMissingSongs(state_.tracks);
        syncSongGuidance();
    }

    if (state_.tracks.empty()) {
        return finish(
            QStringLiteral("No audio files found. Add 1, 2, or 3 songs to the folder first."),
            false);
    }
    if (state_.tracks.size() > 3) {
        return finish(QStringLiteral("This setup expects 1, 2, or 3 source songs."), false);
    }
    if (!state_.selectedFolder) return finish(QStringLiteral("Choose a song folder first."), false);

    const QString songFolder = *state_.selectedFolder;
    const QDir handoff(QDir(songFolder).filePath(prepare::handoffFolderName));
    try {
        prepare::createFolder(handoff.path());
        prepare::createFolder(handoff.filePath(prepare::skillFolderName));
        prepare::write(buildPrompt(), handoff.filePath(prepare::promptFileName), false);
        prepare::write(prepare::diagnosticsScript(songFolder),
                       handoff.filePath(prepare::diagnosticsScriptFileName), true);
        prepare::write(
            prepare::skillText(),
            handoff.filePath(prepare::skillFolderName + QLatin1Char('/') + prepare::skillFileName),
            false);
        prepare::write(prepare::readmeText(songFolder, state_.outputFolder),
                       handoff.filePath(prepare::readmeFileName), false);
    } catch (const std::exception& error) {
        return finish(QStringLiteral("Could not create music edit setup files: ") +
                          QString::fromLocal8Bit(error.what()),
                      false);
    }

    state_.handoffFolder = handoff.path();
    return finish(QStringLiteral("Created standalone edit work files in ") + handoff.path(), true);
}

}  // namespace app
