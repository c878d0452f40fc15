#include "tests/support/generated_audio.h"

#include <cmath>
#include <numbers>
#include <random>

#include "tests/support/raw_wav.h"

namespace testsupport {

static size_t frameCount(double seconds, int sampleRate) {
    return static_cast<size_t>(seconds * sampleRate);
}

Samples silence(double seconds, int sampleRate, int channels) {
    return Samples(frameCount(seconds, sampleRate) * static_cast<size_t>(channels), 0);
}

Samples tone(double seconds, double frequencyHz, double amplitude, int sampleRate, int channels) {
    const size_t frames = frameCount(seconds, sampleRate);
    Samples samples;
    samples.reserve(frames * static_cast<size_t>(channels));
    for (size_t f = 0; f < frames; ++f) {
        const double value =
            amplitude * 32767.0 *
            std::sin(2.0 * std::numbers::pi * frequencyHz * static_cast<double>(f) / sampleRate);
        for (int c = 0; c < channels; ++c)
            samples.push_back(static_cast<int16_t>(std::lround(value)));
    }
    return samples;
}

Samples noise(double seconds, double amplitude, unsigned seed, int sampleRate, int channels) {
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> distribution(-1.0, 1.0);
    Samples samples(frameCount(seconds, sampleRate) * static_cast<size_t>(channels));
    for (int16_t& sample : samples) {
        sample = static_cast<int16_t>(std::lround(amplitude * 32767.0 * distribution(generator)));
    }
    return samples;
}

Samples musicLike(double seconds) {
    Samples samples = noise(seconds, 1.0, 7);
    for (size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i / 2) / 44100.0;
        const double noiseLevel = std::fmod(t, 0.5) < 0.1 ? 0.5 : 0.12;
        const double toneHz = 220.0 * (1 + static_cast<int>(t * 2) % 5);
        samples[i] = static_cast<int16_t>(
            std::lround(samples[i] * noiseLevel +
                        0.25 * 32767.0 * std::sin(2 * std::numbers::pi * toneHz * t)));
    }
    return samples;
}

Samples concatenate(std::initializer_list<Samples> parts) {
    Samples joined;
    for (const Samples& part : parts) joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

void writeTestWav(const std::filesystem::path& path, const Samples& samples, int sampleRate,
                  int channels) {
    rawwav::writeFile(
        path, rawwav::pcmWav(1, static_cast<uint16_t>(channels), static_cast<uint32_t>(sampleRate),
                             16, rawwav::samplesBody(samples)));
}

}  // namespace testsupport
