// "Bar" on every real drum loop of recorded_songs.h, through the real seamforge and LAME: each
// loop is tiled with its bar line at the loop's start, and where the decoded edit starts and ends
// in the loop is found by matching its sound, then held against the true bar lines.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "tests/renderer/join/effect_edit.h"
#include "tests/support/recorded_songs.h"

namespace {

using namespace effectedit;
using markedbeats::toMono;
using seamforgetest::Song;

constexpr double kLoopSeconds = 30.0;
constexpr long long kMatchFrames = 8192;

class BarSnapRealLoops : public EffectEdit {};

TEST_F(BarSnapRealLoops, EveryLoopsDecodedCutsLieJustBeforeItsTrueBarLines) {
    int cuts = 0, onBar = 0;
    std::string missing;
    for (const testsupport::Recording& loop :
         testsupport::recordings(testsupport::RecordingKind::loop)) {
        const testsupport::TemporaryFolder folder;
        const testsupport::RecordingAudio audio =
            testsupport::loadRecordingAudio(loop, folder, kLoopSeconds);
        if (!audio.missing.empty()) {
            missing += audio.missing + "\n";
            continue;
        }
        json job = json::parse(
            editJob({Song{song(loop.name + ".wav", audio.samples), "0:03.3", "0:17.1"}}, output(),
                    "none"));
        job["snapToBeat"] = true;
        job["snapToBar"] = true;
        const Rendered edit = renderEdit(job);
        ASSERT_GT(edit.mono.size(), static_cast<size_t>(2 * kMatchFrames)) << loop.name;
        const json& cut = edit.map["tracks"][0]["beatSnap"];
        const std::vector<double> source = toMono(audio.samples);
        // Within less than half a beat of where the report puts it, the sound matches at one
        // place only: a loop repeats itself every pass, and often every bar.
        const int reach = static_cast<int>(0.45 * 60.0 / loop.tempoBpm * kRate);
        const auto placeOf = [&](long long editFrame, double reported) {
            const auto from = std::llround(reported * kRate);
            const Match match =
                bestMatch(source, from, edit.mono, editFrame, kMatchFrames, reach);
            EXPECT_GT(match.correlation, 0.98) << loop.name;
            return static_cast<double>(from + match.lag) / kRate;
        };
        const auto last = static_cast<long long>(edit.mono.size()) - kMatchFrames;
        const double start = placeOf(0, edit.map["tracks"][0]["selectedStartFileTime"]);
        const double end =
            placeOf(last, edit.map["tracks"][0]["selectedEndFileTime"].get<double>() -
                              static_cast<double>(kMatchFrames) / kRate) +
            static_cast<double>(kMatchFrames) / kRate;
        std::printf("%-16s", loop.name.c_str());
        for (const double at : {start, end}) {
            ++cuts;
            if (testsupport::justBefore(loop.bars, at)) ++onBar;
            std::printf(" cut at %.4f s, %+.1f ms before a true bar line;", at,
                        -testsupport::offsetFromNearest(loop.bars, at) * 1000);
        }
        std::printf(" the start snapped to %s, the end to %s\n",
                    cut["start"].value("snappedTo", "nothing").c_str(),
                    cut["end"].value("snappedTo", "nothing").c_str());
    }
    if (cuts == 0) GTEST_SKIP() << missing;
    std::printf("loops with Bar: %d of %d decoded cuts lie 0..25 ms before a true bar line\n",
                onBar, cuts);
    EXPECT_GE(onBar, cuts * 9 / 10);
}

}  // namespace
