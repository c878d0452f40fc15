// The hand-off export: refreshes the song list and writes the hand-off folder beside
// the songs.

#include "app/prepare/handoff_export.h"

#include <QCoreApplication>
#include <QDir>
#include <exception>

#include "app/prepare/diagnostics_script.h"
#include "app/prepare/handoff_layout.h"
#include "app/prepare/handoff_writer.h"
#include "app/prepare/prompt.h"
#include "app/prepare/readme_text.h"
#include "app/prepare/skill_text.h"

namespace app::prepare {

bool exportHandoff(WizardState& state, const std::function<void()>& refreshSongList) {
    const auto finish = [&state](const QString& status, bool result) {
        state.status = status;
        return result;
    };

    if (!state.selectedFolder)
        return finish(QCoreApplication::translate("Prepare", "Choose a song folder first."), false);
    refreshSongList();

    if (state.tracks.empty()) {
        return finish(
            QCoreApplication::translate(
                "Prepare", "No audio files found. Add 1, 2, or 3 songs to the folder first."),
            false);
    }
    if (state.tracks.size() > 3) {
        return finish(
            QCoreApplication::translate("Prepare", "This setup expects 1, 2, or 3 source songs."),
            false);
    }
    if (!state.selectedFolder)
        return finish(QCoreApplication::translate("Prepare", "Choose a song folder first."), false);

    const QString songFolder = *state.selectedFolder;
    const QDir handoff(QDir(songFolder).filePath(handoffFolderName));
    try {
        createFolder(handoff.path());
        createFolder(handoff.filePath(skillFolderName));
        write(buildPrompt(state), handoff.filePath(promptFileName), false);
        write(diagnosticsScript(songFolder), handoff.filePath(diagnosticsScriptFileName), true);
        write(skillText(), handoff.filePath(skillFolderName + QLatin1Char('/') + skillFileName),
              false);
        write(readmeText(songFolder, state.outputFolder), handoff.filePath(readmeFileName), false);
    } catch (const std::exception& error) {
        return finish(
            QCoreApplication::translate("Prepare", "Could not create music edit setup files: %1")
                .arg(QString::fromLocal8Bit(error.what())),
            false);
    }

    state.handoffFolder = handoff.path();
    return finish(QCoreApplication::translate("Prepare", "Created standalone edit work files in %1")
                      .arg(handoff.path()),
                  true);
}

}  // namespace app::prepare
