#pragma once
// Decoded PCM as every reader returns it and every later stage sees it.

#include <cstdint>
#include <vector>

namespace audio {

struct WavAudio {
    int sampleRate = 44100;  // frames per second
    int channels = 2;
    std::vector<int16_t> samples;  // interleaved

    long long frameCount() const {
        return static_cast<long long>(samples.size()) / (channels > 1 ? channels : 1);
    }
    double duration() const {
        return sampleRate > 0 ? static_cast<double>(frameCount()) / sampleRate : 0.0;
    }
};

}  // namespace audio
