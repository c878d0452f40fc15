#pragma once
// How far the wizard may hand an edit to an outside agent. Its words live with the
// edit options (app/songs/edit_options.h).

#include <array>

namespace app::songs {

enum class AIAssistMode { localOnly, agentFallback, providerLater };

inline constexpr std::array<AIAssistMode, 3> kAllAIAssistModes = {
    AIAssistMode::localOnly, AIAssistMode::agentFallback, AIAssistMode::providerLater};

}  // namespace app::songs
