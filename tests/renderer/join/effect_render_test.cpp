// Effects, tempo and key through the real seamforge and the real LAME, measured on the decoded
// MP3. The songs carry a marked beat (marked_beats.h) so that their grids are trusted, and what
// each measurement needs where the effect reads: a steady tone whose crossings give the speed, a
// tone on the left and a rising sweep on the right whose frequency ratio gives where the record
// is (whatever its speed), or noise that matches only where it was taken from.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

#include "tests/renderer/join/effect_edit.h"

namespace {

using namespace effectedit;
using namespace markedbeats;

constexpr double kToneHz = 1000.0;
constexpr double kBpmA = 120.0;
constexpr double kBpmB = 128.0;
// The break before song 1's cut end, where the effects read: no kick or marker in it.
constexpr double kCutEndA = 30.0;
constexpr double kSongASeconds = 31.0;
// The sweep holds 600 Hz, then rises an octave every 1.5 s over the last seconds of song 1.
constexpr double kSweepFromHz = 600.0;
constexpr double kSweepRiseAt = 27.0;
constexpr double kSweepOctaveSeconds = 1.5;
constexpr double kLeftToneHz = 500.0;

// Adds `left` and `right` (in full-scale units) to the two channels of `samples`.
Samples withChannels(Samples samples, const std::vector<double>& left,
                     const std::vector<double>& right) {
    for (size_t f = 0; f < samples.size() / 2; ++f) {
        for (const auto& [c, add] : {std::pair{0, &left}, std::pair{1, &right}}) {
            const double value = samples[2 * f + c] + 32767.0 * (*add)[f];
            samples[2 * f + c] =
                static_cast<int16_t>(std::lround(std::clamp(value, -32767.0, 32767.0)));
        }
    }
    return samples;
}

std::vector<double> sine(size_t frames, double hz, double amplitude) {
    std::vector<double> values(frames);
    for (size_t f = 0; f < frames; ++f) {
        values[f] = amplitude * std::sin(kTwoPi * hz * static_cast<double>(f) / kRate);
    }
    return values;
}

double sweepHz(double seconds) {
    return kSweepFromHz * std::exp2(std::max(0.0, seconds - kSweepRiseAt) / kSweepOctaveSeconds);
}

// Where the song is (in its seconds) that plays the sweep at `hz`; the sweep must be rising there.
double sweepSeconds(double hz) {
    return kSweepRiseAt + kSweepOctaveSeconds * std::log2(hz / kSweepFromHz);
}

std::vector<double> sweep(size_t frames, double amplitude) {
    std::vector<double> values(frames);
    double phase = 0.0;
    for (size_t f = 0; f < frames; ++f) {
        values[f] = amplitude * std::sin(phase);
        phase += kTwoPi * sweepHz(static_cast<double>(f) / kRate) / kRate;
    }
    return values;
}

// Song 1 of the effects: a marked beat at 120 BPM that breaks 2.5 s before its cut end.
MarkedSong songA() { return markedSong(kSongASeconds, kBpmA, kMarkerAHz, 0.0, kCutEndA - 2.5); }

// Song 2: a marked beat at 128 BPM over a quiet steady tone, so it starts on sound.
MarkedSong songB() { return markedSong(kSongSeconds, kBpmB, kMarkerBHz, kSteadyHz); }

// Where `values` crosses zero between `from` and `to` seconds, in seconds (between samples):
// upward only, or both ways.
std::vector<double> crossings(const std::vector<double>& values, double from, double to,
                              bool bothWays) {
    std::vector<double> found;
    const auto last = std::min(values.size(), static_cast<size_t>(to * kRate));
    for (auto f = static_cast<size_t>(std::max(from, 0.0) * kRate) + 1; f < last; ++f) {
        const double before = values[f - 1], after = values[f];
        const bool up = before < 0.0 && after >= 0.0;
        const bool down = before >= 0.0 && after < 0.0;
        if (up || (bothWays && down)) {
            found.push_back((static_cast<double>(f - 1) + before / (before - after)) / kRate);
        }
    }
    return found;
}

// The frequency of each cycle between upward crossings, at the cycle's middle.
std::vector<std::pair<double, double>> cycleHz(const std::vector<double>& values, double from,
                                               double to) {
    const std::vector<double> up = crossings(values, from, to, false);
    std::vector<std::pair<double, double>> cycles;
    for (size_t i = 1; i < up.size(); ++i) {
        cycles.emplace_back((up[i] + up[i - 1]) / 2, 1.0 / (up[i] - up[i - 1]));
    }
    return cycles;
}

// Where the record is, in the song's seconds, through a stretch of the edit: every
// `perStep` half cycles of the left tone, the sweep's half cycles counted over the same
// stretch of the edit give the sweep's frequency at the record, and so the place.
std::vector<std::pair<double, double>> recordPlace(const Samples& decoded, double from, double to) {
    const std::vector<double> left = crossings(channel(decoded, 0), from, to, true);
    const std::vector<double> right = crossings(channel(decoded, 1), from, to, true);
    const auto count = [&](double at) {  // the right's crossings before `at`, fractional
        const auto after = std::lower_bound(right.begin(), right.end(), at);
        if (after == right.begin() || after == right.end()) return std::nan("");
        const double previous = *(after - 1);
        return static_cast<double>(after - right.begin() - 1) +
               (at - previous) / (*after - previous);
    };
    constexpr size_t perStep = 6;
    std::vector<std::pair<double, double>> places;
    for (size_t i = 0; i + perStep < left.size(); i += perStep) {
        const double ratio = (count(left[i + perStep]) - count(left[i])) / perStep;
        if (std::isnan(ratio)) continue;
        places.emplace_back((left[i] + left[i + perStep]) / 2, sweepSeconds(ratio * kLeftToneHz));
    }
    return places;
}

// A song with a left tone and a rising sweep on the right over song 1's beat.
Samples sweepSong() {
    const MarkedSong a = songA();
    const size_t frames = a.samples.size() / 2;
    return withChannels(a.samples, sine(frames, kLeftToneHz, 0.25), sweep(frames, 0.25));
}

// Song 1 with a loud steady tone through its break.
Samples toneSong() {
    const MarkedSong a = songA();
    const size_t frames = a.samples.size() / 2;
    return withChannels(a.samples, sine(frames, kToneHz, 0.3), sine(frames, kToneHz, 0.3));
}

class EffectRender : public EffectEdit {
protected:
    // `songOne` cut at kCutEndA into song 2 (from its first beat) through `transition` (null:
    // none, as where the note asks).
    Rendered renderJoin(const Samples& songOne, const json& transition,
                        const std::string& note = "") {
        return render({Song{song("a.wav", songOne), "0:00", std::to_string(kCutEndA), note},
                       Song{song("b.wav", songB().samples), "0:00.5", "0:08"}},
                      {transition.is_null() ? json::object() : json{{"transition", transition}}});
    }
};

// The steady tone's fall through a tape stop from `start` to `end` in the edit: its frequency
// falls cycle by cycle from the tone's own to under a fifth of it.
struct Fall {
    double firstHz = 0.0, lastHz = 0.0, worstRise = 0.0, underAFifthAt = NAN;
};

Fall toneFall(const std::vector<double>& values, double start, double end) {
    const std::vector<std::pair<double, double>> cycles = cycleHz(values, start, end);
    Fall fall;
    if (cycles.empty()) return fall;
    fall.firstHz = cycles.front().second;
    fall.lastHz = cycles.back().second;
    for (size_t i = 1; i < cycles.size(); ++i) {
        fall.worstRise = std::max(fall.worstRise, cycles[i].second / cycles[i - 1].second - 1.0);
        if (std::isnan(fall.underAFifthAt) && cycles[i].second < kToneHz / 5) {
            fall.underAFifthAt = cycles[i].first;
        }
    }
    return fall;
}

// A tape stop of 1 beat of song 1's grid: from the cut end the tone falls without a rise to under
// a fifth of its pitch within the beat, without a click, and nothing of song 1 sounds after it.
TEST_F(EffectRender, ATapeStopSlowsTheToneToAStopWithinItsBeat) {
    const Rendered edit = renderJoin(toneSong(), {{"style", "tapeStop"}});
    const json join = onlyJoin(edit);
    ASSERT_EQ(join.value("style", ""), "tapeStop") << join.dump();
    EXPECT_NEAR(join.value("beats", 0.0), 1.0, 1e-4);
    const double seconds = join.value("seconds", 0.0);
    EXPECT_NEAR(seconds, 60.0 / kBpmA, 0.002);
    const double end = join.value("endTime", 0.0);
    const double start = end - seconds;
    EXPECT_NEAR(start, cutEndInEdit(edit, 1), 1.0 / kRate);
    EXPECT_NEAR(join.value("startTime", 0.0), end, 1.0 / kRate);

    const std::vector<double> left = channel(edit.decoded, 0);
    const Fall fall = toneFall(left, start - 0.01, end);
    EXPECT_NEAR(fall.firstHz, kToneHz, 5.0);
    EXPECT_LT(fall.worstRise, 0.002);
    EXPECT_LT(fall.underAFifthAt, end);
    EXPECT_LT(fall.lastHz, kToneHz / 5);
    // Song 1 ends on silence: its last 2 ms are quiet, and nothing of its tone follows.
    const double toneRms = std::sqrt(std::pow(10.0, powerDb(left, start - 0.5, start - 0.1) / 10));
    const double tailRms = std::sqrt(std::pow(10.0, powerDb(left, end - 0.002, end) / 10));
    const Band toneBand = band(edit.mono, kToneHz, 0.05);
    const double full = toneBand.level[static_cast<size_t>((start - 0.1) * kRate)];
    const auto afterFrom = toneBand.level.begin() + static_cast<long>((end + 0.1) * kRate);
    const double after = *std::max_element(afterFrom, afterFrom + static_cast<long>(kRate));
    EXPECT_LT(tailRms / toneRms, 0.05);
    EXPECT_LT(after / full, 0.01);
    // A slowing tone only makes smaller steps than its own.
    const int own = steepestStep(edit.decoded, start - 1.0, start - 0.1);
    const int stop = steepestStep(edit.decoded, start - 0.1, end);
    EXPECT_LE(stop, own * 21 / 20);
    // Song 2 from its cut start right after the stop.
    const std::vector<Marker> beatsB = markers(band(edit.mono, kMarkerBHz, 0.005).level, 0.005);
    ASSERT_FALSE(beatsB.empty());
    EXPECT_NEAR(beatsB.front().beatSeconds, end, 0.002);
    std::printf(
        "tape stop: %.4f s (%.2f beats) from %.4f s; tone %.1f Hz -> %.1f Hz, under a fifth "
        "%.4f s before the end, worst rise %+.3f %%; last 2 ms at %.4f of the tone, after it %.4f; "
        "steepest %d "
        "against %d; song 2's first beat %+.2f ms from the end\n",
        seconds, join.value("beats", 0.0), start, fall.firstHz, fall.lastHz,
        end - fall.underAFifthAt, fall.worstRise * 100, tailRms / toneRms, after / full, stop, own,
        (beatsB.front().beatSeconds - end) * 1000);
}

// Backspin and scratch turn the record: the sweep's place under it runs back over the whole
// backspin, and forward, back, forward, back over the scratch's quarter beats.
TEST_F(EffectRender, BackspinAndScratchTurnTheRecordAsTheyShould) {
    struct Case {
        std::string style;
        double beats;
        std::vector<int> directions;  // +1 forward, −1 back, over equal parts of the effect
    };
    const std::vector<Case> cases = {{"backspin", 2.0, {-1}}, {"scratch", 1.0, {1, -1, 1, -1}}};
    const Samples source = sweepSong();
    for (const Case& row : cases) {
        SCOPED_TRACE(row.style);
        const Rendered edit = renderJoin(source, {{"style", row.style}});
        const json join = onlyJoin(edit);
        ASSERT_EQ(join.value("style", ""), row.style) << join.dump();
        EXPECT_NEAR(join.value("beats", 0.0), row.beats, 1e-4);
        const double seconds = join.value("seconds", 0.0);
        EXPECT_NEAR(seconds, row.beats * 60.0 / kBpmA, 0.004);
        const double start = join.value("endTime", 0.0) - seconds;
        EXPECT_NEAR(start, cutEndInEdit(edit, 1), 1.0 / kRate);

        const auto parts = static_cast<double>(row.directions.size());
        std::string shown;
        for (size_t p = 0; p < row.directions.size(); ++p) {
            // Clear of the turns, where the record stands.
            const double partSeconds = seconds / parts;
            const double from = start + (static_cast<double>(p) + 0.15) * partSeconds;
            const double to = start + (static_cast<double>(p) + 0.85) * partSeconds;
            const std::vector<std::pair<double, double>> places =
                recordPlace(edit.decoded, from, to);
            ASSERT_GE(places.size(), 5u);
            int against = 0;
            for (size_t i = 1; i < places.size(); ++i) {
                const double step = places[i].second - places[i - 1].second;
                if (step * row.directions[p] < 0.0) ++against;
            }
            const double moved = places.back().second - places.front().second;
            EXPECT_GT(moved * row.directions[p], 0.02) << "part " << p;
            EXPECT_EQ(against, 0) << "part " << p;
            char text[96];
            std::snprintf(text, sizeof text, " %.3f..%.3f s (%+.3f, %d of %zu steps against)",
                          places.front().second, places.back().second, moved, against,
                          places.size() - 1);
            shown += text;
        }
        std::printf("%s: %.4f s from %.4f s; record at%s\n", row.style.c_str(), seconds, start,
                    shown.c_str());
    }
}

// "pause for 2 beats" in song 1's note: silence for 2 beats of song 2's grid, then song 2 from its
// cut start with its first beat; its entrance is no dead air.
TEST_F(EffectRender, APauseInTheNoteLastsTheNextSongsBeatsThenItsBeatFollows) {
    const MarkedSong a = markedSong(kSongSeconds, kBpmA, kMarkerAHz, kSteadyHz);
    const MarkedSong b = songB();
    const Rendered edit = renderJoin(a.samples, nullptr, "pause for 2 beats");
    const json join = onlyJoin(edit);
    ASSERT_EQ(join.value("style", ""), "pause") << join.dump();
    EXPECT_EQ(join.value("askedBy", ""), "note");
    EXPECT_NEAR(join.value("beats", 0.0), 2.0, 1e-4);
    // The silence in the decoded edit: every sample below -60 dBFS.
    const double cutEnd = cutEndInEdit(edit, 1);
    const Silence gap = silenceAround(edit.mono, cutEnd);
    const double silence = gap.seconds();
    const double twoBeats = 2 * 60.0 / kBpmB;
    EXPECT_NEAR(silence, twoBeats, 0.010);
    EXPECT_NEAR(join.value("seconds", 0.0), twoBeats, 0.002);
    EXPECT_NEAR(join.value("startTime", 0.0), static_cast<double>(gap.firstSound) / kRate, 0.005);
    const std::vector<Marker> beatsB = markers(band(edit.mono, kMarkerBHz, 0.005).level, 0.005);
    ASSERT_FALSE(beatsB.empty());
    const double cutStartB = cutStart(edit, 2);
    const double firstBeatB =
        *std::lower_bound(b.beatSeconds.begin(), b.beatSeconds.end(), cutStartB - 0.002);
    const double expectedBeat = join.value("startTime", 0.0) + firstBeatB - cutStartB;
    EXPECT_NEAR(beatsB.front().beatSeconds, expectedBeat, 0.002);
    ASSERT_EQ(edit.map.value("transitionChecks", json::array()).size(), 1u);
    const json& check = edit.map["transitionChecks"][0];
    EXPECT_GT(check.value("peakFirst020", 0.0), 0.005);
    EXPECT_NE(edit.notes.find("- Song 1 into Song 2: a pause of 2 beats ("), std::string::npos)
        << edit.notes;
    std::printf(
        "pause: %.4f s of silence (2 beats of song 2: %.4f s; reported %.4f s); song 2's first "
        "beat %+.2f ms from where it should follow; entrance peak %.3f\n",
        silence, twoBeats, join.value("seconds", 0.0),
        (beatsB.front().beatSeconds - expectedBeat) * 1000, check.value("peakFirst020", 0.0));
}

// A stutter replays the start of song 1's last beat in every slice, and an echo out repeats that
// beat, fainter each beat, over song 2's start.
TEST_F(EffectRender, AStutterRepeatsTheLastBeatsStartSliceBySlice) {
    // Noise over the beat, kept below 5 kHz where the MP3 keeps it whole: a slice matches only
    // where it was taken from.
    std::vector<double> noise = toMono(testsupport::noise(kSongASeconds, 0.3, 7));
    for (size_t f = noise.size() - 1; f >= 8; --f) {
        noise[f] = std::accumulate(noise.begin() + static_cast<long>(f) - 7,
                                   noise.begin() + static_cast<long>(f) + 1, 0.0) /
                   8.0;
    }
    const Samples noisy = withChannels(songA().samples, noise, noise);
    const Rendered edit = renderJoin(noisy, {{"style", "stutter"}});
    const json join = onlyJoin(edit);
    ASSERT_EQ(join.value("style", ""), "stutter") << join.dump();
    const long long beatFrames = std::llround(join.value("seconds", 0.0) * kRate);
    EXPECT_NEAR(static_cast<double>(beatFrames) / kRate, 60.0 / kBpmA, 0.002);
    const auto start = std::llround(cutEndInEdit(edit, 1) * kRate);
    const long long source = start + std::llround(cutStart(edit, 1) * kRate) - beatFrames;
    const std::vector<double> song = toMono(noisy);
    // Slices of an eighth, a sixteenth and a thirty-second of the beat, shorter as it goes.
    double beats = 0.0, worst = 1.0;
    int worstLag = 0;
    long long edge = 0;
    for (const double slice : kStutterSlices) {
        beats += 1.0 / slice;
        const long long next = std::llround(beats * static_cast<double>(beatFrames));
        const long long inner = next - edge - 2 * 100;  // clear of the 2 ms ramps
        const Match best = bestMatch(edit.mono, start + edge + 100, song, source + 100, inner, 40);
        worst = std::min(worst, best.correlation);
        if (std::abs(best.lag) > std::abs(worstLag)) worstLag = best.lag;
        edge = next;
    }
    EXPECT_GT(worst, 0.98);
    EXPECT_LE(std::abs(worstLag), 1);
    // Against a slice of the beat taken a little later, it does not match.
    const double elsewhere =
        correlation(edit.mono, start + 100, song, source + 100 + 441, beatFrames / 8 - 200);
    EXPECT_LT(elsewhere, 0.5);
    std::printf(
        "stutter: 16 slices of a %.4f s beat; worst correlation %.4f with the beat's start, "
        "worst best lag %d frames; %.4f with 10 ms later\n",
        static_cast<double>(beatFrames) / kRate, worst, worstLag, elsewhere);
}

TEST_F(EffectRender, AnEchoOutRepeatsTheLastBeatFainterUnderTheNextSong) {
    const MarkedSong a = songA();
    const MarkedSong b = songB();
    // The cut ends 0.35 beat after a beat of song 1, so its last beat holds one marker.
    const double cutEnd = a.beatSeconds[38] + 0.35 * 60.0 / kBpmA;
    const Rendered edit = render({Song{song("a.wav", a.samples), "0:00", std::to_string(cutEnd)},
                                  Song{song("b.wav", b.samples), "0:00.5", "0:08"}},
                                 {json{{"transition", {{"style", "echoOut"}}}}});
    const json join = onlyJoin(edit);
    ASSERT_EQ(join.value("style", ""), "echoOut") << join.dump();
    const double period = 60.0 / kBpmA;
    EXPECT_NEAR(join.value("beats", 0.0), 4.0, 1e-4);
    const double start = cutEndInEdit(edit, 1);
    EXPECT_NEAR(join.value("startTime", 0.0), start, 1.0 / kRate);
    EXPECT_NEAR(join.value("endTime", 0.0) - start, 4 * period, 0.004);
    const std::vector<Marker> beatsA = markers(band(edit.mono, kMarkerAHz, 0.005).level, 0.001);
    const std::vector<Marker> own = between(beatsA, start - 2.0, start);
    const std::vector<Marker> echoes = between(beatsA, start, start + 5 * period);
    ASSERT_FALSE(own.empty());
    ASSERT_EQ(echoes.size(), 4u);
    std::string shown;
    for (size_t k = 0; k < echoes.size(); ++k) {
        EXPECT_NEAR(echoes[k].beatSeconds,
                    own.back().beatSeconds + static_cast<double>(k + 1) * period, 0.002);
        const double share = echoes[k].level / own.back().level;
        if (k < 3) {
            const double expected = std::pow(0.5, static_cast<double>(k + 1));
            EXPECT_NEAR(share, expected, 0.05 * expected);
        }
        if (k > 0) {
            EXPECT_LT(echoes[k].level, 0.6 * echoes[k - 1].level);
        }
        shown += " " + std::to_string(share);
    }
    // Song 2 comes in with the first repeat.
    const std::vector<Marker> beatsB = markers(band(edit.mono, kMarkerBHz, 0.005).level, 0.005);
    ASSERT_FALSE(beatsB.empty());
    const double cutStartB = cutStart(edit, 2);
    const double firstBeatB =
        *std::lower_bound(b.beatSeconds.begin(), b.beatSeconds.end(), cutStartB - 0.002);
    EXPECT_NEAR(beatsB.front().beatSeconds, start + firstBeatB - cutStartB, 0.002);
    EXPECT_NE(edit.notes.find("- Song 1 into Song 2: an echo out over 4 beats ("),
              std::string::npos)
        << edit.notes;
    std::printf("echo out: repeats at%s of the last beat's level; song 2's first beat %+.2f ms\n",
                shown.c_str(),
                (beatsB.front().beatSeconds - start - firstBeatB + cutStartB) * 1000);
}

struct Beats {
    double bpm = 0.0;
    double worstCents = 0.0;  // of the steady tone between beats, against `toneHz`
};

Beats measureBeats(const Rendered& edit, double roughBpm, double toneHz, double markerHz) {
    const std::vector<Marker> found = markers(band(edit.mono, markerHz, 0.005).level, 0.005);
    const std::vector<Marker> inside = between(found, 1.0, edit.seconds() - 1.0);
    Beats beats;
    if (inside.size() < 3) return beats;
    beats.bpm = 60.0 / beatPeriod(inside, 60.0 / roughBpm);
    const Band steady = band(edit.mono, toneHz, 0.05);
    for (const Marker& beat : inside) {
        const double from = beat.beatSeconds + 0.15;
        const double off = cents(markedbeats::toneHz(steady, toneHz, from, from + 0.2), toneHz);
        if (std::abs(off) > std::abs(beats.worstCents)) beats.worstCents = off;
    }
    return beats;
}

// A tempo asked as a percentage or a BPM, and a key change: the beats at the new tempo with the
// tone at its pitch, or the tone shifted with the length kept.
TEST_F(EffectRender, TempoAndKeyChangeWhatTheyShouldAndNothingElse) {
    const MarkedSong a = markedSong(kSongSeconds, kBpmA, kMarkerAHz, kSteadyHz);
    struct Case {
        std::string name;
        json keys;
        double bpm;
        double semitones;
    };
    const std::vector<Case> cases = {
        {"as it is", json::object(), kBpmA, 0.0},
        {"4 % faster", {{"tempo", {{"percent", 4}}}}, kBpmA * 1.04, 0.0},
        {"112 BPM", {{"tempo", {{"bpm", 112}}}}, 112.0, 0.0},
        {"2 semitones up", {{"semitones", 2}}, kBpmA, 2.0},
    };
    const fs::path path = song("a.wav", a.samples);
    double plainSeconds = 0.0;
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        const Rendered edit = render({Song{path, "0:00", "0:25"}}, {row.keys});
        const double shift = std::exp2(row.semitones / 12.0);
        const double toneHz = kSteadyHz * shift;
        const Beats beats = measureBeats(edit, row.bpm, toneHz, kMarkerAHz * shift);
        EXPECT_NEAR(beats.bpm / row.bpm, 1.0, 0.003);
        EXPECT_LE(std::abs(beats.worstCents), 5.0);
        if (row.keys.empty()) {
            plainSeconds = edit.seconds();
        } else {
            ASSERT_EQ(edit.map.value("tempoAndKey", json::array()).size(), 1u) << edit.map.dump(1);
            const json& change = edit.map["tempoAndKey"][0];
            EXPECT_FALSE(change.contains("whyNot")) << change.dump();
            if (row.semitones != 0.0) {
                EXPECT_EQ(change.value("semitones", 0.0), row.semitones);
                EXPECT_NEAR(edit.seconds(), plainSeconds, 1152.0 / kRate);
            } else {
                EXPECT_NEAR(change.value("toBpm", 0.0) / row.bpm, 1.0, 0.003);
                EXPECT_NEAR(edit.seconds(), plainSeconds * kBpmA / row.bpm, 0.05);
            }
        }
        std::printf(
            "%s: beats at %.3f BPM (%+.3f %%), tone worst %+.2f cents from %.1f Hz, "
            "%.4f s long (as it is %.4f s); toBpm %.3f\n",
            row.name.c_str(), beats.bpm, (beats.bpm / row.bpm - 1) * 100, beats.worstCents, toneHz,
            edit.seconds(), plainSeconds,
            edit.map.contains("tempoAndKey") ? edit.map["tempoAndKey"][0].value("toBpm", 0.0)
                                             : 0.0);
    }
}

// What cannot or may not be done is left out, the notes say why, and the sentence that everything
// was found does not stand; a tape stop the ending allows is the edit's end.
TEST_F(EffectRender, WhatIsNotDoneIsLeftOutAndTheNotesSayWhy) {
    constexpr const char* kAllFound = "The local engine found usable timing";
    const MarkedSong a = markedSong(kSongSeconds, kBpmA, kMarkerAHz, kSteadyHz);
    const fs::path path = song("a.wav", a.samples);
    {
        SCOPED_TRACE("400 BPM");
        const Rendered edit = render({Song{path, "0:00", "0:25"}}, {{{"tempo", {{"bpm", 400}}}}});
        EXPECT_NEAR(measureBeats(edit, kBpmA, kSteadyHz, kMarkerAHz).bpm / kBpmA, 1.0, 0.003);
        ASSERT_EQ(edit.map.value("tempoAndKey", json::array()).size(), 1u) << edit.map.dump(1);
        EXPECT_EQ(edit.map["tempoAndKey"][0].value("speed", 0.0), 1.0);
        EXPECT_NE(
            edit.notes.find("- Song 1: asked for 400 BPM, but that is 3.33 times its speed, "
                            "and only half to double can be done here, so it plays as it is."),
            std::string::npos)
            << edit.notes;
        EXPECT_EQ(edit.notes.find(kAllFound), std::string::npos);
    }
    const Samples tone = toneSong();
    for (const std::string ending : {"fade", "none"}) {
        SCOPED_TRACE(ending);
        const Rendered edit = render(
            {Song{path, "0:00", "0:10"},
             Song{song("b.wav", tone), "0:00", std::to_string(kCutEndA), "end with a tape stop"}},
            {}, ending);
        const bool fade = ending == "fade";
        EXPECT_EQ(edit.map.contains("endingEffect"), !fade) << edit.map.dump(1);
        EXPECT_EQ(edit.notes.find(kAllFound) == std::string::npos, fade) << edit.notes;
        const std::string leftOut =
            "- Song 2: asked for a tape stop, but the chosen Fade ending wins over the note, so "
            "the "
            "edit goes without it.";
        EXPECT_EQ(edit.notes.find(leftOut) != std::string::npos, fade) << edit.notes;
        if (fade) continue;
        const json stop = edit.map.value("endingEffect", json::object());
        EXPECT_EQ(stop.value("style", ""), "tapeStop");
        const double end = stop.value("endTime", 0.0);
        const double seconds = stop.value("seconds", 0.0);
        EXPECT_NEAR(seconds, 60.0 / kBpmA, 0.002);
        EXPECT_NEAR(edit.seconds(), end, 1152.0 / kRate);
        const Fall fall = toneFall(channel(edit.decoded, 0), end - seconds - 0.01, end);
        EXPECT_NEAR(fall.firstHz, kToneHz, 5.0);
        EXPECT_LT(fall.worstRise, 0.002);
        EXPECT_LT(fall.lastHz, kToneHz / 5);
        EXPECT_NE(edit.notes.find("- Song 2: ends with a tape stop over 1 beat ("),
                  std::string::npos)
            << edit.notes;
        std::printf(
            "ending tape stop: %.4f s to %.4f s of a %.4f s edit; tone %.1f -> %.1f Hz, "
            "worst rise %+.3f %%\n",
            seconds, end, edit.seconds(), fall.firstHz, fall.lastHz, fall.worstRise * 100);
    }
}

}  // namespace
