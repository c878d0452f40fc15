#pragma once
// Fixed numbers every stage of the renderer shares. The sample form is the one the audio
// readers return.

#include "audio/sample_format.h"

namespace renderer {

using audio::ConstSampleSpan;
using audio::SampleSpan;
using audio::targetChannels;
using audio::targetSampleRate;
inline constexpr double int16Max = 32767.0;

}  // namespace renderer
