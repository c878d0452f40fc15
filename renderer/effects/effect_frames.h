#pragma once
// Frame arithmetic the effects share. Pure.

#include <algorithm>
#include <vector>

#include "renderer/base/constants.h"
#include "renderer/base/frames.h"

namespace renderer {

// round(seconds × 44100); 0 for a length that is not above 0 (or NaN).
inline long long effectFrames(double seconds) {
    return seconds > 0.0 ? toFrames(seconds) : 0;
}

// The song's frames before `frame`, the only ones an effect may read; positions in it are
// the song's own.
inline ConstSampleSpan songBefore(ConstSampleSpan song, long long frame) {
    const long long frames = std::clamp(frame, 0LL, songFrames(song));
    return song.first(static_cast<size_t>(frames) * targetChannels);
}

// A sample of `channel` at `frame`; silence outside the audio.
inline double sampleAt(ConstSampleSpan audio, long long frame, int channel) {
    if (frame < 0 || frame >= songFrames(audio)) return 0.0;
    return audio[static_cast<size_t>(frame) * targetChannels + channel];
}

inline void scaleFrame(std::vector<float>& stereo, long long frame, double gain) {
    for (int channel = 0; channel < targetChannels; ++channel) {
        float& sample = stereo[static_cast<size_t>(frame) * targetChannels + channel];
        sample = static_cast<float>(gain * sample);
    }
}

}  // namespace renderer
