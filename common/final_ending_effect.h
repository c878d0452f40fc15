#pragma once
// The ending of a finished edit, shared by the renderer and the wizard.
// The raw value is what the job file and the preferences store carry.

#include <array>
#include <optional>
#include <string_view>

namespace common {

enum class FinalEndingEffect { none, fade, echoFade };

inline constexpr std::array<FinalEndingEffect, 3> kAllFinalEndingEffects = {
    FinalEndingEffect::none, FinalEndingEffect::fade, FinalEndingEffect::echoFade};

inline constexpr double normalFadeTailSeconds = 2.0;
inline constexpr double echoFadeTailSeconds = 4.0;

// "none", "fade", "echoFade".
std::string_view rawValue(FinalEndingEffect effect);
// "Off", "Fade", "Echo/Fade".
std::string_view title(FinalEndingEffect effect);
// 4.0 for echoFade, 2.0 otherwise (unused for none).
double tailSeconds(FinalEndingEffect effect);
// Exact, case-sensitive match of a raw value; nothing for any other text.
std::optional<FinalEndingEffect> finalEndingEffectFromRawValue(std::string_view raw);

}  // namespace common
