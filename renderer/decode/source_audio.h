#pragma once
// A song file, whatever its type, decoded to targetSampleRate stereo 16-bit PCM.
// Blocks while LAME runs. Failures throw (RenderError, audio::AudioError or
// std::system_error) with a one-line message; a stop ends a decode with RenderError.

#include <filesystem>

#include "audio/wav_audio.h"

namespace renderer {

// Chooses the route by the lower-cased extension only: "mp3" is decoded by LAME
// (MUSIC_EDIT_LAME, else the lame beside the renderer) to "track-<trackIndex>-lame-decoded.wav"
// inside `workFolder` and read back, "wav" is read directly, anything else goes through the
// platform audio reader. `trackIndex` is the 1-based song number.
audio::WavAudio loadSourceAudio(const std::filesystem::path& source,
                                const std::filesystem::path& workFolder, int trackIndex);

}  // namespace renderer
