#include "app/ui/peak_envelope.h"

#include <algorithm>

namespace app::ui {
namespace {

constexpr float kFullScale = 32767.0f;

float monoValue(std::span<const int16_t> frame) {
    float sum = 0.0f;
    for (const int16_t sample : frame) sum += static_cast<float>(sample);
    return sum / static_cast<float>(frame.size()) / kFullScale;
}

}  // namespace

std::vector<PeakColumn> peakEnvelope(std::span<const int16_t> interleaved, int channels,
                                     int columns) {
    if (channels < 1 || columns < 1) return {};
    const auto frames = static_cast<long long>(interleaved.size()) / channels;
    if (frames < 1) return {};
    std::vector<PeakColumn> envelope(static_cast<size_t>(columns));
    for (int column = 0; column < columns; ++column) {
        const long long first = column * frames / columns;
        const long long end = std::max((column + 1) * frames / columns, first + 1);
        PeakColumn& peak = envelope[static_cast<size_t>(column)];
        for (long long frame = first; frame < end && frame < frames; ++frame) {
            const float value = monoValue(interleaved.subspan(static_cast<size_t>(frame * channels),
                                                              static_cast<size_t>(channels)));
            peak.low = std::min(peak.low, value);
            peak.high = std::max(peak.high, value);
        }
    }
    return envelope;
}

}  // namespace app::ui
