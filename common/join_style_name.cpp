#include "common/join_style_name.h"

namespace common {

std::optional<JoinStyle> joinStyleFromName(std::string_view name) {
    for (const auto& [style, known] : kJoinStyleNames) {
        if (known == name) return style;
    }
    return std::nullopt;
}

std::string_view joinStyleName(JoinStyle style) {
    for (const auto& [known, name] : kJoinStyleNames) {
        if (known == style) return name;
    }
    return "cut";
}

}  // namespace common
