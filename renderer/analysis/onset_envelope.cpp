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
// Hops the filters and energy followers settle over before the first value: 35 ms.
constexpr long long kWarmUpHops = 12;

// Each band's quiet level: the level it is above for all but this share of the song.
constexpr double kQuietShare = 0.1;

std::array<float, 4> quietLevels(const std::vector<std::array<float, 4>>& levels) {
    std::array<float, 4> quiet{};
    std::vector<float> band(levels.size());
    const auto at = static_cast<std::ptrdiff_t>(kQuietShare * static_cast<double>(band.size()));
    for (size_t b = 0; b < quiet.size(); ++b) {
        for (size_t i = 0; i < levels.size(); ++i) band[i] = levels[i][b];
        std::nth_element(band.begin(), band.begin() + at, band.end());
        quiet[b] = band[static_cast<size_t>(at)];
    }
    return quiet;
}

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
    const double keep = std::exp(-1.0 / (kFollowSeconds * kRate));
    // The log-energy of each band over the hop starting at `hopStart`.
    const auto hopLevels = [&](long long hopStart) {
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
        std::array<float, 4> levels{};
        for (size_t b = 0; b < bands.size(); ++b) {
            levels[b] = static_cast<float>(std::log(kSilenceFloor + energy[b]));
        }
        return levels;
    };
    // The filters run over the sound just before the first value, where there is some, so that
    // the first values rise from what precedes them.
    const long long warmUpHops = std::min(kWarmUpHops, firstFrame / hopFrames);
    std::vector<std::array<float, 4>> warmUp;
    for (long long hop = -warmUpHops; hop < 0; ++hop) {
        warmUp.push_back(hopLevels(firstFrame + hop * hopFrames));
    }
    // The levels `back` hops before `hop`, or the earliest there are.
    const auto levelsBefore = [&](size_t hop, size_t back) {
        const auto at = std::max(static_cast<long long>(hop) - static_cast<long long>(back),
                                 -static_cast<long long>(warmUp.size()));
        return at < 0 ? warmUp[warmUp.size() - static_cast<size_t>(-at)]
                      : envelope.bandLevels[static_cast<size_t>(at)];
    };
    for (size_t hop = 0; hop < hops; ++hop) {
        envelope.bandLevels.push_back(
            hopLevels(firstFrame + static_cast<long long>(hop) * hopFrames));
        const std::array<float, 4>& levels = envelope.bandLevels.back();
        const std::array<float, 4> previous = levelsBefore(hop, 1);
        double rise = 0.0;
        for (size_t b = 0; b < bands.size(); ++b) rise += std::max(0.0f, levels[b] - previous[b]);
        envelope.strength.push_back(static_cast<float>(rise));
        envelope.lowStrength.push_back(
            std::max(0.0f, levels[0] - levelsBefore(hop, kLowRiseHops)[0]));
    }
    // A song that starts at its file's first sample has nothing before it: its first value rises
    // from the song's own quiet level, as its notes do after a pause.
    if (warmUp.empty() && hops > 0) {
        const std::array<float, 4> quiet = quietLevels(envelope.bandLevels);
        double rise = 0.0;
        for (size_t b = 0; b < quiet.size(); ++b) {
            rise += std::max(0.0f, envelope.bandLevels[0][b] - quiet[b]);
        }
        envelope.strength[0] = static_cast<float>(rise);
        envelope.lowStrength[0] = std::max(0.0f, envelope.bandLevels[0][0] - quiet[0]);
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
