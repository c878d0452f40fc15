#pragma once
// The LAME route for MP3s: the LAME program decodes the song to a WAV file, which is read
// back like any WAV. Blocks while LAME runs.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "audio/wav_audio.h"

namespace audio {

// Runs `program` with `arguments` and waits for it; throws when it cannot start or fails.
// The caller decides how children run (for example so that a stop can end them).
using RunProgram =
    std::function<void(const std::string& program, const std::vector<std::string>& arguments)>;

// Has `run` start `lame` to turn the MP3 `source` into the WAV `decodedWav` (replaced if
// present), and nothing more.
void decodeMP3WithLame(const std::string& lame, const std::filesystem::path& source,
                       const std::filesystem::path& decodedWav, const RunProgram& run);

// decodeMP3WithLame, then reads it back as loadCompleteWav does (TruncatedWavError for a short
// decode), converted to targetSampleRate stereo.
WavAudio loadMP3WithLame(const std::string& lame, const std::filesystem::path& source,
                         const std::filesystem::path& decodedWav, const RunProgram& run);

}  // namespace audio
