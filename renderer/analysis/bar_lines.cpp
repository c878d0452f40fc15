#include "renderer/analysis/bar_lines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "dsp/transforms/FFT.h"

namespace renderer {
namespace {

constexpr int kBeatsPerBar = 4;
// Bars fewer than this say nothing about where they start.
constexpr int kFewestBars = 8;

// The spectrum is read at 11025 Hz, in windows of this many values on each side of a beat.
constexpr int kDecimation = 4;
constexpr double kRate = targetSampleRate / kDecimation;
constexpr int kWindow = 4096;  // 0.37 s: about a beat, so that one drum hit weighs little
// Where chords and bass notes live.
constexpr double kLowestHertz = 40.0;
constexpr double kHighestHertz = 1500.0;

// The log-magnitude spectrum of the window starting at `firstFrame`, Hann-weighted.
std::vector<double> logSpectrum(ConstSampleSpan samples, long long firstFrame, FFTReal& fft,
                                std::vector<double>& input, std::vector<double>& magnitude) {
    for (int i = 0; i < kWindow; ++i) {
        double sum = 0.0;
        for (int k = 0; k < kDecimation; ++k) {
            const auto sample = static_cast<size_t>(firstFrame + i * kDecimation + k) * 2;
            sum += static_cast<double>(samples[sample]) + samples[sample + 1];
        }
        const double hann = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / (kWindow - 1));
        input[static_cast<size_t>(i)] = hann * sum / (2.0 * kDecimation * int16Max);
    }
    fft.forwardMagnitude(input.data(), magnitude.data());
    const auto low = static_cast<size_t>(kLowestHertz * kWindow / kRate);
    const auto high = static_cast<size_t>(kHighestHertz * kWindow / kRate);
    std::vector<double> spectrum;
    for (size_t bin = low; bin <= high; ++bin)
        spectrum.push_back(std::log1p(100.0 * magnitude[bin]));
    return spectrum;
}

// How much the song's harmony changes across each beat (the spectrum of about a beat after it
// against about a beat before: drums that alternate from beat to beat change it alike at every
// beat, a new chord only at its bar line), and how hard it hits low down on the beat.
struct BeatEvidence {
    std::vector<double> change;
    std::vector<double> lowHit;
};

BeatEvidence beatEvidence(ConstSampleSpan samples, const OnsetEnvelope& envelope,
                          const BeatGrid& grid, double firstBeat) {
    BeatEvidence evidence;
    const auto frames = static_cast<long long>(samples.size() / targetChannels);
    const long long windowFrames = static_cast<long long>(kWindow) * kDecimation;
    const auto count = static_cast<long long>(envelope.lowStrength.size());
    FFTReal fft(kWindow);
    std::vector<double> input(kWindow);
    std::vector<double> magnitude(kWindow);
    for (double beat = firstBeat;; beat += grid.periodSeconds) {
        const auto frame = static_cast<long long>(std::llround(beat * targetSampleRate));
        if (frame + windowFrames > frames) break;
        if (frame - windowFrames < 0) {
            evidence.change.push_back(0.0);
            evidence.lowHit.push_back(0.0);
            continue;
        }
        const std::vector<double> before =
            logSpectrum(samples, frame - windowFrames, fft, input, magnitude);
        const std::vector<double> after = logSpectrum(samples, frame, fft, input, magnitude);
        double change = 0.0;
        for (size_t bin = 0; bin < before.size(); ++bin) {
            change += std::abs(after[bin] - before[bin]);
        }
        const auto at = static_cast<long long>(
            std::llround((beat - envelope.startSeconds) / envelope.hopSeconds));
        double hit = 0.0;
        for (long long i = std::max(0LL, at - 2); i <= std::min(count - 1, at + 2); ++i) {
            hit = std::max(hit, static_cast<double>(envelope.lowStrength[static_cast<size_t>(i)]));
        }
        evidence.change.push_back(change);
        evidence.lowHit.push_back(hit);
    }
    return evidence;
}

// A kind of evidence tells the bar's first beat when that beat stands this far above the next.
constexpr double kTellingMargin = 1.08;

}  // namespace

BarEvidence findBarLines(ConstSampleSpan samples, const OnsetEnvelope& envelope,
                         const BeatGrid& grid) {
    BarEvidence result;
    const double firstBeat =
        grid.anchorSeconds +
        grid.periodSeconds *
            std::ceil((envelope.startSeconds - grid.anchorSeconds) / grid.periodSeconds);
    result.lines.firstDownbeatSeconds = firstBeat;
    const BeatEvidence evidence = beatEvidence(samples, envelope, grid, firstBeat);
    if (std::ssize(evidence.change) < kFewestBars * kBeatsPerBar) return result;
    // Each kind of evidence on its own: the mean, for each beat of the bar, over the song.
    const auto perBeatOfBar = [](const std::vector<double>& values) {
        std::array<double, kBeatsPerBar> score{};
        std::array<int, kBeatsPerBar> counts{};
        for (size_t k = 0; k < values.size(); ++k) {
            score[k % kBeatsPerBar] += values[k];
            ++counts[k % kBeatsPerBar];
        }
        for (size_t m = 0; m < score.size(); ++m) score[m] /= std::max(1, counts[m]);
        return score;
    };
    int agreed = -1;
    double weakest = 0.0;
    bool disagree = false;
    for (const std::vector<double>* cue : {&evidence.change, &evidence.lowHit}) {
        const std::array<double, kBeatsPerBar> score = perBeatOfBar(*cue);
        std::array<double, kBeatsPerBar> sorted = score;
        std::sort(sorted.begin(), sorted.end());
        const double margin = sorted[2] > 0.0 ? sorted[3] / sorted[2] : 0.0;
        if (margin < kTellingMargin) continue;
        const auto best =
            static_cast<int>(std::max_element(score.begin(), score.end()) - score.begin());
        if (agreed >= 0 && agreed != best) disagree = true;
        weakest = agreed < 0 ? margin : std::min(weakest, margin);
        agreed = best;
    }
    if (agreed < 0 || disagree) return result;
    result.lines.firstDownbeatSeconds = firstBeat + agreed * grid.periodSeconds;
    result.lines.beatsPerBar = kBeatsPerBar;
    // 0.5 at the telling margin, 1 at twice its excess.
    result.confidence = std::clamp(0.5 * (weakest - 1.0) / (kTellingMargin - 1.0), 0.0, 1.0);
    return result;
}

}  // namespace renderer
