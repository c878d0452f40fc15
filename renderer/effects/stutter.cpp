#include "renderer/effects/stutter.h"

#include <algorithm>
#include <cmath>

#include "renderer/effects/declick.h"
#include "renderer/effects/effect_frames.h"

namespace renderer {
namespace {

constexpr double sumOfSlices() {
    double beats = 0.0;
    for (const double slice : stutterSliceBeats) beats += slice;
    return beats;
}
// The last slice must end on the beat's last frame.
static_assert(sumOfSlices() == 1.0);

}  // namespace

std::vector<float> stutter(ConstSampleSpan song, long long endFrame, double beatSeconds) {
    const long long frames = effectFrames(beatSeconds);
    std::vector<float> output(static_cast<size_t>(frames) * targetChannels, 0.0f);
    if (frames == 0) return output;
    const long long beatStart = std::max(0LL, endFrame - frames);
    const ConstSampleSpan source = songBefore(song, endFrame);
    double beats = 0.0;
    long long sliceStart = 0;
    for (const double sliceBeats : stutterSliceBeats) {
        beats += sliceBeats;
        const long long sliceEnd = std::llround(beats * static_cast<double>(frames));
        const long long sliceFrames = sliceEnd - sliceStart;
        for (long long k = 0; k < sliceFrames; ++k) {
            const double gain = declickGain(k, sliceFrames);
            const auto to = static_cast<size_t>(sliceStart + k) * targetChannels;
            for (int channel = 0; channel < targetChannels; ++channel) {
                output[to + channel] =
                    static_cast<float>(gain * sampleAt(source, beatStart + k, channel));
            }
        }
        sliceStart = sliceEnd;
    }
    return output;
}

}  // namespace renderer
