// demo_song_generator: writes a short music-like song as a 44.1 kHz stereo 16-bit WAV, so the
// demo and the benchmark have songs with chords, a bass line and drums, a silent lead-in and
// a chosen loudness, without shipping any audio.
//
//   demo_song_generator OUT.wav [--seconds 30] [--lead-silence 1.5] [--peak 0.7]
//                               [--root 220] [--tempo 120] [--seed 1]
//
// Exit status 0 when the file was written, 1 with a message on standard error otherwise.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <numbers>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct Settings {
    std::string output;
    double seconds = 30.0;
    double leadSilenceSeconds = 1.5;
    double peak = 0.7;  // fraction of full scale
    double rootHz = 220.0;
    double tempoBpm = 120.0;
    unsigned seed = 1;
};

// Interleaved stereo in floating point until the final scaling.
class Mix {
public:
    explicit Mix(size_t frames) : samples_(frames * 2, 0.0f) {}
    size_t frames() const { return samples_.size() / 2; }
    void add(size_t frame, double left, double right) {
        if (frame >= frames()) return;
        samples_[frame * 2] += static_cast<float>(left);
        samples_[frame * 2 + 1] += static_cast<float>(right);
    }
    const std::vector<float>& samples() const { return samples_; }

private:
    std::vector<float> samples_;
};

double semitones(double rootHz, int steps) { return rootHz * std::pow(2.0, steps / 12.0); }

// A sustained chord of three notes with a few harmonics; soft attack, gentle release.
void addChord(Mix& mix, size_t startFrame, size_t lengthFrames, double rootHz,
              const std::vector<int>& steps) {
    const double attack = 0.02 * kRate;
    const double release = 0.08 * kRate;
    for (size_t k = 0; k < lengthFrames; ++k) {
        const double t = static_cast<double>(k) / kRate;
        const double envelope = std::min({1.0, k / attack, (lengthFrames - k) / release}) *
                                (0.6 + 0.4 * std::exp(-t * 3.0));
        double left = 0.0;
        double right = 0.0;
        for (size_t n = 0; n < steps.size(); ++n) {
            const double hz = semitones(rootHz, steps[n]);
            const double voice = std::sin(kTwoPi * hz * t) + 0.35 * std::sin(kTwoPi * 2 * hz * t) +
                                 0.15 * std::sin(kTwoPi * 3 * hz * t);
            const double pan = 0.3 + 0.2 * static_cast<double>(n);  // spread across the field
            left += voice * (1.0 - pan);
            right += voice * pan;
        }
        mix.add(startFrame + k, 0.18 * envelope * left, 0.18 * envelope * right);
    }
}

void addBass(Mix& mix, size_t startFrame, size_t lengthFrames, double hz) {
    for (size_t k = 0; k < lengthFrames; ++k) {
        const double t = static_cast<double>(k) / kRate;
        const double value = 0.35 * std::exp(-t * 4.0) * std::min(1.0, k / 200.0) *
                             (std::sin(kTwoPi * hz * t) + 0.3 * std::sin(kTwoPi * 2 * hz * t));
        mix.add(startFrame + k, value, value);
    }
}

void addKick(Mix& mix, size_t startFrame) {
    double phase = 0.0;
    for (size_t k = 0; k < static_cast<size_t>(0.35 * kRate); ++k) {
        const double t = static_cast<double>(k) / kRate;
        phase += kTwoPi * (45.0 + 90.0 * std::exp(-t * 30.0)) / kRate;
        const double value = 0.6 * std::exp(-t * 9.0) * std::sin(phase);
        mix.add(startFrame + k, value, value);
    }
}

void addSnare(Mix& mix, size_t startFrame, std::mt19937& random) {
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    for (size_t k = 0; k < static_cast<size_t>(0.25 * kRate); ++k) {
        const double t = static_cast<double>(k) / kRate;
        const double body = 0.2 * std::exp(-t * 25.0) * std::sin(kTwoPi * 185.0 * t);
        const double rattle = 0.25 * std::exp(-t * 14.0);
        mix.add(startFrame + k, body + rattle * noise(random), body + rattle * noise(random));
    }
}

void addHiHat(Mix& mix, size_t startFrame, std::mt19937& random) {
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    double previous = 0.0;
    for (size_t k = 0; k < static_cast<size_t>(0.06 * kRate); ++k) {
        const double t = static_cast<double>(k) / kRate;
        const double white = noise(random);
        const double bright = white - previous;  // a first difference keeps the highs
        previous = white;
        const double value = 0.08 * std::exp(-t * 70.0) * bright;
        mix.add(startFrame + k, 0.7 * value, value);
    }
}

// I–V–vi–IV, one chord per bar, with bass on beats 1 and 3, kick on 1 and 3, snare on 2 and 4
// and a hi-hat on every eighth note.
void composeSong(Mix& mix, size_t firstFrame, const Settings& settings) {
    const std::vector<std::vector<int>> chords = {{0, 4, 7}, {7, 11, 14}, {9, 12, 16}, {5, 9, 12}};
    const double beatFrames = 60.0 / settings.tempoBpm * kRate;
    const auto barFrames = static_cast<size_t>(4 * beatFrames);
    std::mt19937 random(settings.seed);
    for (size_t bar = 0; firstFrame + bar * barFrames < mix.frames(); ++bar) {
        const size_t barStart = firstFrame + bar * barFrames;
        const std::vector<int>& chord = chords[bar % chords.size()];
        addChord(mix, barStart, barFrames, settings.rootHz, chord);
        for (int beat = 0; beat < 4; ++beat) {
            const auto beatStart = barStart + static_cast<size_t>(beat * beatFrames);
            if (beat % 2 == 0) {
                addKick(mix, beatStart);
                addBass(mix, beatStart, static_cast<size_t>(2 * beatFrames),
                        semitones(settings.rootHz / 2, chord[0]));
            } else {
                addSnare(mix, beatStart, random);
            }
            addHiHat(mix, beatStart, random);
            addHiHat(mix, beatStart + static_cast<size_t>(beatFrames / 2), random);
        }
    }
}

void appendLE(std::string& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Scales the mix so its loudest sample is `peak` of full scale, then writes a 16-bit WAV.
void writeWav(const std::string& path, const Mix& mix, double peak) {
    float loudest = 0.0f;
    for (const float sample : mix.samples()) loudest = std::max(loudest, std::abs(sample));
    const double scale = loudest > 0.0f ? peak * 32767.0 / loudest : 0.0;

    const auto dataBytes = static_cast<uint32_t>(mix.samples().size() * 2);
    std::string bytes = "RIFF";
    appendLE(bytes, 36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    appendLE(bytes, 16, 4);
    appendLE(bytes, 1, 2);
    appendLE(bytes, 2, 2);
    appendLE(bytes, kRate, 4);
    appendLE(bytes, kRate * 4, 4);
    appendLE(bytes, 4, 2);
    appendLE(bytes, 16, 2);
    bytes += "data";
    appendLE(bytes, dataBytes, 4);
    bytes.reserve(bytes.size() + dataBytes);
    for (const float sample : mix.samples()) {
        const long value = std::lround(std::clamp(sample * scale, -32768.0, 32767.0));
        appendLE(bytes, static_cast<uint32_t>(static_cast<uint16_t>(value)), 2);
    }
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("could not write " + path);
}

double number(const std::string& text, const std::string& option) {
    size_t used = 0;
    const double value = std::stod(text, &used);
    if (used != text.size() || !std::isfinite(value)) {
        throw std::runtime_error(option + " needs a number, not '" + text + "'");
    }
    return value;
}

Settings parseArguments(int argc, char** argv) {
    if (argc < 2 || argc % 2 != 0) {
        throw std::runtime_error(
            "usage: demo_song_generator OUT.wav [--seconds S] [--lead-silence S] [--peak P] "
            "[--root HZ] [--tempo BPM] [--seed N]");
    }
    Settings settings;
    settings.output = argv[1];
    std::map<std::string, double*> options = {{"--seconds", &settings.seconds},
                                              {"--lead-silence", &settings.leadSilenceSeconds},
                                              {"--peak", &settings.peak},
                                              {"--root", &settings.rootHz},
                                              {"--tempo", &settings.tempoBpm}};
    for (int i = 2; i < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--seed") {
            settings.seed = static_cast<unsigned>(number(argv[i + 1], option));
        } else if (options.count(option) != 0) {
            *options[option] = number(argv[i + 1], option);
        } else {
            throw std::runtime_error("unknown option " + option);
        }
    }
    if (settings.seconds <= 0 || settings.seconds > 3600 || settings.leadSilenceSeconds < 0 ||
        settings.leadSilenceSeconds >= settings.seconds || settings.peak <= 0 ||
        settings.peak > 1 || settings.rootHz < 20 || settings.tempoBpm < 30) {
        throw std::runtime_error("a setting is out of range");
    }
    return settings;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const Settings settings = parseArguments(argc, argv);
        Mix mix(static_cast<size_t>(settings.seconds * kRate));
        composeSong(mix, static_cast<size_t>(settings.leadSilenceSeconds * kRate), settings);
        writeWav(settings.output, mix, settings.peak);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "demo_song_generator: " << error.what() << "\n";
        return 1;
    }
}
