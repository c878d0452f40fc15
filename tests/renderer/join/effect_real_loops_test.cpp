// Effects and a tempo change on real drum loops (recorded_songs.h), through the real seamforge
// and LAME: each loop is tiled to its exact tempo with its bar line at the loop's start, so its
// true beats are known apart from the renderer's analysis, and what is measured on the decoded
// edit is held against them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/renderer/join/effect_edit.h"
#include "tests/support/recorded_songs.h"

namespace {

using namespace effectedit;
using markedbeats::toMono;
using seamforgetest::Song;

constexpr double kLoopSeconds = 30.0;

struct Loop {
    testsupport::Recording truth;
    Samples samples;
    std::string missing;
    double beatSeconds() const { return 60.0 / truth.tempoBpm; }
};

Loop loadLoop(const std::string& name) {
    Loop loop;
    for (const testsupport::Recording& recording :
         testsupport::recordings(testsupport::RecordingKind::loop)) {
        if (recording.name == name) loop.truth = recording;
    }
    if (loop.truth.name.empty()) {
        loop.missing = "no truth file for " + name;
        return loop;
    }
    const testsupport::TemporaryFolder folder;
    testsupport::RecordingAudio audio =
        testsupport::loadRecordingAudio(loop.truth, folder, kLoopSeconds);
    loop.samples = std::move(audio.samples);
    loop.missing = audio.missing;
    return loop;
}

// "0:00" into a loop for 'endTime': its `beat`th true beat, to the microsecond.
std::string atBeat(const Loop& loop, size_t beat) {
    return std::to_string(loop.truth.beats.at(beat));
}

// Energy of the steps between neighbouring samples of `mono` in 10 ms windows every
// millisecond: the steps weigh the sharp highs of the hits over the kick's slow swing, so that
// a match in time has one clear peak.
std::vector<double> envelope(const std::vector<double>& mono) {
    constexpr size_t window = 441;
    std::vector<double> energy;
    for (size_t ms = 0, at = 1; at + window <= mono.size();
         at = static_cast<size_t>(std::lround(static_cast<double>(++ms) * kRate / 1000)) + 1) {
        double sum = 0.0;
        for (size_t f = at; f < at + window; ++f) sum += std::pow(mono[f] - mono[f - 1], 2);
        energy.push_back(sum);
    }
    return energy;
}

// Where the song is and how fast it plays at `at` in the edit: the 5 ms of the edit from there
// matched against the song read from `place` at `speed` (between samples by straight lines), for
// every place from `from` to `to` seconds of the song and every speed from 0.05 to 1.1.
struct RecordAt {
    double place = 0.0;
    double speed = 0.0;
    double correlation = -1.0;
};

RecordAt recordAt(const std::vector<double>& edit, double at, const std::vector<double>& song,
                  double from, double to) {
    constexpr int kFrames = 220;
    const auto first = static_cast<size_t>(std::llround(at * kRate));
    double editPower = 0.0;
    for (int k = 0; k < kFrames; ++k) editPower += edit[first + k] * edit[first + k];
    RecordAt best;
    for (auto start = static_cast<long long>(from * kRate); start < to * kRate; ++start) {
        for (int step = 5; step <= 110; ++step) {
            const double speed = step / 100.0;
            double both = 0.0, songPower = 0.0;
            for (int k = 0; k < kFrames; ++k) {
                const double position = static_cast<double>(start) + speed * k;
                const auto below = static_cast<size_t>(position);
                const double share = position - static_cast<double>(below);
                const double y = song[below] * (1.0 - share) + song[below + 1] * share;
                both += edit[first + k] * y;
                songPower += y * y;
            }
            const double c = both / std::sqrt(editPower * songPower);
            if (c > best.correlation) best = {static_cast<double>(start) / kRate, speed, c};
        }
    }
    return best;
}

// A breakbeat at 126 BPM and a synth loop at 120.
class EffectRealLoops : public EffectEdit {
protected:
    Loop a = loadLoop("loop_breakbeat");
    Loop b = loadLoop("loop_garzul");

    void SetUp() override {
        EffectEdit::SetUp();
        if (!a.missing.empty() || !b.missing.empty()) GTEST_SKIP() << a.missing << b.missing;
    }

    // The breakbeat cut on its 40th true beat into the synth loop from its start.
    Rendered renderJoin(const json& transition) {
        return render({Song{song("a.wav", a.samples), "0:00", atBeat(a, 40)},
                       Song{song("b.wav", b.samples), "0:00", "0:08"}},
                      {json{{"transition", transition}}});
    }
};

// A pause of 2 beats from a breakbeat into a synth loop: silence for 2 of the synth loop's true
// beats, then that loop from its cut start, on its first true beat.
TEST_F(EffectRealLoops, APauseLastsTheNextLoopsTrueBeatsThenItsFirstBeat) {
    const Rendered edit = renderJoin({{"style", "pause"}, {"beats", 2}});
    const json join = onlyJoin(edit);
    ASSERT_EQ(join.value("style", ""), "pause") << join.dump();
    const double cutEnd = cutEndInEdit(edit, 1);
    const Silence gap = silenceAround(edit.mono, cutEnd);
    const double silence = gap.seconds();
    const double twoBeats = 2 * b.beatSeconds();
    EXPECT_NEAR(silence, twoBeats, 0.010);
    // The synth loop's first true beat at or after its cut start is where its sound comes back.
    const double cutStartB = cutStart(edit, 2);
    const double firstBeat =
        *std::lower_bound(b.truth.beats.begin(), b.truth.beats.end(), cutStartB - 0.0005);
    const double expected = cutEnd + twoBeats + firstBeat - cutStartB;
    const double sound = static_cast<double>(gap.firstSound) / kRate;
    EXPECT_NEAR(sound, expected, 0.005);
    EXPECT_NEAR(join.value("startTime", 0.0), cutEnd + twoBeats, 0.002);
    std::printf(
        "pause on real loops: %.4f s of silence (2 true beats of the next loop: %.4f s); its "
        "first true beat %+.2f ms from where it sounds\n",
        silence, twoBeats, (sound - expected) * 1000);
}

// A tape stop on the breakbeat: from its cut end the loop plays on ever slower, over one of its
// true beats, and ends quiet where the next loop comes in.
TEST_F(EffectRealLoops, ATapeStopSlowsTheLoopToSilenceWithinItsTrueBeat) {
    const Rendered edit = renderJoin({{"style", "tapeStop"}});
    const json join = onlyJoin(edit);
    ASSERT_EQ(join.value("style", ""), "tapeStop") << join.dump();
    const double start = cutEndInEdit(edit, 1);
    const double end = join.value("startTime", 0.0);
    EXPECT_NEAR(end - start, a.beatSeconds(), 0.002);
    // The loop's place and speed at fifths of the stop: from the cut end at its own speed, each
    // speed below the last.
    const double songFrom = cutStart(edit, 1) + start;
    const std::vector<double> loop = toMono(a.samples);
    std::vector<RecordAt> record;
    std::string shown;
    for (int fifth = 0; fifth < 5; ++fifth) {
        const double from = record.empty() ? songFrom - 0.01 : record.back().place;
        record.push_back(recordAt(edit.mono, start + fifth * (end - start) / 5, loop, from,
                                  from + (end - start) / 5 + 0.01));
        EXPECT_GT(record.back().correlation, 0.9) << "fifth " << fifth;
        if (fifth > 0) {
            EXPECT_LT(record.back().speed, record[fifth - 1].speed) << "fifth " << fifth;
        }
        char text[64];
        std::snprintf(text, sizeof text, " %.2f (%+.1f ms, %.3f)", record.back().speed,
                      (record.back().place - songFrom) * 1000, record.back().correlation);
        shown += text;
    }
    EXPECT_NEAR(record.front().place, songFrom, 1.0 / kRate);
    EXPECT_GT(record.front().speed, 0.95);
    EXPECT_LT(record.back().speed, 0.4);
    const double loud = markedbeats::powerDb(edit.mono, start - a.beatSeconds(), start);
    const double tail = markedbeats::powerDb(edit.mono, end - 0.002, end);
    EXPECT_LT(tail - loud, -26.0);
    std::printf(
        "tape stop on a real loop: %.4f s (true beat %.4f s); speed (place, match) at its "
        "fifths%s; its last 2 ms %.1f dB under the beat before\n",
        end - start, a.beatSeconds(), shown.c_str(), tail - loud);
}

// A stutter on the breakbeat: each repeat is the start of the loop's last true beat, placed at
// the eighths, sixteenths and thirty-seconds of that true beat.
TEST_F(EffectRealLoops, AStutterRepeatsTheTrueBeatsStartAtItsFractions) {
    const Rendered edit = renderJoin({{"style", "stutter"}});
    const json join = onlyJoin(edit);
    ASSERT_EQ(join.value("style", ""), "stutter") << join.dump();
    const double beatFrames = a.beatSeconds() * kRate;
    const auto start = std::llround(cutEndInEdit(edit, 1) * kRate);
    const long long source = std::llround(a.truth.beats.at(39) * kRate);
    const std::vector<double> loop = toMono(a.samples);
    double beats = 0.0, worst = 1.0;
    int worstLag = 0;
    long long edge = 0;
    for (const double slice : kStutterSlices) {
        beats += 1.0 / slice;
        const long long next = std::llround(beats * beatFrames);
        const Match match =
            bestMatch(edit.mono, start + edge + 100, loop, source + 100, next - edge - 200, 40);
        worst = std::min(worst, match.correlation);
        if (std::abs(match.lag) > std::abs(worstLag)) worstLag = match.lag;
        edge = next;
    }
    EXPECT_GT(worst, 0.95);
    EXPECT_LE(std::abs(worstLag), 2);
    std::printf(
        "stutter on a real loop: %zu repeats of its true beat's start; worst correlation %.4f, "
        "worst lag %d frames from the true beat's fractions\n",
        std::size(kStutterSlices), worst, worstLag);
}

// Where the loop's bar lines (its passes' starts) are in the edit of it played at `speed`: each
// pass's energy envelope, time-scaled, matched against the edit's around where it should be. A
// whole pass, since within one beat the hits repeat and a match could slip onto the next.
struct BarLines {
    std::vector<double> index;  // the true beat's index
    std::vector<double> seconds;
};

BarLines barLines(const Loop& loop, const std::vector<double>& edit, double speed) {
    const std::vector<double> own = envelope(toMono(loop.samples));
    const std::vector<double> played = envelope(edit);
    const double editSeconds = static_cast<double>(edit.size()) / kRate;
    const auto passMs = static_cast<int>(loop.truth.lengthSeconds * 1000);
    BarLines found;
    for (size_t k = 0; k < loop.truth.beats.size();
         k += static_cast<size_t>(loop.truth.loopBeats)) {
        const double bar = loop.truth.beats[k];
        if ((bar + loop.truth.lengthSeconds) / speed > editSeconds - 0.5) break;
        // The pass's energy against the edit's at the same moments played at `speed`, `lag` ms
        // later.
        const auto score = [&](int lag) {
            double both = 0.0, ownPower = 0.0, playedPower = 0.0;
            for (int ms = 0; ms < passMs; ++ms) {
                const double x = own[static_cast<size_t>(std::lround(bar * 1000) + ms)];
                const auto at = std::lround((bar + ms / 1000.0) / speed * 1000) + lag;
                const double y = at >= 0 ? played[static_cast<size_t>(at)] : 0.0;
                both += x * y;
                ownPower += x * x;
                playedPower += y * y;
            }
            return both / std::sqrt(ownPower * playedPower);
        };
        int best = 0;
        for (int lag = -60; lag <= 60; ++lag) {
            if (score(lag) > score(best)) best = lag;
        }
        const double before = score(best - 1), at = score(best), after = score(best + 1);
        const double shift = 0.5 * (before - after) / (before - 2.0 * at + after);
        found.index.push_back(static_cast<double>(k));
        found.seconds.push_back(bar / speed + (best + shift) / 1000.0);
    }
    return found;
}

// The breakbeat as it is and asked to play at 120 and 132 BPM: its true bar lines lie on a line
// of the new tempo that starts with the edit.
TEST_F(EffectRealLoops, ATempoChangePutsTheLoopsTrueBeatsOnTheNewTempo) {
    const std::filesystem::path path = song("a.wav", a.samples);
    for (const double bpm : {0.0, 120.0, 132.0}) {
        SCOPED_TRACE(bpm);
        const Rendered edit =
            render({Song{path, "0:00", "0:25"}},
                   {bpm == 0.0 ? json::object() : json{{"tempo", {{"bpm", bpm}}}}});
        const double asked = bpm == 0.0 ? a.truth.tempoBpm : bpm;
        const BarLines bars = barLines(a, edit.mono, asked / a.truth.tempoBpm);
        ASSERT_GE(bars.index.size(), 10u);
        const auto [period, offset] = markedbeats::line(bars.index, bars.seconds);
        double worst = 0.0;
        for (size_t i = 0; i < bars.index.size(); ++i) {
            worst = std::max(worst, std::abs(bars.seconds[i] - (offset + period * bars.index[i])));
        }
        const double measured = 60.0 / period;
        EXPECT_NEAR(measured / asked, 1.0, 0.003);
        EXPECT_LT(worst, 0.005);
        EXPECT_LT(std::abs(offset), 0.005);
        std::printf(
            "tempo on a real loop: %.3f BPM asked of its %.3f (cut from %.4f s); its %zu true bar "
            "lines at %.3f BPM (%+.3f %%), the line %+.2f ms from the edit's start, worst %.2f ms "
            "off it\n",
            asked, a.truth.tempoBpm, cutStart(edit, 1), bars.index.size(), measured,
            (measured / asked - 1) * 100, offset * 1000, worst * 1000);
    }
}

}  // namespace
