// The renderer's measuring and shaping passes over a generated four-minute stereo song,
// next to a yardstick: one plain pass summing the squares of every sample.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "renderer/analysis/first_note.h"
#include "renderer/analysis/signal_analysis.h"
#include "renderer/analysis/zero_crossing.h"
#include "renderer/base/constants.h"
#include "renderer/cut/gain_and_ramps.h"
#include "renderer/cut/sample_math.h"
#include "renderer/join/echo_fade.h"

namespace {

using renderer::targetChannels;
using renderer::targetSampleRate;
using Samples = std::vector<int16_t>;

constexpr long long kSongFrames = 240LL * targetSampleRate;
constexpr long long kEchoTailFrames = 4LL * targetSampleRate;

// Music-like: a second and a half of silence, then a two-tone chord that changes every
// two seconds, with a decaying noise burst on every beat (0.5 s), slightly different on
// each channel.
Samples makeSong() {
    Samples samples(static_cast<size_t>(kSongFrames) * targetChannels);
    std::mt19937 generator(42);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    const double roots[] = {110.0, 146.83, 98.0, 130.81};
    for (long long frame = 0; frame < kSongFrames; ++frame) {
        const double seconds = static_cast<double>(frame) / targetSampleRate;
        if (seconds < 1.5) continue;
        const double root = roots[static_cast<size_t>(seconds / 2.0) % 4];
        const double chord = 0.22 * std::sin(2.0 * std::numbers::pi * root * seconds) +
                             0.14 * std::sin(2.0 * std::numbers::pi * root * 1.5 * seconds);
        const double beat = std::fmod(seconds, 0.5);
        const double burst = beat < 0.06 ? 0.45 * (1.0 - beat / 0.06) : 0.0;
        const auto index = static_cast<size_t>(frame) * targetChannels;
        samples[index] = renderer::clampInt16((chord + burst * noise(generator)) * 32767.0);
        samples[index + 1] =
            renderer::clampInt16((0.9 * chord + burst * noise(generator)) * 32767.0);
    }
    return samples;
}

const Samples& song() {
    static const Samples samples = makeSong();
    return samples;
}

void sumOfSquaresYardstick(benchmark::State& state) {
    const Samples& samples = song();
    for (auto _ : state) {
        double sum = 0.0;
        for (const int16_t sample : samples) sum += static_cast<double>(sample) * sample;
        benchmark::DoNotOptimize(sum);
    }
}

void firstMusicalFrame(benchmark::State& state) {
    const Samples& samples = song();
    for (auto _ : state) {
        benchmark::DoNotOptimize(renderer::firstMusicalFrame(samples, targetSampleRate));
    }
}

void nearestZeroCrossingFrame(benchmark::State& state) {
    const Samples& samples = song();
    for (auto _ : state) {
        benchmark::DoNotOptimize(renderer::nearestZeroCrossingFrame(samples, kSongFrames / 2));
    }
}

void segmentRMS(benchmark::State& state) {
    const Samples& samples = song();
    for (auto _ : state) benchmark::DoNotOptimize(renderer::segmentRMS(samples));
}

void peakValue(benchmark::State& state) {
    const Samples& samples = song();
    for (auto _ : state) benchmark::DoNotOptimize(renderer::peakValue(samples));
}

void applyGain(benchmark::State& state) {
    Samples samples = song();
    for (auto _ : state) {
        renderer::applyGain(samples, 0.8);
        benchmark::ClobberMemory();
        state.PauseTiming();
        std::copy(song().begin(), song().end(), samples.begin());
        state.ResumeTiming();
    }
}

// The last ten seconds of the song followed by four seconds of silence, the echo filling
// the silence.
void applyEchoFade(benchmark::State& state) {
    const long long sourceFrames = 10LL * targetSampleRate;
    Samples samples(song().end() - sourceFrames * targetChannels, song().end());
    samples.resize(samples.size() + static_cast<size_t>(kEchoTailFrames) * targetChannels, 0);
    const Samples original = samples;
    for (auto _ : state) {
        benchmark::DoNotOptimize(renderer::applyEchoFade(samples, sourceFrames));
        benchmark::ClobberMemory();
        state.PauseTiming();
        std::copy(original.begin(), original.end(), samples.begin());
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(sumOfSquaresYardstick)->Unit(benchmark::kMillisecond);
BENCHMARK(firstMusicalFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(nearestZeroCrossingFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(segmentRMS)->Unit(benchmark::kMillisecond);
BENCHMARK(peakValue)->Unit(benchmark::kMillisecond);
BENCHMARK(applyGain)->Unit(benchmark::kMillisecond);
BENCHMARK(applyEchoFade)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
