#include "renderer/job/render_job.h"

#include <nlohmann/json.hpp>
#include <cmath>
#include <stdexcept>
#include <tuple>

#include "audio/file_bytes.h"

namespace renderer {
namespace {

using nlohmann::json;

[[noreturn]] void throwUnreadable(const std::string& reason) {
    throw std::runtime_error("The render job is unreadable: " + reason);
}

const json& requiredValue(const json& object, const char* key, const std::string& where) {
    const auto found = object.find(key);
    if (found == object.end()) throwUnreadable(where + "key \"" + key + "\" is missing.");
    return *found;
}

std::string requiredString(const json& object, const char* key, const std::string& where) {
    const json& value = requiredValue(object, key, where);
    if (!value.is_string()) throwUnreadable(where + "\"" + key + "\" must be a string.");
    return value.get<std::string>();
}

bool requiredBool(const json& object, const char* key) {
    const json& value = requiredValue(object, key, "");
    if (!value.is_boolean()) throwUnreadable(std::string("\"") + key + "\" must be true or false.");
    return value.get<bool>();
}

bool optionalBool(const json& object, const char* key) {
    const auto found = object.find(key);
    if (found == object.end() || found->is_null()) return false;
    if (!found->is_boolean())
        throwUnreadable(std::string("\"") + key + "\" must be true or false.");
    return found->get<bool>();
}

std::string joinStyleNames() {
    std::string names;
    for (const auto& [style, name] : common::kJoinStyleNames) {
        names += (names.empty() ? "\"" : ", \"") + std::string(name) + "\"";
    }
    return names;
}

// How long a blend may be asked to last; longer is a typing slip, not a wish.
constexpr double kMostTransitionBeats = 64.0;
constexpr double kMostTransitionSeconds = 60.0;

std::optional<common::RequestLength> transitionLength(const json& transition,
                                                      const std::string& where) {
    for (const auto& [key, unit, most] :
         {std::tuple{"beats", common::LengthUnit::beats, kMostTransitionBeats},
          std::tuple{"seconds", common::LengthUnit::seconds, kMostTransitionSeconds}}) {
        const auto found = transition.find(key);
        if (found == transition.end() || found->is_null()) continue;
        if (!found->is_number() || !(found->get<double>() > 0.0) || found->get<double>() > most) {
            throwUnreadable(where + "\"transition\".\"" + key + "\" must be a number above 0 and at most " +
                            std::to_string(static_cast<int>(most)) + ".");
        }
        return common::RequestLength{found->get<double>(), unit};
    }
    return std::nullopt;
}

std::optional<common::JoinRequest> decodeTransition(const json& track, const std::string& where) {
    const auto found = track.find("transition");
    if (found == track.end() || found->is_null()) return std::nullopt;
    if (!found->is_object()) throwUnreadable(where + "\"transition\" must be an object.");
    const std::string style = requiredString(*found, "style", where + "\"transition\": ");
    const std::optional<common::JoinStyle> known = common::joinStyleFromName(style);
    if (!known) {
        throwUnreadable(where + "\"transition\".\"style\" must be one of " + joinStyleNames() +
                        ".");
    }
    return common::JoinRequest{*known, transitionLength(*found, where)};
}

std::optional<common::TempoRequest> decodeTempo(const json& track, const std::string& where) {
    const auto found = track.find("tempo");
    if (found == track.end() || found->is_null()) return std::nullopt;
    if (!found->is_object()) throwUnreadable(where + "\"tempo\" must be an object.");
    using Kind = common::TempoRequest::Kind;
    for (const auto& [key, kind] : {std::pair{"bpm", Kind::toBpm}, std::pair{"percent", Kind::byPercent},
                                    std::pair{"matchSong", Kind::matchSong}}) {
        const auto value = found->find(key);
        if (value == found->end() || value->is_null()) continue;
        if (!value->is_number() || !std::isfinite(value->get<double>())) {
            throwUnreadable(where + "\"tempo\".\"" + key + "\" must be a number.");
        }
        return common::TempoRequest{kind, value->get<double>()};
    }
    throwUnreadable(where + "\"tempo\" must hold \"bpm\", \"percent\" or \"matchSong\".");
}

std::optional<double> decodeSemitones(const json& track, const std::string& where) {
    const auto found = track.find("semitones");
    if (found == track.end() || found->is_null()) return std::nullopt;
    if (!found->is_number() || !std::isfinite(found->get<double>())) {
        throwUnreadable(where + "\"semitones\" must be a number.");
    }
    return found->get<double>();
}

TrackJob decodeTrack(const json& value, size_t position) {
    const std::string where = "track " + std::to_string(position + 1) + ": ";
    if (!value.is_object()) throwUnreadable(where + "must be an object.");
    TrackJob track;
    track.path = requiredString(value, "path", where);
    track.name = requiredString(value, "name", where);
    track.startTime = requiredString(value, "startTime", where);
    track.endTime = requiredString(value, "endTime", where);
    track.note = requiredString(value, "note", where);
    track.transition = decodeTransition(value, where);
    track.tempo = decodeTempo(value, where);
    track.semitones = decodeSemitones(value, where);
    return track;
}

}  // namespace

RenderJob decodeRenderJob(std::string_view jsonText) {
    json root;
    try {
        root = json::parse(jsonText.begin(), jsonText.end());
    } catch (const json::exception& error) {
        // A syntax error or a number too large to hold. The library's text starts with
        // its own tag, "[json.exception.parse_error.101] ", which the user needs not see.
        const std::string detail = error.what();
        const size_t tagEnd = detail.find("] ");
        throwUnreadable("not JSON (" +
                        (tagEnd == std::string::npos ? detail : detail.substr(tagEnd + 2)) + ").");
    }
    if (!root.is_object()) throwUnreadable("the file does not hold a JSON object.");

    RenderJob job;
    job.appVersion = requiredString(root, "appVersion", "");
    job.outputFolder = requiredString(root, "outputFolder", "");
    job.finalFadeOut = requiredBool(root, "finalFadeOut");
    const auto effect = root.find("finalEndingEffect");
    if (effect != root.end() && !effect->is_null()) {
        if (!effect->is_string()) throwUnreadable("\"finalEndingEffect\" must be a string.");
        job.finalEndingEffect = effect->get<std::string>();
    }
    job.snapToBeat = optionalBool(root, "snapToBeat");
    job.snapToBar = optionalBool(root, "snapToBar");
    const json& tracks = requiredValue(root, "tracks", "");
    if (!tracks.is_array()) throwUnreadable("\"tracks\" must be an array.");
    for (size_t i = 0; i < tracks.size(); ++i) job.tracks.push_back(decodeTrack(tracks[i], i));
    return job;
}

RenderJob readRenderJobFile(const std::string& path) {
    const audio::ByteBuffer bytes = audio::readFileBytes(path);
    return decodeRenderJob(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

EndingPlan resolveEndingPlan(const RenderJob& job) {
    const common::FinalEndingEffect fallback =
        job.finalFadeOut ? common::FinalEndingEffect::fade : common::FinalEndingEffect::none;
    const std::string_view text = job.finalEndingEffect ? std::string_view(*job.finalEndingEffect)
                                                        : common::rawValue(fallback);
    EndingPlan plan;
    plan.effect = common::finalEndingEffectFromRawValue(text).value_or(fallback);
    plan.tailSeconds = common::tailSeconds(plan.effect);
    return plan;
}

}  // namespace renderer
