#include "app/ui/edit_join_map.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <system_error>

namespace app::ui {
namespace {

constexpr std::string_view kLocalEngineName = "Tunewright local engine";

std::optional<double> finiteNumber(const nlohmann::json& object, const char* key) {
    const auto found = object.find(key);
    if (found == object.end() || !found->is_number()) return std::nullopt;
    const double value = found->get<double>();
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<std::string> readText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::optional<std::string> outputFileName(std::string_view jsonText) {
    const auto json = nlohmann::json::parse(jsonText, nullptr, false);
    if (!json.is_object()) return std::nullopt;
    const auto found = json.find("outputFile");
    if (found == json.end() || !found->is_string()) return std::nullopt;
    return std::filesystem::path(found->get<std::string>()).filename().string();
}

// The engine writes the map after the MP3 has its final name, so a map of this edit is never
// older than it; the second allows for file systems with coarse times.
bool writtenWithOrAfter(const std::filesystem::path& map, const std::filesystem::path& edit) {
    std::error_code error;
    const auto mapTime = std::filesystem::last_write_time(map, error);
    if (error) return false;
    const auto editTime = std::filesystem::last_write_time(edit, error);
    if (error) return false;
    return mapTime + std::chrono::seconds(1) >= editTime;
}

}  // namespace

std::optional<EditJoinMap> parseEditJoinMap(std::string_view jsonText) {
    const auto json = nlohmann::json::parse(jsonText, nullptr, false);
    if (!json.is_object()) return std::nullopt;
    const auto renderer = json.find("renderer");
    if (renderer == json.end() || *renderer != kLocalEngineName) return std::nullopt;
    const auto tracks = json.find("tracks");
    if (tracks == json.end() || !tracks->is_array() || tracks->empty()) return std::nullopt;

    // A blend overlaps the songs and an effect adds its own time: where the engine reports a
    // join, the edit's own times hold: the next song starts at its "startTime", and the join
    // sits in the middle of the overlap (an effect has none).
    std::map<long long, std::pair<double, double>> reported;  // after track: start, end
    const auto joins = json.find("joins");
    if (joins != json.end() && joins->is_array()) {
        for (const nlohmann::json& join : *joins) {
            if (!join.is_object()) continue;
            const auto after = join.find("afterTrack");
            const auto start = finiteNumber(join, "startTime");
            const auto end = finiteNumber(join, "endTime");
            if (after == join.end() || !after->is_number_integer() || !start || !end) continue;
            reported[after->get<long long>()] = {*start, *end};
        }
    }

    EditJoinMap map;
    double songStartSeconds = 0.0;
    long long number = 0;
    for (const nlohmann::json& track : *tracks) {
        ++number;
        if (!track.is_object()) return std::nullopt;
        const auto spanSeconds = finiteNumber(track, "selectedDuration");
        const auto cutInSeconds = finiteNumber(track, "selectedStartFileTime");
        if (!spanSeconds || !cutInSeconds || *spanSeconds < 0.0) return std::nullopt;
        if (track.contains("finalFadeStartFileTime")) {
            const auto endingFileSeconds = finiteNumber(track, "finalFadeStartFileTime");
            if (!endingFileSeconds) return std::nullopt;
            const double intoSpan =
                std::clamp(*endingFileSeconds - *cutInSeconds, 0.0, *spanSeconds);
            map.endingStartSeconds = songStartSeconds + intoSpan;
        }
        if (const auto join = reported.find(number); join != reported.end()) {
            songStartSeconds = join->second.first;
            map.joinSeconds.push_back((join->second.first + join->second.second) / 2.0);
        } else {
            songStartSeconds += *spanSeconds;
            map.joinSeconds.push_back(songStartSeconds);
        }
    }
    map.joinSeconds.pop_back();  // the last song's end is the edit's end, not a join

    // The last song's own ending effect (a tape stop ...) runs up to the edit's end.
    const auto effect = json.find("endingEffect");
    if (!map.endingStartSeconds && effect != json.end() && effect->is_object()) {
        const auto seconds = finiteNumber(*effect, "seconds");
        const auto end = finiteNumber(*effect, "endTime");
        if (seconds && end) map.endingStartSeconds = std::max(0.0, *end - *seconds);
    }
    return map;
}

std::optional<EditJoinMap> readEditJoinMap(const std::filesystem::path& editFile) {
    const std::filesystem::path mapFile = editFile.parent_path() / "analysis-map.json";
    const std::optional<std::string> text = readText(mapFile);
    if (!text) return std::nullopt;
    if (outputFileName(*text) != editFile.filename().string()) return std::nullopt;
    if (!writtenWithOrAfter(mapFile, editFile)) return std::nullopt;
    return parseEditJoinMap(*text);
}

}  // namespace app::ui
