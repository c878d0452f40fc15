#include "renderer/analysis/first_note.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace renderer {
namespace {

constexpr long long kWindowFrames = 2048;
constexpr long long kHopFrames = 512;
constexpr int kBlocksPerWindow = static_cast<int>(kWindowFrames / kHopFrames);

// A window's sum of squared normalised mono values equals S / (4 × int16Max²), where S is
// the sum of (left + right)² over its frames. S is an exact integer (at most 2048 ×
// 65536²), so windows are summed from four 512-frame block sums without rounding error.
constexpr double kWindowDivisor = 4.0 * int16Max * int16Max * static_cast<double>(kWindowFrames);

int64_t blockSquareSum(ConstSampleSpan samples, long long firstFrame) {
    const size_t begin = static_cast<size_t>(firstFrame) * targetChannels;
    const size_t end = begin + static_cast<size_t>(kHopFrames) * targetChannels;
    int64_t sum = 0;
    for (size_t index = begin; index < end; index += targetChannels) {
        const int64_t pairSum = int64_t{samples[index]} + samples[index + 1];
        sum += pairSum * pairSum;
    }
    return sum;
}

std::vector<double> windowLoudness(ConstSampleSpan samples, long long frames) {
    const long long windowCount = (frames - kWindowFrames) / kHopFrames + 1;
    std::vector<double> loudness;
    loudness.reserve(static_cast<size_t>(windowCount));
    std::array<int64_t, kBlocksPerWindow> recentBlocks{};
    for (long long block = 0; block < windowCount + kBlocksPerWindow - 1; ++block) {
        recentBlocks[static_cast<size_t>(block % kBlocksPerWindow)] =
            blockSquareSum(samples, block * kHopFrames);
        if (block + 1 < kBlocksPerWindow) continue;
        int64_t windowSum = 0;
        for (const int64_t blockSum : recentBlocks) windowSum += blockSum;
        loudness.push_back(std::sqrt(static_cast<double>(windowSum) / kWindowDivisor));
    }
    return loudness;
}

// The 95th percentile: the element a full ascending sort would put at that index.
double loudReference(std::vector<double> loudness) {
    const size_t count = loudness.size();
    const auto index =
        std::min(count - 1, static_cast<size_t>(static_cast<double>(count - 1) * 0.95));
    std::nth_element(loudness.begin(), loudness.begin() + static_cast<std::ptrdiff_t>(index),
                     loudness.end());
    return loudness[index];
}

}  // namespace

long long firstMusicalFrame(ConstSampleSpan samples, int sampleRate) {
    const auto frames = static_cast<long long>(samples.size() / targetChannels);
    if (frames <= kWindowFrames) return 0;

    const std::vector<double> loudness = windowLoudness(samples, frames);
    const double reference = loudReference(loudness);
    const long long preRollFrames = std::max(0LL, static_cast<long long>(sampleRate * 0.015));

    if (loudness.size() >= 3) {
        const double threshold = std::max(reference * 0.035, 0.0015);
        for (size_t k = 0; k + 2 < loudness.size(); ++k) {
            if (loudness[k] >= threshold && loudness[k + 1] >= threshold &&
                loudness[k + 2] >= threshold) {
                return std::max(0LL, static_cast<long long>(k) * kHopFrames - preRollFrames);
            }
        }
    }

    // No sustained onset (a lone click, or too short for three windows): the first frame
    // that is clearly above the floor.
    const double threshold = std::max(reference * 0.02, 0.0015);
    for (long long frame = 0; frame < frames; ++frame) {
        const auto index = static_cast<size_t>(frame) * targetChannels;
        const double mono = (static_cast<double>(samples[index]) + samples[index + 1]) * 0.5;
        if (std::abs(mono / int16Max) > threshold) return std::max(0LL, frame - preRollFrames);
    }
    return 0;
}

}  // namespace renderer
