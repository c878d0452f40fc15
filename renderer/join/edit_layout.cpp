#include "renderer/join/edit_layout.h"

#include <algorithm>
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

}  // namespace

EditLayout layOutEdit(std::span<const LaidOutSong> songs) {
    EditLayout layout;
    long long editFrame = 0;
    long long playFrom = 0;  // of the current song: what an earlier blend has not played
    for (size_t i = 0; i < songs.size(); ++i) {
        const LaidOutSong& song = songs[i];
        const int number = static_cast<int>(i) + 1;
        if (i == 0) layout.songStartFrames.push_back(0);
        const long long songFrames = frameCount(song.segment);
        const auto playPart = [&](long long endFrame) {
            const long long frames = std::max(0LL, endFrame - playFrom);
            const long long partStart = editFrame;
            layout.parts.push_back({i, playFrom, frames, {}});
            editFrame += frames;
            return partStart;
        };

        if (i + 1 == songs.size()) {
            const long long partStart = playPart(songFrames);
            layout.endingStartFrame =
                song.endingStartFrame
                    ? partStart + std::max(0LL, *song.endingStartFrame - playFrom)
                    : noEndingStartFrame;
            break;
        }

        JoinReport report = askedReport(song.joinOut, number);
        const bool blendAsked =
            song.joinOut && song.joinOut->request.style == common::JoinStyle::blend;
        if (!blendAsked) {
            playPart(songFrames);
            report.startTime = report.endTime = static_cast<double>(editFrame) / kRate;
            layout.songStartFrames.push_back(editFrame);
            layout.joins.push_back(std::move(report));
            playFrom = 0;
            continue;
        }

        Blend blend = blendSongs(blendSide(song, playFrom, number),
                                 blendSide(songs[i + 1], 0, number + 1),
                                 song.joinOut->request.length);
        playPart(playFrom + blend.outgoingFramesBefore);
        const auto mixedFrames = static_cast<long long>(blend.mixed.size() / targetChannels);
        const long long incomingStart = editFrame + blend.incomingStartInMix;
        if (mixedFrames > 0) layout.parts.push_back({i, 0, mixedFrames, std::move(blend.mixed)});
        editFrame += mixedFrames;
        const JoinReport done = blend.report;
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
        playFrom = blend.incomingResumeFrame;
    }
    layout.frameCount = editFrame;
    return layout;
}

}  // namespace renderer
