#include "renderer/effects/echo_out.h"

#include <algorithm>

#include "renderer/effects/declick.h"
#include "renderer/effects/effect_frames.h"

namespace renderer {

// The ending's echo (join/echo_fade) repeats a fixed 0.32 s at fixed delays in seconds and
// writes clamped samples in place; this one follows the song's beat, so they share nothing
// but the idea.
std::vector<float> echoOut(ConstSampleSpan song, long long endFrame, double beatSeconds) {
    const long long beatFrames = effectFrames(beatSeconds);
    const auto repeats = static_cast<long long>(echoOutGains.size());
    std::vector<float> output(static_cast<size_t>(repeats * beatFrames) * targetChannels, 0.0f);
    const ConstSampleSpan before = songBefore(song, endFrame);
    const long long sourceStart = std::max(0LL, endFrame - beatFrames);
    const long long sourceFrames = std::max(0LL, endFrame - sourceStart);
    for (long long repeat = 0; repeat < repeats; ++repeat) {
        const bool last = repeat == repeats - 1;
        const double level = echoOutGains[static_cast<size_t>(repeat)];
        for (long long k = 0; k < sourceFrames; ++k) {
            const double fade =
                last ? 1.0 - static_cast<double>(k) / static_cast<double>(sourceFrames) : 1.0;
            const double gain = level * fade * declickGain(k, sourceFrames);
            const auto to = static_cast<size_t>(repeat * beatFrames + k) * targetChannels;
            for (int channel = 0; channel < targetChannels; ++channel) {
                output[to + channel] =
                    static_cast<float>(gain * sampleAt(before, sourceStart + k, channel));
            }
        }
    }
    return output;
}

}  // namespace renderer
