// Blends through the real seamforge and the real LAME, measured on the decoded MP3 as a listener
// gets it. Every beat of a generated song carries a short tone of that song's own pitch (song A
// 2.5 kHz, song B 6 kHz) over a kick, so each song's beats can be found in the mix to a fraction
// of a millisecond; song A also holds a steady quiet tone for its pitch and its fade.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <numeric>
#include <string>
#include <vector>

#include "tests/renderer/join/join_render_fixture.h"
#include "tests/support/beat_songs.h"
#include "tests/support/recorded_songs.h"

namespace {

using namespace markedbeats;

// An equal-power fade read from levels along it (0 to 1 of the song's full level): the arcsine
// of a rising level, the arccosine of a falling one, grows in a straight line through the fade.
struct Fade {
    double startSeconds = 0.0;
    double seconds = 0.0;
};

Fade fade(const std::vector<std::pair<double, double>>& secondsAndLevels, bool rising) {
    std::vector<double> x, y;
    for (const auto& [seconds, level] : secondsAndLevels) {
        if (level < 0.15 || level > 0.95) continue;  // the ends are flat, and the noise is there
        x.push_back(seconds);
        y.push_back((rising ? std::asin(level) : std::acos(level)) / (std::numbers::pi / 2));
    }
    if (x.size() < 3) return {};
    const auto [slope, intercept] = line(x, y);
    return {-intercept / slope, 1.0 / slope};
}

// Short-term loudness at `seconds`: 400 ms RMS windows, averaged over one beat so that where
// the kick falls in the window does not count.
double loudnessDb(const std::vector<double>& mono, double seconds, double beatSeconds) {
    double power = 0.0;
    int windows = 0;
    for (double at = seconds - beatSeconds / 2; at < seconds + beatSeconds / 2; at += 0.02) {
        power += std::pow(10.0, powerDb(mono, at - 0.2, at + 0.2) / 10.0);
        ++windows;
    }
    return 10.0 * std::log10(power / windows);
}

// The two songs' beats as the decoded mix holds them, and nothing else.
struct BeatsInMix {
    std::vector<Marker> a;
    std::vector<Marker> b;
};

// How far each of A's beats lies from B's nearest through the blend.
std::vector<double> offsetsThrough(const BeatsInMix& mix, double from, double to, double period) {
    std::vector<double> offsets;
    const std::vector<Marker> a = between(mix.a, from, to);
    for (const Marker& beatB : between(mix.b, from, to)) {
        double offset = period;
        for (const Marker& beatA : a) {
            if (std::abs(beatA.beatSeconds - beatB.beatSeconds) < std::abs(offset)) {
                offset = beatA.beatSeconds - beatB.beatSeconds;
            }
        }
        if (std::abs(offset) < period / 4) offsets.push_back(offset);
    }
    return offsets;
}

class BlendRender : public JoinRender {
protected:
    // Renders two songs with the first one's "transition" (null for none) and no ending.
    Rendered render(const std::vector<Song>& songs, const json& transition) {
        json job = json::parse(editJob(songs, output(), "none"));
        if (!transition.is_null()) job["tracks"][0]["transition"] = transition;
        return renderEdit(job);
    }

    // Bursts down to `floorShare` of each song's loudest: 40 dB below by default, so that even
    // the nearly faded ones count.
    static BeatsInMix beatsInMix(const std::vector<double>& mono, double floorShare = 0.01) {
        BeatsInMix beats;
        for (auto [hz, found] :
             {std::pair{kMarkerAHz, &beats.a}, std::pair{kMarkerBHz, &beats.b}}) {
            const Band near = band(mono, hz, 0.005);
            const double loudest = *std::max_element(near.level.begin(), near.level.end());
            *found = markers(near.level, floorShare * loudest);
        }
        return beats;
    }
};

// A into B, 124 into 128 BPM, over 8 beats: A is stretched to B's tempo and its beats lie on
// B's through the blend, A's pitch stays, the loudness holds, and nothing clicks.
TEST_F(BlendRender, ABlendPutsTheBeatsOnTheBeatsAtTheIncomingTempo) {
    const MarkedSong a = markedSong(kSongSeconds, 124.0, kMarkerAHz, kSteadyHz);
    const MarkedSong b = markedSong(kSongSeconds, 128.0, kMarkerBHz);
    const double periodA = 60.0 / 124.0, periodB = 60.0 / 128.0;
    // A ends 0.3 beats after its 37th beat, B starts 0.2 s before its second.
    const double endA = a.beatSeconds[36] + 0.3 * periodA;
    const double startB = b.beatSeconds[1] - 0.2;
    const Rendered edit = render({Song{song("a.wav", a.samples), "0:00", std::to_string(endA)},
                                  Song{song("b.wav", b.samples), std::to_string(startB), "0:22"}},
                                 {{"style", "blend"}, {"beats", 8}});
    const json join = onlyJoin(edit);
    ASSERT_EQ(join.value("style", ""), "blend") << join.dump();
    const double beats = join["beats"].get<double>();
    const double startTime = join["startTime"].get<double>();
    const double endTime = join["endTime"].get<double>();
    EXPECT_NEAR(beats, 8.0, 2.0);  // bar lines on bar lines may move it
    EXPECT_NEAR(join["seconds"].get<double>(), endTime - startTime, 1e-3);
    EXPECT_NEAR(join["tempoFromBpm"].get<double>(), 124.0, 0.5);
    EXPECT_NEAR(join["tempoToBpm"].get<double>(), 128.0, 0.5);
    const std::string blended = "- Song 1 into Song 2: blended over " +
                                std::to_string(static_cast<int>(beats)) + " beats (";
    EXPECT_NE(edit.notes.find(blended), std::string::npos) << edit.notes;
    EXPECT_NE(edit.notes.find("song 1 stretched from 124.0 to 128.0 BPM."), std::string::npos);

    const BeatsInMix mix = beatsInMix(edit.mono);
    ASSERT_FALSE(mix.a.empty());
    ASSERT_FALSE(mix.b.empty());
    // Where B's markers start and A's end: B's first sounds where the report starts the blend,
    // and as many of B's beats as the report says lie before A's last.
    const double cutStartB = edit.map["tracks"][1]["selectedStartFileTime"].get<double>();
    const double firstBeatB =
        *std::lower_bound(b.beatSeconds.begin(), b.beatSeconds.end(), cutStartB);
    EXPECT_NEAR(mix.b.front().beatSeconds, startTime + firstBeatB - cutStartB, 0.002);
    const double beatsHeard = (mix.a.back().beatSeconds - mix.b.front().beatSeconds) / periodB;
    EXPECT_NEAR(beatsHeard, beats, 0.1);
    EXPECT_LE(mix.a.back().beatSeconds, endTime);

    const std::vector<Marker> aInBlend = between(mix.a, startTime, endTime);
    const std::vector<double> offsets = offsetsThrough(mix, startTime, endTime, periodB);
    EXPECT_GE(offsets.size(), static_cast<size_t>(beats));
    const double medianOffset = median(offsets);
    EXPECT_LE(std::abs(medianOffset), 0.010);
    const double tempoA = 60.0 / beatPeriod(aInBlend, periodB);
    EXPECT_NEAR(tempoA / 128.0, 1.0, 0.005);
    // Before the stretch eases in, A keeps its own tempo.
    const double ownTempoA = 60.0 / beatPeriod(between(mix.a, 1.0, startTime - 6.0), periodA);
    EXPECT_NEAR(ownTempoA / 124.0, 1.0, 0.005);

    // A's steady tone between A's beats, from before the stretch eases in to where A has faded
    // to 60 %. (At each beat of the ease the stretcher turns the tone's phase by up to half a
    // turn: that is no pitch, and is measured apart.)
    const Band steady = band(edit.mono, kSteadyHz, 0.05);
    double worstCents = 0.0;
    for (const Marker& beatA :
         between(mix.a, startTime - 5.0, startTime + 0.6 * (endTime - startTime))) {
        const double from = beatA.beatSeconds + 0.15;
        const double off = cents(toneHz(steady, kSteadyHz, from, from + 0.2), kSteadyHz);
        if (std::abs(off) > std::abs(worstCents)) worstCents = off;
    }
    EXPECT_LE(std::abs(worstCents), 5.0);
    const auto easeFrom = static_cast<long>((startTime - 4.5) * kRate);
    const double toneDipDb =
        20.0 * std::log10(*std::min_element(steady.level.begin() + easeFrom,
                                            steady.level.begin() + easeFrom + 4 * 44100) /
                          steady.level[static_cast<size_t>(easeFrom)]);

    // The loudness through the blend, and from the stretch's start on, against each song alone.
    const double aloneA = loudnessDb(edit.mono, startTime - 7.0, periodA);
    const double aloneB = loudnessDb(edit.mono, endTime + 1.5, periodB);
    double quietest = 0.0, loudest = -100.0;
    for (double at = startTime - 4.5; at <= endTime; at += 0.1) {
        const double level = loudnessDb(edit.mono, at, periodB);
        quietest = std::min(quietest, level);
        loudest = std::max(loudest, level);
    }
    EXPECT_GE(quietest, std::min(aloneA, aloneB) - 1.5);
    EXPECT_LE(loudest, std::max(aloneA, aloneB) + 1.5);

    // No click where the stretched tail, B's entry or B's own audio take over.
    const int music = std::max(steepestStep(edit.decoded, 1.0, startTime - 6.0),
                               steepestStep(edit.decoded, endTime + 0.1, edit.seconds() - 0.5));
    const int blendSteepest = steepestStep(edit.decoded, startTime - 6.0, endTime + 0.1);
    EXPECT_LT(blendSteepest, 2 * music);

    std::printf(
        "blend 124 -> 128 BPM: %.0f beats reported, %.2f heard; offset A-B median %+.2f ms over "
        "%zu beats; A at %.2f BPM in the blend (%.2f before); steady tone worst %+.2f cents "
        "between beats, dips %.1f dB at them; "
        "loudness %.2f..%.2f dB against %.2f and %.2f alone; steepest step %d against %d\n",
        beats, beatsHeard, medianOffset * 1000.0, offsets.size(), tempoA, ownTempoA, worstCents,
        toneDipDb, quietest, loudest, aloneA, aloneB, blendSteepest, music);
}

// Where a blend cannot be beat-matched it is a plain equal-power crossfade: A's steady tone falls
// and B's beats rise along the curves over the length the report gives, from where it says,
// and the notes say why.
TEST_F(BlendRender, WithoutMatchingBeatsABlendIsACrossfadeAndTheNotesSayWhy) {
    // Too short for the grid to compare enough stretches of it: a pad of 30 s is heard at 89 BPM.
    std::vector<double> pad = toMono(testsupport::beatlessPad(20.0));
    for (size_t f = 0; f < pad.size(); ++f) {
        pad[f] += 0.05 * std::sin(kTwoPi * kSteadyHz * static_cast<double>(f) / kRate);
    }
    struct Case {
        std::string name;
        Samples a;
        double tempoB;
        json transition;
        std::string note;
        double seconds;
        std::string why;
    };
    const std::vector<Case> cases = {
        {"no beat in A",
         toStereo(pad),
         128.0,
         {{"style", "blend"}},
         "",
         3.0,
         "no steady beat in song 1"},
        {"100 and 140 BPM", markedSong(kSongSeconds, 100.0, kMarkerAHz, kSteadyHz).samples, 140.0,
         nullptr, "blend into song 2 over 8 beats", 8 * 60.0 / 140.0,
         "the tempos are too far apart (100 and 140 BPM)"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        const MarkedSong b = markedSong(kSongSeconds, row.tempoB, kMarkerBHz);
        const Rendered edit = render({Song{song("a.wav", row.a), "0:00", "0:15", row.note},
                                      Song{song("b.wav", b.samples), "0:00", "0:12"}},
                                     row.transition);
        const json join = onlyJoin(edit);
        EXPECT_EQ(join.value("style", ""), "crossfade");
        EXPECT_EQ(join.value("askedBy", ""), row.note.empty() ? "choice" : "note");
        EXPECT_EQ(join.value("whyNot", ""), row.why);
        EXPECT_NEAR(join.value("seconds", 0.0), row.seconds, 0.02);
        EXPECT_NE(edit.notes.find("- Song 1 into Song 2: asked for a blend"), std::string::npos);
        EXPECT_NE(edit.notes.find(row.why + ", so a "), std::string::npos) << edit.notes;
        EXPECT_NE(edit.notes.find(" s crossfade."), std::string::npos);
        const double startTime = join.value("startTime", 0.0);
        const double endTime = join.value("endTime", 0.0);

        const std::vector<Marker> beatsB = beatsInMix(edit.mono).b;
        const double fullB = median([&] {
            std::vector<double> levels;
            for (const Marker& marker : between(beatsB, endTime + 0.5, edit.seconds())) {
                levels.push_back(marker.level);
            }
            return levels;
        }());
        std::vector<std::pair<double, double>> rising;
        for (const Marker& marker : beatsB)
            rising.emplace_back(marker.beatSeconds + kMarkerSeconds / 2, marker.level / fullB);
        const Band steady = band(edit.mono, kSteadyHz, 0.05);
        const double fullA = steady.level[static_cast<size_t>((startTime - 0.5) * kRate)];
        std::vector<std::pair<double, double>> falling;
        for (double at = startTime - 0.5; at < endTime + 0.5; at += 0.02) {
            falling.emplace_back(at, steady.level[static_cast<size_t>(at * kRate)] / fullA);
        }
        const Fade in = fade(rising, true);
        const Fade out = fade(falling, false);
        EXPECT_NEAR(in.startSeconds, startTime, 0.05);
        EXPECT_NEAR(in.seconds, endTime - startTime, 0.1);
        EXPECT_NEAR(out.startSeconds, startTime, 0.05);
        EXPECT_NEAR(out.seconds, endTime - startTime, 0.1);
        std::vector<double> after;
        for (double at = endTime + 0.2; at < endTime + 1.2; at += 0.01) {
            after.push_back(steady.level[static_cast<size_t>(at * kRate)] / fullA);
        }
        EXPECT_LT(median(after), 0.01);
        std::printf(
            "%s: crossfade %.3f s reported from %.3f s; B rises over %.3f s from %.3f s, "
            "A falls over %.3f s from %.3f s\n",
            row.name.c_str(), endTime - startTime, startTime, in.seconds, in.startSeconds,
            out.seconds, out.startSeconds);
    }
}

// The job's choice wins over the song's note: a cut asked for is a hard cut, where A's last beat
// comes before B's first and the edit is the two cuts one after the other.
TEST_F(BlendRender, ACutChosenInTheJobWinsOverABlendInTheNote) {
    const MarkedSong a = markedSong(kSongSeconds, 124.0, kMarkerAHz, kSteadyHz);
    const MarkedSong b = markedSong(kSongSeconds, 128.0, kMarkerBHz);
    const Rendered edit =
        render({Song{song("a.wav", a.samples), "0:00", "0:12", "blend into song 2 over 8 beats"},
                Song{song("b.wav", b.samples), "0:01.2", "0:09"}},
               {{"style", "cut"}});
    const json join = onlyJoin(edit);
    EXPECT_EQ(join.value("asked", ""), "cut");
    EXPECT_EQ(join.value("askedBy", ""), "choice");
    EXPECT_EQ(join.value("style", ""), "cut");
    EXPECT_NE(edit.notes.find("- Song 1 into Song 2: a cut, as asked."), std::string::npos);
    const double cutA = edit.map["tracks"][0]["selectedDuration"].get<double>();
    const double cutB = edit.map["tracks"][1]["selectedDuration"].get<double>();
    EXPECT_NEAR(edit.seconds(), cutA + cutB, 2.0 / kRate);
    EXPECT_NEAR(join.value("startTime", 0.0), cutA, 1e-6);
    const BeatsInMix mix = beatsInMix(edit.mono);
    ASSERT_FALSE(mix.a.empty());
    ASSERT_FALSE(mix.b.empty());
    EXPECT_LT(mix.a.back().beatSeconds, cutA);
    const double cutStartB = edit.map["tracks"][1]["selectedStartFileTime"].get<double>();
    const double firstBeatB =
        *std::lower_bound(b.beatSeconds.begin(), b.beatSeconds.end(), cutStartB);
    EXPECT_NEAR(mix.b.front().beatSeconds, cutA + firstBeatB - cutStartB, 0.002);
}

// Two real drum loops at 120 and 126 BPM, each with a quiet tracer tone on its true beats (as
// the loop's length gives them), blended over 8 beats: the loops' true beats meet.
TEST_F(BlendRender, TwoRealDrumLoopsBlendOnTheirTrueBeats) {
    const testsupport::TemporaryFolder folder;
    std::vector<Samples> loops;
    std::vector<double> beatsB;
    const double tempos[] = {120.0, 126.0};
    for (const auto& [name, hz] :
         {std::pair{"loop_garzul", kMarkerAHz}, std::pair{"loop_breakbeat", kMarkerBHz}}) {
        const std::vector<testsupport::Recording> all =
            testsupport::recordings(testsupport::RecordingKind::loop);
        const auto found =
            std::find_if(all.begin(), all.end(), [&](const auto& r) { return r.name == name; });
        ASSERT_NE(found, all.end()) << name;
        const testsupport::RecordingAudio audio =
            testsupport::loadRecordingAudio(*found, folder, kSongSeconds);
        if (!audio.missing.empty()) GTEST_SKIP() << audio.missing;
        std::vector<double> mono = toMono(audio.samples);
        const double rms =
            std::sqrt(std::inner_product(mono.begin(), mono.end(), mono.begin(), 0.0) /
                      static_cast<double>(mono.size()));
        for (const double beat : found->beats) addMarker(mono, beat, hz, 1.5 * rms);
        loops.push_back(toStereo(mono));
        beatsB = found->beats;
    }
    const double periodB = 60.0 / tempos[1];
    const Rendered edit = render({Song{song("a.wav", loops[0]), "0:00", "0:20.15"},
                                  Song{song("b.wav", loops[1]), "0:00", "0:16"}},
                                 {{"style", "blend"}, {"beats", 8}});
    const json join = onlyJoin(edit);
    ASSERT_EQ(join.value("style", ""), "blend") << join.dump();
    const double startTime = join.value("startTime", 0.0);
    const double endTime = join.value("endTime", 0.0);
    const BeatsInMix mix = beatsInMix(edit.mono, 0.25);
    const std::vector<double> offsets = offsetsThrough(mix, startTime, endTime, periodB);
    // B is not stretched: its tracers through the blend sit on its true beats, or the tracers
    // are not what is measured.
    const double cutStartB = edit.map["tracks"][1]["selectedStartFileTime"].get<double>();
    std::vector<double> missesB;
    for (const Marker& tracer : between(mix.b, startTime, endTime)) {
        double nearest = 1.0;
        for (const double beat : beatsB) {
            const double miss = tracer.beatSeconds - (startTime + beat - cutStartB);
            if (std::abs(miss) < std::abs(nearest)) nearest = miss;
        }
        missesB.push_back(std::abs(nearest));
    }
    EXPECT_LE(median(missesB), 0.002);
    // A's tracers fade below the floor in the blend's second half: at least the first half's.
    EXPECT_GE(static_cast<double>(offsets.size()), join.value("beats", 0.0) / 2.0);
    const double medianOffset = median(offsets);
    EXPECT_LE(std::abs(medianOffset), 0.010);
    std::printf(
        "loops 120 -> 126 BPM: %.0f beats, stretched %.2f -> %.2f BPM; offset A-B median "
        "%+.2f ms over %zu beats; B's tracers %.2f ms from its true beats\n",
        join.value("beats", 0.0), join.value("tempoFromBpm", 0.0), join.value("tempoToBpm", 0.0),
        medianOffset * 1000.0, offsets.size(), median(missesB) * 1000.0);
}

}  // namespace
