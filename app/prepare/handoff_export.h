#pragma once
// The hand-off export: the work folder beside the songs with the prompt, the
// diagnostics script, the skill and the read-me.

#include <functional>

#include "app/state/wizard_state.h"

namespace app::prepare {

// Calls `refreshSongList` to bring the songs up to date, then writes the hand-off
// folder and remembers it in the state. Sets the status line either way and returns
// whether the files were written; the caller announces the change.
bool exportHandoff(WizardState& state, const std::function<void()>& refreshSongList);

}  // namespace app::prepare
