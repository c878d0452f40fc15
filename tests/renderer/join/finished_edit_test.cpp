// The edit read out block by block must be, sample for sample, the edit joined, ended and
// normalised whole in place, wherever the ending's buffer starts and whatever it reads.

#include "renderer/join/finished_edit.h"

#include <gtest/gtest.h>

#include "renderer/analysis/signal_analysis.h"
#include "renderer/cut/gain_and_ramps.h"
#include "renderer/join/echo_fade.h"
#include "renderer/join/loudness.h"
#include "tests/support/generated_audio.h"

namespace renderer {
namespace {

using common::FinalEndingEffect;
using testsupport::Samples;

struct WholeEdit {
    Samples samples;
    double finalFadeSeconds = 0.0;
};

// The straightforward way: every step over the whole joined buffer.
WholeEdit joinedWhole(const std::vector<Samples>& segments, FinalEndingEffect effect,
                      long long endingStartFrame) {
    std::vector<double> levels;
    for (const Samples& segment : segments) levels.push_back(segmentRMS(segment));
    const double target = levelMatchTarget(levels);
    WholeEdit edit;
    for (size_t i = 0; i < segments.size(); ++i) {
        Samples segment = segments[i];
        applyGain(segment, levelMatchGain(levels[i], target));
        edit.samples.insert(edit.samples.end(), segment.begin(), segment.end());
    }
    if (effect == FinalEndingEffect::fade) {
        edit.finalFadeSeconds = applyFinalFade(edit.samples, endingStartFrame);
    } else if (effect == FinalEndingEffect::echoFade) {
        edit.finalFadeSeconds = applyEchoFade(edit.samples, endingStartFrame);
    }
    const double peak = peakValue(edit.samples);
    if (peak > peakCeiling) applyGain(edit.samples, peakCeiling / peak);
    return edit;
}

void expectSameAsWhole(const std::vector<Samples>& segments, FinalEndingEffect effect,
                       long long endingStartFrame) {
    std::vector<double> levels;
    for (const Samples& segment : segments) levels.push_back(segmentRMS(segment));
    const FinishedEdit edit(segments, levels, effect, endingStartFrame);
    const WholeEdit whole = joinedWhole(segments, effect, endingStartFrame);

    // Read out in odd-sized blocks, so that blocks straddle every boundary.
    Samples streamed(edit.sampleCount());
    for (size_t first = 0; first < streamed.size(); first += 4099) {
        const size_t count = std::min<size_t>(4099, streamed.size() - first);
        edit.copySamples(first, SampleSpan(streamed).subspan(first, count));
    }
    EXPECT_TRUE(streamed == whole.samples);
    EXPECT_EQ(edit.finalFadeSeconds(), whole.finalFadeSeconds);
    EXPECT_EQ(edit.peakAfterNormalize(), peakValue(whole.samples));
}

TEST(FinishedEdit, ReadsOutTheEditJoinedEndedAndNormalisedWhole) {
    const Samples quiet = testsupport::tone(1.0, 330.0, 0.2);
    const Samples loud = testsupport::noise(1.5, 0.9, 7);
    const Samples middling = testsupport::tone(3.0, 550.0, 0.5);
    const long long twoSongs = (1.0 + 1.5) * 44100;
    {
        SCOPED_TRACE("a fade over the last 1.5 s, the peak lowered");
        expectSameAsWhole({quiet, loud, middling}, FinalEndingEffect::fade, twoSongs + 66150);
    }
    {
        SCOPED_TRACE("no ending, nothing above the ceiling");
        expectSameAsWhole({quiet, testsupport::tone(2.0, 440.0, 0.3)}, FinalEndingEffect::none,
                          noEndingStartFrame);
    }
    {
        // The last song is shorter than the echo's source: it repeats the songs before too.
        SCOPED_TRACE("an echo reading across a join");
        const Samples shortSong = testsupport::concatenate(
            {testsupport::tone(0.1, 660.0, 0.7), testsupport::silence(4.0)});
        expectSameAsWhole({quiet, loud, shortSong}, FinalEndingEffect::echoFade, twoSongs + 4410);
    }
    {
        SCOPED_TRACE("an echo with too little before it, which fades instead");
        const Samples alone = testsupport::concatenate(
            {testsupport::tone(0.05, 660.0, 0.9), testsupport::silence(4.0)});
        expectSameAsWhole({alone}, FinalEndingEffect::echoFade, 2205);
    }
}

}  // namespace
}  // namespace renderer
