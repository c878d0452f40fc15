#pragma once
// Test signals with known answers, as interleaved signed 16-bit samples, and a
// WAV writer that does not depend on the code under test.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace testsupport {

using Samples = std::vector<int16_t>;

Samples silence(double seconds, int sampleRate = 44100, int channels = 2);
// A sine on every channel; amplitude is a fraction of full scale (32767).
Samples tone(double seconds, double frequencyHz, double amplitude, int sampleRate = 44100,
             int channels = 2);
// Deterministic white noise with the given peak fraction of full scale.
Samples noise(double seconds, double amplitude, unsigned seed = 1, int sampleRate = 44100,
              int channels = 2);
// Broadband like music, with a loud burst every half second: an MP3 encoder leans on its bit
// reservoir in nearly every frame and switches block types at the bursts. Deterministic.
Samples musicLike(double seconds);
Samples concatenate(std::initializer_list<Samples> parts);

// A canonical 44-byte-header 16-bit PCM WAV.
void writeTestWav(const std::filesystem::path& path, const Samples& samples, int sampleRate = 44100,
                  int channels = 2);

}  // namespace testsupport
