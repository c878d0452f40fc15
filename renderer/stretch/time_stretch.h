#pragma once
// Time-stretching and pitch-shifting of interleaved stereo with the Rubber Band library's finer
// (R3) engine. The stretch can follow a map of key frames, so chosen moments of the input (its
// beats) land on chosen moments of the output. Pure and thread-safe: one stretcher per call.

#include <cstddef>
#include <map>
#include <span>
#include <vector>

namespace renderer {

// Stretches `input` (interleaved stereo, values in about -1..1) to exactly `outputFrames`
// frames, its pitch scaled by `pitchScale` (1 keeps it). `keyFrames` maps input frames to output
// frames, both counted from the start of `input`, increasing, inside both; frames between key
// frames are spread evenly. Returns interleaved stereo.
// `window` short trades a little of the finer engine's quality for about a third of its time:
// enough for a tail that fades out under the next song.
enum class StretchWindow { standard, shortWindow };

std::vector<float> stretchStereo(std::span<const float> input, size_t outputFrames,
                                 const std::map<size_t, size_t>& keyFrames,
                                 double pitchScale = 1.0,
                                 StretchWindow window = StretchWindow::standard);

}  // namespace renderer
