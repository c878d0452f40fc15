#include "renderer/analysis/beat_grid.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <numeric>
#include <optional>
#include <span>
#include <vector>

#include "renderer/analysis/bar_lines.h"
#include "renderer/analysis/beat_tracker.h"
#include "renderer/analysis/onset_envelope.h"

namespace renderer {
namespace {

// Onset strengths at a fixed step: the fine envelope, or four of its values summed.
struct Strengths {
    std::span<const float> values;
    double hopSeconds;
};

std::vector<float> coarsened(const std::vector<float>& values, size_t factor) {
    std::vector<float> coarse(values.size() / factor, 0.0f);
    for (size_t i = 0; i < coarse.size(); ++i) {
        for (size_t k = 0; k < factor; ++k) coarse[i] += values[i * factor + k];
    }
    return coarse;
}

// The strengths folded at one period: the mean strength at each phase of the beat, phase 0
// being the time of the first value. Smoothed over three bins, so that one value's chance peak
// does not decide the phase.
struct Fold {
    double periodSeconds = 0.0;
    std::vector<double> bins;

    double binSeconds() const { return periodSeconds / static_cast<double>(bins.size()); }
    size_t peakBin() const {
        return static_cast<size_t>(std::max_element(bins.begin(), bins.end()) - bins.begin());
    }
    double peak() const { return bins[peakBin()]; }
    double contrast() const {
        const double mean =
            std::accumulate(bins.begin(), bins.end(), 0.0) / static_cast<double>(bins.size());
        return mean > 0.0 ? peak() / mean : 0.0;
    }
    // The strength `phaseSeconds` into the beat, read between bins.
    double at(double phaseSeconds) const {
        const auto count = static_cast<long long>(bins.size());
        const double position = phaseSeconds / binSeconds() - 0.5;
        const double below = std::floor(position);
        const auto wrap = [count](long long i) {
            return static_cast<size_t>((i % count + count) % count);
        };
        const auto i = static_cast<long long>(below);
        const double weight = position - below;
        return bins[wrap(i)] * (1.0 - weight) + bins[wrap(i + 1)] * weight;
    }
    // The phase of the strongest bin, refined between its neighbours.
    double peakPhase() const {
        const size_t top = peakBin();
        const size_t count = bins.size();
        const double left = bins[(top + count - 1) % count];
        const double right = bins[(top + 1) % count];
        const double curvature = left - 2.0 * bins[top] + right;
        const double offset = curvature < 0.0 ? 0.5 * (left - right) / curvature : 0.0;
        return (static_cast<double>(top) + 0.5 + offset) * binSeconds();
    }
};

Fold fold(const Strengths& strengths, double periodSeconds) {
    const size_t binCount =
        static_cast<size_t>(std::max(8.0, std::round(periodSeconds / strengths.hopSeconds)));
    Fold result{periodSeconds, std::vector<double>(binCount, 0.0)};
    std::vector<int> counts(binCount, 0);
    const double binsPerValue =
        strengths.hopSeconds / periodSeconds * static_cast<double>(binCount);
    // The position is carried from value to value: folds run hundreds of times a song.
    const auto bins = static_cast<double>(binCount);
    double position = 0.0;
    for (const float value : strengths.values) {
        const size_t bin = std::min(binCount - 1, static_cast<size_t>(position));
        result.bins[bin] += value;
        ++counts[bin];
        position += binsPerValue;
        if (position >= bins) position -= bins;
    }
    for (size_t b = 0; b < binCount; ++b) {
        if (counts[b] > 0) result.bins[b] /= counts[b];
    }
    std::vector<double> smooth(binCount);
    for (size_t b = 0; b < binCount; ++b) {
        smooth[b] = (result.bins[(b + binCount - 1) % binCount] + 2.0 * result.bins[b] +
                     result.bins[(b + 1) % binCount]) /
                    4.0;
    }
    result.bins = std::move(smooth);
    return result;
}

// The period near `roughSeconds` at which the song folds sharpest, and how much sharper it folds
// there than at the periods around it: a steady beat held over a whole song folds to a sharp
// peak at its own period and smears a part in a thousand away from it; a texture without a beat
// folds about as well, or as badly, at any period.
struct PeriodFit {
    double periodSeconds = 0.0;
    double sharpness = 0.0;  // the peak's contrast over the median contrast around it
};

PeriodFit sharpestPeriod(const Strengths& strengths, double roughSeconds, double span) {
    PeriodFit best{roughSeconds, 0.0};
    double bestContrast = -1.0;
    std::vector<double> contrasts;
    const auto search = [&](double centre, double width, int steps) {
        for (int i = -steps; i <= steps; ++i) {
            const double period = centre * (1.0 + width * i / steps);
            const double contrast = fold(strengths, period).contrast();
            contrasts.push_back(contrast);
            if (contrast > bestContrast) {
                bestContrast = contrast;
                best.periodSeconds = period;
            }
        }
    };
    search(roughSeconds, span, static_cast<int>(span * 2000.0));
    const auto middle = contrasts.begin() + std::ssize(contrasts) / 2;
    std::nth_element(contrasts.begin(), middle, contrasts.end());
    best.sharpness = *middle > 0.0 ? bestContrast / *middle : 0.0;
    search(best.periodSeconds, 0.001, 20);
    return best;
}

// Stretches of the song compared with each other for the beat's phase: a twelfth of it, within
// these bounds. Longer stretches average a busy mix's own jitter out.
constexpr double kStretchesWanted = 12.0;
constexpr double kShortestStretchSeconds = 6.0;
constexpr double kLongestStretchSeconds = 12.0;
// Fewer stretches than this say too little: a chance texture can agree with itself over two.
constexpr int kFewestStretches = 4;

// How alike the beat's phase is from one stretch of the song to the next: the stretches'
// envelopes' first Fourier coefficients at the beat period, added up, over the sum of their
// magnitudes. Near 1 when every stretch has its onsets at the same phase; about
// 1 / sqrt(stretches) for onsets at random phases. 0 for too few stretches.
double phaseCoherence(const Strengths& strengths, double periodSeconds) {
    const size_t count = strengths.values.size();
    const double seconds = static_cast<double>(count) * strengths.hopSeconds;
    const auto perStretch = static_cast<size_t>(
        std::clamp(seconds / kStretchesWanted, kShortestStretchSeconds, kLongestStretchSeconds) /
        strengths.hopSeconds);
    if (count / perStretch < static_cast<size_t>(kFewestStretches)) return 0.0;
    std::complex<double> sum;
    double magnitudes = 0.0;
    const double radiansPerValue = 2.0 * std::numbers::pi * strengths.hopSeconds / periodSeconds;
    for (size_t first = 0; first + perStretch <= count; first += perStretch) {
        std::complex<double> stretch;
        for (size_t i = first; i < first + perStretch; ++i) {
            stretch += static_cast<double>(strengths.values[i]) *
                       std::polar(1.0, radiansPerValue * static_cast<double>(i));
        }
        sum += stretch;
        magnitudes += std::abs(stretch);
    }
    return magnitudes > 0.0 ? std::abs(sum) / magnitudes : 0.0;
}

struct Candidate {
    PeriodFit fit;
    double coherence = 0.0;
};

Candidate candidate(const Strengths& coarse, double roughSeconds, double span) {
    Candidate c{sharpestPeriod(coarse, roughSeconds, span), 0.0};
    c.coherence = phaseCoherence(coarse, c.fit.periodSeconds);
    return c;
}

// Tempi outside these are another level of the same pulse (beats grouped, or subdivided).
constexpr double kSlowestBpm = 50.0;
constexpr double kFastestBpm = 200.0;
// The tracker can lock to a pulse that shares only every second or third onset with the beat
// (three beats heard as two, or four as three); the grid weighs these readings too.
constexpr double kOtherReadings[] = {2.0 / 3.0, 3.0 / 4.0, 4.0 / 3.0, 3.0 / 2.0};
// When every second beat is this nearly as strong as the beats between them, beats and half
// beats cannot be told apart by their strength...
constexpr double kAlikeBeatsShare = 0.7;
// ...and the slower reading is taken while it is at least this fast: each of its beats is then
// a beat of the faster reading too, where the faster reading's might fall on half beats. A grid
// slower than this whose half beats are beats too is the beat at half speed.
constexpr double kSlowestAmbiguousBpm = 80.0;

// Another reading replaces the tracker's only when its phase holds clearly better through the
// song: slower readings of the same pulse fold sharper, but they are no more coherent.
constexpr double kClearlyMoreCoherent = 0.15;

// Periods at which the envelope repeats most: the highest peaks of its autocorrelation between
// the slowest and the fastest tempo. They catch a tempo the tracker missed by more than a few
// per cent.
std::vector<double> repeatingPeriods(const Strengths& coarse, size_t count) {
    const auto shortest = static_cast<size_t>(60.0 / (2.0 * kFastestBpm) / coarse.hopSeconds);
    const auto longest = static_cast<size_t>(60.0 / kSlowestBpm / coarse.hopSeconds);
    const std::span<const float> v = coarse.values;
    if (v.size() < 2 * longest) return {};
    double mean = 0.0;
    for (const float value : v) mean += value;
    mean /= static_cast<double>(v.size());
    std::vector<double> correlation(longest + 2, 0.0);
    for (size_t lag = shortest - 1; lag <= longest + 1; ++lag) {
        double sum = 0.0;
        for (size_t i = 0; i + lag < v.size(); ++i) sum += (v[i] - mean) * (v[i + lag] - mean);
        correlation[lag] = sum / static_cast<double>(v.size() - lag);
    }
    std::vector<std::pair<double, size_t>> peaks;
    for (size_t lag = shortest; lag <= longest; ++lag) {
        if (correlation[lag] > correlation[lag - 1] && correlation[lag] >= correlation[lag + 1] &&
            correlation[lag] > 0.0) {
            peaks.emplace_back(correlation[lag], lag);
        }
    }
    std::sort(peaks.rbegin(), peaks.rend());
    std::vector<double> periods;
    for (size_t i = 0; i < std::min(count, peaks.size()); ++i) {
        periods.push_back(static_cast<double>(peaks[i].second) * coarse.hopSeconds);
    }
    return periods;
}

// Whether `period` is the tracker's `tracked` period doubled or halved, once or more: such a
// reading shares every beat with the tracker's, where others share every second or third.
bool sameOctaves(double period, double tracked) {
    const double octaves = std::log2(period / tracked);
    return std::round(octaves) != 0.0 && std::abs(octaves - std::round(octaves)) < 0.015;
}

// The period that reads the song's pulse best: the tracker's rough period, the readings that
// share every second or third onset with it, and the envelope's own most repeated periods. Of
// the readings clearly more coherent than the tracker's, an octave of the tracker's is taken
// over another that is not clearly more coherent than it.
Candidate bestReading(const Strengths& coarse, double roughSeconds) {
    const Candidate tracked = candidate(coarse, roughSeconds, 0.04);
    Candidate best = tracked;
    std::optional<Candidate> octave;
    const auto consider = [&](double period, double span) {
        const double tempo = 60.0 / period;
        if (tempo < kSlowestBpm || tempo > 2.0 * kFastestBpm) return;
        const Candidate other = candidate(coarse, period, span);
        if (other.coherence <= tracked.coherence + kClearlyMoreCoherent) return;
        if (other.coherence > best.coherence + kClearlyMoreCoherent) best = other;
        if (sameOctaves(other.fit.periodSeconds, tracked.fit.periodSeconds) &&
            (!octave || other.coherence > octave->coherence)) {
            octave = other;
        }
    };
    for (const double ratio : kOtherReadings) consider(roughSeconds * ratio, 0.02);
    for (const double period : repeatingPeriods(coarse, 3)) consider(period, 0.02);
    if (octave && octave->coherence >= best.coherence - kClearlyMoreCoherent) return *octave;
    return best;
}

// How strong every second beat is against the strongest, on the fold at two beats.
double alternateBeatShare(const Strengths& strengths, double periodSeconds) {
    const Fold twoBeats = fold(strengths, 2.0 * periodSeconds);
    return twoBeats.at(twoBeats.peakPhase() + periodSeconds) / twoBeats.peak();
}

// The fold peaks this long after the onsets it comes from: the energy follower's lag.
constexpr double kEnvelopeLatencySeconds = 0.003;

// A confidence of 0.5 at each measure's threshold, 1 well above it (or, for the drift, at none).
constexpr double kTrustedCoherence = 0.40;
constexpr double kTrustedSharpness = 1.25;

// A beat held through the song keeps its tempo from one half of the song to the other: the
// period each half folds sharpest at moves the whole song's beat by at most this much across
// that half. Songs, tracker modules and loops measured at most 0.014 beats; speech whose onsets
// fold well by chance at some period 0.47 beats and more.
constexpr double kHeldTempoBeats = 0.05;

// How far, in beats across a half, the tempo of either half of the song strays from `period`.
double halfTempoDrift(const Strengths& strengths, double period) {
    const size_t half = strengths.values.size() / 2;
    const double halfSeconds = static_cast<double>(half) * strengths.hopSeconds;
    double worst = 0.0;
    for (const size_t first : {size_t{0}, half}) {
        const Strengths part{strengths.values.subspan(first, half), strengths.hopSeconds};
        const PeriodFit fit = sharpestPeriod(part, period, 0.04);
        worst = std::max(worst,
                         std::abs(fit.periodSeconds - period) / period * halfSeconds / period);
    }
    return worst;
}

double confidenceOf(const Candidate& c, double halfDrift) {
    return std::clamp(std::min({c.coherence / (2.0 * kTrustedCoherence),
                                (c.fit.sharpness - 1.0) / (2.0 * (kTrustedSharpness - 1.0)),
                                1.0 - halfDrift / (2.0 * kHeldTempoBeats)}),
                      0.0, 1.0);
}

// The strongest value of `folded` within `reach` seconds of `phase`.
double strongestNear(const Fold& folded, double phase, double reach) {
    double strongest = 0.0;
    for (double offset = -reach; offset <= reach; offset += folded.binSeconds() / 2.0) {
        strongest = std::max(strongest, folded.at(phase + offset));
    }
    return strongest;
}

// Music most often opens on a beat: when the first onset falls on one of the two phases and
// not the other, that phase's weight is multiplied by this. A song opening with a pickup half a
// beat early still gets the phase its onsets show when they show it clearly. On the recordings
// checked, the phase a pickup fell on weighed 0.23 of the true one; syncopated loops (kicks on
// the and of three, accents between the beats) that open on their beat weighed 0.34 to 0.68 of
// their off-beat.
constexpr double kOpeningOnsetWeight = 3.5;

// Whether `phase` lies within `reach` of `target`, a beat being `period` long.
bool nearPhase(double phase, double target, double period, double reach) {
    const double apart = std::abs(std::remainder(phase - target, period));
    return apart <= reach;
}

// A low band whose level falls this far between its hits (10 dB) hits on those beats; a held
// bass note does not.
const double kLowHitDepth = std::log(10.0);

// Whether a slow grid's half beats are beats of their own: nearly as strong as its beats in the
// onsets, or as loud low down, where the low band falls clearly between them (a kick on every
// beat, and the snare on every second one).
bool halfBeatsAreBeats(const OnsetEnvelope& envelope, double period) {
    if (alternateBeatShare(Strengths{envelope.strength, envelope.hopSeconds}, period / 2.0) >=
        kAlikeBeatsShare) {
        return true;
    }
    std::vector<float> lowLevels;
    lowLevels.reserve(envelope.bandLevels.size());
    for (const auto& levels : envelope.bandLevels) lowLevels.push_back(levels[0]);
    const Fold low = fold(Strengths{lowLevels, envelope.hopSeconds}, period);
    const double trough = *std::min_element(low.bins.begin(), low.bins.end());
    const double onBeat = low.peak() - trough;
    const double onHalf = low.at(low.peakPhase() + period / 2.0) - trough;
    return onBeat >= kLowHitDepth && onHalf >= kAlikeBeatsShare * onBeat;
}

// The phase of the beat. The strongest phase of the whole fold is a beat or, in busy music where
// guitars, bass and hi-hats play between the beats, just as often the half beat. Of the two, the
// beat is where the onsets and the weight low down agree best, where the bar's hardest low hit
// (its one, most often) falls, and where the song's first onset falls.
double beatPhase(const OnsetEnvelope& envelope, double period) {
    const Fold all = fold(Strengths{envelope.strength, envelope.hopSeconds}, period);
    const Strengths lows{envelope.lowStrength, envelope.hopSeconds};
    const Fold low = fold(lows, period);
    const Fold lowBar = fold(lows, 4.0 * period);
    const double peak = all.peakPhase();
    const double half = std::fmod(peak + period / 2.0, period);
    const double reach = period / 16.0;
    const auto weight = [&](double phase) {
        double hardestInBar = 0.0;
        for (int beat = 0; beat < 4; ++beat) {
            hardestInBar =
                std::max(hardestInBar, strongestNear(lowBar, phase + beat * period, reach));
        }
        return strongestNear(all, phase, reach) * strongestNear(low, phase, reach) * hardestInBar;
    };
    double peakWeight = weight(peak);
    double halfWeight = weight(half);
    if (const std::optional<double> opening = firstOnsetSeconds(envelope)) {
        const double openingReach = period / 8.0;
        const double phase = *opening - envelope.startSeconds;
        const bool onPeak = nearPhase(phase, peak, period, openingReach);
        const bool onHalf = nearPhase(phase, half, period, openingReach);
        if (onPeak && !onHalf) peakWeight *= kOpeningOnsetWeight;
        if (onHalf && !onPeak) halfWeight *= kOpeningOnsetWeight;
    }
    if (halfWeight <= peakWeight) return peak;
    // The half beat's own peak, as finely as the fold allows.
    double best = half;
    for (double offset = -period / 16.0; offset <= period / 16.0;
         offset += all.binSeconds() / 4.0) {
        if (all.at(half + offset) > all.at(best)) best = half + offset;
    }
    return std::fmod(best + period, period);
}

}  // namespace

double BeatGrid::nearestOnset(double seconds) const {
    return anchorSeconds + periodSeconds * std::round((seconds - anchorSeconds) / periodSeconds);
}

double BarLines::nearestOnset(const BeatGrid& grid, double seconds) const {
    const double bar = grid.periodSeconds * beatsPerBar;
    return firstDownbeatSeconds + bar * std::round((seconds - firstDownbeatSeconds) / bar);
}

SongBeats analyseSongBeats(ConstSampleSpan samples, long long firstFrame, long long endFrame) {
    const OnsetEnvelope envelope = onsetEnvelope(samples, firstFrame, endFrame);
    SongBeats result;
    const double rough = trackedBeatPeriod(envelope);
    if (!(rough > 0.0)) return result;
    const std::vector<float> coarseValues = coarsened(envelope.strength, 4);
    const Strengths coarse{coarseValues, envelope.hopSeconds * 4};
    const Strengths fine{envelope.strength, envelope.hopSeconds};

    Candidate reading = bestReading(coarse, rough);
    double period = reading.fit.periodSeconds;
    while (60.0 / period > kFastestBpm) period *= 2.0;
    const double alternate = alternateBeatShare(fine, period);
    if (alternate >= kAlikeBeatsShare && 60.0 / (2.0 * period) >= kSlowestAmbiguousBpm) {
        period *= 2.0;
    } else if (60.0 / period < kSlowestAmbiguousBpm && halfBeatsAreBeats(envelope, period)) {
        period /= 2.0;
    }
    if (period != reading.fit.periodSeconds) reading = candidate(coarse, period, 0.01);
    // The phase, the last digits of the period and the sharpness the confidence rests on, from
    // the fine envelope.
    reading.fit = sharpestPeriod(fine, reading.fit.periodSeconds, 0.04);
    period = reading.fit.periodSeconds;
    const double phase =
        std::fmod(beatPhase(envelope, period) - kEnvelopeLatencySeconds + period, period);

    result.tempoBpm = 60.0 / period;
    result.confidence = confidenceOf(reading, halfTempoDrift(fine, period));
    if (result.confidence < trustedConfidence) return result;
    const BeatGrid grid{envelope.startSeconds + phase, period};
    result.grid = grid;
    result.firstBeatSeconds = grid.anchorSeconds;
    const BarEvidence bars = findBarLines(samples, envelope, grid);
    result.barConfidence = bars.confidence;
    if (bars.confidence >= trustedConfidence) result.bars = bars.lines;
    return result;
}

}  // namespace renderer
