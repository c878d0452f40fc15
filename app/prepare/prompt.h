#pragma once
// The full prompt for the outside agent ("velvetcut-prompt.md"), built from the
// wizard's current state.

#include <QString>

#include "app/state/wizard_state.h"
#include "common/final_ending_effect.h"

namespace app::prepare {

QString buildPrompt(const WizardState& state);

// The prompt's instruction for the final ending of the finished edit.
QString endingEffectRule(common::FinalEndingEffect effect);

}  // namespace app::prepare
