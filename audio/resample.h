#pragma once
// Conversion of decoded PCM into the one sample form the readers return: 16-bit stereo at
// targetSampleRate. Pure functions on interleaved samples; failures throw AudioError.

#include <cstdint>
#include <span>
#include <vector>

#include "audio/wav_audio.h"

namespace audio {

// Lowest source rate accepted: upsampling from below it would multiply a small
// file into a huge buffer, and no real audio format uses such rates.
inline constexpr int64_t minimumSourceSampleRate = 4000;
// Largest decoded or converted song, in samples (2 GiB; over 3 hours of stereo).
inline constexpr size_t maxDecodedSamples = size_t{1} << 30;

// Linear interpolation of interleaved stereo from `fromRate` to `toRate` (frames per
// second). Returns the input unchanged when a rate is below 1, the rates are equal
// or it holds fewer than 2 frames; otherwise round(toRate * frames / fromRate)
// frames (half away from zero, at least 1).
std::vector<int16_t> resampleStereo(std::span<const int16_t> samples, int64_t fromRate,
                                    int64_t toRate);

// The frame count resampleStereo produces for `inputFrames` frames (2 or more).
int64_t resampledFrameCount(int64_t inputFrames, int64_t fromRate, int64_t toRate);

// Stereo from `channels` (1 or more) interleaved channels: mono is doubled, 3 or more
// keep their first two, stereo stays. Only whole frames are kept.
std::vector<int16_t> stereoFromChannels(std::vector<int16_t> samples, int channels);

// Channel conversion, then rate conversion to targetSampleRate. Throws AudioError
// for a rate below minimumSourceSampleRate or a result above maxDecodedSamples.
WavAudio convertToTargetFormat(std::vector<int16_t> samples, int channels, int64_t sampleRate);

}  // namespace audio
