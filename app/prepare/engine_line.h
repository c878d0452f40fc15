#pragma once
// The one line under a song's note on Step 3: what the local engine will do with the song, as
// its note and the join choice say it now. Interface thread.
//
//   "Blend into song 2 over 8 beats, beat-matched"    "Cut into song 3, on the bar"
//   "Needs AI help: first vocal, tape stop"            "" (the last song, asking nothing)

#include <QString>

#include "app/state/wizard_state.h"

namespace app::prepare {

QString localEngineLine(const WizardState& state, int index);

}  // namespace app::prepare
