#pragma once
// Edits with effects, tempo and key rendered through the real seamforge and the real LAME, and
// read back: the decoded MP3, its analysis map and its notes; and the measures the effect tests
// share on them.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "audio/wav_file.h"
#include "tests/renderer/join/marked_beats.h"
#include "tests/renderer/seamforge_fixture.h"

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

struct Rendered {
    Samples decoded;
    std::vector<double> mono;
    json map;
    std::string notes;
    double seconds() const { return static_cast<double>(mono.size()) / kRate; }
    // Where song `track` (1-based) ends its cut in the edit, for songs joined by effects.
    double cutEndInEdit(size_t track) const {
        const json& song = map["tracks"][track - 1];
        return song["selectedEndFileTime"].get<double>() -
               song["selectedStartFileTime"].get<double>();
    }
    double cutStart(size_t track) const {
        return map["tracks"][track - 1]["selectedStartFileTime"].get<double>();
    }
};

class EffectEdit : public seamforgetest::Seamforge {
protected:
    std::filesystem::path output() const { return files / "out"; }

    std::filesystem::path song(const std::string& name, const Samples& samples) {
        testsupport::writeTestWav(files / name, samples);
        return files / name;
    }

    // Renders the songs, each with its "transition", "tempo" and "semitones" from `keys` where
    // given, with `ending` as the final ending effect.
    Rendered render(const std::vector<seamforgetest::Song>& songs, const std::vector<json>& keys,
                    const std::string& ending = "none") {
        json job = json::parse(editJob(songs, output(), ending));
        for (size_t i = 0; i < keys.size(); ++i) job["tracks"][i].update(keys[i]);
        Rendered rendered;
        const std::filesystem::path mp3 = expectSuccess(runJob(job.dump()));
        EXPECT_EQ(testsupport::decodeWithLame(mp3, files / "decoded.wav"), "");
        rendered.decoded = audio::loadWav(files / "decoded.wav").samples;
        rendered.mono = markedbeats::toMono(rendered.decoded);
        rendered.map = testsupport::readJson(output() / "analysis-map.json");
        rendered.notes = testsupport::readWholeFile(output() / "edit-notes.md");
        return rendered;
    }
};

// The edit's one join, or null.
inline json onlyJoin(const Rendered& edit) {
    const json joins = edit.map.value("joins", json::array());
    EXPECT_EQ(joins.size(), 1u) << edit.map.dump(1);
    return joins.size() == 1 ? joins[0] : json();
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
