#include "tests/support/beat_songs.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace testsupport {
namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

void add(std::vector<double>& mono, long long frame, double value) {
    if (frame >= 0 && frame < static_cast<long long>(mono.size())) {
        mono[static_cast<size_t>(frame)] += value;
    }
}

// A pitch sweep from 150 Hz down to 50 Hz that starts at full level on its first sample.
void kick(std::vector<double>& mono, long long start) {
    double phase = 0.0;
    for (int i = 0; i < kRate / 4; ++i) {
        const double t = static_cast<double>(i) / kRate;
        phase += kTwoPi * (50.0 + 100.0 * std::exp(-t / 0.03)) / kRate;
        add(mono, start + i, 0.55 * std::exp(-t / 0.07) * std::sin(phase + 0.5 * std::numbers::pi));
    }
}

void noiseBurst(std::vector<double>& mono, long long start, double level, double decaySeconds,
                std::mt19937& random) {
    std::uniform_real_distribution<double> white(-1.0, 1.0);
    double previous = 0.0;
    for (int i = 0; i < static_cast<int>(decaySeconds * 5 * kRate); ++i) {
        const double sample = white(random);
        // The difference of white noise leans to high frequencies, like a cymbal.
        add(mono, start + i,
            level * std::exp(-static_cast<double>(i) / (decaySeconds * kRate)) *
                (sample - previous) * 0.5);
        previous = sample;
    }
}

// Root notes of a four-chord loop (Hz); each chord is a root, fifth and octave.
constexpr double kRoots[] = {110.0, 87.31, 130.81, 98.0};

double chord(double t, double secondsPerChord, double level) {
    const double root = kRoots[static_cast<size_t>(t / secondsPerChord) % 4];
    return level *
           (std::sin(kTwoPi * root * t) + 0.6 * std::sin(kTwoPi * root * 1.5 * t) +
            0.4 * std::sin(kTwoPi * root * 2.0 * t)) /
           2.0;
}

Samples stereo(const std::vector<double>& mono) {
    Samples samples;
    samples.reserve(mono.size() * 2);
    for (const double value : mono) {
        const auto sample =
            static_cast<int16_t>(std::lround(std::clamp(value, -1.0, 1.0) * 32767.0));
        samples.push_back(sample);
        samples.push_back(sample);
    }
    return samples;
}

}  // namespace

BeatSong beatSong(double seconds, double tempoBpm, double firstBeatSeconds, double endTempoBpm) {
    if (endTempoBpm <= 0.0) endTempoBpm = tempoBpm;
    std::vector<double> mono(static_cast<size_t>(seconds * kRate), 0.0);
    std::mt19937 random(static_cast<unsigned>(tempoBpm * 100 + firstBeatSeconds * 1000));
    BeatSong song;
    int beat = 0;
    for (double t = firstBeatSeconds; t < seconds; ++beat) {
        const auto frame = static_cast<long long>(std::ceil(t * kRate));
        song.beatSeconds.push_back(static_cast<double>(frame) / kRate);
        kick(mono, frame);
        if (beat % 2 == 1) noiseBurst(mono, frame, 0.35, 0.05, random);
        const double bpm = tempoBpm + (endTempoBpm - tempoBpm) * t / seconds;
        const double beatLength = 60.0 / bpm;
        noiseBurst(mono, frame + static_cast<long long>(beatLength / 2 * kRate), 0.12, 0.012,
                   random);
        t += beatLength;
    }
    // The chords change every bar and play from the first beat on.
    const double bar = 4 * 60.0 / tempoBpm;
    for (size_t f = static_cast<size_t>(firstBeatSeconds * kRate); f < mono.size(); ++f) {
        const double t = static_cast<double>(f) / kRate - firstBeatSeconds;
        mono[f] += chord(t, bar, 0.12);
    }
    song.samples = stereo(mono);
    return song;
}

Samples beatlessPad(double seconds) {
    std::vector<double> mono(static_cast<size_t>(seconds * kRate), 0.0);
    for (size_t f = 0; f < mono.size(); ++f) {
        const double t = static_cast<double>(f) / kRate;
        const double swell = 0.6 + 0.4 * std::sin(kTwoPi * t / 7.3);
        mono[f] = chord(t, 5.1, 0.3 * swell * std::min(1.0, t / 2.0));
    }
    return stereo(mono);
}

}  // namespace testsupport
