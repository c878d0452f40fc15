#pragma once
// The song heard through a moving record: output frame k is the song read at the fractional
// frame positions[k], through a Blackman-windowed sinc whose pass band narrows where the read
// moves faster than normal speed, so a fast spin does not alias. At whole positions read at up
// to normal speed it returns the song's own frames exactly. Frames outside `audio` read as
// silence. Interleaved stereo in, interleaved stereo float in 16-bit units out (not clamped),
// one frame per position. Pure and thread-safe.

#include <span>
#include <vector>

#include "renderer/base/constants.h"

namespace renderer {

std::vector<float> readAlong(ConstSampleSpan audio, std::span<const double> positions);

}  // namespace renderer
