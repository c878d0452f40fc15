#pragma once
// Song selection: picking, scanning, replacing, moving and clearing songs.
//
// The operations set the status line and notify the screens themselves; the queries
// only read.

#include <QString>
#include <QStringList>
#include <optional>

#include "app/songs/song_context.h"

namespace app::songs {

// One to three songs from a known folder.
bool songFolderReady(const WizardState& state);

// False, with a status saying why, while an edit runs or the local engine is missing.
bool canChooseSongs(SongContext& context);
void chooseSongFiles(SongContext& context);
void chooseSongFolder(SongContext& context);
void handleAudioFileSelection(SongContext& context, const QStringList& paths);
void handleSongFolderSelection(SongContext& context, const QString& path);
void scanSelectedFolder(SongContext& context);
// Brings the song list up to date before the songs are used: a rescan of the folder
// when asked and the list was neither picked song by song nor ordered by hand, else
// the songs whose files are gone are dropped.
void refreshSongList(SongContext& context, bool rescanFolderIfNeeded);
void clearSongs(SongContext& context);
void replaceTrack(SongContext& context, int index);
void moveTrack(SongContext& context, int index, int offset);

// The first acceptable folder of `preferred`, the song folder, the first song's folder,
// Desktop, Downloads, Documents and home; "/" when none is.
QString privacySafePickerStartDirectory(const WizardState& state, const PlatformServices& services,
                                        const std::optional<QString>& preferred);
QString songPickerStartDirectory(const WizardState& state, const PlatformServices& services);

}  // namespace app::songs
