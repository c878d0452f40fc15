#include "renderer/effects/varispeed_read.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace renderer {
namespace {

// Half the kernel's width in zero crossings: the Blackman window keeps its side lobes near
// -58 dB, far below what a listener hears under a moving record.
constexpr int kZeroCrossings = 8;
// Table steps per zero crossing; the kernel between them is interpolated linearly.
constexpr int kStepsPerCrossing = 512;

std::vector<double> kernelTable() {
    std::vector<double> table(kZeroCrossings * kStepsPerCrossing + 2, 0.0);
    table[0] = 1.0;
    for (int step = 1; step <= kZeroCrossings * kStepsPerCrossing; ++step) {
        // Whole crossings stay exactly 0, so a read at a whole position at normal speed
        // returns that frame untouched.
        if (step % kStepsPerCrossing == 0) continue;
        const double x = static_cast<double>(step) / kStepsPerCrossing;
        const double window = 0.42 + 0.5 * std::cos(std::numbers::pi * x / kZeroCrossings) +
                              0.08 * std::cos(2.0 * std::numbers::pi * x / kZeroCrossings);
        table[static_cast<size_t>(step)] =
            std::sin(std::numbers::pi * x) / (std::numbers::pi * x) * window;
    }
    return table;
}

double kernel(const std::vector<double>& table, double zeroCrossings) {
    const double scaled = std::abs(zeroCrossings) * kStepsPerCrossing;
    const auto index = static_cast<size_t>(scaled);
    if (index >= static_cast<size_t>(kZeroCrossings * kStepsPerCrossing)) return 0.0;
    const double fraction = scaled - static_cast<double>(index);
    return table[index] + fraction * (table[index + 1] - table[index]);
}

}  // namespace

std::vector<float> readAlong(ConstSampleSpan audio, std::span<const double> positions) {
    static const std::vector<double> table = kernelTable();
    const auto frames = static_cast<long long>(audio.size() / targetChannels);
    std::vector<float> output(positions.size() * targetChannels, 0.0f);
    for (size_t k = 0; k < positions.size(); ++k) {
        const double position = positions[k];
        const size_t next = k + 1 < positions.size() ? k + 1 : k;
        const size_t previous = next > 0 ? next - 1 : 0;
        const double speed = std::abs(positions[next] - positions[previous]);
        const double band = 1.0 / std::max(1.0, speed);
        const double reach = kZeroCrossings / band;
        const auto first = static_cast<long long>(std::floor(position - reach)) + 1;
        const auto last = static_cast<long long>(std::floor(position + reach));
        double weights = 0.0;
        double left = 0.0;
        double right = 0.0;
        for (long long frame = first; frame <= last; ++frame) {
            const double weight =
                band * kernel(table, band * (position - static_cast<double>(frame)));
            weights += weight;
            if (frame < 0 || frame >= frames) continue;
            const auto index = static_cast<size_t>(frame) * targetChannels;
            left += weight * audio[index];
            right += weight * audio[index + 1];
        }
        // Dividing by the weights keeps a steady level exactly where the table's steps
        // would let it ripple.
        if (weights <= 0.0) continue;
        output[k * targetChannels] = static_cast<float>(left / weights);
        output[k * targetChannels + 1] = static_cast<float>(right / weights);
    }
    return output;
}

}  // namespace renderer
