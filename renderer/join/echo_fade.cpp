#include "renderer/join/echo_fade.h"

#include <algorithm>
#include <cmath>

#include "renderer/cut/gain_and_ramps.h"
#include "renderer/cut/sample_math.h"

namespace renderer {
namespace {

constexpr long long kShortestSourceFrames = static_cast<long long>(targetSampleRate * 0.08);
constexpr double kSourceTilt = -0.22;
constexpr double kEnvelopeExponent = 1.3;

}  // namespace

long long echoTapDelayFrames(const EchoTap& tap) {
    return static_cast<long long>(static_cast<double>(targetSampleRate) * tap.delaySeconds);
}

double applyEchoFade(SampleSpan samples, long long startFrame) {
    const auto frames = static_cast<long long>(samples.size() / targetChannels);
    if (startFrame < 0 || startFrame >= frames - minimumEndingTailFrames) return 0.0;
    const long long tailFrames = frames - startFrame;
    const long long sourceFrames = std::min(startFrame, echoSourceFrames);
    if (sourceFrames <= kShortestSourceFrames) return applyFinalFade(samples, startFrame);
    const long long sourceStart = startFrame - sourceFrames;

    std::array<long long, echoTaps.size()> delays{};
    for (size_t tap = 0; tap < echoTaps.size(); ++tap) {
        delays[tap] = echoTapDelayFrames(echoTaps[tap]);
    }

    // The source lies wholly before the tail, so it is read in place: the writes below
    // never reach it.
    const auto envelopeSteps = static_cast<double>(std::max(tailFrames, 2LL) - 1);
    const auto tiltSteps = static_cast<double>(std::max(sourceFrames, 2LL) - 1);
    for (long long k = 0; k < tailFrames; ++k) {
        const double envelope = std::pow(
            std::max(0.0, 1.0 - static_cast<double>(k) / envelopeSteps), kEnvelopeExponent);
        for (size_t channel = 0; channel < static_cast<size_t>(targetChannels); ++channel) {
            double accumulated = 0.0;
            for (size_t tap = 0; tap < echoTaps.size(); ++tap) {
                const long long j = k - delays[tap];
                if (j < 0 || j >= sourceFrames) continue;
                const double tilt = 1.0 + kSourceTilt * static_cast<double>(j) / tiltSteps;
                const auto sourceIndex =
                    static_cast<size_t>(sourceStart + j) * targetChannels + channel;
                accumulated += tilt * (echoTaps[tap].gain * samples[sourceIndex]);
            }
            const auto index = static_cast<size_t>(startFrame + k) * targetChannels + channel;
            samples[index] = clampInt16(envelope * accumulated);
        }
    }
    return static_cast<double>(tailFrames) / targetSampleRate;
}

}  // namespace renderer
