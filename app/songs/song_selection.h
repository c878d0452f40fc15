#pragma once
// Song selection: picking, scanning, replacing, moving and clearing songs.
//
// The operations set the status line and notify the screens themselves; the queries
// only read. Interface thread only.

#include <QString>
#include <QStringList>
#include <optional>

#include "app/songs/edit_settings.h"
#include "app/songs/song_context.h"
#include "app/tool_check/tool_readiness.h"

namespace app::songs {

// One to three songs from a known folder.
bool songFolderReady(const WizardState& state);

// The first acceptable folder of `preferred`, the song folder, the first song's folder,
// Desktop, Downloads, Documents and home; "/" when none is.
QString privacySafePickerStartDirectory(const WizardState& state, const PlatformServices& services,
                                        const std::optional<QString>& preferred);
QString songPickerStartDirectory(const WizardState& state, const PlatformServices& services);

class SongSelection {
public:
    // A pick keeps the per-song settings in step, and starts a tool check afterwards.
    SongSelection(SongContext& context, EditSettings& settings, tools::ToolReadiness& tools)
        : context_(context), settings_(settings), tools_(tools) {}

    // False, with a status saying why, while an edit runs or the local engine is missing.
    bool canChooseSongs();
    void chooseSongFiles();
    void chooseSongFolder();
    void handleAudioFileSelection(const QStringList& paths);
    void handleSongFolderSelection(const QString& path);
    void scanSelectedFolder();
    // Brings the song list up to date before the songs are used: a rescan of the folder
    // when asked and the list was neither picked song by song nor ordered by hand, else
    // the songs whose files are gone are dropped.
    void refreshSongList(bool rescanFolderIfNeeded);
    void clearSongs();
    void replaceTrack(int index);
    void moveTrack(int index, int offset);

private:
    SongContext& context_;
    EditSettings& settings_;
    tools::ToolReadiness& tools_;
};

}  // namespace app::songs
