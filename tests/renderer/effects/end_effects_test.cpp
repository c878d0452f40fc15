// The effects at a song's end, measured on what they play: how its pitch moves (a steady tone
// on one channel, a rising sweep on the other: their frequency ratio is where the record is,
// whatever its speed), which frames they repeat, and their lengths on songs of every size.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "renderer/effects/backspin.h"
#include "renderer/effects/echo_out.h"
#include "renderer/effects/scratch.h"
#include "renderer/effects/stutter.h"
#include "renderer/effects/tape_stop.h"
#include "tests/support/beat_songs.h"
#include "tests/support/generated_audio.h"

namespace renderer {
namespace {

using testsupport::Samples;
constexpr long long kRate = 44100;

// A 500 Hz tone on the left; on the right a sweep rising linearly by `hzPerSecond` from 200 Hz.
Samples toneAndSweep(double seconds, double hzPerSecond) {
    Samples samples = testsupport::tone(seconds, 500.0, 0.5);
    for (size_t frame = 0; frame < samples.size() / 2; ++frame) {
        const double t = static_cast<double>(frame) / kRate;
        const double phase = 2.0 * std::numbers::pi * (200.0 * t + hzPerSecond * t * t / 2.0);
        samples[2 * frame + 1] = static_cast<int16_t>(std::lround(16384.0 * std::sin(phase)));
    }
    return samples;
}

// The frames (between samples) where a channel crosses zero upwards in [from, to).
std::vector<double> upwardCrossings(const std::vector<float>& stereo, int channel,
                                    long long from = 0, long long to = -1) {
    if (to < 0) to = static_cast<long long>(stereo.size() / 2);
    std::vector<double> crossings;
    for (long long k = std::max(from, 1LL); k < to; ++k) {
        const double before = stereo[static_cast<size_t>(2 * (k - 1) + channel)];
        const double after = stereo[static_cast<size_t>(2 * k + channel)];
        if (before < 0.0 && after >= 0.0) {
            crossings.push_back(static_cast<double>(k - 1) + before / (before - after));
        }
    }
    return crossings;
}

// Mean frequency of a channel over frames [from, to); 0 with fewer than two crossings.
double frequencyHz(const std::vector<float>& stereo, int channel, long long from, long long to) {
    const std::vector<double> crossings = upwardCrossings(stereo, channel, from, to);
    if (crossings.size() < 2) return 0.0;
    return static_cast<double>(crossings.size() - 1) * kRate /
           (crossings.back() - crossings.front());
}

// Cycles of the sweep (counted with fractions) between two frames.
double sweepCycles(const std::vector<double>& crossings, double from, double to) {
    const auto index = [&](double frame) {
        const auto next = std::upper_bound(crossings.begin(), crossings.end(), frame);
        if (next == crossings.begin() || next == crossings.end()) return 0.0;
        const double previous = *(next - 1);
        return static_cast<double>(next - crossings.begin() - 1) +
               (frame - previous) / (*next - previous);
    };
    return index(to) - index(from);
}

// Where the record is, whatever its speed: the sweep's cycles per cycle of the tone (each is
// 2 ms of the song) over the `cycles` tone cycles starting at tone crossing `first`.
double sweepRatio(const std::vector<double>& tone, const std::vector<double>& sweep, size_t first,
                  size_t cycles) {
    return sweepCycles(sweep, tone[first], tone[first + cycles]) / static_cast<double>(cycles);
}

TEST(TapeStop, ContinuesTheSongThenItsPitchFallsToAFifthAndEndsSilent) {
    const Samples song = testsupport::tone(3.0, 1000.0, 0.5);
    const long long endFrame = kRate + 11;  // not on a zero of the tone
    const std::vector<float> stop = tapeStop(song, endFrame, 0.6);
    ASSERT_EQ(stop.size(), 2u * 26460);
    EXPECT_NEAR(stop[0], song[2 * endFrame], 0.01);
    EXPECT_NEAR(stop[1], song[2 * endFrame + 1], 0.01);

    std::vector<double> frequencies;
    for (long long from = 0; from + 882 <= 26460; from += 882) {
        const double hz = frequencyHz(stop, 0, from, from + 882);
        if (hz == 0.0) break;
        if (!frequencies.empty()) {
            EXPECT_LE(hz, frequencies.back() + 10.0) << "at frame " << from;
        }
        frequencies.push_back(hz);
    }
    EXPECT_NEAR(frequencies.front(), 1000.0, 10.0);
    EXPECT_LT(frequencies.back(), 200.0);
    EXPECT_EQ(stop.back(), 0.0f);
    const float tail = *std::max_element(stop.end() - 2 * 88, stop.end(), [](float a, float b) {
        return std::abs(a) < std::abs(b);
    });
    EXPECT_LT(std::abs(tail), 0.03 * 16384);
    // It reads no further than its own length past the cut.
    EXPECT_EQ(tapeStop(std::span(song).first(2 * (endFrame + 26460)), endFrame, 0.6), stop);
}

TEST(Backspin, PlaysTheAudioBeforeTheCutBackwardsForItsWholeLength) {
    const Samples song = toneAndSweep(4.0, 300.0);
    const long long endFrame = 3 * kRate;
    const std::vector<float> spin = backspin(song, endFrame, 1.0);
    ASSERT_EQ(spin.size(), 2u * 44100);
    EXPECT_NEAR(spin[0], song[2 * endFrame - 2], 0.01);
    EXPECT_NEAR(spin[1], song[2 * endFrame - 1], 0.01);

    // Every 8 tone cycles (16 ms of the song) the sweep is found lower than before.
    const std::vector<double> tone = upwardCrossings(spin, 0);
    const std::vector<double> sweep = upwardCrossings(spin, 1);
    ASSERT_GT(tone.size(), 100u);
    double previous = sweepRatio(tone, sweep, 0, 8);
    const double first = previous;
    for (size_t cycle = 8; cycle + 8 < tone.size(); cycle += 8) {
        const double ratio = sweepRatio(tone, sweep, cycle, 8);
        EXPECT_LT(ratio, previous + 0.002) << "at frame " << tone[cycle];
        previous = ratio;
    }
    EXPECT_NEAR(first, 1100.0 / 500.0, 0.02);  // the sweep's frequency at the cut
    EXPECT_LT(previous, first - 0.5);
    EXPECT_LT(tone.front(), 4410);
    EXPECT_GT(tone.back(), 35280);
    EXPECT_EQ(spin.back(), 0.0f);
    // Nothing after the cut is read.
    EXPECT_EQ(backspin(std::span(song).first(2 * endFrame), endFrame, 1.0), spin);
}

TEST(Scratch, TurnsTheLastBeatForwardAndBackOnEachQuarterBeat) {
    const Samples song = toneAndSweep(3.0, 400.0);
    const std::vector<float> scratched = scratch(song, 5 * kRate / 2, 0.5);
    ASSERT_EQ(scratched.size(), 2u * 22050);
    EXPECT_EQ(scratched[0], 0.0f);
    EXPECT_EQ(scratched.back(), 0.0f);
    const std::vector<double> tone = upwardCrossings(scratched, 0);
    const std::vector<double> sweep = upwardCrossings(scratched, 1);
    const double quarter = 22050 / 4.0;
    for (int stroke = 0; stroke < 4; ++stroke) {
        // Four tone cycles from the first after that share of the stroke.
        const auto at = [&](double share) {
            const double frame = (stroke + share) * quarter;
            const auto next = std::lower_bound(tone.begin(), tone.end(), frame);
            return sweepRatio(tone, sweep, static_cast<size_t>(next - tone.begin()), 4);
        };
        const double sign = stroke % 2 == 0 ? 1.0 : -1.0;
        EXPECT_GT(sign * (at(0.5) - at(0.2)), 0.02) << "stroke " << stroke;
        EXPECT_GT(sign * (at(0.8) - at(0.5)), 0.02) << "stroke " << stroke;
    }
}

TEST(Stutter, RepeatsTheLastBeatsStartInShorteningSlicesThatFillTheBeat) {
    const Samples song = testsupport::noise(2.0, 0.5);
    const long long endFrame = 3 * kRate / 2;
    const long long beatStart = endFrame - 22050;
    const std::vector<float> stuttered = stutter(song, endFrame, 0.5);
    ASSERT_EQ(stuttered.size(), 2u * 22050);
    const int schedule[] = {8, 8, 8, 8, 16, 16, 16, 16, 32, 32, 32, 32, 32, 32, 32, 32};
    double beats = 0.0;
    long long start = 0;
    for (const int parts : schedule) {
        beats += 1.0 / parts;
        const long long end = std::lround(beats * 22050);
        SCOPED_TRACE("slice from frame " + std::to_string(start));
        EXPECT_EQ(stuttered[2 * start], 0.0f);
        EXPECT_EQ(stuttered[2 * end - 1], 0.0f);
        for (long long k = 88; k < end - start - 88; ++k) {
            ASSERT_EQ(stuttered[2 * (start + k)], song[2 * (beatStart + k)]) << k;
            ASSERT_EQ(stuttered[2 * (start + k) + 1], song[2 * (beatStart + k) + 1]) << k;
        }
        start = end;
    }
    EXPECT_EQ(start, 22050);
}

TEST(EchoOut, RepeatsTheLastBeatEveryBeatAtHalfTheLevelBefore) {
    const testsupport::BeatSong song = testsupport::beatSong(4.0, 120.0, 0.5);
    const auto endFrame = std::lround(song.beatSeconds[4] * kRate);
    const std::vector<float> echo = echoOut(song.samples, endFrame, 0.5);
    ASSERT_EQ(echo.size(), 2u * 4 * 22050);
    EXPECT_EQ(echo[0], 0.0f);
    EXPECT_EQ(echo.back(), 0.0f);
    // Peaks are sought away from the repeats' de-click ramps.
    const auto peakFrame = [](const auto& stereo, long long from) {
        long long peak = from + 88;
        for (long long k = peak; k < from + 22050 - 88; ++k) {
            if (std::abs(stereo[2 * k]) > std::abs(stereo[2 * peak])) peak = k;
        }
        return peak;
    };
    const long long sourcePeak = peakFrame(song.samples, endFrame - 22050) - (endFrame - 22050);
    double previousPeak = std::abs(song.samples[2 * (endFrame - 22050 + sourcePeak)]);
    for (long long repeat = 0; repeat < 4; ++repeat) {
        const long long peak = peakFrame(echo, repeat * 22050);
        SCOPED_TRACE("repeat " + std::to_string(repeat));
        EXPECT_NEAR(peak, repeat * 22050 + sourcePeak, repeat == 3 ? 44 : 0);
        const double level = std::abs(echo[2 * peak]);
        EXPECT_NEAR(level / previousPeak, 0.5, 0.02);
        previousPeak = level;
    }
}

TEST(EndEffects, GiveTheirLengthOnEmptyShortAndEndingSongs) {
    using Effect = std::function<std::vector<float>(ConstSampleSpan, long long)>;
    const std::pair<const char*, Effect> effects[] = {
        {"tape stop", [](ConstSampleSpan s, long long end) { return tapeStop(s, end, 0.6); }},
        {"backspin", [](ConstSampleSpan s, long long end) { return backspin(s, end, 1.0); }},
        {"scratch", [](ConstSampleSpan s, long long end) { return scratch(s, end, 0.5); }},
        {"stutter", [](ConstSampleSpan s, long long end) { return stutter(s, end, 0.5); }},
        {"echo out", [](ConstSampleSpan s, long long end) { return echoOut(s, end, 0.5); }},
    };
    const size_t expectedFrames[] = {26460, 44100, 22050, 22050, 88200};
    const Samples shortSong = testsupport::tone(0.2, 440.0, 0.5);
    const long long shortEnd = static_cast<long long>(shortSong.size() / 2);
    const std::pair<const char*, long long> cuts[] = {{"empty song", -1},
                                                      {"cut at 0", 0},
                                                      {"cut at the end", shortEnd},
                                                      {"past the end", shortEnd + 10}};
    for (size_t e = 0; e < std::size(effects); ++e) {
        for (const auto& [cut, endFrame] : cuts) {
            SCOPED_TRACE(std::string(effects[e].first) + ", " + cut);
            const ConstSampleSpan song = endFrame < 0 ? ConstSampleSpan() : shortSong;
            const std::vector<float> played = effects[e].second(song, std::max(0LL, endFrame));
            ASSERT_EQ(played.size(), 2 * expectedFrames[e]);
            EXPECT_TRUE(std::all_of(played.begin(), played.end(),
                                    [](float value) { return std::isfinite(value); }));
            // From the song's end on the tape stop has nothing to play; the others nothing
            // before a cut at its start.
            const bool silent = song.empty() || (e == 0 ? endFrame >= shortEnd : endFrame <= 0);
            const bool heard = std::any_of(played.begin(), played.end(),
                                           [](float value) { return std::abs(value) > 1.0f; });
            EXPECT_NE(heard, silent);
        }
    }
    EXPECT_TRUE(tapeStop(shortSong, 0, 0.0).empty());
    EXPECT_TRUE(backspin(shortSong, shortEnd, -1.0).empty());
    EXPECT_TRUE(echoOut(shortSong, shortEnd, 0.0).empty());
}

}  // namespace
}  // namespace renderer
