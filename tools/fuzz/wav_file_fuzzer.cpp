// Any bytes as a WAV file: the reader must refuse or decode, never crash, read out
// of bounds or allocate far beyond the input.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "audio/audio_error.h"
#include "audio/wav_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const audio::WavAudio audio = audio::parseWav(std::span<const uint8_t>(data, size));
        // Decoded audio is always whole stereo frames at the target rate.
        if (audio.sampleRate != audio::targetSampleRate || audio.channels != 2 ||
            audio.samples.size() % 2 != 0) {
            std::abort();
        }
    } catch (const audio::AudioError&) {
    }
    return 0;
}
