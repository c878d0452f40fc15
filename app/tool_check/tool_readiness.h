#pragma once
// Tool readiness: the Step 1 rows, what is missing and the status they set.

#include <vector>

#include "app/state/tool_check.h"
#include "app/state/wizard_state.h"

namespace app::tools {

bool toolsReady(const WizardState& state);

// Takes the rows of a finished check (interface thread). `songFolderReady` tells
// which Step 2 status follows when nothing is missing. A status line written after the
// check started stays.
void applyToolCheckResults(WizardState& state, std::vector<ToolCheck> checks, bool songFolderReady);

}  // namespace app::tools
