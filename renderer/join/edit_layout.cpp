#include "renderer/join/edit_layout.h"

#include <algorithm>
#include <future>
#include <utility>

#include "renderer/cut/gain_and_ramps.h"
#include "renderer/join/blend.h"

namespace renderer {
namespace {

constexpr double kRate = targetSampleRate;

long long frameCount(ConstSampleSpan segment) {
    return static_cast<long long>(segment.size() / targetChannels);
}

// The song from `firstFrame` on, as the blend out of it sees it.
BlendSong blendSide(const LaidOutSong& song, long long firstFrame, int number) {
    BlendSong side;
    side.segment = song.segment.subspan(static_cast<size_t>(firstFrame) * targetChannels);
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

JoinReport askedReport(const std::optional<JoinAsk>& ask, int fromTrack) {
    JoinReport report;
    report.fromTrack = fromTrack;
    if (!ask) return report;
    report.asked = ask->request.style == common::JoinStyle::blend ? "blend" : "cut";
    report.askedBy = ask->askedBy;
    report.askedLength = describedLength(ask->request.length);
    return report;
}

// A join as planned: the outgoing song as the blend sees it (from what an earlier blend left).
struct PlannedJoin {
    BlendSong outgoing;
    BlendSong incoming;
    BlendPlan plan;
    JoinReport report;
};

std::vector<PlannedJoin> planJoins(std::span<const LaidOutSong> songs) {
    std::vector<PlannedJoin> joins;
    long long playFrom = 0;
    for (size_t i = 0; i + 1 < songs.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::optional<JoinAsk>& ask = songs[i].joinOut;
        PlannedJoin join{blendSide(songs[i], playFrom, number), blendSide(songs[i + 1], 0, number + 1),
                         {}, askedReport(ask, number)};
        if (ask && ask->request.style == common::JoinStyle::blend) {
            join.plan = planBlend(join.outgoing, join.incoming, ask->request.length);
        } else {
            join.plan.outgoingFramesBefore = frameCount(join.outgoing.segment);
        }
        playFrom = join.plan.incomingResumeFrame;
        joins.push_back(std::move(join));
    }
    return joins;
}

}  // namespace

EditLayout layOutEdit(std::span<const LaidOutSong> songs) {
    std::vector<PlannedJoin> joins = planJoins(songs);
    // The stretches are the costly part, and independent: each join's on its own thread.
    std::vector<std::future<std::vector<float>>> blended;
    for (const PlannedJoin& join : joins) {
        blended.push_back(std::async(std::launch::async, [&join] {
            return renderBlend(join.plan, join.outgoing, join.incoming);
        }));
    }

    EditLayout layout;
    layout.songStartFrames.push_back(0);
    long long editFrame = 0;
    long long playFrom = 0;
    for (size_t i = 0; i < songs.size(); ++i) {
        const long long endFrame =
            i < joins.size() ? playFrom + joins[i].plan.outgoingFramesBefore
                             : frameCount(songs[i].segment);
        const long long frames = std::max(0LL, endFrame - playFrom);
        layout.parts.push_back({i, playFrom, frames, {}});
        if (i == joins.size()) {
            const std::optional<long long>& ending = songs[i].endingStartFrame;
            layout.endingStartFrame =
                ending ? editFrame + std::max(0LL, *ending - playFrom) : noEndingStartFrame;
        }
        editFrame += frames;
        if (i == joins.size()) break;

        PlannedJoin& join = joins[i];
        std::vector<float> mixed = blended[i].get();
        const long long incomingStart = editFrame + join.plan.incomingStartInMix;
        if (!mixed.empty()) layout.parts.push_back({i, 0, join.plan.mixedFrames, std::move(mixed)});
        editFrame += join.plan.mixedFrames;
        JoinReport& report = join.report;
        const JoinReport& done = join.plan.report;
        report.style = done.style;
        report.beats = done.beats;
        report.seconds = done.seconds;
        report.tempoFromBpm = done.tempoFromBpm;
        report.tempoToBpm = done.tempoToBpm;
        report.whyNot = done.whyNot;
        report.startTime = static_cast<double>(incomingStart) / kRate;
        report.endTime = static_cast<double>(editFrame) / kRate;
        layout.songStartFrames.push_back(incomingStart);
        layout.joins.push_back(std::move(report));
        playFrom = join.plan.incomingResumeFrame;
    }
    layout.frameCount = editFrame;
    return layout;
}

}  // namespace renderer
