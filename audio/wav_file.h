#pragma once
// 16-bit PCM WAV files: the reader for songs and decoded MP3s, and the writer of audio for an
// encoder. Failures throw AudioError; file-system failures throw std::system_error with a
// one-line description.

#include <cstddef>
#include <filesystem>

#include "audio/little_endian.h"
#include "audio/sample_format.h"
#include "audio/wav_audio.h"

namespace audio {

// Walks the RIFF chunks of a WAVE file held in memory (any chunk order, extra
// chunks skipped, sizes past the end cut at the end) and returns its 16-bit PCM
// converted to targetSampleRate stereo.
WavAudio parseWav(ConstByteSpan bytes);

// Reads the whole file and decodes it as parseWav does; the samples reuse the buffer the
// file was read into.
WavAudio loadWav(const std::filesystem::path& path);

// As loadWav, for a file this program had written for it: a "data" chunk that ends before
// its declared size throws TruncatedWavError instead of yielding the part that is there.
WavAudio loadCompleteWav(const std::filesystem::path& path);

// The canonical 44-byte header for `sampleCount` interleaved 16-bit samples.
// Throws AudioError when a header field cannot hold the value.
ByteBuffer wavHeader(int sampleRate, int channels, size_t sampleCount);

// Writes the header and the samples in one piece, replacing any file at `path`.
void writeWav(int sampleRate, int channels, ConstSampleSpan samples,
              const std::filesystem::path& path);
void writeWav(const WavAudio& audio, const std::filesystem::path& path);

}  // namespace audio
