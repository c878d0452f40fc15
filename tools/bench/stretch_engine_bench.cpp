// stretch_engine_bench: the Rubber Band engines' own CPU time for a time stretch, the reference
// scripts/bench holds seamforge's tempo change against.
//
//   stretch_engine_bench WAV START_SECONDS END_SECONDS TIME_RATIO REPETITIONS
//
// Stretches the WAV's stereo audio from START to END by TIME_RATIO (output length over input
// length) straight with RubberBandStretcher, offline (study, then process), with the finer (R3)
// engine and then the faster (R2) one, every other option the library's default, REPETITIONS
// times each. Only the stretcher's work is timed: its CPU time (every thread's, user and
// system). Prints one line "finer <s> faster <s>": the medians, in CPU seconds a minute of input.

#include <rubberband/RubberBandStretcher.h>
#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <vector>

#include "audio/wav_file.h"

namespace {

using RubberBand::RubberBandStretcher;

constexpr size_t kBlockFrames = 4096;

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// One stretch of the two channels; returns its CPU seconds. The output is retrieved as a caller
// would, into blocks that are then dropped.
double timeStretch(const std::array<std::vector<float>, 2>& channels, double ratio,
                   RubberBandStretcher::Options options) {
    const size_t frames = channels[0].size();
    std::array<std::vector<float>, 2> out;
    for (auto& channel : out) channel.resize(kBlockFrames);
    std::array<float*, 2> outPointers = {out[0].data(), out[1].data()};
    const double started = cpuSeconds();
    RubberBandStretcher stretcher(44100, 2, options | RubberBandStretcher::OptionProcessOffline);
    stretcher.setTimeRatio(ratio);
    stretcher.setExpectedInputDuration(frames);
    stretcher.setMaxProcessSize(kBlockFrames);
    const auto pass = [&](bool study) {
        for (size_t first = 0; first < frames; first += kBlockFrames) {
            const size_t count = std::min(kBlockFrames, frames - first);
            const std::array<const float*, 2> in = {channels[0].data() + first,
                                                    channels[1].data() + first};
            const bool last = first + count == frames;
            if (study) {
                stretcher.study(in.data(), count, last);
                continue;
            }
            stretcher.process(in.data(), count, last);
            while (stretcher.available() > 0) {
                const size_t wanted =
                    std::min(static_cast<size_t>(stretcher.available()), kBlockFrames);
                stretcher.retrieve(outPointers.data(), wanted);
            }
        }
    };
    pass(true);
    pass(false);
    return cpuSeconds() - started;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: stretch_engine_bench WAV START_SECONDS END_SECONDS TIME_RATIO "
                     "REPETITIONS\n");
        return 1;
    }
    try {
        const audio::WavAudio wav = audio::loadWav(argv[1]);
        const auto first = static_cast<size_t>(std::atof(argv[2]) * wav.sampleRate);
        const auto end = std::min(static_cast<size_t>(std::atof(argv[3]) * wav.sampleRate),
                                  static_cast<size_t>(wav.frameCount()));
        const double ratio = std::atof(argv[4]);
        const int repetitions = std::atoi(argv[5]);
        if (wav.channels != 2 || first >= end || ratio <= 0.0 || repetitions < 1) {
            std::fprintf(stderr, "stretch_engine_bench: needs stereo audio between the times\n");
            return 1;
        }
        std::array<std::vector<float>, 2> channels;
        for (size_t f = first; f < end; ++f) {
            for (size_t c = 0; c < 2; ++c) {
                channels[c].push_back(static_cast<float>(wav.samples[2 * f + c]) / 32768.0f);
            }
        }
        const double minutes = static_cast<double>(end - first) / wav.sampleRate / 60.0;
        std::vector<double> finer, faster;
        for (int i = 0; i < repetitions; ++i) {
            finer.push_back(timeStretch(channels, ratio, RubberBandStretcher::OptionEngineFiner) /
                            minutes);
            faster.push_back(timeStretch(channels, ratio, RubberBandStretcher::OptionEngineFaster) /
                             minutes);
        }
        std::printf("finer %.3f faster %.3f\n", median(finer), median(faster));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "stretch_engine_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
