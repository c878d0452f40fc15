#pragma once
// The stable keys of the five rows of the edit's progress.

#include <QString>
#include <optional>

#include "app/state/progress_steps.h"

namespace app::run {

// The step's stable key: "prepare", "analyze", "cuts", "render", "save".
QString rawValue(CreateStep step);
std::optional<CreateStep> createStepFromRawValue(const QString& raw);

}  // namespace app::run
