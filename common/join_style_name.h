#pragma once
// The render job's name of each join style, which the wizard writes and the renderer reads:
// "cut", "blend", "tapeStop", "backspin", "scratch", "pause", "stutter", "echoOut".

#include <optional>
#include <string_view>
#include <utility>

#include "common/note_requests.h"

namespace common {

inline constexpr std::pair<JoinStyle, std::string_view> kJoinStyleNames[] = {
    {JoinStyle::cut, "cut"},           {JoinStyle::blend, "blend"},
    {JoinStyle::tapeStop, "tapeStop"}, {JoinStyle::backspin, "backspin"},
    {JoinStyle::scratch, "scratch"},   {JoinStyle::pause, "pause"},
    {JoinStyle::stutter, "stutter"},   {JoinStyle::echoOut, "echoOut"},
};

std::optional<JoinStyle> joinStyleFromName(std::string_view name);
std::string_view joinStyleName(JoinStyle style);

}  // namespace common
