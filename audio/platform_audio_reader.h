#pragma once
// The platform audio reader: any file type FFmpeg can demux and decode (FLAC,
// AIFF, M4A, AAC, ...). Single-threaded; FFmpeg's own logging is switched off so
// nothing reaches standard error.

#include <filesystem>

#include "audio/stop_check.h"
#include "audio/wav_audio.h"

namespace audio {

// Decodes the first audio stream to 16-bit interleaved PCM at the file's own rate
// and channel count, then converts it to targetSampleRate stereo. Throws
// AudioError with a one-line message on every failure. `stopCheck` runs before every
// packet, so a stop ends a long read with the check's own exception.
WavAudio loadAudio(const std::filesystem::path& path, const StopCheck& stopCheck = {});

}  // namespace audio
