#include "renderer/join/effect_join.h"

#include <algorithm>

#include "renderer/base/frames.h"
#include "renderer/effects/backspin.h"
#include "renderer/effects/echo_out.h"
#include "renderer/effects/scratch.h"
#include "renderer/effects/stutter.h"
#include "renderer/effects/tape_stop.h"
#include "renderer/job/render_job.h"

namespace renderer {
namespace {

constexpr double kRate = targetSampleRate;
// One beat where a song has no trusted grid; a tape stop and a backspin have times of their own.
constexpr double kBeatWithoutGrid = 0.5;

// The asked length in seconds, counted in beats of `beat`; the default where none is asked.
double askedSeconds(const std::optional<common::RequestLength>& length, double beat,
                    double defaultSeconds) {
    if (!length) return defaultSeconds;
    switch (length->unit) {
        case common::LengthUnit::beats:
            return length->count * beat;
        case common::LengthUnit::bars:
            return length->count * 4.0 * beat;
        case common::LengthUnit::seconds:
            return length->count;
    }
    return defaultSeconds;
}

// The effect's own beats: what it lasts by default, in beats, and how much of the song before
// the cut end it must have.
struct EffectShape {
    double defaultBeats = 1.0;
    std::optional<double> secondsWithoutGrid;  // instead of defaultBeats × kBeatWithoutGrid
    double sourceBeats = 0.0;
};

EffectShape shapeOf(common::JoinStyle style) {
    using common::JoinStyle;
    switch (style) {
        case JoinStyle::tapeStop:
            return {tapeStopBeats, tapeStopSecondsWithoutGrid, 0.0};
        case JoinStyle::backspin:
            return {backspinBeats, backspinSecondsWithoutGrid, 0.0};
        case JoinStyle::scratch:
        case JoinStyle::stutter:
            return {1.0, std::nullopt, 1.0};
        case JoinStyle::echoOut:
            return {echoOutBeats, std::nullopt, 1.0};
        default:
            return {1.0, std::nullopt, 0.0};
    }
}

}  // namespace

bool isEffect(common::JoinStyle style) {
    return style != common::JoinStyle::cut && style != common::JoinStyle::blend;
}

bool isEndingEffect(common::JoinStyle style) {
    return isEffect(style) && style != common::JoinStyle::pause;
}

JoinPlan planEffect(common::JoinStyle style, const BlendSong& outgoing, long long cutEndFrame,
                    const BlendSong* incoming, const std::optional<common::RequestLength>& length) {
    JoinPlan plan;
    plan.outgoingFramesBefore = cutEndFrame;
    const std::string name(joinStyleName(style));
    if (style == common::JoinStyle::pause) {
        // Beats of the song that comes in, so that it drops on its beat.
        const bool grid = incoming && incoming->grid;
        const double beat = grid ? incoming->grid->periodSeconds : kBeatWithoutGrid;
        const double seconds = askedSeconds(length, beat, beat);
        plan.style = name;
        plan.mixedFrames = toFrames(seconds);
        plan.incomingStartInMix = plan.mixedFrames;
        plan.report.style = name;
        plan.report.beats = grid ? seconds / beat : 0.0;
        plan.report.seconds = seconds;
        return plan;
    }

    const EffectShape shape = shapeOf(style);
    const bool grid = outgoing.grid.has_value();
    const double beat = grid ? outgoing.grid->periodSeconds : kBeatWithoutGrid;
    const double defaultSeconds = grid || !shape.secondsWithoutGrid
                                      ? shape.defaultBeats * beat
                                      : *shape.secondsWithoutGrid;
    const double seconds = askedSeconds(length, beat, defaultSeconds);
    if (cutEndFrame < toFrames(std::max(shape.sourceBeats * beat, 0.05))) {
        plan.report.whyNot = "song " + std::to_string(outgoing.number) +
                             " is shorter than the beat the effect needs";
        return plan;
    }
    plan.style = name;
    plan.incomingBeatSeconds = beat;
    plan.mixedFrames = toFrames(style == common::JoinStyle::scratch ||
                                        style == common::JoinStyle::stutter
                                    ? beat
                                    : seconds);
    if (style == common::JoinStyle::echoOut && incoming) {
        // The next song comes in under the repeats.
        plan.mixedFrames = std::min(plan.mixedFrames, songFrames(incoming->segment));
        plan.incomingResumeFrame = plan.mixedFrames;
    } else {
        plan.incomingStartInMix = plan.mixedFrames;
    }
    plan.report.style = name;
    plan.report.beats = grid ? static_cast<double>(plan.mixedFrames) / kRate / beat : 0.0;
    plan.report.seconds = static_cast<double>(plan.mixedFrames) / kRate;
    return plan;
}

std::vector<float> renderEffect(const JoinPlan& plan, const BlendSong& outgoing,
                                long long cutEndFrame, const BlendSong* incoming) {
    const std::optional<common::JoinStyle> style = common::joinStyleFromName(plan.style);
    if (!style || plan.mixedFrames == 0) return {};
    const double seconds = static_cast<double>(plan.mixedFrames) / kRate;
    const double beat = plan.incomingBeatSeconds;
    std::vector<float> audio;
    switch (*style) {
        case common::JoinStyle::tapeStop:
            audio = tapeStop(outgoing.segment, cutEndFrame, seconds);
            break;
        case common::JoinStyle::backspin:
            audio = backspin(outgoing.segment, cutEndFrame, seconds);
            break;
        case common::JoinStyle::scratch:
            audio = scratch(outgoing.segment, cutEndFrame, beat);
            break;
        case common::JoinStyle::stutter:
            audio = stutter(outgoing.segment, cutEndFrame, beat);
            break;
        case common::JoinStyle::echoOut:
            audio = echoOut(outgoing.segment, cutEndFrame, beat);
            break;
        default:
            break;  // a pause is silence
    }
    audio.resize(static_cast<size_t>(plan.mixedFrames) * targetChannels, 0.0f);
    for (float& sample : audio) sample = static_cast<float>(sample * outgoing.gain);
    if (*style == common::JoinStyle::echoOut && incoming) {
        const size_t under = std::min(audio.size(), incoming->segment.size());
        for (size_t i = 0; i < under; ++i) {
            audio[i] += static_cast<float>(incoming->gain * incoming->segment[i]);
        }
    }
    return audio;
}

}  // namespace renderer
