#pragma once
// The overview of a whole edit: for each of a fixed number of columns, the lowest and highest
// mono sample value in that column's frames. No Qt.

#include <cstdint>
#include <span>
#include <vector>

namespace app::ui {

struct PeakColumn {
    float low = 0.0f;   // fraction of full scale, -1 to 0
    float high = 0.0f;  // fraction of full scale, 0 to 1
};

// `columns` columns (none for no frames or no columns); column c covers frames
// [c * frames / columns, (c + 1) * frames / columns). Mono is the channels' mean.
std::vector<PeakColumn> peakEnvelope(std::span<const int16_t> interleaved, int channels,
                                     int columns);

}  // namespace app::ui
