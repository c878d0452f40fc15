#pragma once
// Loudness measures over interleaved 16-bit stereo buffers. A frame's mono value is
// (left + right) × 0.5 in raw sample units; the loudness measures divide it by int16Max
// so that full scale is 1.0. Pure, thread-safe, never fail, allocate nothing.

#include "renderer/base/constants.h"

namespace renderer {

// Raw mono value of `frame`; 0.0 when the frame is negative or its right sample lies at
// or beyond the end of the buffer.
double monoValue(ConstSampleSpan samples, long long frame);

// RMS of the normalised mono values over frames [firstFrame, min(frames, firstFrame +
// frameCount)); 0.0 for an empty range (including a negative first frame or count).
double frameRMS(ConstSampleSpan samples, long long firstFrame, long long frameCount);

// RMS of the normalised mono values over every whole sample pair; a trailing odd sample
// is ignored; 0.0 for fewer than 2 samples.
double segmentRMS(ConstSampleSpan samples);

// Largest |sample| / int16Max over every sample of both channels (−32768 gives
// 1.0000305); 0.0 for an empty buffer.
double peakValue(ConstSampleSpan samples);

}  // namespace renderer
