#pragma once
// Decodes and cuts the songs of a run side by side, each on a worker thread of its own (at
// most `maxParallel` at once), so that LAME and FFmpeg work on several songs while the
// finished ones are analysed. The outcome is the one of songs handled one after another: the
// lowest-numbered failing song's error is rethrown, and once a song has failed, the work on
// later songs is cancelled (cancel_token.h) and waited for. Returns the cuts in song order.

#include <functional>
#include <vector>

#include "renderer/cut/song_cut.h"

namespace renderer {

// `cutSong` receives the 1-based song number; it runs on a worker thread.
std::vector<SongCut> cutSongsSideBySide(int songCount, int maxParallel,
                                        const std::function<SongCut(int songNumber)>& cutSong);

// How many songs decode at once: SEAMFORGE_DECODE_THREADS when it holds a positive number
// (1 decodes one song after another), else every song. LAME decodes to disk, so its children
// hold no audio of ours, and with more children than cores no core waits for the next song.
int songDecodeParallelism();

// How many songs may hold their decoded audio in memory at once: the number of processor
// cores, and never more than decode at once. Bounds the renderer's peak memory whatever the
// number of songs.
int songsInMemoryAtOnce();

}  // namespace renderer
