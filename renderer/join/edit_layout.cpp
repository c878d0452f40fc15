#include "renderer/join/edit_layout.h"

#include <algorithm>
#include <future>
#include <utility>

#include "renderer/base/frames.h"
#include "renderer/cut/gain_and_ramps.h"
#include "renderer/join/blend.h"
#include "renderer/join/effect_join.h"

namespace renderer {
namespace {

constexpr double kRate = targetSampleRate;

long long cutEnd(const LaidOutSong& song) {
    return song.cutEndFrame.value_or(songFrames(song.segment));
}

// The song's frames [firstFrame, endFrame), as a blend or an effect sees it.
BlendSong blendSide(const LaidOutSong& song, long long firstFrame, long long endFrame, int number) {
    BlendSong side;
    side.segment = song.segment.subspan(static_cast<size_t>(firstFrame) * targetChannels,
                                        static_cast<size_t>(endFrame - firstFrame) * targetChannels);
    side.gain = song.gain;
    side.number = number;
    const double shift = static_cast<double>(firstFrame) / kRate;
    if (song.grid) {
        side.grid = *song.grid;
        side.grid->anchorSeconds -= shift;
    }
    if (song.bars) {
        side.bars = *song.bars;
        side.bars->firstDownbeatSeconds -= shift;
    }
    return side;
}

// The asking part of a join's report; what was done is the plan's.
void fillAsked(JoinReport& report, const std::optional<JoinAsk>& ask, int fromTrack) {
    report.fromTrack = fromTrack;
    if (!ask) return;
    report.asked = std::string(joinStyleName(ask->request.style));
    report.askedBy = ask->askedBy;
    report.askedLength = describedLength(ask->request.length);
}

// A join as planned: the songs as the join sees them (the outgoing one from what an earlier
// blend left, on past its cut end for an effect).
struct PlannedJoin {
    BlendSong outgoing;
    long long outgoingCutEnd = 0;  // in `outgoing`
    std::optional<BlendSong> incoming;
    JoinPlan plan;

    std::vector<float> render() const {
        const BlendSong* next = incoming ? &*incoming : nullptr;
        if (plan.style == "blend" || plan.style == "crossfade") {
            return renderBlend(plan, outgoing, *incoming);
        }
        return renderEffect(plan, outgoing, outgoingCutEnd, next);
    }
};

PlannedJoin planJoin(const LaidOutSong& song, long long playFrom, const LaidOutSong* next,
                     int number) {
    const long long end = cutEnd(song);
    const std::optional<JoinAsk>& ask = song.joinOut;
    const common::JoinStyle style = ask ? ask->request.style : common::JoinStyle::cut;
    const bool blend = style == common::JoinStyle::blend && next;
    PlannedJoin join{blendSide(song, playFrom, blend ? end : songFrames(song.segment), number),
                     std::max(0LL, end - playFrom), std::nullopt, {}};
    if (next) join.incoming = blendSide(*next, 0, songFrames(next->segment), number + 1);
    const BlendSong* incoming = join.incoming ? &*join.incoming : nullptr;
    if (blend) {
        join.plan = planBlend(join.outgoing, *join.incoming, ask->request.length);
    } else if (isEffect(style)) {
        join.plan = planEffect(style, join.outgoing, join.outgoingCutEnd, incoming,
                               ask->request.length);
    } else {
        join.plan.outgoingFramesBefore = join.outgoingCutEnd;
    }
    fillAsked(join.plan.report, ask, number);
    return join;
}

std::vector<PlannedJoin> planJoins(std::span<const LaidOutSong> songs) {
    std::vector<PlannedJoin> joins;
    long long playFrom = 0;
    for (size_t i = 0; i < songs.size(); ++i) {
        const bool last = i + 1 == songs.size();
        // The last song's ending is an effect only where one that needs no next song is asked.
        const std::optional<JoinAsk>& ask = songs[i].joinOut;
        if (last && !(ask && isEndingEffect(ask->request.style))) break;
        joins.push_back(
            planJoin(songs[i], playFrom, last ? nullptr : &songs[i + 1], static_cast<int>(i) + 1));
        playFrom = joins.back().plan.incomingResumeFrame;
    }
    return joins;
}

}  // namespace

EditLayout layOutEdit(std::span<const LaidOutSong> songs) {
    std::vector<PlannedJoin> joins = planJoins(songs);
    // The stretches are the costly part, and independent: each join's on its own thread.
    std::vector<std::future<std::vector<float>>> rendered;
    for (const PlannedJoin& join : joins) {
        rendered.push_back(std::async(std::launch::async, [&join] { return join.render(); }));
    }

    EditLayout layout;
    layout.songStartFrames.push_back(0);
    layout.endingStartFrame = noEndingStartFrame;
    long long editFrame = 0;
    long long playFrom = 0;
    for (size_t i = 0; i < songs.size(); ++i) {
        const bool last = i + 1 == songs.size();
        const bool joined = i < joins.size();
        const long long endFrame = joined ? playFrom + joins[i].plan.outgoingFramesBefore
                                          : songFrames(songs[i].segment);
        const long long frames = std::max(0LL, endFrame - playFrom);
        layout.parts.push_back({i, playFrom, frames, {}});
        if (last && songs[i].endingStartFrame) {
            layout.endingStartFrame = editFrame + std::max(0LL, *songs[i].endingStartFrame - playFrom);
        }
        editFrame += frames;
        if (!joined) break;

        PlannedJoin& join = joins[i];
        std::vector<float> mixed = rendered[i].get();
        const long long incomingStart = editFrame + join.plan.incomingStartInMix;
        if (!mixed.empty()) layout.parts.push_back({i, 0, join.plan.mixedFrames, std::move(mixed)});
        editFrame += join.plan.mixedFrames;
        JoinReport& report = join.plan.report;
        report.startTime = static_cast<double>(incomingStart) / kRate;
        report.endTime = static_cast<double>(editFrame) / kRate;
        if (last) {
            layout.ending = std::move(report);
            break;
        }
        layout.songStartFrames.push_back(incomingStart);
        layout.joins.push_back(std::move(report));
        playFrom = join.plan.incomingResumeFrame;
    }
    layout.frameCount = editFrame;
    return layout;
}

}  // namespace renderer
