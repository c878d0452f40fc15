#pragma once
// One song's part of the edit: where its cut starts and ends (typed or inferred times after
// its first musical note, moved to nearby zero crossings, and when asked to just before their
// beats), the cut samples with the padding and de-click ramps, and the analysis record that
// describes all of it. Pure; single song.

#include <optional>
#include <string>
#include <vector>

#include "renderer/analysis/beat_grid.h"
#include "renderer/base/constants.h"
#include "renderer/cut/beat_snap.h"
#include "renderer/cut/track_analysis.h"
#include "renderer/job/render_job.h"

namespace renderer {

// Frames of the shortest cut: truncate(0.25 s × rate) = 11025.
inline constexpr long long minimumCutFrames = static_cast<long long>(targetSampleRate * 0.25);
// Latest start target, before the end of the file, in seconds.
inline constexpr double startGuardSeconds = 0.1;

// What a song's cuts move to after their zero crossings.
struct CutSnap {
    bool enabled = false;  // move the cuts at all
    SnapUnit unit = SnapUnit::beat;
    std::string barRequestedBy;  // "choice" or "note" for bars
    bool findBeats = false;      // find the grid even where the cuts stay: a blend needs it
};

struct SongCut {
    std::vector<int16_t> segment;  // interleaved stereo, cut, padded and ramped
    double level = 0.0;            // segmentRMS of `segment` without the echo's appended
                                   // silence, measured while songs still run side by side
    TrackAnalysis analysis;
    long long startFrame = 0;        // the song's frame where the segment starts
    long long cutEndFrame = 0;       // the segment's frame where the cut ends
    std::optional<SongBeats> beats;  // when a snap or a blend asked for them
    // Frames into `segment` where the ending effect starts; only on the last song, and only
    // when it can carry the ending.
    std::optional<long long> endingStartFrame;
};

// Cuts the decoded song `samples` (targetSampleRate stereo) for song number `songNumber`
// (1-based) of `songCount`; with a snap enabled both cuts then move to just before their
// nearest beat or bar line where the song has a trusted grid (beat_snap.h). Throws RenderError
// "Track N needs a clear start time." when the typed start does not parse, and "Track N has no
// audio to cut." when the song holds no whole frame.
// `framesPastEnd` more of the song's audio (where it has them) go into the segment after the
// cut end, for an effect that plays the song on past it.
SongCut cutSong(ConstSampleSpan samples, const TrackJob& track, int songNumber, int songCount,
                const EndingPlan& ending, const CutSnap& snap = {}, long long framesPastEnd = 0);

}  // namespace renderer
