#pragma once
// A song file, whatever its type, decoded to targetSampleRate stereo 16-bit PCM.
// Blocks while LAME runs. Failures throw (RenderError, audio::AudioError or
// std::system_error) with a one-line message; a stop ends a decode with RenderError.

#include <filesystem>
#include <string>

#include "audio/wav_audio.h"

namespace renderer {

// Chooses the route by the lower-cased extension only: "mp3" is decoded by LAME
// (MUSIC_EDIT_LAME, else the lame beside the renderer) to "track-<trackIndex>-lame-decoded.wav"
// inside `workFolder` and read back, "wav" is read directly, anything else goes through the
// platform audio reader. `trackIndex` is the 1-based song number.
audio::WavAudio loadSourceAudio(const std::filesystem::path& source,
                                const std::filesystem::path& workFolder, int trackIndex);

// loadSourceAudio in two steps, so that several songs can take the first side by side while
// only some at a time hold their audio in memory.
struct SourceOnDisk {
    std::filesystem::path file;  // LAME's WAV for an MP3, else the song itself
    std::string route;           // the lower-cased extension of the song
    int trackIndex = 0;
};
// Checks the song is a regular file and, for an MP3, has LAME decode it into `workFolder`.
SourceOnDisk decodeSourceToDisk(const std::filesystem::path& source,
                                const std::filesystem::path& workFolder, int trackIndex);
// Reads (or, through the platform audio reader, decodes) the song into memory.
audio::WavAudio readSourceIntoMemory(const SourceOnDisk& song);

}  // namespace renderer
