#include "audio/resample.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "audio/audio_error.h"
#include "audio/sample_format.h"

namespace audio {
namespace {

int16_t roundToInt16(double value) {
    return static_cast<int16_t>(std::clamp(std::round(value), -32768.0, 32767.0));
}

}  // namespace

int64_t resampledFrameCount(int64_t inputFrames, int64_t fromRate, int64_t toRate) {
    const double frames =
        std::round(static_cast<double>(toRate) * static_cast<double>(inputFrames) /
                   static_cast<double>(fromRate));
    return std::max<int64_t>(static_cast<int64_t>(frames), 1);
}

std::vector<int16_t> resampleStereo(std::span<const int16_t> samples, int64_t fromRate,
                                    int64_t toRate) {
    const int64_t inputFrames = static_cast<int64_t>(samples.size() / targetChannels);
    if (fromRate < 1 || toRate < 1 || fromRate == toRate || inputFrames < 2) {
        return std::vector<int16_t>(samples.begin(), samples.end());
    }

    const int64_t outputFrames = resampledFrameCount(inputFrames, fromRate, toRate);
    std::vector<int16_t> output(static_cast<size_t>(outputFrames) * targetChannels);
    const double step = static_cast<double>(fromRate) / static_cast<double>(toRate);
    for (int64_t i = 0; i < outputFrames; ++i) {
        const double position = static_cast<double>(i) * step;
        const int64_t base =
            std::clamp<int64_t>(static_cast<int64_t>(std::floor(position)), 0, inputFrames - 1);
        const int64_t next = std::min(base + 1, inputFrames - 1);
        const double fraction = position - static_cast<double>(base);
        for (int channel = 0; channel < targetChannels; ++channel) {
            const double a = samples[static_cast<size_t>(base * targetChannels + channel)];
            const double c = samples[static_cast<size_t>(next * targetChannels + channel)];
            output[static_cast<size_t>(i * targetChannels + channel)] =
                roundToInt16(a + fraction * (c - a));
        }
    }
    return output;
}

std::vector<int16_t> stereoFromChannels(std::vector<int16_t> samples, int channels) {
    const size_t sourceChannels = static_cast<size_t>(std::max(channels, 1));
    const size_t frames = samples.size() / sourceChannels;
    if (sourceChannels == 2) {
        // A half frame at the end would shift every later song by one channel.
        samples.resize(frames * 2);
        return samples;
    }
    std::vector<int16_t> stereo(frames * 2);
    for (size_t frame = 0; frame < frames; ++frame) {
        const size_t first = frame * sourceChannels;
        stereo[frame * 2] = samples[first];
        stereo[frame * 2 + 1] = samples[sourceChannels == 1 ? first : first + 1];
    }
    return stereo;
}

WavAudio convertToTargetFormat(std::vector<int16_t> samples, int channels, int64_t sampleRate) {
    if (sampleRate < minimumSourceSampleRate) {
        throw AudioError("Source audio has an unusable sample rate (" + std::to_string(sampleRate) +
                         " Hz).");
    }
    // The size is known before any work, so a song too long to hold fails at once.
    const int64_t frames = static_cast<int64_t>(samples.size() / std::max(channels, 1));
    const bool resample = sampleRate != targetSampleRate && frames >= 2;
    const int64_t outputFrames =
        resample ? resampledFrameCount(frames, sampleRate, targetSampleRate) : frames;
    if (static_cast<uint64_t>(outputFrames) * targetChannels > maxDecodedSamples) {
        throw AudioError("Decoded audio is too long.");
    }

    WavAudio audio;
    audio.samples = stereoFromChannels(std::move(samples), channels);
    if (resample) audio.samples = resampleStereo(audio.samples, sampleRate, targetSampleRate);
    audio.sampleRate = targetSampleRate;
    audio.channels = targetChannels;
    return audio;
}

}  // namespace audio
