#pragma once
// The platform audio reader: any file type FFmpeg can demux and decode (FLAC,
// AIFF, M4A, AAC, ...). Single-threaded; FFmpeg's own logging is switched off so
// nothing reaches standard error.

#include <filesystem>

#include "renderer/wav_audio.h"

namespace renderer {

// Decodes the first audio stream to 16-bit interleaved PCM at the file's own rate
// and channel count, then converts it to targetSampleRate stereo. Throws
// RenderError with a one-line message on every failure.
WavAudio loadAudio(const std::filesystem::path& path);

}  // namespace renderer
