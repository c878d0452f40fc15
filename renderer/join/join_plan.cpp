#include "renderer/join/join_plan.h"

#include <charconv>

namespace renderer {

std::optional<JoinAsk> joinAsk(const TrackJob& track) {
    if (track.transition) return JoinAsk{*track.transition, "choice"};
    if (const auto request = common::readNoteRequests(track.note).join) {
        return JoinAsk{*request, "note"};
    }
    return std::nullopt;
}

std::string describedLength(const std::optional<common::RequestLength>& length) {
    if (!length) return {};
    char digits[32];
    // The shortest form, with "." whatever the locale: 8, 4.5.
    const std::string count(digits, std::to_chars(digits, digits + sizeof digits, length->count).ptr);
    const bool one = length->count == 1.0;
    switch (length->unit) {
        case common::LengthUnit::beats:
            return count + (one ? " beat" : " beats");
        case common::LengthUnit::bars:
            return count + (one ? " bar" : " bars");
        case common::LengthUnit::seconds:
            return count + (one ? " second" : " seconds");
    }
    return {};
}

}  // namespace renderer
