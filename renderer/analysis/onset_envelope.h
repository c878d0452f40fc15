#pragma once
// How strongly new sound starts at each moment of a stretch of a song: the rise of the
// log-energy in four frequency bands (kick and bass, low mids, high mids, cymbals), summed,
// every 2.9 ms. Read at 11025 Hz (the song's mono averaged over four frames), which keeps
// every onset a beat is made of and costs a quarter of the full rate. Pure and thread-safe.

#include <array>
#include <optional>
#include <vector>

#include "renderer/base/constants.h"

namespace renderer {

struct OnsetEnvelope {
    double startSeconds = 0.0;    // file time of the first value
    double hopSeconds = 0.0;      // between values
    std::vector<float> strength;  // every band
    // The kick-and-bass band's rise over the last 11.6 ms: slower than a cymbal's, it marks
    // where the weight of a beat lands.
    std::vector<float> lowStrength;
    // The log-energy of each band at each value: what the song sounds like there, for telling
    // where its harmony and drums change (bar lines).
    std::vector<std::array<float, 4>> bandLevels;

    double secondsAt(size_t index) const {
        return startSeconds + static_cast<double>(index) * hopSeconds;
    }
};

// The envelope of frames [firstFrame, endFrame) of the interleaved stereo `samples`, clamped
// to the song; empty when that is shorter than one hop.
OnsetEnvelope onsetEnvelope(ConstSampleSpan samples, long long firstFrame, long long endFrame);

// The file time of the envelope's first onset: the first value of its first 10 s that reaches
// 0.3 of the strongest there, moved onto the top of its attack. None in silence.
std::optional<double> firstOnsetSeconds(const OnsetEnvelope& envelope);

}  // namespace renderer
