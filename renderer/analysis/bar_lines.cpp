#include "renderer/analysis/bar_lines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
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
    // How much the sound after each beat differs from the sound a bar later, against how much
    // it differs from the sound a beat later: near 0 where every bar sounds the same.
    double barRepeat = 1.0;
    // How exactly the recording repeats itself every few bars from beginning to end: the
    // largest difference between the sound after a beat and the sound one, two, four or eight
    // bars later (whichever repeats best), against the mean difference a beat later.
    double loopRepeat = 1.0;
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
    std::vector<std::vector<double>> afters;
    for (double beat = firstBeat;; beat += grid.periodSeconds) {
        const auto frame = static_cast<long long>(std::llround(beat * targetSampleRate));
        if (frame + windowFrames > frames) break;
        if (frame - windowFrames < 0) {
            evidence.change.push_back(0.0);
            evidence.lowHit.push_back(0.0);
            afters.emplace_back();
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
        afters.push_back(after);
    }
    const auto distance = [&](size_t a, size_t b) {
        double sum = 0.0;
        for (size_t bin = 0; bin < afters[a].size(); ++bin)
            sum += std::abs(afters[a][bin] - afters[b][bin]);
        return sum;
    };
    double barApart = 0.0;
    double beatApart = 0.0;
    int pairs = 0;
    for (size_t k = 0; k + kBeatsPerBar < afters.size(); ++k) {
        if (afters[k].empty()) continue;
        barApart += distance(k, k + kBeatsPerBar);
        beatApart += distance(k, k + 1);
        ++pairs;
    }
    if (!(beatApart > 0.0)) return evidence;
    evidence.barRepeat = barApart / beatApart;
    const double beatApartMean = beatApart / pairs;
    for (const size_t bars : {1, 2, 4, 8}) {
        const size_t lag = bars * kBeatsPerBar;
        // A repeat shows only where the recording is seen to repeat at least twice over.
        if (afters.size() < 2 * lag) break;
        double largest = 0.0;
        for (size_t k = 0; k + lag < afters.size(); ++k) {
            if (!afters[k].empty()) largest = std::max(largest, distance(k, k + lag));
        }
        evidence.loopRepeat = std::min(evidence.loopRepeat, largest / beatApartMean);
    }
    return evidence;
}

// A beat of the bar is told by a kind of evidence when it stands this far above the next.
constexpr double kTellingMargin = 1.08;
// The low hits tell a pair of beats (one and three, where the kicks fall) when that pair's hits
// are this much harder than the other pair's.
constexpr double kPairMargin = 1.3;
// Bars sound alike when the sound a bar on differs this little from the sound a beat on: the
// harmony does not change at their lines then, and what changes across a beat is the drums'
// pattern inside the bar. Drum loops of one or four bars, tiled, measured 0.03 to 0.14; loops
// whose bars differ 0.6 to 0.9; produced songs and tracker modules 0.8 to 1.35.
constexpr double kAlikeBars = 0.5;
// A recording that repeats itself this exactly is a loop tiled: tiled drum loops measured 0.01
// to 0.25; produced songs, tracker modules and generated songs 0.88 and above.
constexpr double kLoopRepeat = 0.5;
// The song's first onset counts for its bar's first beat when it lies this near a beat.
constexpr double kOpeningReachBeats = 0.125;

using Score = std::array<double, kBeatsPerBar>;
using Beats = std::array<bool, kBeatsPerBar>;  // the beats of the bar a cue allows

// The mean of `values` for each beat of the bar, over the song.
Score perBeatOfBar(const std::vector<double>& values) {
    Score score{};
    std::array<int, kBeatsPerBar> counts{};
    for (size_t k = 0; k < values.size(); ++k) {
        score[k % kBeatsPerBar] += values[k];
        ++counts[k % kBeatsPerBar];
    }
    for (size_t m = 0; m < score.size(); ++m) score[m] /= std::max(1, counts[m]);
    return score;
}

// The kinds of evidence: what the harmony does, what the low hits do, where the song opens.
enum class Kind { harmony, low, opening };

// What one cue says: the beats it allows, and its confidence (0.5 at its margin).
struct Cue {
    Kind kind = Kind::harmony;
    Beats allows{};
    double confidence = 0.0;
};

double marginConfidence(double margin, double telling) {
    return std::clamp(0.5 * (margin - 1.0) / (telling - 1.0), 0.0, 1.0);
}

// The one beat that stands out in `score`, when it does.
std::optional<Cue> strongestBeat(const Score& score, Kind kind) {
    Score sorted = score;
    std::sort(sorted.begin(), sorted.end());
    const double margin = sorted[2] > 0.0 ? sorted[3] / sorted[2] : 0.0;
    if (margin < kTellingMargin) return std::nullopt;
    Cue cue{kind};
    cue.allows[static_cast<size_t>(std::max_element(score.begin(), score.end()) - score.begin())] =
        true;
    cue.confidence = marginConfidence(margin, kTellingMargin);
    return cue;
}

// The pair of beats two apart (one and three, or two and four) that stands out in the low
// hits, when one does.
std::optional<Cue> strongestPair(const Score& score) {
    const double even = score[0] + score[2];
    const double odd = score[1] + score[3];
    const double margin =
        std::min(even, odd) > 0.0 ? std::max(even, odd) / std::min(even, odd) : 0.0;
    if (margin < kPairMargin) return std::nullopt;
    Cue cue{Kind::low};
    const size_t first = even > odd ? 0 : 1;
    cue.allows[first] = cue.allows[first + 2] = true;
    cue.confidence = marginConfidence(margin, kPairMargin);
    return cue;
}

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

    std::optional<Cue> opening;
    if (const std::optional<double> onset = firstOnsetSeconds(envelope)) {
        const double beats = (*onset - firstBeat) / grid.periodSeconds;
        if (std::abs(beats - std::round(beats)) <= kOpeningReachBeats) {
            opening = Cue{Kind::opening};
            const auto beat = static_cast<long long>(std::llround(beats));
            opening->allows[static_cast<size_t>(
                (beat % kBeatsPerBar + kBeatsPerBar) % kBeatsPerBar)] = true;
            opening->confidence = 1.0;
        }
    }
    Beats allowed;
    allowed.fill(true);
    double confidence = 1.0;
    if (opening && evidence.loopRepeat < kLoopRepeat) {
        // A loop is cut on its bar line, and a tiled loop shows that line only where it starts:
        // its harmony and kicks tell the pattern inside the loop, the same in every pass.
        allowed = opening->allows;
        confidence = 1.0 - evidence.loopRepeat;
    } else {
        std::vector<Cue> cues;
        const Score lowHit = perBeatOfBar(evidence.lowHit);
        if (evidence.barRepeat >= kAlikeBars) {
            const Score change = perBeatOfBar(evidence.change);
            if (const auto cue = strongestBeat(change, Kind::harmony)) cues.push_back(*cue);
        }
        if (const auto cue = strongestBeat(lowHit, Kind::low)) cues.push_back(*cue);
        if (const auto cue = strongestPair(lowHit)) cues.push_back(*cue);
        if (opening) cues.push_back(*opening);
        // Elsewhere the bars are told when at least two kinds of evidence agree on one beat and
        // no cue says otherwise: a single kind is as often a pattern inside the bar as its line.
        std::array<bool, 3> kinds{};
        for (const Cue& cue : cues) {
            for (size_t m = 0; m < allowed.size(); ++m) allowed[m] = allowed[m] && cue.allows[m];
            confidence = std::min(confidence, cue.confidence);
            kinds[static_cast<size_t>(cue.kind)] = true;
        }
        if (std::count(kinds.begin(), kinds.end(), true) < 2) return result;
    }
    if (std::count(allowed.begin(), allowed.end(), true) != 1) return result;
    const auto agreed = std::find(allowed.begin(), allowed.end(), true) - allowed.begin();
    result.lines.firstDownbeatSeconds =
        firstBeat + static_cast<double>(agreed) * grid.periodSeconds;
    result.lines.beatsPerBar = kBeatsPerBar;
    result.confidence = confidence;
    return result;
}

}  // namespace renderer
