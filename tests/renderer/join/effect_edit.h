#pragma once
// Edits with effects, tempo and key rendered through the real seamforge and the real LAME, and
// read back: the decoded MP3, its analysis map and its notes; and the measures the effect tests
// share on them.

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/renderer/join/join_render_fixture.h"

namespace effectedit {

using markedbeats::kRate;
using nlohmann::json;
using testsupport::Samples;

// A stutter's slices, as fractions of the beat: shorter as it goes, filling the beat.
inline constexpr double kStutterSlices[] = {8,  8,  8,  8,  16, 16, 16, 16,
                                            32, 32, 32, 32, 32, 32, 32, 32};

inline std::vector<double> channel(const Samples& samples, int which) {
    std::vector<double> values(samples.size() / 2);
    for (size_t f = 0; f < values.size(); ++f) values[f] = samples[2 * f + which] / 32768.0;
    return values;
}

using markedbeats::onlyJoin;
using markedbeats::Rendered;

// Where song `track` (1-based) ends its cut in the edit, for songs joined by effects.
inline double cutEndInEdit(const Rendered& edit, size_t track) {
    const json& song = edit.map["tracks"][track - 1];
    return song["selectedEndFileTime"].get<double>() - song["selectedStartFileTime"].get<double>();
}

inline double cutStart(const Rendered& edit, size_t track) {
    return edit.map["tracks"][track - 1]["selectedStartFileTime"].get<double>();
}

class EffectEdit : public markedbeats::JoinRender {
protected:
    // Renders the songs, each with its "transition", "tempo" and "semitones" from `keys` where
    // given, with `ending` as the final ending effect.
    Rendered render(const std::vector<seamforgetest::Song>& songs, const std::vector<json>& keys,
                    const std::string& ending = "none") {
        json job = json::parse(editJob(songs, output(), ending));
        for (size_t i = 0; i < keys.size(); ++i) job["tracks"][i].update(keys[i]);
        return renderEdit(job);
    }
};

// The silence around `seconds` in the edit: the last sounding frame before it and the first
// after, every sample between below -60 dBFS.
struct Silence {
    size_t lastSound = 0;
    size_t firstSound = 0;
    double seconds() const { return static_cast<double>(firstSound - lastSound - 1) / kRate; }
};

inline Silence silenceAround(const std::vector<double>& mono, double seconds) {
    Silence silence;
    silence.lastSound = static_cast<size_t>(seconds * kRate);
    while (silence.lastSound > 0 && std::abs(mono[silence.lastSound]) < 0.001) --silence.lastSound;
    silence.firstSound = silence.lastSound + 1;
    while (silence.firstSound < mono.size() && std::abs(mono[silence.firstSound]) < 0.001) {
        ++silence.firstSound;
    }
    return silence;
}

// Normalized correlation of the edit's frames [at, at + frames) with the song's from `from`.
inline double correlation(const std::vector<double>& edit, long long at,
                          const std::vector<double>& song, long long from, long long frames) {
    double both = 0.0, editPower = 0.0, songPower = 0.0;
    for (long long k = 0; k < frames; ++k) {
        const double x = edit[static_cast<size_t>(at + k)], y = song[static_cast<size_t>(from + k)];
        both += x * y;
        editPower += x * x;
        songPower += y * y;
    }
    return both / std::sqrt(editPower * songPower);
}

// The lag (in frames, within ±`reach`) at which the edit's frames from `at` best match the song's
// from `from`, and how well.
struct Match {
    int lag = 0;
    double correlation = -1.0;
};

inline Match bestMatch(const std::vector<double>& edit, long long at,
                       const std::vector<double>& song, long long from, long long frames,
                       int reach) {
    Match best;
    for (int lag = -reach; lag <= reach; ++lag) {
        const double c = correlation(edit, at + lag, song, from, frames);
        if (c > best.correlation) best = {lag, c};
    }
    return best;
}

}  // namespace effectedit
