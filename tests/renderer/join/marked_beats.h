#pragma once
// Songs whose every beat can be found in a decoded edit, and the measures that find them: a kick
// and a short marker burst of the song's own pitch on every beat, over an optional steady tone;
// a tone's level and phase in the mix; the bursts; lines through beats; a tone's pitch.

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <numeric>
#include <utility>
#include <vector>

#include "tests/support/generated_audio.h"

namespace markedbeats {

using testsupport::Samples;

inline constexpr double kRate = 44100.0;
inline constexpr double kTwoPi = 2.0 * std::numbers::pi;
inline constexpr double kMarkerSeconds = 0.02;  // a Hann-shaped burst, loudest half-way
inline constexpr double kFirstBeatSeconds = 0.5;
// Long enough for the beat grid to compare stretches of the song and trust what it finds.
inline constexpr double kSongSeconds = 30.0;

inline std::vector<double> toMono(const Samples& samples) {
    std::vector<double> mono(samples.size() / 2);
    for (size_t f = 0; f < mono.size(); ++f) {
        mono[f] = (samples[2 * f] + samples[2 * f + 1]) / 65536.0;
    }
    return mono;
}

inline Samples toStereo(const std::vector<double>& mono) {
    Samples samples;
    for (const double value : mono) {
        const auto sample = static_cast<int16_t>(std::lround(std::clamp(value, -1.0, 1.0) * 32767));
        samples.insert(samples.end(), {sample, sample});
    }
    return samples;
}

inline void addMarker(std::vector<double>& mono, double seconds, double hz, double amplitude) {
    const auto first = static_cast<long long>(std::ceil(seconds * kRate));
    const int frames = static_cast<int>(kMarkerSeconds * kRate);
    for (int i = 0; i < frames && first + i < static_cast<long long>(mono.size()); ++i) {
        const double window = 0.5 - 0.5 * std::cos(kTwoPi * i / frames);
        mono[static_cast<size_t>(first + i)] +=
            amplitude * window * std::sin(kTwoPi * hz * i / kRate);
    }
}

struct MarkedSong {
    Samples samples;
    std::vector<double> beatSeconds;
};

// A kick (150 Hz gliding down to 50 Hz, rising from silence, so the song's own steepest step
// stays small and a click stands out) and a marker burst on every beat; a steady quiet sine
// under it all where `steadyHz` is not 0. The beats stop 0.3 s before the end, or before
// `beatsUntil` where that is earlier.
inline MarkedSong markedSong(double seconds, double bpm, double markerHz, double steadyHz = 0.0,
                             double beatsUntil = 1e9) {
    std::vector<double> mono(static_cast<size_t>(seconds * kRate), 0.0);
    MarkedSong song;
    for (double t = kFirstBeatSeconds; t < std::min(seconds - 0.3, beatsUntil); t += 60.0 / bpm) {
        const auto frame = static_cast<size_t>(std::ceil(t * kRate));
        song.beatSeconds.push_back(static_cast<double>(frame) / kRate);
        double phase = 0.0;
        for (size_t i = 0; i < static_cast<size_t>(kRate / 4); ++i) {
            const double s = static_cast<double>(i) / kRate;
            phase += kTwoPi * (50.0 + 100.0 * std::exp(-s / 0.03)) / kRate;
            mono[frame + i] += 0.4 * std::exp(-s / 0.07) * std::sin(phase);
        }
        addMarker(mono, song.beatSeconds.back(), markerHz, 0.08);
    }
    for (size_t f = 0; steadyHz > 0.0 && f < mono.size(); ++f) {
        mono[f] += 0.05 * std::sin(kTwoPi * steadyHz * static_cast<double>(f) / kRate);
    }
    song.samples = toStereo(mono);
    return song;
}

// The level of `hz` in the mix around every frame, and its phase: the mix moved down to 0 Hz
// and smoothed by three centred running means of `smoothSeconds`, whose side lobes keep the
// other song's tones and the kicks out by far more than the 40 dB the measurements use.
struct Band {
    std::vector<double> level;  // a sine of amplitude a reads a
    std::vector<double> phase;
};

inline Band band(const std::vector<double>& mono, double hz, double smoothSeconds) {
    std::vector<std::complex<double>> z(mono.size());
    for (size_t f = 0; f < mono.size(); ++f) {
        z[f] = 2.0 * mono[f] * std::polar(1.0, -kTwoPi * hz * static_cast<double>(f) / kRate);
    }
    const auto half = static_cast<long long>(smoothSeconds * kRate / 2);
    const auto count = static_cast<long long>(z.size());
    for (int pass = 0; pass < 3; ++pass) {
        std::vector<std::complex<double>> sums(z.size() + 1);
        for (size_t f = 0; f < z.size(); ++f) sums[f + 1] = sums[f] + z[f];
        for (long long f = 0; f < count; ++f) {
            const long long from = std::max(0LL, f - half);
            const long long to = std::min(count, f + half + 1);
            z[static_cast<size_t>(f)] =
                (sums[static_cast<size_t>(to)] - sums[static_cast<size_t>(from)]) /
                static_cast<double>(to - from);
        }
    }
    Band result;
    for (const std::complex<double>& value : z) {
        result.level.push_back(std::abs(value));
        result.phase.push_back(std::arg(value));
    }
    return result;
}

struct Marker {
    double beatSeconds = 0.0;  // where the burst's beat is: its loudest point less half a burst
    double level = 0.0;
};

// Every burst louder than `floor`: its loudest point, placed between frames by a parabola.
inline std::vector<Marker> markers(const std::vector<double>& level, double floor) {
    std::vector<Marker> found;
    for (size_t f = 1; f + 1 < level.size(); ++f) {
        if (level[f] < floor) continue;
        size_t peak = f;
        for (; f + 1 < level.size() && level[f] >= floor; ++f) {
            if (level[f] > level[peak]) peak = f;
        }
        const double before = level[peak - 1], at = level[peak], after = level[peak + 1];
        const double shift = 0.5 * (before - after) / (before - 2.0 * at + after);
        const double seconds = (static_cast<double>(peak) + shift) / kRate - kMarkerSeconds / 2;
        // A burst dipping below the floor for a moment is still one burst.
        if (!found.empty() && seconds - found.back().beatSeconds < 0.1) {
            if (at > found.back().level) found.back() = {seconds, at};
            continue;
        }
        found.push_back({seconds, at});
    }
    return found;
}

inline std::vector<Marker> between(const std::vector<Marker>& all, double from, double to) {
    std::vector<Marker> inside;
    for (const Marker& marker : all) {
        if (marker.beatSeconds >= from && marker.beatSeconds <= to) inside.push_back(marker);
    }
    return inside;
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? NAN : values[values.size() / 2];
}

// The slope and intercept of the least-squares line through (x, y).
inline std::pair<double, double> line(const std::vector<double>& x, const std::vector<double>& y) {
    const double n = static_cast<double>(x.size());
    const double mx = std::accumulate(x.begin(), x.end(), 0.0) / n;
    const double my = std::accumulate(y.begin(), y.end(), 0.0) / n;
    double sxy = 0.0, sxx = 0.0;
    for (size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
    }
    return {sxy / sxx, my - sxy / sxx * mx};
}

// Seconds between beats of a run of markers, from the line through them.
inline double beatPeriod(const std::vector<Marker>& run, double roughPeriod) {
    std::vector<double> index, seconds;
    for (const Marker& marker : run) {
        index.push_back(std::round((marker.beatSeconds - run.front().beatSeconds) / roughPeriod));
        seconds.push_back(marker.beatSeconds);
    }
    return line(index, seconds).first;
}

// The mean power of `mono` between two times, in dB.
inline double powerDb(const std::vector<double>& mono, double from, double to) {
    const auto first = static_cast<size_t>(std::max(0.0, from) * kRate);
    const auto last = std::min(mono.size(), static_cast<size_t>(to * kRate));
    double sum = 0.0;
    for (size_t f = first; f < last; ++f) sum += mono[f] * mono[f];
    return 10.0 * std::log10(sum / static_cast<double>(last - first));
}

// The largest step between neighbouring samples of either channel between two times.
inline int steepestStep(const Samples& samples, double from, double to) {
    int steepest = 0;
    const auto last = std::min(samples.size() / 2, static_cast<size_t>(to * kRate));
    for (auto f = static_cast<size_t>(from * kRate) + 1; f < last; ++f) {
        for (size_t c = 0; c < 2; ++c) {
            steepest = std::max(steepest, std::abs(samples[2 * f + c] - samples[2 * f - 2 + c]));
        }
    }
    return steepest;
}

// The frequency of the one tone near `hz` in the window, from how fast its phase turns.
inline double toneHz(const Band& near, double hz, double from, double to) {
    std::vector<double> seconds, phase;
    double unwrapped = 0.0;
    for (auto f = static_cast<size_t>(from * kRate); f < static_cast<size_t>(to * kRate);
         f += 100) {
        const double step = seconds.empty() ? 0.0 : near.phase[f] - near.phase[f - 100];
        unwrapped += std::remainder(step, kTwoPi);
        seconds.push_back(static_cast<double>(f) / kRate);
        phase.push_back(unwrapped);
    }
    return hz + line(seconds, phase).first / kTwoPi;
}

inline double cents(double hz, double reference) { return 1200.0 * std::log2(hz / reference); }

}  // namespace markedbeats
