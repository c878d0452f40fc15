#pragma once
// Joins rendered through the real seamforge and the real LAME, and the finished edit read back
// as a listener gets it: the decoded MP3 and the two reports. Song A's beats carry 2.5 kHz
// markers, song B's 6 kHz (marked_beats.h), so each song's beats can be found in the mix.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "audio/wav_file.h"
#include "tests/renderer/join/marked_beats.h"
#include "tests/renderer/seamforge_fixture.h"

namespace markedbeats {

namespace fs = std::filesystem;
using nlohmann::json;
using seamforgetest::Song;

inline constexpr double kMarkerAHz = 2500.0;
inline constexpr double kMarkerBHz = 6000.0;
inline constexpr double kSteadyHz = 330.0;  // a quiet tone under a song, for its pitch and level

struct Rendered {
    Samples decoded;
    std::vector<double> mono;
    json map;
    std::string notes;
    double seconds() const { return static_cast<double>(mono.size()) / kRate; }
};

// The edit's one join, or null.
inline json onlyJoin(const Rendered& edit) {
    const json joins = edit.map.value("joins", json::array());
    EXPECT_EQ(joins.size(), 1u) << edit.map.dump(1);
    return joins.size() == 1 ? joins[0] : json();
}

class JoinRender : public seamforgetest::Seamforge {
protected:
    fs::path output() const { return files / "out"; }

    fs::path song(const std::string& name, const Samples& samples) {
        testsupport::writeTestWav(files / name, samples);
        return files / name;
    }

    // Runs `job`, which must succeed, and reads its edit back.
    Rendered renderEdit(const json& job) {
        const fs::path mp3 = expectSuccess(runJob(job.dump()));
        Rendered rendered;
        EXPECT_EQ(testsupport::decodeWithLame(mp3, files / "decoded.wav"), "");
        rendered.decoded = audio::loadWav(files / "decoded.wav").samples;
        rendered.mono = toMono(rendered.decoded);
        rendered.map = testsupport::readJson(output() / "analysis-map.json");
        rendered.notes = testsupport::readWholeFile(output() / "edit-notes.md");
        return rendered;
    }
};

}  // namespace markedbeats
