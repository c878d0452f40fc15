#pragma once
// Finds a song's first musical note ("musical zero"). Pure and thread-safe; never fails.

#include "renderer/base/constants.h"

namespace renderer {

// Frame index (0 or more) of the first musical note of an interleaved stereo buffer,
// moved 15 ms earlier (truncate(sampleRate × 0.015) frames) so the attack survives a cut.
// The onset is the first of three consecutive 2048-frame windows (hop 512) whose RMS
// reaches 3.5 % of the 95th-percentile window RMS (at least 0.0015); failing that, the
// first frame whose |mono| exceeds 2 % of that reference (at least 0.0015); failing
// that, 0. Buffers of 2048 frames or fewer give 0. Linear in the buffer's length.
long long firstMusicalFrame(ConstSampleSpan samples, int sampleRate);

}  // namespace renderer
