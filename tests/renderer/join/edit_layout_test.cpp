// The layout of three songs with blends: parts that tile the edit, songs that start where the
// blends say, beats of the incoming song on the stretched beats of the outgoing one, and the
// ending where the last song's own frames put it.

#include "renderer/join/edit_layout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "renderer/cut/gain_and_ramps.h"
#include "renderer/join/blend.h"
#include "tests/support/generated_audio.h"

namespace renderer {
namespace {

constexpr double kRate = 44100.0;

struct Song {
    testsupport::Samples samples;
    BeatGrid grid;
};

Song song(double seconds, double bpm, double firstBeat) {
    return {testsupport::tone(seconds, 220.0, 0.3), BeatGrid{firstBeat, 60.0 / bpm}};
}

LaidOutSong laidOut(const Song& song, std::optional<JoinAsk> joinOut) {
    LaidOutSong laid;
    laid.segment = song.samples;
    laid.grid = song.grid;
    laid.joinOut = std::move(joinOut);
    return laid;
}

JoinAsk blend(double beats) {
    return {{common::JoinStyle::blend, common::RequestLength{beats, common::LengthUnit::beats}},
            "choice"};
}

long long frames(const Song& song) { return static_cast<long long>(song.samples.size() / 2); }

TEST(EditLayout, BlendsTileTheEditAndStartEachSongOnTheBeat) {
    const Song first = song(20.0, 120.0, 0.01);
    const Song second = song(20.0, 124.0, 0.012);
    const Song third = song(20.0, 40.0, 0.0);  // far from 124: a crossfade
    std::vector<LaidOutSong> songs = {laidOut(first, blend(8)), laidOut(second, blend(4)),
                                      laidOut(third, std::nullopt)};
    songs[2].endingStartFrame = frames(third) - 44100;
    const EditLayout layout = layOutEdit(songs);

    // Every part follows the last; together they are the edit.
    long long total = 0;
    for (const EditPart& part : layout.parts) {
        total += part.mixed.empty() ? part.frameCount
                                    : static_cast<long long>(part.mixed.size() / 2);
    }
    EXPECT_EQ(total, layout.frameCount);

    ASSERT_EQ(layout.joins.size(), 2u);
    const JoinReport& matched = layout.joins[0];
    EXPECT_EQ(matched.style, "blend");
    EXPECT_EQ(matched.beats, 8.0);
    EXPECT_NEAR(matched.seconds, 8 * 60.0 / 124.0, 0.02);
    ASSERT_TRUE(matched.tempoToBpm);
    EXPECT_NEAR(*matched.tempoToBpm, 124.0, 0.01);
    const JoinReport& crossfaded = layout.joins[1];
    EXPECT_EQ(crossfaded.style, "crossfade");
    EXPECT_EQ(crossfaded.whyNot, "the tempos are too far apart (124 and 40 BPM)");
    // Four beats of whichever song has a grid: the incoming one's.
    EXPECT_NEAR(crossfaded.seconds, 4 * 1.5, 1e-3);

    // Song 2 starts 12 ms before its first beat, which lands on song 1's stretched beat, as
    // the key-frame map of its plan says; the edit is shorter by both overlaps.
    ASSERT_EQ(layout.songStartFrames.size(), 3u);
    EXPECT_NEAR(static_cast<double>(layout.songStartFrames[1]) / kRate, matched.startTime, 1e-9);
    EXPECT_NEAR(matched.endTime - matched.startTime, matched.seconds, 1e-3);
    const double shortened = static_cast<double>(frames(first) + frames(second) + frames(third) -
                                                 layout.frameCount) /
                             kRate;
    // The stretch shortens song 1's ramp and blend by the tempo change, too.
    EXPECT_GT(shortened, matched.seconds + crossfaded.seconds);
    EXPECT_LT(shortened, matched.seconds + crossfaded.seconds + 16 * (0.5 - 60.0 / 124.0) + 0.01);
    // The ending keeps its distance from the last song's end.
    EXPECT_EQ(layout.frameCount - layout.endingStartFrame, 44100);

    // Plan level: the incoming beat sits on the outgoing beat the plan maps the blend's start to.
    BlendSong outgoing{first.samples, 1.0, first.grid, std::nullopt, 1};
    BlendSong incoming{second.samples, 1.0, second.grid, std::nullopt, 2};
    const JoinPlan plan = planBlend(outgoing, incoming, std::nullopt);
    EXPECT_EQ(plan.report.beats, defaultBlendBeats);
    const long long incomingBeatInMix = plan.incomingStartInMix + std::llround(0.012 * kRate);
    bool onABeat = false;
    for (const auto& [source, output] : plan.keyFrames) {
        const double sourceSeconds =
            static_cast<double>(source + static_cast<size_t>(plan.outgoingFramesBefore)) / kRate;
        const double beats = (sourceSeconds - 0.01) / 0.5;
        if (std::abs(beats - std::round(beats)) < 1e-3 &&
            std::llabs(static_cast<long long>(output) - incomingBeatInMix) <= 1) {
            onABeat = true;
        }
    }
    EXPECT_TRUE(onABeat);
}

TEST(EditLayout, SongsTooShortToOverlapAreCutAndSaySo) {
    const Song first = song(0.3, 120.0, 0.01);
    const Song second = song(10.0, 120.0, 0.0);
    const std::vector<LaidOutSong> songs = {laidOut(first, blend(8)),
                                            laidOut(second, std::nullopt)};
    const EditLayout layout = layOutEdit(songs);
    ASSERT_EQ(layout.joins.size(), 1u);
    EXPECT_EQ(layout.joins[0].asked, "blend");
    EXPECT_EQ(layout.joins[0].style, "cut");
    EXPECT_EQ(layout.joins[0].whyNot, "song 1 or song 2 is too short to overlap");
    EXPECT_EQ(layout.frameCount, frames(first) + frames(second));
    EXPECT_EQ(layout.endingStartFrame, noEndingStartFrame);
}

}  // namespace
}  // namespace renderer
