#pragma once
// A song file, whatever its type, decoded to targetSampleRate stereo 16-bit PCM.
// Blocks while LAME runs. Failures throw (RenderError or std::system_error) with a
// one-line message.

#include <filesystem>

#include "renderer/wav_audio.h"

namespace renderer {

// Chooses the route by the lower-cased extension only: "mp3" is decoded by LAME to
// "track-<trackIndex>-lame-decoded.wav" inside `workFolder` and read back, "wav" is
// read directly, anything else goes through the platform audio reader.
// `trackIndex` is the 1-based song number.
WavAudio loadSourceAudio(const std::filesystem::path& source,
                         const std::filesystem::path& workFolder, int trackIndex);

// Runs LAME (MUSIC_EDIT_LAME, else the lame beside the renderer) to turn the MP3
// `source` into the WAV `destination`.
void decodeMP3WithLame(const std::filesystem::path& source,
                       const std::filesystem::path& destination);

}  // namespace renderer
