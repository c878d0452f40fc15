#pragma once
// The progress rows of Step 4.

#include <QString>
#include <optional>
#include <vector>

#include "app/run/create_step.h"

namespace app::run {

enum class ProgressRowState { pending, running, done, failed, stopped };

// "Waiting", "Installing", "Done", "Needs Attention", "Stopped".
QString rawValue(ProgressRowState state);
std::optional<ProgressRowState> progressRowStateFromRawValue(const QString& raw);

struct ProgressRow {
    CreateStep id = CreateStep::prepare;
    QString title;
    QString detail;
    double progress = 0.0;  // 0.0 to 1.0
    ProgressRowState state = ProgressRowState::pending;
};

// The five steps in order, all pending at 0.0.
std::vector<ProgressRow> defaultCreateSteps();

// The colour of the live status panel.
enum class StatusColor { green, red, orange, amber };

}  // namespace app::run
