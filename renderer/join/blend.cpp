#include "renderer/join/blend.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <span>
#include <string>

#include "renderer/base/frames.h"
#include "renderer/stretch/time_stretch.h"

namespace renderer {
namespace {

constexpr double kRate = targetSampleRate;
// Tempos this close are matched by stretching the outgoing song; further apart it would be
// heard as a tempo change rather than a mix.
constexpr double kMatchTolerance = 0.08;
// Beats over which the outgoing song eases from its own tempo into the incoming one: at most 8 %
// over four beats is a change of 2 % a beat, which no one hears as a step.
constexpr int kRampBeats = 4;
// The stretched tail replaces the song's own audio under a crossfade this long, so the splice
// is not heard; the stretcher sees this much before the ramp.
constexpr double kSpliceSeconds = 0.05;
// Below this the two basslines are swapped rather than mixed.
constexpr double kBassCutoffHz = 200.0;
// Shorter overlaps are no blend: the songs are cut.
constexpr double kShortestOverlapSeconds = 0.1;
// Stretch ratios this close to 1 are not worth a stretch: the beats drift less than a
// millisecond over a blend.
constexpr double kNoStretchTolerance = 0.0005;

std::string bpm(double periodSeconds) {
    return std::to_string(static_cast<int>(std::lround(60.0 / periodSeconds)));
}

// The outgoing song's beat period as the incoming song counts: its own, or its half or double
// beats where that is what lies near the incoming tempo.
std::optional<double> matchedPeriod(const BeatGrid& outgoing, const BeatGrid& incoming) {
    for (const double factor : {1.0, 0.5, 2.0}) {
        const double period = outgoing.periodSeconds * factor;
        if (std::abs(period / incoming.periodSeconds - 1.0) <= kMatchTolerance) return period;
    }
    return std::nullopt;
}

// Whole beats of the incoming song the request asks the blend to last.
double askedBeats(const std::optional<common::RequestLength>& length, double period) {
    if (!length) return defaultBlendBeats;
    switch (length->unit) {
        case common::LengthUnit::beats:
            return std::max(1.0, std::round(length->count));
        case common::LengthUnit::bars:
            return std::max(1.0, std::round(length->count * 4.0));
        case common::LengthUnit::seconds:
            return std::max(1.0, std::round(length->count / period));
    }
    return defaultBlendBeats;
}

// A second-order Butterworth low-pass at the bass cut-off.
class LowPass {
public:
    LowPass() {
        const double k = std::tan(std::numbers::pi * kBassCutoffHz / kRate);
        const double norm = 1.0 / (1.0 + std::numbers::sqrt2 * k + k * k);
        b0_ = k * k * norm;
        b1_ = 2.0 * b0_;
        a1_ = 2.0 * (k * k - 1.0) * norm;
        a2_ = (1.0 - std::numbers::sqrt2 * k + k * k) * norm;
    }
    double run(double x) {
        const double y = b0_ * x + z1_;
        z1_ = b1_ * x - a1_ * y + z2_;
        z2_ = b0_ * x - a2_ * y;
        return y;
    }

private:
    double b0_ = 0.0, b1_ = 0.0, a1_ = 0.0, a2_ = 0.0;
    double z1_ = 0.0, z2_ = 0.0;
};

// The bass of interleaved stereo: the low-pass run forwards and then backwards, so that the
// bass keeps its phase and the song less its bass holds none of it. (Run one way only, the
// low-pass turns the kick's phase, and the song less that "bass" still holds more kick than the
// song itself: the two songs' kicks then meet in the middle of the blend.)
std::vector<float> bassOf(std::span<const float> samples) {
    std::vector<float> bass(samples.size());
    const size_t frames = samples.size() / targetChannels;
    for (size_t c = 0; c < static_cast<size_t>(targetChannels); ++c) {
        LowPass forwards;
        LowPass backwards;
        for (size_t f = 0; f < frames; ++f) {
            const size_t i = f * targetChannels + c;
            bass[i] = static_cast<float>(forwards.run(samples[i]));
        }
        for (size_t f = frames; f-- > 0;) {
            const size_t i = f * targetChannels + c;
            bass[i] = static_cast<float>(backwards.run(bass[i]));
        }
    }
    return bass;
}

// Equal-power gains of the two songs at `t` (0 to 1) through the overlap.
double outgoingGain(double t) { return std::cos(t * std::numbers::pi / 2.0); }
double incomingGain(double t) { return std::sin(t * std::numbers::pi / 2.0); }

JoinPlan noBlend(const BlendSong& outgoing, const BlendSong& incoming) {
    JoinPlan plan;
    plan.outgoingFramesBefore = songFrames(outgoing.segment);
    plan.report.whyNot = "song " + std::to_string(outgoing.number) + " or song " +
                         std::to_string(incoming.number) + " is too short to overlap";
    return plan;
}

// The last `seconds` of the outgoing song under the first of the incoming one.
JoinPlan crossfade(const BlendSong& outgoing, const BlendSong& incoming, double seconds,
                    std::string whyNot) {
    const long long outgoingFrames = songFrames(outgoing.segment);
    const long long overlap =
        std::min({toFrames(seconds), outgoingFrames - 1, songFrames(incoming.segment)});
    if (overlap < toFrames(kShortestOverlapSeconds)) return noBlend(outgoing, incoming);
    JoinPlan plan;
    plan.style = "crossfade";
    plan.outgoingFramesBefore = outgoingFrames - overlap;
    plan.mixedFrames = overlap;
    plan.incomingResumeFrame = overlap;
    plan.report.style = plan.style;
    plan.report.seconds = static_cast<double>(overlap) / kRate;
    plan.report.whyNot = std::move(whyNot);
    return plan;
}

std::vector<float> renderCrossfade(const JoinPlan& plan, const BlendSong& outgoing,
                                   const BlendSong& incoming) {
    std::vector<float> mixed(static_cast<size_t>(plan.mixedFrames) * targetChannels);
    const size_t tail = static_cast<size_t>(plan.outgoingFramesBefore) * targetChannels;
    for (size_t i = 0; i < mixed.size(); ++i) {
        const double t =
            static_cast<double>(i / targetChannels) / static_cast<double>(plan.mixedFrames);
        mixed[i] = static_cast<float>(outgoing.gain * outgoingGain(t) * outgoing.segment[tail + i] +
                                      incoming.gain * incomingGain(t) * incoming.segment[i]);
    }
    return mixed;
}

// The beat of `bars` a beat at `seconds` is, counted from the bar line (0 for a downbeat).
int beatOfBar(const BarLines& bars, double period, double seconds) {
    const auto beat = std::lround((seconds - bars.firstDownbeatSeconds) / period);
    return static_cast<int>(((beat % bars.beatsPerBar) + bars.beatsPerBar) % bars.beatsPerBar);
}

// How the outgoing tail maps onto the blend's time, in seconds from the outgoing song's first
// frame: unchanged up to the ramp, then its beats easing from its own period into the incoming
// one, then the incoming period through the blend.
struct TailPlan {
    double spliceStart = 0.0;  // where the blended audio begins
    double blendStartOut = 0.0;
    double endOut = 0.0;  // where the outgoing song's stretched cut ends
    std::map<size_t, size_t> keyFrames;  // from spliceStart, in frames
    bool stretched = false;
};

TailPlan tailPlan(double endBeat, double end, double period, double incomingPeriod, int beats,
                  double incomingLead) {
    TailPlan plan;
    const double blendStart = endBeat - beats * period;
    plan.stretched = std::abs(incomingPeriod / period - 1.0) > kNoStretchTolerance;
    const double lead = std::max(kSpliceSeconds, incomingLead + 0.01);
    const int ramp =
        plan.stretched
            ? std::clamp(static_cast<int>((blendStart - lead) / period), 0, kRampBeats)
            : 0;
    const double rampStart = blendStart - ramp * period;
    plan.spliceStart = std::max(0.0, rampStart - lead);
    const auto key = [&](double source, double output) {
        plan.keyFrames[static_cast<size_t>(toFrames(source - plan.spliceStart))] =
            static_cast<size_t>(toFrames(output - plan.spliceStart));
    };
    double source = rampStart;
    double output = rampStart;
    key(source, output);
    for (int i = 1; i <= ramp; ++i) {
        // A smooth step: the tempo leaves its own and arrives at the new one without a jump.
        const double x = (i - 0.5) / ramp;
        const double eased = x * x * (3.0 - 2.0 * x);
        source += period;
        output += period + (incomingPeriod - period) * eased;
        key(source, output);
    }
    plan.blendStartOut = output;
    for (int i = 1; i <= beats; ++i) {
        source += period;
        output += incomingPeriod;
        key(source, output);
    }
    plan.endOut = plan.stretched ? output + (end - endBeat) * incomingPeriod / period : end;
    if (!plan.stretched) plan.blendStartOut = blendStart;
    plan.keyFrames.erase(plan.keyFrames.begin());  // the start maps to the start anyway
    return plan;
}

JoinPlan beatMatched(const BlendSong& outgoing, const BlendSong& incoming, double period,
                      double beats) {
    const double incomingPeriod = incoming.grid->periodSeconds;
    const double end = static_cast<double>(songFrames(outgoing.segment)) / kRate;
    const double incomingEnd = static_cast<double>(songFrames(incoming.segment)) / kRate;
    BeatGrid outgoingBeats = *outgoing.grid;
    outgoingBeats.periodSeconds = period;
    const double endBeat = outgoingBeats.nearestOnset(end);
    const double incomingBeat = incoming.grid->nearestOnset(0.0);

    // As many beats as both songs hold, with room for the splice before the blend.
    const int mostBeats = static_cast<int>(std::min(
        std::floor((endBeat - std::max(incomingBeat, 0.0) - kSpliceSeconds - 0.02) / period),
        std::floor((incomingEnd - incomingBeat - std::max(end - endBeat, 0.0) - 0.05) /
                   incomingPeriod)));
    int count = std::min(static_cast<int>(beats), mostBeats);
    if (count < 1) return noBlend(outgoing, incoming);
    // Bar lines on bar lines: the blend may start up to two beats earlier or later than asked.
    const bool sameBeats = period == outgoing.grid->periodSeconds;
    if (outgoing.bars && incoming.bars && sameBeats &&
        outgoing.bars->beatsPerBar == incoming.bars->beatsPerBar) {
        const int wanted = beatOfBar(*incoming.bars, incomingPeriod, incomingBeat);
        for (const int change : {0, 1, -1, 2, -2}) {
            const int candidate = count + change;
            if (candidate < 1 || candidate > mostBeats) continue;
            if (beatOfBar(*outgoing.bars, period, endBeat - candidate * period) == wanted) {
                count = candidate;
                break;
            }
        }
    }

    const TailPlan tail = tailPlan(endBeat, end, period, incomingPeriod, count, incomingBeat);
    JoinPlan plan;
    plan.style = "blend";
    plan.stretched = tail.stretched;
    plan.keyFrames = tail.keyFrames;
    plan.incomingBeatSeconds = incomingPeriod;
    plan.outgoingFramesBefore = toFrames(tail.spliceStart);
    plan.mixedFrames = toFrames(tail.endOut - tail.spliceStart);
    plan.incomingStartInMix = toFrames(tail.blendStartOut - incomingBeat - tail.spliceStart);
    plan.incomingResumeFrame =
        std::min(plan.mixedFrames - plan.incomingStartInMix, songFrames(incoming.segment));
    plan.report.style = plan.style;
    plan.report.beats = count;
    plan.report.seconds = static_cast<double>(plan.mixedFrames - plan.incomingStartInMix) / kRate;
    if (tail.stretched) {
        const double ownTempo = outgoing.grid->tempoBpm();
        plan.report.tempoFromBpm = ownTempo;
        plan.report.tempoToBpm = ownTempo * period / incomingPeriod;
    }
    return plan;
}

// The outgoing tail from the splice on, stretched where the plan says, in 16-bit units.
std::vector<float> outgoingTail(const JoinPlan& plan, ConstSampleSpan original) {
    std::vector<float> tail(original.begin(), original.end());
    if (!plan.stretched) {
        tail.resize(static_cast<size_t>(plan.mixedFrames) * targetChannels, 0.0f);
        return tail;
    }
    for (float& sample : tail) sample /= 32768.0f;
    std::vector<float> stretched =
        stretchStereo(tail, static_cast<size_t>(plan.mixedFrames), plan.keyFrames, 1.0,
                      StretchWindow::shortWindow);
    // The stretched audio takes over from the song's own under a short crossfade.
    const auto splice = static_cast<size_t>(toFrames(kSpliceSeconds));
    for (size_t i = 0; i < stretched.size(); ++i) {
        const size_t frame = i / targetChannels;
        const double w =
            frame < splice ? static_cast<double>(frame) / static_cast<double>(splice) : 1.0;
        const double own = i < tail.size() ? tail[i] : 0.0;
        stretched[i] = static_cast<float>(32768.0 * ((1.0 - w) * own + w * stretched[i]));
    }
    return stretched;
}

std::vector<float> renderBeatMatched(const JoinPlan& plan, const BlendSong& outgoing,
                                     const BlendSong& incoming) {
    const std::vector<float> tail = outgoingTail(
        plan, outgoing.segment.subspan(static_cast<size_t>(plan.outgoingFramesBefore) *
                                       targetChannels));
    std::vector<float> mixed(tail.size());
    const long long overlap = plan.mixedFrames - plan.incomingStartInMix;
    const double middle = 0.5 * static_cast<double>(overlap) / kRate;
    const long long incomingFrames = songFrames(incoming.segment);
    const std::vector<float> outgoingBass = bassOf(tail);
    // The incoming bass a little past the overlap, so that the backward run has settled there.
    const ConstSampleSpan incomingHead = incoming.segment.first(
        static_cast<size_t>(std::min(overlap + toFrames(0.5), incomingFrames)) * targetChannels);
    const std::vector<float> incomingAudio(incomingHead.begin(), incomingHead.end());
    const std::vector<float> incomingBass = bassOf(incomingAudio);
    for (long long m = 0; m < plan.mixedFrames; ++m) {
        const long long f = m - plan.incomingStartInMix;
        const double t = f < 0 ? 0.0 : static_cast<double>(f) / static_cast<double>(overlap);
        // The basslines swap over one beat around the middle of the blend.
        const double swap = std::clamp(
            (static_cast<double>(f) / kRate - middle) / plan.incomingBeatSeconds + 0.5, 0.0, 1.0);
        for (int c = 0; c < targetChannels; ++c) {
            const size_t i = static_cast<size_t>(m) * targetChannels + static_cast<size_t>(c);
            const double a = tail[i];
            if (f < 0) {
                mixed[i] = static_cast<float>(outgoing.gain * a);
                continue;
            }
            const size_t j = static_cast<size_t>(f) * targetChannels + static_cast<size_t>(c);
            const bool inIncoming = j < incomingAudio.size();
            const double b = inIncoming ? incomingAudio[j] : 0.0;
            const double bLow = inIncoming ? incomingBass[j] : 0.0;
            const double aLow = outgoingBass[i];
            const double outgoingPart = (1.0 - swap) * aLow + outgoingGain(t) * (a - aLow);
            const double incomingPart = swap * bLow + incomingGain(t) * (b - bLow);
            mixed[i] = static_cast<float>(outgoing.gain * outgoingPart +
                                          incoming.gain * incomingPart);
        }
    }
    return mixed;
}

}  // namespace

JoinPlan planBlend(const BlendSong& outgoing, const BlendSong& incoming,
                    const std::optional<common::RequestLength>& length) {
    std::string whyNot;
    if (outgoing.grid && incoming.grid) {
        if (const std::optional<double> period = matchedPeriod(*outgoing.grid, *incoming.grid)) {
            return beatMatched(outgoing, incoming, *period,
                               askedBeats(length, incoming.grid->periodSeconds));
        }
        whyNot = "the tempos are too far apart (" + bpm(outgoing.grid->periodSeconds) + " and " +
                 bpm(incoming.grid->periodSeconds) + " BPM)";
    } else {
        const int without = outgoing.grid ? incoming.number : outgoing.number;
        whyNot = !outgoing.grid && !incoming.grid
                     ? "no steady beat in song " + std::to_string(outgoing.number) + " or song " +
                           std::to_string(incoming.number)
                     : "no steady beat in song " + std::to_string(without);
    }
    // Beats of whichever song has a grid, else seconds.
    const std::optional<BeatGrid>& grid = incoming.grid ? incoming.grid : outgoing.grid;
    double seconds = defaultCrossfadeSeconds;
    if (length && length->unit == common::LengthUnit::seconds) {
        seconds = length->count;
    } else if (length && grid) {
        seconds = askedBeats(length, grid->periodSeconds) * grid->periodSeconds;
    }
    return crossfade(outgoing, incoming, seconds, std::move(whyNot));
}

std::vector<float> renderBlend(const JoinPlan& plan, const BlendSong& outgoing,
                               const BlendSong& incoming) {
    if (plan.style == "blend") return renderBeatMatched(plan, outgoing, incoming);
    if (plan.style == "crossfade") return renderCrossfade(plan, outgoing, incoming);
    return {};
}

}  // namespace renderer
