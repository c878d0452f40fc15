#pragma once
// The blend of one song into the next. The incoming song starts at its cut start underneath the
// outgoing one and the blend ends where the outgoing song's cut ends. Where both songs have a
// trusted grid at tempos close enough (within 8 %, or near half or double), the outgoing song's
// tail is time-stretched to the incoming tempo, easing into it over the beats before the blend,
// and the incoming song is placed so that its beats (and bar lines, where both songs' bars are
// trusted) fall on the outgoing song's; the gains follow equal-power curves and the basslines
// swap in the middle. Otherwise it is a plain equal-power crossfade. Pure and thread-safe.

#include <optional>
#include <vector>

#include "common/note_requests.h"
#include "renderer/analysis/beat_grid.h"
#include "renderer/base/constants.h"
#include "renderer/join/join_plan.h"
#include "renderer/join/join_report.h"

namespace renderer {

// Defaults when the request gives no length.
inline constexpr double defaultBlendBeats = 8.0;
inline constexpr double defaultCrossfadeSeconds = 3.0;

struct BlendSong {
    ConstSampleSpan segment;      // interleaved stereo: the song's cut
    double gain = 1.0;            // its level-matching gain
    std::optional<BeatGrid> grid;  // trusted grid, in seconds from the segment's first frame
    std::optional<BarLines> bars;  // trusted bars on it, in the same seconds
    int number = 0;                // 1-based, for the report
};

// The plan of blending `outgoing` into `incoming` with the asked length. Songs too short to
// overlap at all get a plain cut, with the reason in the report.
JoinPlan planBlend(const BlendSong& outgoing, const BlendSong& incoming,
                    const std::optional<common::RequestLength>& length);

// The blended audio of `plan`: interleaved stereo, `plan.mixedFrames` long, level-matched, in
// 16-bit units but not clamped. The outgoing tail's stretch is the costly part.
std::vector<float> renderBlend(const JoinPlan& plan, const BlendSong& outgoing,
                               const BlendSong& incoming);

}  // namespace renderer
