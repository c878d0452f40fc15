#include "common/final_ending_effect.h"

namespace common {

std::string_view rawValue(FinalEndingEffect effect) {
    switch (effect) {
        case FinalEndingEffect::none: return "none";
        case FinalEndingEffect::fade: return "fade";
        case FinalEndingEffect::echoFade: return "echoFade";
    }
    return "none";
}

std::string_view title(FinalEndingEffect effect) {
    switch (effect) {
        case FinalEndingEffect::none: return "Off";
        case FinalEndingEffect::fade: return "Fade";
        case FinalEndingEffect::echoFade: return "Echo/Fade";
    }
    return "Off";
}

double tailSeconds(FinalEndingEffect effect) {
    return effect == FinalEndingEffect::echoFade ? echoFadeTailSeconds : normalFadeTailSeconds;
}

std::optional<FinalEndingEffect> finalEndingEffectFromRawValue(std::string_view raw) {
    for (FinalEndingEffect effect : kAllFinalEndingEffects) {
        if (rawValue(effect) == raw) return effect;
    }
    return std::nullopt;
}

}  // namespace common
