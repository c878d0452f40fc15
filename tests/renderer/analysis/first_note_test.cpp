#include "renderer/analysis/first_note.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "renderer/analysis/signal_analysis.h"
#include "tests/support/generated_audio.h"

namespace renderer {
namespace {

using testsupport::Samples;

// The detector written the slow, obvious way: every window summed frame by frame and the
// whole list sorted.
long long referenceFirstMusicalFrame(const Samples& samples, int sampleRate) {
    const long long frames = static_cast<long long>(samples.size() / 2);
    if (frames <= 2048) return 0;
    std::vector<double> loudness;
    for (long long start = 0; start + 2048 <= frames; start += 512) {
        loudness.push_back(frameRMS(samples, start, 2048));
    }
    std::vector<double> sorted = loudness;
    std::sort(sorted.begin(), sorted.end());
    const size_t n = sorted.size();
    const double reference = sorted[std::min(n - 1, static_cast<size_t>((n - 1) * 0.95))];
    const long long preRoll = static_cast<long long>(sampleRate * 0.015);
    const double windowThreshold = std::max(reference * 0.035, 0.0015);
    for (size_t k = 0; k + 2 < n; ++k) {
        if (std::min({loudness[k], loudness[k + 1], loudness[k + 2]}) >= windowThreshold) {
            return std::max(0LL, static_cast<long long>(k) * 512 - preRoll);
        }
    }
    const double sampleThreshold = std::max(reference * 0.02, 0.0015);
    for (long long f = 0; f < frames; ++f) {
        if (std::abs(monoValue(samples, f) / 32767.0) > sampleThreshold) {
            return std::max(0LL, f - preRoll);
        }
    }
    return 0;
}

void setFrame(Samples& samples, long long frame, int16_t value) {
    samples[static_cast<size_t>(frame) * 2] = value;
    samples[static_cast<size_t>(frame) * 2 + 1] = value;
}

TEST(FirstMusicalFrame, SkipsLeadingSilence) {
    // Loud from frame 132300. The window at 254 × 512 = 130048 ends at 132096, before the
    // tone; the one at 255 × 512 = 130560 holds 308 loud frames, far above 3.5 % of the
    // tone's level, and so do the two after it. The pre-roll follows the given rate.
    Samples samples =
        testsupport::concatenate({testsupport::silence(3.0), testsupport::tone(4.0, 440.0, 0.5)});
    EXPECT_EQ(firstMusicalFrame(samples, 44100), 255 * 512 - 661);
    EXPECT_EQ(firstMusicalFrame(samples, 48000), 255 * 512 - 720);

    // A click of 0.5 at 1 s raises its windows to 0.5 / √2048 ≈ 0.011, below 3.5 % of
    // the tone's RMS (0.5 / √2 ≈ 0.354, so ≈ 0.0124): no onset there.
    setFrame(samples, 44100, 16384);
    EXPECT_EQ(firstMusicalFrame(samples, 44100), 255 * 512 - 661);
}

TEST(FirstMusicalFrame, FallsBackToTheFirstFrameAboveTheFloor) {
    // In quiet audio with no three windows above 0.0015 (the click's windows reach about
    // 0.0011), the first frame above 0.0015 is taken: the click, 661 frames earlier.
    Samples quiet = testsupport::noise(3.0, 0.001);
    setFrame(quiet, 50000, 1638);
    EXPECT_EQ(firstMusicalFrame(quiet, 44100), 50000 - 661);
    // 3000 frames make only two windows: straight to the fallback.
    Samples twoWindows(2 * 3000, 0);
    setFrame(twoWindows, 2000, 20000);
    EXPECT_EQ(firstMusicalFrame(twoWindows, 44100), 2000 - 661);
    // Silence, and anything of 2048 frames or fewer, starts at 0.
    EXPECT_EQ(firstMusicalFrame(testsupport::silence(5.0), 44100), 0);
    Samples short2048(2 * 2048, 0);
    setFrame(short2048, 2047, 20000);
    EXPECT_EQ(firstMusicalFrame(short2048, 44100), 0);
}

// Random songs of silence, quiet and loud noise, tones and small clicks. Thresholds are met or
// missed by wide margins here, so the fast window sums must agree to the frame.
TEST(FirstMusicalFrame, MatchesTheDirectDefinition) {
    std::mt19937 generator(20240611);
    std::uniform_int_distribution<int> pieceKind(0, 4);
    std::uniform_real_distribution<double> pieceSeconds(0.001, 0.6);
    std::uniform_real_distribution<double> level(0.0005, 0.9);
    for (int song = 0; song < 60; ++song) {
        Samples samples;
        const int pieces = 1 + song % 6;
        for (int piece = 0; piece < pieces; ++piece) {
            // Silence, quiet noise, loud noise, a tone, or a small click in quiet noise that
            // only the fallback finds.
            const double seconds = pieceSeconds(generator);
            const int kind = pieceKind(generator);
            Samples part = kind == 0 ? testsupport::silence(seconds)
                           : kind == 3
                               ? testsupport::tone(seconds, 100.0 + song * 37.0, level(generator))
                               : testsupport::noise(seconds, kind == 2 ? level(generator) : 0.001,
                                                    generator());
            if (kind == 4 && !part.empty()) part[(part.size() / 2) & ~size_t{1}] = 2400;
            samples.insert(samples.end(), part.begin(), part.end());
        }
        EXPECT_EQ(firstMusicalFrame(samples, 44100), referenceFirstMusicalFrame(samples, 44100))
            << "song " << song << ", " << samples.size() / 2 << " frames";
    }
}

}  // namespace
}  // namespace renderer
