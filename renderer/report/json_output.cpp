#include "renderer/report/json_output.h"

#include <cmath>
#include <stdexcept>

#include "common/atomic_file.h"
#include "common/text.h"
#include "renderer/base/render_error.h"

namespace renderer {
namespace {

constexpr int kIndentSpaces = 2;

// nlohmann::json would quietly write a non-finite number as null; a report with a
// null where a number belongs must fail instead.
void requireFiniteNumbers(const nlohmann::json& value, const std::string& location) {
    if (value.is_number_float() && !std::isfinite(value.get<double>())) {
        const std::string where = location.empty() ? "the top level" : location;
        throw RenderError("Cannot write JSON: the number at " + where + " is not finite.");
    }
    if (value.is_object()) {
        for (const auto& [key, item] : value.items())
            requireFiniteNumbers(item, location + "/" + key);
    } else if (value.is_array()) {
        for (size_t index = 0; index < value.size(); ++index) {
            requireFiniteNumbers(value[index], location + "/" + std::to_string(index));
        }
    }
}

}  // namespace

std::string encodeJSON(const nlohmann::json& value) {
    requireFiniteNumbers(value, "");
    std::string text;
    try {
        text = value.dump(kIndentSpaces);
    } catch (const nlohmann::json::exception& error) {
        throw std::runtime_error(std::string("Cannot write JSON: ") + error.what());
    }
    // Outside strings, JSON text never holds a "/", so every one of them is in a string.
    return common::replaceAll(text, "/", "\\/") + "\n";
}

void writeJSON(const nlohmann::json& value, const std::filesystem::path& path) {
    common::writeFileAtomically(path, encodeJSON(value));
}

}  // namespace renderer
