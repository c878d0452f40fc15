#include "audio/wav_file.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <span>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "audio/audio_error.h"
#include "audio/file_bytes.h"
#include "audio/resample.h"

namespace audio {
namespace {

constexpr size_t kCanonicalHeaderBytes = 44;
constexpr size_t kChunkHeaderBytes = 8;
constexpr size_t kFmtBodyBytes = 16;
constexpr uint64_t kMaxUInt32 = std::numeric_limits<uint32_t>::max();

bool hasTag(ConstByteSpan bytes, size_t offset, std::string_view tag) {
    return std::equal(
        tag.begin(), tag.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset),
        [](char expected, uint8_t actual) { return static_cast<uint8_t>(expected) == actual; });
}

struct PcmFormat {
    uint16_t channels = 2;
    uint32_t sampleRate = 44100;
    int16_t bitsPerSample = 16;
};

PcmFormat readFmtBody(ConstByteSpan body) {
    PcmFormat format;
    format.channels = readUInt16LE(body, 2);
    format.sampleRate = readUInt32LE(body, 4);
    format.bitsPerSample = static_cast<int16_t>(readUInt16LE(body, 14));
    return format;
}

void requireReadablePcm(const PcmFormat& format) {
    if (format.channels == 0 || format.bitsPerSample != 16) {
        throw AudioError("Decoded WAV audio is not readable 16-bit PCM.");
    }
}

WavAudio decodeDataBody(ConstByteSpan body, const PcmFormat& format) {
    requireReadablePcm(format);
    std::vector<int16_t> samples(body.size() / 2);
    if constexpr (std::endian::native == std::endian::little) {
        // The file's byte order already: one copy instead of a conversion per sample.
        if (!samples.empty()) std::memcpy(samples.data(), body.data(), samples.size() * 2);
    } else {
        for (size_t i = 0; i < samples.size(); ++i) {
            samples[i] = static_cast<int16_t>(readUInt16LE(body, i * 2));
        }
    }
    return convertToTargetFormat(std::move(samples), format.channels, format.sampleRate);
}

// Where the samples lie in a WAVE file: the first "data" chunk, its body clamped to the end of
// the file, with the "fmt " values met before it.
struct PcmData {
    PcmFormat format;
    size_t offset = 0;  // bytes from the start of the file
    size_t size = 0;    // bytes
    uint32_t declaredSize = 0;
};

PcmData findPcmData(ConstByteSpan bytes) {
    if (bytes.size() <= kCanonicalHeaderBytes || !hasTag(bytes, 0, "RIFF") ||
        !hasTag(bytes, 8, "WAVE")) {
        throw AudioError("Converted audio is not a WAVE file.");
    }
    PcmFormat format;
    size_t position = 12;
    while (position < bytes.size() && bytes.size() - position >= kChunkHeaderBytes) {
        const uint32_t declaredSize = readUInt32LE(bytes, position + 4);
        const size_t bodyStart = position + kChunkHeaderBytes;
        const size_t bodyEnd = bodyStart + std::min<size_t>(declaredSize, bytes.size() - bodyStart);
        const ConstByteSpan body = bytes.subspan(bodyStart, bodyEnd - bodyStart);

        if (hasTag(bytes, position, "fmt ") && body.size() >= kFmtBodyBytes) {
            format = readFmtBody(body);
        } else if (hasTag(bytes, position, "data")) {
            return PcmData{format, bodyStart, body.size(), declaredSize};
        }
        position = bodyEnd + (declaredSize % 2);  // RIFF pads odd chunks with one byte
    }
    throw AudioError("Converted audio has no PCM data.");
}

void throwWriteError(const std::filesystem::path& path, int error) {
    throw std::system_error(error, std::generic_category(), "Could not write " + path.string());
}

class OutputFile {
public:
    explicit OutputFile(const std::filesystem::path& path)
        : path_(path), file_(std::fopen(path.c_str(), "wb")) {
        if (file_ == nullptr) throwWriteError(path_, errno);
    }
    ~OutputFile() {
        if (file_ != nullptr) std::fclose(file_);
    }
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void write(std::span<const std::byte> bytes) {
        if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
            throwWriteError(path_, errno);
        }
    }
    void close() {
        std::FILE* file = std::exchange(file_, nullptr);
        if (std::fclose(file) != 0) throwWriteError(path_, errno);
    }

private:
    std::filesystem::path path_;
    std::FILE* file_;
};

}  // namespace

WavAudio parseWav(ConstByteSpan bytes) {
    const PcmData data = findPcmData(bytes);
    return decodeDataBody(bytes.subspan(data.offset, data.size), data.format);
}

namespace {

WavAudio loadWavFile(const std::filesystem::path& path, bool requireComplete) {
    FileSamples file = readFileAsSamples(path);
    const PcmData data = findPcmData(file.bytes());
    if (requireComplete && data.size < data.declaredSize) {
        throw TruncatedWavError("The WAV file " + path.string() + " ends before its header says.");
    }
    if (std::endian::native != std::endian::little || data.offset % 2 != 0) {
        return decodeDataBody(file.bytes().subspan(data.offset, data.size), data.format);
    }
    // The samples already lie in 16-bit storage in their own byte order: moved to the front
    // of the file's buffer, they become the song without a second copy of it in memory.
    requireReadablePcm(data.format);
    std::vector<int16_t>& samples = file.storage;
    const auto first = samples.begin() + static_cast<std::ptrdiff_t>(data.offset / 2);
    std::move(first, first + static_cast<std::ptrdiff_t>(data.size / 2), samples.begin());
    samples.resize(data.size / 2);
    return convertToTargetFormat(std::move(samples), data.format.channels, data.format.sampleRate);
}

}  // namespace

WavAudio loadWav(const std::filesystem::path& path) { return loadWavFile(path, false); }

WavAudio loadCompleteWav(const std::filesystem::path& path) { return loadWavFile(path, true); }

ByteBuffer wavHeader(int sampleRate, int channels, size_t sampleCount) {
    if (channels < 1 || static_cast<uint64_t>(channels) * 2 > 0xFFFF) {
        throw AudioError("A WAV file cannot hold " + std::to_string(channels) + " channels.");
    }
    const uint64_t byteRate =
        static_cast<uint64_t>(sampleRate) * static_cast<uint64_t>(channels) * 2;
    if (sampleRate < 1 || byteRate > kMaxUInt32) {
        throw AudioError("A WAV file cannot hold a sample rate of " + std::to_string(sampleRate) +
                         " Hz with " + std::to_string(channels) + " channels.");
    }
    const uint64_t dataBytes = static_cast<uint64_t>(sampleCount) * 2;
    if (sampleCount > kMaxUInt32 || dataBytes > kMaxUInt32 - 36) {
        throw AudioError("The audio is too long for a WAV file.");
    }

    ByteBuffer header;
    header.reserve(kCanonicalHeaderBytes);
    appendString(header, "RIFF");
    appendUInt32LE(header, static_cast<uint32_t>(36 + dataBytes));
    appendString(header, "WAVEfmt ");
    appendUInt32LE(header, kFmtBodyBytes);
    appendUInt16LE(header, 1);  // integer PCM
    appendUInt16LE(header, static_cast<uint16_t>(channels));
    appendUInt32LE(header, static_cast<uint32_t>(sampleRate));
    appendUInt32LE(header, static_cast<uint32_t>(byteRate));
    appendUInt16LE(header, static_cast<uint16_t>(channels * 2));
    appendUInt16LE(header, 16);
    appendString(header, "data");
    appendUInt32LE(header, static_cast<uint32_t>(dataBytes));
    return header;
}

void writeWav(int sampleRate, int channels, ConstSampleSpan samples,
              const std::filesystem::path& path) {
    const ByteBuffer header = wavHeader(sampleRate, channels, samples.size());
    OutputFile file(path);
    file.write(std::as_bytes(std::span(header)));
    if constexpr (std::endian::native == std::endian::little) {
        // The samples already have the file's byte order: no second copy of a long render.
        file.write(std::as_bytes(samples));
    } else {
        // Converted in blocks so a long render is not held twice in memory.
        constexpr size_t kSamplesPerBlock = 32768;
        ByteBuffer block;
        block.reserve(kSamplesPerBlock * 2);
        for (size_t start = 0; start < samples.size(); start += kSamplesPerBlock) {
            block.clear();
            const size_t end = std::min(samples.size(), start + kSamplesPerBlock);
            for (size_t i = start; i < end; ++i)
                appendUInt16LE(block, static_cast<uint16_t>(samples[i]));
            file.write(std::as_bytes(std::span(block)));
        }
    }
    file.close();
}

void writeWav(const WavAudio& audio, const std::filesystem::path& path) {
    writeWav(audio.sampleRate, audio.channels, audio.samples, path);
}

}  // namespace audio
