#pragma once
// How the cut songs are laid out in the edit: one after the other where a join is a cut, under
// each other where it is a blend (blend.h), with an effect between them where one is asked
// (effect_join.h). Says where every song starts to sound and what each join did. The costly
// parts (stretches) of different joins run side by side.

#include <optional>
#include <span>
#include <vector>

#include "renderer/analysis/beat_grid.h"
#include "renderer/base/constants.h"
#include "renderer/join/finished_edit.h"
#include "renderer/join/join_plan.h"
#include "renderer/join/join_report.h"

namespace renderer {

struct LaidOutSong {
    ConstSampleSpan segment;       // interleaved stereo, the song's cut
    double gain = 1.0;             // its level-matching gain
    std::optional<BeatGrid> grid;  // trusted grid, in seconds from the segment's first frame
    std::optional<BarLines> bars;  // trusted bars on it, in the same seconds
    std::optional<JoinAsk> joinOut;  // what is asked of the join into the next song; on the
                                     // last song an effect for its ending
    std::optional<long long> endingStartFrame;  // in the segment, on the song with the ending
    std::optional<long long> cutEndFrame;  // where the cut ends, when the segment runs on past
                                           // it for an effect; else its end
};

struct EditLayout {
    std::vector<EditPart> parts;
    std::vector<long long> songStartFrames;  // where each song starts to sound in the edit
    std::vector<JoinReport> joins;           // one per join, with its times in the edit
    std::optional<JoinReport> ending;        // the last song's effect, when it has one
    long long endingStartFrame = 0;          // in the edit; noEndingStartFrame for none
    long long frameCount = 0;
};

EditLayout layOutEdit(std::span<const LaidOutSong> songs);

}  // namespace renderer
