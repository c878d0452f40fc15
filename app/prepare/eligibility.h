#pragma once
// Whether the local engine may take the edit, and the job it would render.

#include <QString>

#include "app/prepare/render_job.h"
#include "app/state/wizard_state.h"

namespace app::prepare {

// One pass over the songs in order: the first song that fails decides the
// refusal reason and later songs are not examined. Reads the state only.
// `outputFolder` is the path written into the job.
LocalEngineEligibility localEngineEligibility(const WizardState& state,
                                              const QString& outputFolder);

}  // namespace app::prepare
