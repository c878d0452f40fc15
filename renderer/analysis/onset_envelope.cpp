#include "renderer/analysis/onset_envelope.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace renderer {
namespace {

constexpr int kDecimation = 4;
constexpr double kRate = targetSampleRate / kDecimation;
constexpr int kHop = 32;  // values of the decimated signal: 2.9 ms
// The energy of each band follows the signal with this time constant: short enough to keep
// an attack sharp, long enough to smooth a bass note's own cycles.
constexpr double kFollowSeconds = 0.006;

// A second-order filter, transposed direct form II.
struct Biquad {
    double b0, b1, b2, a1, a2;
    double z1 = 0.0, z2 = 0.0;

    double run(double x) {
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
};

// Robert Bristow-Johnson's audio filter cookbook forms.
struct Shape {
    double cosine, alpha;
    Shape(double hertz, double q)
        : cosine(std::cos(2.0 * std::numbers::pi * hertz / kRate)),
          alpha(std::sin(2.0 * std::numbers::pi * hertz / kRate) / (2.0 * q)) {}
};

Biquad lowPass(double hertz) {
    const Shape s(hertz, std::numbers::sqrt2 / 2.0);
    const double a0 = 1.0 + s.alpha;
    return {(1.0 - s.cosine) / 2.0 / a0, (1.0 - s.cosine) / a0, (1.0 - s.cosine) / 2.0 / a0,
            -2.0 * s.cosine / a0, (1.0 - s.alpha) / a0};
}

Biquad highPass(double hertz) {
    const Shape s(hertz, std::numbers::sqrt2 / 2.0);
    const double a0 = 1.0 + s.alpha;
    return {(1.0 + s.cosine) / 2.0 / a0, -(1.0 + s.cosine) / a0, (1.0 + s.cosine) / 2.0 / a0,
            -2.0 * s.cosine / a0, (1.0 - s.alpha) / a0};
}

Biquad bandPass(double hertz) {
    const Shape s(hertz, 1.0);
    const double a0 = 1.0 + s.alpha;
    return {s.alpha / a0, 0.0, -s.alpha / a0, -2.0 * s.cosine / a0, (1.0 - s.alpha) / a0};
}

constexpr double kSilenceFloor = 1e-10;
constexpr size_t kLowRiseHops = 4;

constexpr double kOpeningSeconds = 10.0;
constexpr float kFirstOnsetShare = 0.3f;
constexpr size_t kAttackValues = 8;  // 23 ms

}  // namespace

OnsetEnvelope onsetEnvelope(ConstSampleSpan samples, long long firstFrame, long long endFrame) {
    const auto frames = static_cast<long long>(samples.size() / targetChannels);
    firstFrame = std::clamp(firstFrame, 0LL, frames);
    endFrame = std::clamp(endFrame, firstFrame, frames);

    OnsetEnvelope envelope;
    envelope.startSeconds = static_cast<double>(firstFrame) / targetSampleRate;
    envelope.hopSeconds = kHop / kRate;
    const long long hopFrames = kHop * kDecimation;
    const auto hops = static_cast<size_t>((endFrame - firstFrame) / hopFrames);
    envelope.strength.reserve(hops);
    envelope.lowStrength.reserve(hops);
    envelope.bandLevels.reserve(hops);

    std::array<Biquad, 4> bands = {lowPass(150.0), bandPass(400.0), bandPass(1500.0),
                                   highPass(3500.0)};
    std::array<double, 4> energy{};
    std::array<double, 4> previousLog{};
    const double keep = std::exp(-1.0 / (kFollowSeconds * kRate));
    for (size_t hop = 0; hop < hops; ++hop) {
        const long long hopStart = firstFrame + static_cast<long long>(hop) * hopFrames;
        for (int i = 0; i < kHop; ++i) {
            double sum = 0.0;
            for (int k = 0; k < kDecimation; ++k) {
                const auto sample = static_cast<size_t>(hopStart + i * kDecimation + k) * 2;
                sum += static_cast<double>(samples[sample]) + samples[sample + 1];
            }
            const double x = sum / (2.0 * kDecimation * int16Max);
            for (size_t b = 0; b < bands.size(); ++b) {
                const double y = bands[b].run(x);
                energy[b] = keep * energy[b] + (1.0 - keep) * y * y;
            }
        }
        double rise = 0.0;
        std::array<float, 4> levels{};
        for (size_t b = 0; b < bands.size(); ++b) {
            const double level = std::log(kSilenceFloor + energy[b]);
            levels[b] = static_cast<float>(level);
            // The first hop has nothing before it to rise from.
            const double up = hop == 0 ? 0.0 : std::max(0.0, level - previousLog[b]);
            previousLog[b] = level;
            rise += up;
        }
        envelope.strength.push_back(static_cast<float>(rise));
        const size_t lowBack = std::min<size_t>(hop, kLowRiseHops);
        const float lowBefore = hop == 0 ? levels[0] : envelope.bandLevels[hop - lowBack][0];
        envelope.lowStrength.push_back(std::max(0.0f, levels[0] - lowBefore));
        envelope.bandLevels.push_back(levels);
    }
    return envelope;
}

std::optional<double> firstOnsetSeconds(const OnsetEnvelope& envelope) {
    const std::vector<float>& v = envelope.strength;
    const size_t opening =
        std::min(v.size(), static_cast<size_t>(kOpeningSeconds / envelope.hopSeconds));
    if (opening == 0) return std::nullopt;
    const float strongest = *std::max_element(v.begin(), v.begin() + opening);
    if (!(strongest > 0.0f)) return std::nullopt;
    size_t first = 0;
    while (v[first] < kFirstOnsetShare * strongest) ++first;
    const auto top =
        std::max_element(v.begin() + first, v.begin() + std::min(opening, first + kAttackValues));
    return envelope.secondsAt(static_cast<size_t>(top - v.begin()));
}

}  // namespace renderer
