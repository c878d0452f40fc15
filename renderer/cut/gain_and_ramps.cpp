#include "renderer/cut/gain_and_ramps.h"

#include <algorithm>
#include <vector>

#include "renderer/cut/sample_math.h"

namespace renderer {
namespace {

// Every value a 16-bit sample can take.
constexpr int kSampleValueCount = 65536;

constexpr long long kMicroFadeFrames = static_cast<long long>(targetSampleRate * 0.004);

void scaleFrame(SampleSpan samples, long long frame, double gain) {
    const auto index = static_cast<size_t>(frame) * targetChannels;
    for (size_t channel = 0; channel < static_cast<size_t>(targetChannels); ++channel) {
        samples[index + channel] = clampInt16(gain * samples[index + channel]);
    }
}

}  // namespace

void applyGain(SampleSpan samples, double gain) {
    if (!(gain > 0.0) || gain == 1.0 || samples.empty()) return;
    if (samples.size() < static_cast<size_t>(kSampleValueCount)) {
        for (int16_t& sample : samples) sample = clampInt16(gain * sample);
        return;
    }
    // A whole song holds far more samples than there are 16-bit values: scaling each value
    // once and looking the results up gives the same samples several times faster than
    // rounding every sample (whose conversions do not vectorise on baseline x86-64).
    const std::vector<int16_t> scaled = gainTable(gain);
    for (int16_t& sample : samples) sample = scaled[static_cast<size_t>(sample + 32768)];
}

std::vector<int16_t> gainTable(double gain) {
    std::vector<int16_t> scaled(kSampleValueCount);
    for (int value = -32768; value <= 32767; ++value) {
        scaled[static_cast<size_t>(value + 32768)] =
            gain > 0.0 && gain != 1.0 ? clampInt16(gain * value) : static_cast<int16_t>(value);
    }
    return scaled;
}

void applyMicroFades(SampleSpan samples) {
    const auto frames = static_cast<long long>(samples.size() / targetChannels);
    const long long rampFrames = std::min(frames / 2, std::max(1LL, kMicroFadeFrames));
    if (rampFrames < 1) return;
    const auto rampLength = static_cast<double>(rampFrames);
    for (long long k = 0; k < rampFrames; ++k) {
        const double gain = static_cast<double>(k) / rampLength;
        scaleFrame(samples, k, gain);
        scaleFrame(samples, frames - rampFrames + k, 1.0 - gain);
    }
}

double applyFinalFade(SampleSpan samples, long long startFrame) {
    const auto frames = static_cast<long long>(samples.size() / targetChannels);
    if (startFrame < 0 || startFrame >= frames - minimumEndingTailFrames) return 0.0;
    const long long fadeFrames = frames - startFrame;
    const auto lastStep = static_cast<double>(std::max(fadeFrames, 2LL) - 1);
    for (long long k = 0; k < fadeFrames; ++k) {
        scaleFrame(samples, startFrame + k, 1.0 - static_cast<double>(k) / lastStep);
    }
    return static_cast<double>(fadeFrames) / targetSampleRate;
}

}  // namespace renderer
