#include "tests/support/generated_audio.h"

#include <cmath>
#include <fstream>
#include <numbers>
#include <random>
#include <stdexcept>

namespace testsupport {
namespace {

size_t frameCount(double seconds, int sampleRate) {
    return static_cast<size_t>(seconds * sampleRate);
}

void appendLE(std::string& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

Samples silence(double seconds, int sampleRate, int channels) {
    return Samples(frameCount(seconds, sampleRate) * static_cast<size_t>(channels), 0);
}

Samples tone(double seconds, double frequencyHz, double amplitude, int sampleRate, int channels) {
    const size_t frames = frameCount(seconds, sampleRate);
    Samples samples;
    samples.reserve(frames * static_cast<size_t>(channels));
    for (size_t f = 0; f < frames; ++f) {
        const double value = amplitude * 32767.0 *
                             std::sin(2.0 * std::numbers::pi * frequencyHz * static_cast<double>(f) /
                                      sampleRate);
        for (int c = 0; c < channels; ++c) samples.push_back(static_cast<int16_t>(std::lround(value)));
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

Samples concatenate(std::initializer_list<Samples> parts) {
    Samples joined;
    for (const Samples& part : parts) joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

void writeTestWav(const std::filesystem::path& path, const Samples& samples, int sampleRate,
                  int channels) {
    const uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
    std::string bytes = "RIFF";
    appendLE(bytes, 36 + dataSize, 4);
    bytes += "WAVEfmt ";
    appendLE(bytes, 16, 4);
    appendLE(bytes, 1, 2);
    appendLE(bytes, static_cast<uint32_t>(channels), 2);
    appendLE(bytes, static_cast<uint32_t>(sampleRate), 4);
    appendLE(bytes, static_cast<uint32_t>(sampleRate * channels * 2), 4);
    appendLE(bytes, static_cast<uint32_t>(channels * 2), 2);
    appendLE(bytes, 16, 2);
    bytes += "data";
    appendLE(bytes, dataSize, 4);
    for (int16_t sample : samples) appendLE(bytes, static_cast<uint16_t>(sample), 2);
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("could not write " + path.string());
}

}  // namespace testsupport
