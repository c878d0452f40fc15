#pragma once
// The progress rows of Step 4.

#include <QString>
#include <optional>
#include <vector>

#include "app/run/create_step.h"
#include "app/state/progress_steps.h"

namespace app::run {

// "Waiting", "Installing", "Done", "Needs Attention", "Stopped".
QString rawValue(ProgressRowState state);
std::optional<ProgressRowState> progressRowStateFromRawValue(const QString& raw);

// The five steps in order, all pending at 0.0.
std::vector<ProgressRow> defaultCreateSteps();

// The colour of the live status panel.
enum class StatusColor { green, red, orange, amber };

}  // namespace app::run
