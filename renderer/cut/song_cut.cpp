#include "renderer/cut/song_cut.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "audio/large_buffer.h"
#include "renderer/analysis/beat_grid.h"
#include "renderer/analysis/first_note.h"
#include "renderer/analysis/signal_analysis.h"
#include "renderer/analysis/zero_crossing.h"
#include "renderer/base/render_error.h"
#include "renderer/cut/beat_snap.h"
#include "renderer/cut/gain_and_ramps.h"
#include "renderer/job/time_targets.h"

namespace renderer {
namespace {

constexpr double kRate = targetSampleRate;
constexpr double kMinimumCutSeconds = 0.25;

long long secondsToFrames(double seconds) { return static_cast<long long>(seconds * kRate); }

double framesToSeconds(long long frames) { return static_cast<double>(frames) / kRate; }

// The cut's wanted start and end in file seconds, before the zero-crossing search.
struct CutTargets {
    double requestedStart = 0.0;  // after musical zero
    double requestedEnd = 0.0;    // after musical zero
    std::string_view endReason;
    double startFileTime = 0.0;
    double endFileTime = 0.0;
};

CutTargets cutTargets(const TrackJob& track, long long firstFrame, double duration, int songNumber,
                      int songCount) {
    const std::optional<double> start = parseTime(track.startTime);
    if (!start) {
        throw RenderError("Track " + std::to_string(songNumber) + " needs a clear start time.");
    }
    CutTargets targets;
    targets.requestedStart = *start;
    if (const std::optional<double> end = parseTime(track.endTime)) {
        targets.requestedEnd = *end;
        targets.endReason = endReasonTypedTime;
    } else {
        const EndOffset inferred =
            inferredEndOffset(track, firstFrame, duration, songNumber, songCount);
        targets.requestedEnd = inferred.seconds;
        targets.endReason = inferred.reason;
    }
    const double firstNoteTime = framesToSeconds(firstFrame);
    targets.startFileTime = std::max(
        0.0, std::min(firstNoteTime + targets.requestedStart, duration - startGuardSeconds));
    targets.endFileTime = std::min(firstNoteTime + targets.requestedEnd, duration);
    if (targets.endFileTime < targets.startFileTime + kMinimumCutSeconds) {
        targets.endFileTime = targets.startFileTime + kMinimumCutSeconds;
    }
    return targets;
}

// How far the song is rendered past its cut end, and where its ending effect starts. Both
// are frames of audio that exists: the cut's quarter-second minimum can put `endFrame` past
// the song's last frame (a start typed past its end), and the reports must still describe
// what is heard.
struct SongEnding {
    long long renderEndFrame = 0;
    long long padFrames = 0;  // silence appended for the echo to fill
    std::optional<long long> fadeStartFrame;
};

SongEnding songEnding(const EndingPlan& ending, bool lastSong, long long endFrame,
                      long long frames) {
    const long long audioEndFrame = std::min(endFrame, frames);
    SongEnding result{audioEndFrame, 0, std::nullopt};
    if (!lastSong) return result;
    const long long tailFrames = secondsToFrames(ending.tailSeconds);
    switch (ending.effect) {
        case common::FinalEndingEffect::fade: {
            // The song plays on past its end, over up to the tail of its own audio, under the
            // fade; with a quarter second or less left, there is nothing worth fading.
            const long long extendedEnd = std::min(endFrame + tailFrames, frames);
            if (extendedEnd > endFrame + minimumCutFrames) {
                result.renderEndFrame = extendedEnd;
                result.fadeStartFrame = endFrame;
            }
            break;
        }
        case common::FinalEndingEffect::echoFade:
            // The echo starts where the song's audio stops.
            result.padFrames = tailFrames;
            result.fadeStartFrame = audioEndFrame;
            break;
        case common::FinalEndingEffect::none:
            break;
    }
    return result;
}

// The frames [startFrame, renderEndFrame) that exist, at least one, then `padFrames` of
// silence. Indexes stay on whole frames so that the channels of every later song keep
// their places.
std::vector<int16_t> cutSegment(ConstSampleSpan samples, long long startFrame,
                                long long renderEndFrame, long long padFrames) {
    const auto frames = static_cast<long long>(samples.size() / targetChannels);
    const long long firstSample = std::clamp(startFrame, 0LL, frames - 1) * targetChannels;
    const long long endSample =
        std::max(std::min(renderEndFrame, frames) * targetChannels, firstSample + targetChannels);
    std::vector<int16_t> segment;
    audio::reserveLargeBuffer(
        segment, static_cast<size_t>(endSample - firstSample + padFrames * targetChannels));
    segment.assign(samples.begin() + firstSample, samples.begin() + endSample);
    segment.resize(segment.size() + static_cast<size_t>(padFrames * targetChannels), 0);
    return segment;
}

CutBeatSnap cutBeatSnap(long long fromFrame, const BeatSnap& snap) {
    return {framesToSeconds(fromFrame), framesToSeconds(snap.frame), snap.tempoBpm,
            std::string(snap.keptBecause), std::string(snap.snappedTo)};
}

CutBeatSnap keptCut(long long frame) {
    return {framesToSeconds(frame), framesToSeconds(frame), std::nullopt, std::string(snapOff), {}};
}

// The song is analysed from its first note (the silence before it would get beats of its own)
// to some way past its end cut: what the edit plays, and enough beyond it to hold a tempo.
constexpr double kBeatsPastTheCutSeconds = 30.0;
constexpr double kShortestAnalysisSeconds = 90.0;

long long beatAnalysisEnd(long long firstFrame, long long endCut, long long frames) {
    return std::min(frames, std::max(endCut + secondsToFrames(kBeatsPastTheCutSeconds),
                                     firstFrame + secondsToFrames(kShortestAnalysisSeconds)));
}

TrackGrid trackGrid(const SongBeats& beats) {
    TrackGrid grid;
    grid.trusted = beats.grid.has_value();
    grid.confidence = beats.confidence;
    grid.tempoBpm = beats.tempoBpm;
    grid.barConfidence = beats.barConfidence;
    if (beats.grid) grid.firstBeatFileTime = beats.firstBeatSeconds;
    if (beats.bars) {
        grid.firstDownbeatFileTime = beats.bars->firstDownbeatSeconds;
        grid.beatsPerBar = beats.bars->beatsPerBar;
    }
    return grid;
}

TrackAnalysis trackAnalysis(const TrackJob& track, int songNumber, double duration,
                            long long firstFrame, const CutTargets& targets) {
    TrackAnalysis analysis;
    analysis.track = songNumber;
    analysis.name =
        track.name.empty() ? std::filesystem::path(track.path).filename().string() : track.name;
    analysis.path = track.path;
    analysis.duration = duration;
    analysis.firstNoteTime = framesToSeconds(firstFrame);
    analysis.requestedStart = targets.requestedStart;
    analysis.requestedEnd = targets.requestedEnd;
    analysis.endReason = std::string(targets.endReason);
    analysis.targetStartFileTime = targets.startFileTime;
    analysis.targetEndFileTime = targets.endFileTime;
    analysis.note = track.note;
    return analysis;
}

}  // namespace

SongCut cutSong(ConstSampleSpan samples, const TrackJob& track, int songNumber, int songCount,
                const EndingPlan& ending, const CutSnap& snap, long long framesPastEnd) {
    const auto frames = static_cast<long long>(samples.size() / targetChannels);
    if (frames < 1)
        throw RenderError("Track " + std::to_string(songNumber) + " has no audio to cut.");
    const double duration = framesToSeconds(frames);
    const long long firstFrame = firstMusicalFrame(samples, targetSampleRate);
    const CutTargets targets = cutTargets(track, firstFrame, duration, songNumber, songCount);

    const long long crossingStart =
        nearestZeroCrossingFrame(samples, secondsToFrames(targets.startFileTime));
    const long long crossingEnd =
        nearestZeroCrossingFrame(samples, secondsToFrames(targets.endFileTime));
    TrackBeatSnap beatSnap;
    beatSnap.start = keptCut(crossingStart);
    beatSnap.end = keptCut(crossingEnd);
    long long startFrame = crossingStart;
    long long endFrame = crossingEnd;
    std::optional<SongBeats> foundBeats;
    if (snap.enabled || snap.findBeats) {
        foundBeats =
            analyseSongBeats(samples, firstFrame, beatAnalysisEnd(firstFrame, crossingEnd, frames));
        beatSnap.grid = trackGrid(*foundBeats);
    }
    if (snap.enabled) {
        const SongBeats& beats = *foundBeats;
        const BeatSnap start = snapToGrid(samples, crossingStart, beats, snap.unit);
        const BeatSnap end = snapToGrid(samples, crossingEnd, beats, snap.unit);
        beatSnap.start = cutBeatSnap(crossingStart, start);
        beatSnap.end = cutBeatSnap(crossingEnd, end);
        beatSnap.unit = snap.unit == SnapUnit::bar ? "bar" : "beat";
        beatSnap.barRequestedBy = snap.unit == SnapUnit::bar ? snap.barRequestedBy : "";
        startFrame = start.frame;
        endFrame = end.frame;
    }
    endFrame = std::max(endFrame, startFrame + minimumCutFrames);
    beatSnap.end.toFileTime = framesToSeconds(endFrame);
    SongEnding songEnd = songEnding(ending, songNumber == songCount, endFrame, frames);
    if (framesPastEnd > 0 && !songEnd.fadeStartFrame) {
        songEnd.renderEndFrame = std::min(frames, songEnd.renderEndFrame + framesPastEnd);
    }

    SongCut cut;
    cut.startFrame = std::clamp(startFrame, 0LL, frames - 1);
    cut.beats = std::move(foundBeats);
    cut.segment = cutSegment(samples, startFrame, songEnd.renderEndFrame, songEnd.padFrames);
    applyMicroFades(cut.segment);
    cut.cutEndFrame = std::clamp(std::min(endFrame, frames) - cut.startFrame, 1LL,
                                 static_cast<long long>(cut.segment.size() / targetChannels));
    // The echo's silence is no part of the song's loudness: counted in, it would make the
    // last song measure quieter than it is and level matching would turn it up.
    const size_t audioSamples =
        cut.segment.size() - static_cast<size_t>(songEnd.padFrames * targetChannels);
    cut.level = segmentRMS(ConstSampleSpan(cut.segment).first(audioSamples));
    // The reports and the audio take the ending's start from this one frame.
    if (songEnd.fadeStartFrame) cut.endingStartFrame = *songEnd.fadeStartFrame - startFrame;

    cut.analysis = trackAnalysis(track, songNumber, duration, firstFrame, targets);
    cut.analysis.beatSnap = beatSnap;
    cut.analysis.selectedStartFileTime = framesToSeconds(startFrame);
    cut.analysis.selectedEndFileTime = framesToSeconds(endFrame);
    cut.analysis.renderedEndFileTime = framesToSeconds(songEnd.renderEndFrame + songEnd.padFrames);
    if (songEnd.fadeStartFrame) {
        cut.analysis.finalFadeStartFileTime = framesToSeconds(*songEnd.fadeStartFrame);
        cut.analysis.finalEndingEffect = std::string(common::title(ending.effect));
        cut.analysis.finalFadeExtraSeconds = ending.tailSeconds;
    }
    cut.analysis.selectedDuration =
        framesToSeconds(static_cast<long long>(cut.segment.size() / targetChannels));
    return cut;
}

}  // namespace renderer
