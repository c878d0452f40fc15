#include "renderer/effects/declick.h"

#include <algorithm>

namespace renderer {

double declickGain(long long frame, long long frames) {
    const long long ramp = std::min(declickFrames, frames / 2);
    if (frame < 0 || frame >= frames) return 0.0;
    if (ramp == 0) return 1.0;
    const long long fromEdge = std::min(frame, frames - 1 - frame);
    return fromEdge >= ramp ? 1.0 : static_cast<double>(fromEdge) / static_cast<double>(ramp);
}

}  // namespace renderer
