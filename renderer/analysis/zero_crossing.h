#pragma once
// Places a cut on a zero crossing of the mono signal. Pure and thread-safe; never fails.

#include "renderer/base/constants.h"

namespace renderer {

// The frame nearest to `targetFrame`, within radius = max(1, truncate(radiusSeconds ×
// targetSampleRate)) frames and inside [1, frames − 2], where the mono value changes sign
// or touches zero against the previous frame; without one, the quietest frame of that
// range; ties go to the lower frame. When the range is empty: the target clamped to
// [0, frames − 1]. Buffers of fewer than 2 frames give 0. Any target is accepted,
// including negative ones.
long long nearestZeroCrossingFrame(ConstSampleSpan samples, long long targetFrame,
                                   double radiusSeconds = 0.035);

}  // namespace renderer
