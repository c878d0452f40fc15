#include "tests/support/recorded_songs.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string_view>

namespace testsupport {
namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;

std::filesystem::path truthFolder() {
    return std::filesystem::path(TUNEWRIGHT_SOURCE_DIR) / "tests/renderer/analysis/recorded_beats";
}

std::vector<std::string> splitSources(const std::string& text) {
    // Paths may hold spaces ("Metal madness"), so the separator is " + ".
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at; (at = text.find(" + ", start)) != std::string::npos; start = at + 3) {
        parts.push_back(text.substr(start, at - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

RecordingKind kindNamed(const std::string& text, const std::string& file) {
    if (text == "song") return RecordingKind::song;
    if (text == "loop") return RecordingKind::loop;
    if (text == "module") return RecordingKind::module;
    if (text == "beatless") return RecordingKind::beatless;
    throw std::runtime_error(file + ": unknown kind '" + text + "'");
}

// "# key: value" lines, then one beat a line: "SECONDS" or "SECONDS bar".
Recording readTruthFile(const std::filesystem::path& path) {
    std::ifstream file(path);
    if (!file) throw std::runtime_error("cannot read " + path.string());
    const std::string where = path.filename().string();
    std::map<std::string, std::string> header;
    std::vector<double> beats;
    std::vector<bool> isBar;
    for (std::string line; std::getline(file, line);) {
        if (line.empty()) continue;
        if (line.starts_with("#")) {
            const size_t colon = line.find(": ");
            if (colon != std::string::npos)
                header[line.substr(2, colon - 2)] = line.substr(colon + 2);
            continue;
        }
        size_t used = 0;
        beats.push_back(std::stod(line, &used));
        const std::string_view rest = std::string_view(line).substr(used);
        if (rest != "" && rest != " bar") throw std::runtime_error(where + ": bad line " + line);
        isBar.push_back(rest == " bar");
    }
    for (const char* key : {"source", "package", "kind", "tempo", "beats per bar", "length"}) {
        if (!header.contains(key)) throw std::runtime_error(where + ": no '" + key + "' line");
    }
    Recording recording;
    recording.name = path.stem().string();
    recording.kind = kindNamed(header["kind"], where);
    recording.package = header["package"];
    recording.sources = splitSources(header["source"]);
    recording.lengthSeconds = std::stod(header["length"]);
    recording.beatsPerBar = std::stoi(header["beats per bar"]);
    const std::string& tempo = header["tempo"];
    recording.constantTempo = tempo.ends_with(" constant");
    if (recording.constantTempo) recording.tempoBpm = std::stod(tempo);
    if (header.contains("pause")) recording.pauseSeconds = std::stod(header["pause"]);
    recording.barsConfirmed = header["bars confirmed"].starts_with("yes");

    if (recording.kind == RecordingKind::loop) {
        if (!header.contains("loop beats")) throw std::runtime_error(where + ": no 'loop beats'");
        recording.loopBeats = std::stoi(header["loop beats"]);
        if (recording.loopBeats != static_cast<int>(beats.size())) {
            throw std::runtime_error(where + ": 'loop beats' differs from the beats listed");
        }
        if (!header.contains("loop frames")) throw std::runtime_error(where + ": no 'loop frames'");
        // The pass's length in frames is exact; its beats are computed from it, and the written
        // ones (four decimals) must agree, so that 60 s of tiling adds up no rounding.
        recording.lengthSeconds = std::stod(header["loop frames"]) / kRate;
        const double beatSeconds = recording.lengthSeconds / recording.loopBeats;
        for (size_t i = 0; i < beats.size(); ++i) {
            if (std::abs(beats[i] - static_cast<double>(i) * beatSeconds) > 1e-4) {
                throw std::runtime_error(where + ": a listed beat is off the pass's grid");
            }
        }
        // Bars count from the loop's first sample across passes: a two-beat loop in 4/4 has its
        // bar line every second pass, so the listed pass's marks are not repeated as they are.
        const int passes = loopPasses(recording, kLoopSeconds);
        for (int index = 0; index < passes * recording.loopBeats; ++index) {
            const double at = index * beatSeconds;
            recording.beats.push_back(at);
            if (index % recording.beatsPerBar == 0) recording.bars.push_back(at);
        }
    } else {
        recording.beats = beats;
        for (size_t i = 0; i < beats.size(); ++i) {
            if (isBar[i]) recording.bars.push_back(beats[i]);
        }
    }
    return recording;
}

Samples readRaw(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    Samples samples(bytes.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i) {
        const auto low = static_cast<uint8_t>(bytes[2 * i]);
        const auto high = static_cast<uint8_t>(bytes[2 * i + 1]);
        samples[i] = static_cast<int16_t>(static_cast<uint16_t>(low | (high << 8)));
    }
    return samples;
}

// ffmpeg with `inputs` and an optional filter graph, to raw 44.1 kHz stereo.
Samples decode(const std::vector<std::string>& inputs, const std::string& filterGraph,
               const std::filesystem::path& raw) {
    const std::filesystem::path ffmpeg = findProgram("ffmpeg");
    if (ffmpeg.empty()) throw std::runtime_error(requiredProgramMessage("ffmpeg"));
    std::vector<std::string> arguments = {"-nostdin", "-hide_banner", "-loglevel", "error", "-y"};
    for (const std::string& input : inputs) {
        arguments.insert(arguments.end(), {"-i", input});
    }
    if (!filterGraph.empty()) arguments.insert(arguments.end(), {"-filter_complex", filterGraph});
    arguments.insert(arguments.end(),
                     {"-ar", std::to_string(kRate), "-ac", std::to_string(kChannels), "-c:a",
                      "pcm_s16le", "-f", "s16le", raw.string()});
    const std::string failure = runProgram(ffmpeg, arguments);
    if (!failure.empty()) throw std::runtime_error(failure);
    return readRaw(raw);
}

// The stems summed as recorded, halved against clipping: the mix the truth was checked on; then
// its first `seconds`, cut to the sample (ffmpeg's -t stops on a packet boundary).
std::string songGraph(size_t stems, double seconds) {
    std::string graph;
    for (size_t i = 0; i < stems; ++i) graph += "[" + std::to_string(i) + ":a]";
    if (stems > 1) {
        graph +=
            "amix=inputs=" + std::to_string(stems) + ":duration=longest:normalize=0,volume=0.5,";
    }
    return graph + "aresample=" + std::to_string(kRate) +
           ",atrim=end_sample=" + std::to_string(std::llround(seconds * kRate));
}

void cutTo(Samples& samples, double seconds) {
    const auto wanted = static_cast<size_t>(std::llround(seconds * kRate)) * kChannels;
    if (samples.size() > wanted) samples.resize(wanted);
}

}  // namespace

bool justBefore(const std::vector<double>& onsets, double seconds) {
    const auto next = std::lower_bound(onsets.begin(), onsets.end(), seconds);
    return next != onsets.end() && *next - seconds <= 0.025;
}

double offsetFromNearest(const std::vector<double>& onsets, double seconds) {
    const auto next = std::lower_bound(onsets.begin(), onsets.end(), seconds);
    double best = 1e9;
    if (next != onsets.end()) best = seconds - *next;
    if (next != onsets.begin() && std::abs(seconds - *(next - 1)) < std::abs(best)) {
        best = seconds - *(next - 1);
    }
    return best;
}

int loopPasses(const Recording& loop, double seconds) {
    if (loop.lengthSeconds <= 0.0) return 1;
    return std::max(1, static_cast<int>(std::lround(seconds / loop.lengthSeconds)));
}

std::vector<Recording> recordings(RecordingKind kind) {
    std::vector<Recording> found;
    for (const Recording& recording : recordings()) {
        if (recording.kind == kind) found.push_back(recording);
    }
    return found;
}

std::vector<Recording> recordings() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(truthFolder())) {
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<Recording> found;
    for (const auto& file : files) found.push_back(readTruthFile(file));
    return found;
}

RecordingAudio loadRecordingAudio(const Recording& recording, const TemporaryFolder& folder,
                                  double seconds) {
    RecordingAudio audio;
    for (const std::string& source : recording.sources) {
        if (!std::filesystem::exists(source)) {
            audio.missing =
                source + " is missing: install " + recording.package + " (scripts/install-deps)";
            return audio;
        }
    }
    const std::filesystem::path raw = folder / (recording.name + ".raw");
    switch (recording.kind) {
        case RecordingKind::song:
        case RecordingKind::module:
            audio.samples =
                decode(recording.sources, songGraph(recording.sources.size(), seconds), raw);
            break;
        case RecordingKind::loop: {
            // Tiled here, sample for sample, so every pass starts exactly where its beats say.
            const Samples pass = decode(recording.sources, {}, raw);
            const int passes = loopPasses(recording, seconds);
            audio.samples.reserve(pass.size() * static_cast<size_t>(passes));
            for (int i = 0; i < passes; ++i) {
                audio.samples.insert(audio.samples.end(), pass.begin(), pass.end());
            }
            break;
        }
        case RecordingKind::beatless: {
            const Samples pause = silence(recording.pauseSeconds, kRate, kChannels);
            for (size_t i = 0; i < recording.sources.size(); ++i) {
                if (i > 0) audio.samples.insert(audio.samples.end(), pause.begin(), pause.end());
                const Samples part = decode({recording.sources[i]}, {}, raw);
                audio.samples.insert(audio.samples.end(), part.begin(), part.end());
            }
            cutTo(audio.samples, seconds);
            break;
        }
    }
    return audio;
}

}  // namespace testsupport
