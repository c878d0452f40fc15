#pragma once
// The one JSON form the renderer writes: pretty-printed, keys in ascending code-point
// order, "/" escaped as "\/", integers as integers.

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

namespace renderer {

// Throws RenderError naming the key when any number in `value` is NaN or infinite,
// and std::runtime_error when a text is not valid UTF-8.
std::string encodeJSON(const nlohmann::json& value);

// Encodes `value` and replaces the file at `path` in one step. Nothing is written when
// encoding fails; a write failure throws std::system_error with the platform's reason.
void writeJSON(const nlohmann::json& value, const std::filesystem::path& path);

}  // namespace renderer
