#pragma once
// Hand-built RIFF/WAVE bytes, independent of the code under test: canonical files for test
// songs, and for reader tests any chunk order, sizes that lie, formats the renderer refuses.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace rawwav {

inline std::string le(uint32_t value, int bytes) {
    std::string text;
    for (int i = 0; i < bytes; ++i) text.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return text;
}

// One chunk; `declaredSize` defaults to the body's length, no pad byte is added.
inline std::string chunk(const std::string& id, const std::string& body,
                         int64_t declaredSize = -1) {
    const auto size = static_cast<uint32_t>(declaredSize < 0 ? body.size() : declaredSize);
    return id + le(size, 4) + body;
}

inline std::string fmtBody(uint16_t formatTag, uint16_t channels, uint32_t sampleRate,
                           uint16_t bitsPerSample) {
    const uint32_t blockAlign = channels * bitsPerSample / 8u;
    return le(formatTag, 2) + le(channels, 2) + le(sampleRate, 4) + le(sampleRate * blockAlign, 4) +
           le(blockAlign, 2) + le(bitsPerSample, 2);
}

inline std::string samplesBody(const std::vector<int16_t>& samples) {
    std::string body;
    for (int16_t sample : samples) body += le(static_cast<uint16_t>(sample), 2);
    return body;
}

// "RIFF" + size + "WAVE" + the chunks as given.
inline std::string riff(const std::string& chunks) {
    return "RIFF" + le(static_cast<uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

inline std::string pcmWav(uint16_t formatTag, uint16_t channels, uint32_t sampleRate,
                          uint16_t bitsPerSample, const std::string& data) {
    return riff(chunk("fmt ", fmtBody(formatTag, channels, sampleRate, bitsPerSample)) +
                chunk("data", data));
}

inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("could not write " + path.string());
}

}  // namespace rawwav
